#include "print/PrintPlan.h"

#include "core/Number.h"
#include "core/RowRules.h"
#include "core/TextHelpers.h"
#include "print/BookingList.h"
#include "print/WeekOverview.h"
#include "print/WeekSchedule.h"

#include <algorithm>

namespace tivra {
namespace {

// The highest school-year week: the second year's week 52. A period past it would only
// print empty pages by the hundred.
constexpr long long kLastWeek = 104;

long long schoolWeek(long long week, int startvecka) {
    return week > 0 && week < startvecka ? week + 52 : week;
}

// One list of the dialog: the names typed, or all of them.
struct Listing {
    std::string typed; // normalised: names between blanks
    bool all = false;
    bool lists(const std::string& name) const { return all || containsWord(typed, name); }
};

// Marks the entries of the two lists that have a booking in the period; a booking found
// among the rooms is not looked for among the other objects.
void markBooked(const Program& program, const PrintPlan& weeks, const Listing& rooms, const Listing& others,
                std::vector<bool>& roomMarks, std::vector<bool>& otherMarks) {
    const BookingTable& table = program.bokningar;
    const std::vector<std::string>& bokaobjekt = program.settings.bokaobjekt;
    for (int r = std::max(table.antallektioner, 0) + 1, last = std::min(table.antalrader, kMaxRows);
         r <= last; ++r) {
        const Bokning& row = table.row(r);
        if (row.cancelled() || !wholeWeekSpan(row.vecka).meets(weeks.firstWeek, weeks.lastWeek)) {
            continue;
        }
        if (rooms.lists(row.objekt)) {
            auto room = std::find(program.salar.begin(), program.salar.end(), row.objekt);
            if (room != program.salar.end()) {
                roomMarks[static_cast<std::size_t>(room - program.salar.begin())] = true;
                continue;
            }
        }
        if (others.lists(row.objekt)) {
            auto other = std::find(bokaobjekt.begin(), bokaobjekt.end(), row.objekt);
            if (other != bokaobjekt.end()) {
                otherMarks[static_cast<std::size_t>(other - bokaobjekt.begin())] = true;
            }
        }
    }
}

void addJobs(const std::vector<std::string>& names, const std::vector<bool>& marks, const Listing& listing,
             const PrintChoice& choice, PrintPlan& plan) {
    for (std::size_t k = 0; k < names.size(); ++k) {
        if (marks[k] || (choice.withUnbooked && listing.lists(names[k]))) {
            plan.jobs.push_back(PrintJob{names[k], choice.lists, choice.weekSchedules});
        }
    }
}

void addListed(const std::vector<std::string>& names, const Listing& listing,
               std::vector<std::string>& into) {
    for (const std::string& name : names) {
        if (listing.lists(name)) {
            into.push_back(name);
        }
    }
}

} // namespace

std::optional<PrintPlan> printWeeks(const std::string& veckor, int startvecka, Messages& messages,
                                    const char* title) {
    const WeekSpan typed = wholeWeekSpan(veckor);
    auto first = static_cast<long long>(typed.w1);
    if (first < 1 || first > 53) {
        messages.show("Ange vecka/veckor.", title, Icon::Exclamation);
        return std::nullopt;
    }
    first = schoolWeek(first, startvecka);
    const long long last = schoolWeek(static_cast<long long>(typed.w2), startvecka);
    if (last < first || last > kLastWeek) {
        messages.show("Ange giltiga veckor.", title, Icon::Exclamation);
        return std::nullopt;
    }
    PrintPlan plan;
    plan.firstWeek = static_cast<int>(first);
    plan.lastWeek = static_cast<int>(last);
    return plan;
}

std::optional<PrintPlan> planPrintout(const Program& program, const PrintChoice& choice, Messages& messages) {
    std::optional<PrintPlan> plan = printWeeks(choice.veckor, program.settings.startvecka, messages);
    if (!plan) {
        return plan;
    }
    const Listing rooms{normalisera(choice.salar), choice.everyRoom};
    const Listing others{normalisera(choice.objekt), choice.everyObject};
    const std::vector<std::string>& bokaobjekt = program.settings.bokaobjekt;
    if (choice.overview) {
        OverviewChoice& sheet = plan->overview;
        addListed(program.salar, rooms, sheet.objects);
        addListed(bokaobjekt, others, sheet.objects);
        sheet.all = choice.withUnbooked;
        sheet.lessons = choice.withLessons;
        // Weeks with nothing to show print no sheet; with none at all there is nothing to print.
        if (!overviewHasSheets(program, sheet, plan->firstWeek, plan->lastWeek)) {
            sheet.objects.clear();
        }
    }
    if (!(choice.lists || choice.weekSchedules)) {
        return plan;
    }
    std::vector<bool> roomMarks(program.salar.size());
    std::vector<bool> otherMarks(bokaobjekt.size());
    if (!choice.withUnbooked) {
        markBooked(program, *plan, rooms, others, roomMarks, otherMarks);
    }
    addJobs(program.salar, roomMarks, rooms, choice, *plan);
    addJobs(bokaobjekt, otherMarks, others, choice, *plan);
    return plan;
}

int planSteps(const PrintPlan& plan) {
    int steps = plan.overview.objects.empty() ? 0 : plan.lastWeek - plan.firstWeek + 1;
    for (const PrintJob& job : plan.jobs) {
        steps += (job.lista ? 1 : 0) + (job.schema ? plan.lastWeek - plan.firstWeek + 1 : 0);
    }
    return steps;
}

PrintNotes renderPlan(const PrintPlan& plan, const Program& program, const Date& today, PrintSurface& surface,
                      const GoOn& goOn) {
    Printout out{surface, program, today, {}, goOn};
    if (!plan.overview.objects.empty()) {
        printOverview(out, plan.overview, plan.firstWeek, plan.lastWeek);
        if (out.notes.interrupted) {
            return out.notes;
        }
        // Turned back only when pages follow: a print preview shows every page in the
        // orientation the document ends with.
        if (!plan.jobs.empty()) {
            surface.setLandscape(false);
        }
    }
    for (const PrintJob& job : plan.jobs) {
        if (job.lista) {
            skrivut(out, job.objekt, plan.firstWeek, plan.lastWeek);
            surface.newPage();
            if (!out.nextStep()) {
                return out.notes;
            }
        }
        if (job.schema) {
            skrivut_grafiskt(out, job.objekt, plan.firstWeek, plan.lastWeek);
            if (out.notes.interrupted) {
                return out.notes;
            }
        }
    }
    surface.endDoc();
    return out.notes;
}

} // namespace tivra

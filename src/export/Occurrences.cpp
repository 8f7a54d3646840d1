#include "export/Occurrences.h"

#include "config/ViewObjects.h"
#include "core/Calendar.h"
#include "core/Number.h"
#include "core/RowRules.h"
#include "core/TextHelpers.h"

#include <algorithm>
#include <cstdint>
#include <tuple>

namespace tivra {
namespace {

// FNV-1a over the row's stored fields and the week: a calendar that imports a newer
// export recognises the event it had, and two rows that differ anywhere differ here too.
std::string uidOf(const Bokning& row, int week) {
    std::uint64_t hash = 14695981039346656037ULL;
    auto mix = [&hash](const std::string& text) {
        for (char c : text) {
            hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
        }
        hash = (hash ^ 0x1F) * 1099511628211ULL; // a field separator no field holds
    };
    for (std::string Bokning::*field : kBokningFields) {
        mix(row.*field);
    }
    mix(std::to_string(week));
    static const char digits[] = "0123456789abcdef";
    std::string uid;
    for (int i = 0; i < 16; ++i, hash >>= 4) {
        uid += digits[hash & 0xF];
    }
    return uid + "-v" + std::to_string(week) + "@tivra";
}

bool chosen(const BookingTable& table, int r, const ExportChoice& choice) {
    const Bokning& row = table.row(r);
    if (!choice.person.empty()) {
        return table.isLesson(r) ? containsWord(row.larare, choice.person)
                                 : !row.cancelled() && row.signatur == choice.person;
    }
    return rowOfObject(table, r, choice.objekt);
}

} // namespace

std::optional<ExportChoice> shownChoice(const Program& program) {
    const std::string* entry = chosenEntry(program);
    if (entry == nullptr) {
        return std::nullopt;
    }
    ExportChoice choice;
    if (program.selection.viewKind == ViewKind::Personal) {
        choice.person = delaord(*entry).ord1;
    } else {
        choice.objekt = *entry;
    }
    choice.firstWeek = program.settings.startvecka;
    choice.lastWeek = program.settings.slutvecka;
    choice.lessons = true;
    return choice;
}

std::vector<Occurrence> occurrences(const Program& program, const ExportChoice& choice, const Date& today) {
    const BookingTable& table = program.bokningar;
    const WeekDating dating = weekDating(program, today);
    std::vector<Occurrence> found;
    const int first = choice.lessons ? 1 : std::max(table.antallektioner, 0) + 1;
    for (int r = first; r <= table.antalrader; ++r) {
        if (!chosen(table, r, choice)) {
            continue;
        }
        const Bokning& row = table.row(r);
        const int day = rowDay(row);
        if (day == 0) {
            continue;
        }
        const int start = (startSlot(row) - 1) * 5;
        const int end = endMinutes(row);
        for (int w = choice.firstWeek; w <= choice.lastWeek; ++w) {
            std::optional<Date> date = rowInWeek(table, r, w) ? calendarDate(w, day, dating) : std::nullopt;
            if (date && startSlot(row) > 0) {
                found.push_back(Occurrence{*date, w, start, end, table.isLesson(r), row.objekt, row.signatur,
                                           row.kommentar, row.larare, uidOf(row, w)});
            }
        }
    }
    std::stable_sort(found.begin(), found.end(), [](const Occurrence& a, const Occurrence& b) {
        return std::tie(a.date.year, a.date.month, a.date.day, a.start) <
               std::tie(b.date.year, b.date.month, b.date.day, b.start);
    });
    return found;
}

} // namespace tivra

#include "print/BookingList.h"

#include "core/Calendar.h"
#include "core/Number.h"
#include "core/RowRules.h"
#include "print/TextFitting.h"

#include <algorithm>
#include <vector>

namespace tivra {
namespace {

struct Entry {
    std::string key; // first week (two digits), day digit, "hh.mm - hh.mm"
    std::string signatur;
    const std::string* kommentar = nullptr;
    WeekSpan weeks;
    double day = 0;
    std::string_view timeText() const {
        return std::string_view(key).substr(std::min<std::size_t>(3, key.size()));
    }
};

std::string firstWeekKey(std::string_view vecka) {
    std::string digits = "0" + decimalText(textvarde(vecka));
    return digits.substr(digits.size() - 2);
}

// Every booking of the object, whatever its weeks, sorted by first week, day and start
// time; equal keys keep their order in the table.
std::vector<Entry> sortedEntries(Printout& out, const std::string& objekt) {
    const BookingTable& table = out.program.bokningar;
    std::vector<Entry> entries;
    for (int r = std::max(table.antallektioner, 0) + 1, last = std::min(table.antalrader, kMaxRows);
         r <= last; ++r) {
        const Bokning& row = table.row(r);
        if (row.cancelled() || row.objekt != objekt) {
            continue;
        }
        printedStartSlot(out, row);
        Entry entry;
        entry.key = firstWeekKey(row.vecka) + row.dag + row.starttid + " - " + endLabel(row);
        entry.signatur = row.signatur.substr(0, 6);
        entry.kommentar = &row.kommentar;
        entry.weeks = wholeWeekSpan(row.vecka);
        entry.day = entry.key.size() > 2 ? textvarde(std::string_view(entry.key).substr(2, 1)) : 0;
        entries.push_back(std::move(entry));
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry& a, const Entry& b) { return a.key < b.key; });
    return entries;
}

class ListWriter {
  public:
    ListWriter(Printout& out, const std::string& objekt) : out_(out), s_(out.surface), objekt_(objekt) {}

    void heading() {
        // The look of the page follows the running settings, a save in the dialog at once.
        const Settings& settings = out_.program.running;
        s_.setFontName(settings.font2);
        s_.setFontSize(12);
        s_.writeLine("");
        s_.setCurrentX(0.15 * s_.pageWidth());
        s_.writeLine(settings.skola);
        s_.setFontSize(16);
        s_.setCurrentX(0.15 * s_.pageWidth());
        titleAndDate(s_, "Bokningar av ", objekt_, "", 0.75 * s_.pageWidth(), dateText(out_.today));
        s_.writeLine("");
        s_.setFontSize(10);
    }

    void week(int w) {
        shownWeek_ = w > 52 ? w - 52 : w;
        weekHeaded_ = false;
    }
    void day() { dayNamed_ = false; }

    void line(const Entry& entry, int d) {
        if (s_.currentY() > 0.92 * s_.pageHeight()) {
            pageBreak();
        }
        if (!weekHeaded_) {
            weekHeaded_ = true;
            s_.writeLine("");
            s_.setCurrentX(0.15 * s_.pageWidth());
            s_.writeOn("V " + numberText(shownWeek_));
        }
        if (!dayNamed_) {
            dayNamed_ = true;
            moveToColumn(s_, 0.2 * s_.pageWidth());
            s_.writeOn(dagnamn(d));
        }
        moveToColumn(s_, 0.25 * s_.pageWidth());
        s_.writeOn(std::string(entry.timeText()));
        moveToColumn(s_, 0.35 * s_.pageWidth());
        s_.writeOn(entry.signatur);
        moveToColumn(s_, 0.44 * s_.pageWidth());
        s_.writeLine(fittedComment(*entry.kommentar));
    }

  private:
    // Half the page width: the comment column ends well inside the right margin.
    std::string fittedComment(const std::string& kommentar) {
        return kortatext(s_, kommentar, 0.5 * s_.pageWidth());
    }

    // The week and day flags stay: a week that goes on over the page is not headed again.
    void pageBreak() {
        ++pages_;
        s_.newPage();
        s_.writeLine("");
        s_.setCurrentX(0.15 * s_.pageWidth());
        const std::string page = ", sida " + numberText(pages_ + 1);
        const double room = 0.85 * s_.pageWidth() - s_.currentX() - s_.textWidth("Bokningar av " + page);
        s_.writeLine("Bokningar av " + shortenedName(s_, objekt_, room) + page);
        s_.writeLine("");
    }

    Printout& out_;
    PrintSurface& s_;
    const std::string& objekt_;
    int pages_ = 0;
    long long shownWeek_ = 0;
    bool weekHeaded_ = false;
    bool dayNamed_ = false;
};

} // namespace

void skrivut(Printout& out, const std::string& objekt, int forsta, int sista) {
    std::vector<Entry> entries = sortedEntries(out, objekt);
    ListWriter writer(out, objekt);
    writer.heading();
    for (int w = forsta; w <= sista; ++w) {
        writer.week(w);
        for (int d = 1; d <= 7; ++d) {
            writer.day();
            for (const Entry& entry : entries) {
                if (entry.weeks.covers(w) && entry.day == d) {
                    writer.line(entry, d);
                }
            }
        }
    }
}

} // namespace tivra

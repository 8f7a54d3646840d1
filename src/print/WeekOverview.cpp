#include "print/WeekOverview.h"

#include "core/Calendar.h"
#include "core/Number.h"
#include "core/RowRules.h"
#include "print/TextFitting.h"

#include <algorithm>
#include <unordered_map>

namespace tivra {
namespace {

constexpr double kPad = 60; // twips between a cell's edge and its text

struct Timed {
    int slot;
    std::string text;
};

// A booking as its cell lists it.
std::string cellText(const Bokning& row) {
    std::string text = row.starttid + "\x96" + endLabel(row) + " " + row.signatur;
    return row.kommentar.empty() ? text : text + " " + row.kommentar;
}

class OverviewPage {
  public:
    OverviewPage(Printout& out, const std::vector<OverviewRow>& rows, int week)
        : out_(out), s_(out.surface), rows_(rows), week_(week),
          days_(out.program.settings.helg == 1 ? 7 : 5) {}

    void draw() {
        s_.setFontName(out_.program.running.font1);
        s_.setFontSize(9);
        lineHeight_ = s_.textHeight("\xC5g");
        nameWidth_ = kPad * 2;
        for (const OverviewRow& row : rows_) {
            nameWidth_ = std::max(nameWidth_, s_.textWidth(row.objekt) + 2 * kPad);
        }
        nameWidth_ = std::min(nameWidth_, 0.2 * s_.pageWidth());
        dayWidth_ = (s_.pageWidth() - nameWidth_) / days_;
        double y = head();
        for (const OverviewRow& row : rows_) {
            y = drawRow(row, y);
        }
        s_.newPage();
    }

  private:
    // The heading and the table's head; the top of the first row.
    double head() {
        const double W = s_.pageWidth();
        const KalenderLage lage = kalenderLage(out_.program, out_.today);
        s_.setFontSize(12);
        s_.moveTo(0, 0);
        s_.writeLine(out_.program.running.skola);
        s_.setFontSize(16);
        const double line = s_.currentY();
        const double tall = s_.textHeight("M");
        s_.writeOn("Vecko\xF6versikt vecka " + shownWeek(week_));
        s_.setFontSize(10);
        // On the heading's baseline, not at its top.
        s_.moveTo(s_.currentX(), line + tall - s_.textHeight("M"));
        s_.writeOn("   " + datum(week_, 1, lage) + " \x96 " + datum(week_, days_, lage));
        moveToColumn(s_, 0.85 * W);
        s_.writeLine(datumtext(out_.today));
        const double top = s_.currentY() + lineHeight_;
        s_.setFontSize(9);
        const double bottom = top + lineHeight_ + 2 * kPad;
        for (int d = 1; d <= days_; ++d) {
            s_.filledBox(left(d), top, left(d) + dayWidth_, bottom, 230);
            std::string heading = dagrubrik(d) + " " + datum(week_, d, lage);
            s_.moveTo(left(d) + kPad, top + kPad);
            s_.writeOn(kortatext(s_, heading, dayWidth_ - 2 * kPad));
        }
        rule(top);
        columns(top, bottom);
        rule(bottom);
        pageTop_ = bottom;
        return bottom;
    }

    double left(int d) const { return nameWidth_ + (d - 1) * dayWidth_; }

    void rule(double y) { s_.line(0, y, s_.pageWidth(), y); }

    void columns(double top, double bottom) {
        s_.line(0, top, 0, bottom);
        for (int d = 1; d <= days_ + 1; ++d) {
            double x = std::min(left(d), s_.pageWidth());
            s_.line(x, top, x, bottom);
        }
    }

    std::size_t lines(const OverviewRow& row) const {
        std::size_t most = 1;
        for (int d = 1; d <= days_; ++d) {
            most = std::max(most, row.cells[static_cast<std::size_t>(d - 1)].size());
        }
        return most;
    }

    // Draws the row from `y`, on a new sheet when it does not fit below; a row taller
    // than a whole sheet goes on in pieces. The top of the next row.
    double drawRow(const OverviewRow& row, double y) {
        const std::size_t total = lines(row);
        std::size_t from = 0;
        while (from < total) {
            double room = s_.pageHeight() - y - 2 * kPad;
            auto fits = static_cast<std::size_t>(std::max(0.0, room / lineHeight_));
            // A row that does not fit below starts the next sheet, unless it is the first
            // of this one: then no sheet would hold it, and it goes on in pieces.
            if (fits < total - from && from == 0 && y > pageTop_) {
                s_.newPage();
                y = head();
                continue;
            }
            std::size_t count = std::min(total - from, std::max<std::size_t>(fits, 1));
            y = drawPiece(row, from, count, y);
            from += count;
            if (from < total) {
                s_.newPage();
                y = head();
            }
        }
        return y;
    }

    double drawPiece(const OverviewRow& row, std::size_t from, std::size_t count, double y) {
        s_.setFontSize(9);
        s_.moveTo(kPad, y + kPad);
        s_.writeOn(kortatext(s_, row.objekt, nameWidth_ - 2 * kPad));
        for (int d = 1; d <= days_; ++d) {
            const std::vector<std::string>& cell = row.cells[static_cast<std::size_t>(d - 1)];
            for (std::size_t i = from; i < std::min(cell.size(), from + count); ++i) {
                s_.moveTo(left(d) + kPad, y + kPad + static_cast<double>(i - from) * lineHeight_);
                s_.writeOn(kortatext(s_, cell[i], dayWidth_ - 2 * kPad));
            }
        }
        const double bottom = y + static_cast<double>(count) * lineHeight_ + 2 * kPad;
        columns(y, bottom);
        rule(bottom);
        return bottom;
    }

    Printout& out_;
    PrintSurface& s_;
    const std::vector<OverviewRow>& rows_;
    int week_;
    int days_;
    double lineHeight_ = 0;
    double nameWidth_ = 0;
    double dayWidth_ = 0;
    double pageTop_ = 0; // the top of the sheet's first row
};

} // namespace

std::vector<OverviewRow> overviewRows(const Program& program, const std::vector<std::string>& objects,
                                      int week, bool all) {
    std::unordered_map<std::string, std::size_t> index;
    for (std::size_t k = 0; k < objects.size(); ++k) {
        index.emplace(objects[k], k);
    }
    std::vector<std::array<std::vector<Timed>, 7>> timed(objects.size());
    std::vector<bool> booked(objects.size());
    const BookingTable& table = program.bokningar;
    for (int r = std::max(table.antallektioner, 0) + 1; r <= table.antalrader; ++r) {
        const Bokning& row = table.row(r);
        auto at = index.find(row.objekt);
        const double day = textvarde(row.dag);
        if (row.cancelled() || at == index.end() || !rowInWeek(table, r, week) || day < 1 || day > 7 ||
            day != static_cast<double>(static_cast<int>(day))) {
            continue;
        }
        booked[at->second] = true;
        timed[at->second][static_cast<std::size_t>(day) - 1].push_back(Timed{startSlot(row), cellText(row)});
    }
    std::vector<OverviewRow> rows;
    for (std::size_t k = 0; k < objects.size(); ++k) {
        if (!booked[k] && !all) {
            continue;
        }
        OverviewRow row{objects[k], {}};
        for (std::size_t d = 0; d < 7; ++d) {
            std::vector<Timed>& cell = timed[k][d];
            std::stable_sort(cell.begin(), cell.end(),
                             [](const Timed& a, const Timed& b) { return a.slot < b.slot; });
            for (Timed& t : cell) {
                row.cells[d].push_back(std::move(t.text));
            }
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

void skrivut_oversikt(Printout& out, const std::vector<std::string>& objects, int forstavecka, int sistavecka,
                      bool all) {
    out.surface.setLandscape(true);
    for (int w = forstavecka; w <= sistavecka; ++w) {
        std::vector<OverviewRow> rows = overviewRows(out.program, objects, w, all);
        OverviewPage(out, rows, w).draw();
        if (!out.nextStep()) {
            break;
        }
    }
}

} // namespace tivra

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
constexpr double kLargest = 12;
constexpr double kSmallest = 9;

// One printed line of a cell; a lesson's lines lie on its grey.
struct CellLine {
    std::string text;
    bool lesson = false;
};

// A row laid out at one type size: every cell's lines.
struct LaidRow {
    const OverviewRow* row = nullptr;
    std::array<std::vector<CellLine>, 7> cells;
    std::size_t lines = 1;
};

// A part of a row on one sheet: lines from..from+count of every cell.
struct Piece {
    std::size_t row = 0;
    std::size_t from = 0;
    std::size_t count = 0;
};

OverviewEntry entryOf(const BookingTable& table, int r) {
    const Bokning& row = table.row(r);
    return {row.starttid + "\x96" + endLabel(row) + " " + row.signatur, row.kommentar, table.isLesson(r)};
}

class OverviewSheets {
  public:
    OverviewSheets(Printout& out, const std::vector<OverviewRow>& rows, int week, bool lessons)
        : out_(out), s_(out.surface), rows_(rows), week_(week), lessons_(lessons),
          days_(out.program.settings.helg == 1 ? 7 : 5) {}

    void draw() {
        s_.setFontName(out_.program.running.font1);
        s_.setLineWidth(out_.program.running.linjebredd);
        chooseSize();
        const std::vector<std::vector<Piece>> sheets = paginate();
        for (std::size_t n = 0; n < sheets.size(); ++n) {
            double y = head();
            for (const Piece& piece : sheets[n]) {
                y = drawPiece(piece, y);
            }
            foot(n + 1, sheets.size());
            s_.newPage();
        }
    }

  private:
    // The largest size, in half points, at which the week fits one sheet; the smallest
    // when none does.
    void chooseSize() {
        for (size_ = kLargest; size_ > kSmallest; size_ -= 0.5) {
            layOut();
            double height = headHeight() + footHeight();
            for (const LaidRow& row : laid_) {
                height += rowHeight(row.lines);
            }
            if (height <= s_.pageHeight()) {
                return;
            }
        }
        size_ = kSmallest;
        layOut();
    }

    void layOut() {
        s_.setFontSize(size_);
        lineHeight_ = s_.textHeight("\xC5g");
        nameWidth_ = kPad * 2;
        for (const OverviewRow& row : rows_) {
            nameWidth_ = std::max(nameWidth_, s_.textWidth(row.objekt) + 2 * kPad);
        }
        nameWidth_ = std::min(nameWidth_, 0.2 * s_.pageWidth());
        dayWidth_ = (s_.pageWidth() - nameWidth_) / days_;
        laid_.clear();
        for (const OverviewRow& row : rows_) {
            LaidRow laid{&row, {}, 1};
            for (int d = 0; d < days_; ++d) {
                std::vector<CellLine>& lines = laid.cells[static_cast<std::size_t>(d)];
                for (const OverviewEntry& entry : row.cells[static_cast<std::size_t>(d)]) {
                    wrap(entry, lines);
                }
                laid.lines = std::max(laid.lines, lines.size());
            }
            laid_.push_back(std::move(laid));
        }
    }

    // The time and signature on the first line, the comment wrapped under it.
    void wrap(const OverviewEntry& entry, std::vector<CellLine>& lines) {
        const double width = dayWidth_ - 2 * kPad;
        lines.push_back({kortatext(s_, entry.head, width), entry.lesson});
        for (std::string rest = entry.comment; !rest.empty();) {
            WordSplit parts = delarad(s_, rest, width);
            lines.push_back({kortatext(s_, parts.ord1, width), entry.lesson});
            rest = std::move(parts.ordrest);
        }
    }

    double rowHeight(std::size_t lines) const { return static_cast<double>(lines) * lineHeight_ + 2 * kPad; }

    double titleHeight() {
        s_.setFontSize(12);
        double height = s_.textHeight("M");
        s_.setFontSize(16);
        height += s_.textHeight("M");
        s_.setFontSize(size_);
        return height;
    }

    double headHeight() { return titleHeight() + lineHeight_ / 2 + rowHeight(1); }

    double footHeight() {
        s_.setFontSize(kSmallest);
        const double height = s_.textHeight("M") + kPad;
        s_.setFontSize(size_);
        return height;
    }

    // The rows' pieces sheet by sheet: a row that does not fit below starts the next
    // sheet, unless it is the first of its sheet; then no sheet holds it, and it goes on
    // in pieces.
    std::vector<std::vector<Piece>> paginate() {
        const double top = headHeight();
        const double bottom = s_.pageHeight() - footHeight();
        std::vector<std::vector<Piece>> sheets(1);
        double y = top;
        for (std::size_t r = 0; r < laid_.size(); ++r) {
            for (std::size_t from = 0; from < laid_[r].lines;) {
                const std::size_t left = laid_[r].lines - from;
                auto fits = static_cast<std::size_t>(std::max(0.0, (bottom - y - 2 * kPad) / lineHeight_));
                if (fits < left && y > top) {
                    sheets.emplace_back();
                    y = top;
                    continue;
                }
                const std::size_t count = std::min(left, std::max<std::size_t>(fits, 1));
                sheets.back().push_back({r, from, count});
                y += rowHeight(count);
                from += count;
            }
        }
        return sheets;
    }

    // The heading and the table's head; the top of the first row.
    double head() {
        const double W = s_.pageWidth();
        const WeekDating dating = weekDating(out_.program, out_.today);
        s_.setFontSize(12);
        s_.moveTo(0, 0);
        s_.writeLine(out_.program.running.skola);
        const double line = s_.currentY();
        s_.setFontSize(16);
        const double tall = s_.textHeight("M");
        s_.writeOn("Vecko\xF6versikt vecka " + shownWeek(week_));
        s_.setFontSize(10);
        // On the heading's baseline, not at its top.
        s_.moveTo(s_.currentX(), line + tall - s_.textHeight("M"));
        std::string dates = "   " + datum(week_, 1, dating) + " \x96 " + datum(week_, days_, dating);
        s_.writeOn(lessons_ ? dates : dates + "   Endast bokningar");
        moveToColumn(s_, std::min(0.85 * W, W - s_.textWidth(dateText(out_.today))));
        s_.writeOn(dateText(out_.today));
        const double top = titleHeight() + lineHeight_ / 2;
        s_.setFontSize(size_);
        const double bottom = top + rowHeight(1);
        for (int d = 1; d <= days_; ++d) {
            s_.filledBox(left(d), top, left(d) + dayWidth_, bottom, out_.program.running.toning);
            std::string heading = dagrubrik(d) + " " + datum(week_, d, dating);
            s_.moveTo(left(d) + kPad, top + kPad);
            s_.writeOn(kortatext(s_, heading, dayWidth_ - 2 * kPad));
        }
        rule(top);
        columns(top, bottom);
        rule(bottom);
        return bottom;
    }

    void foot(std::size_t sheet, std::size_t sheets) {
        s_.setFontSize(kSmallest);
        const std::string text = "blad " + decimalText(static_cast<long long>(sheet)) + " av " +
                                 decimalText(static_cast<long long>(sheets));
        s_.moveTo(s_.pageWidth() - s_.textWidth(text), s_.pageHeight() - s_.textHeight(text));
        s_.writeOn(text);
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

    double drawPiece(const Piece& piece, double y) {
        const LaidRow& row = laid_[piece.row];
        const double bottom = y + rowHeight(piece.count);
        s_.setFontSize(size_);
        s_.moveTo(kPad, y + kPad);
        s_.writeOn(shortenedName(s_, row.row->objekt, nameWidth_ - 2 * kPad));
        for (int d = 1; d <= days_; ++d) {
            const std::vector<CellLine>& cell = row.cells[static_cast<std::size_t>(d - 1)];
            for (std::size_t i = piece.from; i < std::min(cell.size(), piece.from + piece.count); ++i) {
                const double top = y + kPad + static_cast<double>(i - piece.from) * lineHeight_;
                if (cell[i].lesson) {
                    s_.filledBox(left(d), top, left(d) + dayWidth_, top + lineHeight_,
                                 out_.program.running.toninglektion);
                }
                s_.moveTo(left(d) + kPad, top);
                s_.writeOn(cell[i].text);
            }
        }
        columns(y, bottom);
        rule(bottom);
        return bottom;
    }

    Printout& out_;
    PrintSurface& s_;
    const std::vector<OverviewRow>& rows_;
    int week_;
    bool lessons_;
    int days_;
    double size_ = kSmallest;
    double lineHeight_ = 0;
    double nameWidth_ = 0;
    double dayWidth_ = 0;
    std::vector<LaidRow> laid_;
};

struct Timed {
    int slot;
    OverviewEntry entry;
};

} // namespace

std::vector<OverviewRow> overviewRows(const Program& program, const OverviewChoice& choice, int week,
                                      int days) {
    const std::vector<std::string>& objects = choice.objects;
    std::unordered_map<std::string, std::size_t> index;
    for (std::size_t k = 0; k < objects.size(); ++k) {
        index.emplace(objects[k], k);
    }
    std::vector<std::array<std::vector<Timed>, 7>> timed(objects.size());
    std::vector<bool> shown(objects.size());
    bool any = false;
    const BookingTable& table = program.bokningar;
    auto place = [&](int r, std::size_t k) {
        const int day = rowDay(table.row(r));
        if (day < 1 || day > days || !rowInWeek(table, r, week)) {
            return;
        }
        shown[k] = any = true;
        timed[k][static_cast<std::size_t>(day - 1)].push_back({startSlot(table.row(r)), entryOf(table, r)});
    };
    const int lessons = std::max(table.antallektioner, 0);
    for (int r = choice.lessons ? 1 : lessons + 1; r <= table.antalrader; ++r) {
        const Bokning& row = table.row(r);
        if (r > lessons) {
            auto at = index.find(row.objekt);
            if (!row.cancelled() && at != index.end()) {
                place(r, at->second);
            }
            continue;
        }
        // A lesson names its rooms as words.
        const std::string& rooms = row.objekt;
        for (std::size_t at = 0; at < rooms.size();) {
            std::size_t end = std::min(rooms.find(' ', at), rooms.size());
            auto found = index.find(rooms.substr(at, end - at));
            if (end > at && found != index.end()) {
                place(r, found->second);
            }
            at = end + 1;
        }
    }
    std::vector<OverviewRow> rows;
    for (std::size_t k = 0; any && k < objects.size(); ++k) {
        if (!shown[k] && !choice.all) {
            continue;
        }
        OverviewRow row{objects[k], {}};
        for (std::size_t d = 0; d < 7; ++d) {
            std::vector<Timed>& cell = timed[k][d];
            std::stable_sort(cell.begin(), cell.end(),
                             [](const Timed& a, const Timed& b) { return a.slot < b.slot; });
            for (Timed& t : cell) {
                row.cells[d].push_back(std::move(t.entry));
            }
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

bool overviewHasSheets(const Program& program, const OverviewChoice& choice, int firstWeek, int lastWeek) {
    const int days = program.settings.helg == 1 ? 7 : 5;
    for (int w = firstWeek; w <= lastWeek; ++w) {
        if (!overviewRows(program, choice, w, days).empty()) {
            return true;
        }
    }
    return false;
}

void printOverview(Printout& out, const OverviewChoice& choice, int firstWeek, int lastWeek) {
    out.surface.setLandscape(true);
    const int days = out.program.settings.helg == 1 ? 7 : 5;
    for (int w = firstWeek; w <= lastWeek; ++w) {
        std::vector<OverviewRow> rows = overviewRows(out.program, choice, w, days);
        if (!rows.empty()) {
            OverviewSheets(out, rows, w, choice.lessons).draw();
        }
        if (!out.nextStep()) {
            break;
        }
    }
}

} // namespace tivra

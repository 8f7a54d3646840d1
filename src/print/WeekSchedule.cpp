#include "print/WeekSchedule.h"

#include "core/Calendar.h"
#include "core/Number.h"
#include "core/RowRules.h"
#include "print/TextFitting.h"

#include <algorithm>
#include <vector>

namespace tivra {
namespace {

double whole(double value) {
    return static_cast<double>(roundHalfEven(value));
}

class SchedulePage {
  public:
    SchedulePage(Printout& out, const std::string& objekt)
        : out_(out), s_(out.surface), look_(out.program.running), objekt_(objekt),
          base_(scheduleGeometry(s_.pageWidth(), s_.pageHeight(), out.program.settings)), g_(base_) {
        // The object's rows are found once for all its weeks.
        const BookingTable& table = out.program.bokningar;
        for (int r = 1, last = std::min(table.antalrader, kMaxRows); r <= last; ++r) {
            if (rowOfObject(table, r, objekt_)) {
                rows_.push_back(r);
            }
        }
    }

    void draw(int w) {
        g_ = pageGeometry(w);
        title(w);
        grid();
        axis();
        dayHeadings(w);
        boxes(w);
        if (legend_) {
            legend();
        }
        s_.newPage();
    }

  private:
    void title(int w) {
        const double W = s_.pageWidth();
        const double H = s_.pageHeight();
        s_.setFontSize(12);
        s_.moveTo(g_.x0, 0.02 * H);
        s_.writeLine(look_.skola);
        s_.setFontSize(16);
        s_.moveTo(g_.x0, 0.04 * H);
        titleAndDate(s_, "Bokningar av ", objekt_, "  vecka" + numberText(w > 52 ? w - 52 : w), 0.85 * W,
                     dateText(out_.today));
    }

    void grid() {
        s_.line(g_.x0, g_.Y0, g_.x0, g_.Y2);
        for (int i = 0; i <= g_.n; ++i) {
            s_.line(X(i), g_.Y0, X(i), g_.Y2);
        }
        s_.line(g_.x0, g_.Y0, X(g_.n), g_.Y0);
        s_.line(X(0), g_.Y1, X(g_.n), g_.Y1);
        s_.line(g_.x0, g_.Y2, X(g_.n), g_.Y2);
    }

    void axis() {
        const double W = s_.pageWidth();
        s_.setFontSize(8);
        const double halfDigit = s_.textHeight("0") / 2;
        for (int h = g_.starttimme; h < g_.starttimme + g_.timmar; ++h) {
            double y = whole(g_.Y1 + (h - g_.starttimme) * g_.hpx);
            s_.line(g_.x0 + 0.04 * W, y, X(0), y);
            std::string label = decimalText(static_cast<long long>(h)) + ".00";
            s_.moveTo(g_.x0 + 0.038 * W - s_.textWidth(label), y - halfDigit);
            s_.writeLine(label);
            for (int mark = 1; mark <= 5; ++mark) {
                y = whole(y + g_.hpx / 6);
                s_.line(g_.x0 + (mark == 3 ? 0.04 : 0.045) * W, y, X(0), y);
            }
        }
    }

    void dayHeadings(int w) {
        s_.setFontSize(10);
        const double y = g_.Y0 + (g_.Y1 - g_.Y0 - s_.textHeight("M")) / 2;
        const WeekDating dating = weekDating(out_.program, out_.today);
        for (int d = 1; d <= g_.n; ++d) {
            std::string heading = dagrubrik(d) + " " + datum(w, d, dating);
            s_.moveTo(X(d - 1) + (g_.cw - s_.textWidth(heading)) / 2, y);
            s_.writeOn(heading);
        }
    }

    // The rows drawn on week w's page, in table order, with their day columns.
    std::vector<std::pair<int, int>> pageRows(int w) const {
        std::vector<std::pair<int, int>> drawn;
        const BookingTable& table = out_.program.bokningar;
        for (int r : rows_) {
            if (!rowInWeek(table, r, w)) {
                continue;
            }
            const int day = rowDay(table.row(r));
            // A day outside the columns has no place on the page.
            if (day == 0 || day > base_.n) {
                continue;
            }
            drawn.emplace_back(r, day);
        }
        return drawn;
    }

    // The settings' hours, widened to the whole hours that cover a page's rows before or
    // after them (a parents' evening, an early exam), within the day; the grid keeps its
    // place on the page, so the legend stays below it.
    ScheduleGeometry pageGeometry(int w) {
        int first = base_.starttimme * 60;
        int last = (base_.starttimme + base_.timmar) * 60;
        const BookingTable& table = out_.program.bokningar;
        for (const auto& [r, d] : pageRows(w)) {
            const Bokning& row = table.row(r);
            const int start = (printedStartSlot(out_, row) - 1) * 5;
            first = std::min(first, start);
            last = std::max(last, start + static_cast<int>(std::max(0.0, textvarde(row.langd))));
        }
        ScheduleGeometry g = base_;
        g.starttimme = std::max(0, first / 60);
        const int end = std::min(24, (last + 59) / 60);
        g.timmar = std::max(1, end - g.starttimme);
        if (g.starttimme != base_.starttimme || g.timmar != base_.timmar) {
            g.hpx = (g.Y2 - g.Y1) / g.timmar;
        }
        return g;
    }

    // Lessons first, then bookings, in table order: a booking lies over the lesson it
    // shares time with.
    void boxes(int w) {
        s_.setFontSize(8);
        for (const auto& [r, d] : pageRows(w)) {
            box(out_.program.bokningar, r, d);
        }
    }

    void box(const BookingTable& table, int r, int d) {
        const Bokning& row = table.row(r);
        // Clipped to the axis (it ends at midnight); the end label still tells the real end.
        const double first = g_.starttimme * 60.0;
        const double end = (g_.starttimme + g_.timmar) * 60.0;
        const MinuteSpan span =
            clipToAxis((printedStartSlot(out_, row) - 1) * 5.0, textvarde(row.langd), first, end);
        const double T = g_.top(span.start);
        const double B = g_.height(span.length);
        const double left = X(d - 1);
        const bool lesson = table.isLesson(r);
        legend_ = legend_ || lesson;
        s_.filledBox(left, T, X(d), T + B, lesson ? look_.toninglektion : look_.toning);
        s_.box(left, T, X(d), T + B);

        const double pad = 0.02 * g_.cw;
        const double digit = s_.textHeight("0");
        std::string ends = endLabel(row);
        // A box too short for the end time under the first line gets both times on it;
        // the end label would otherwise be written over the start time.
        const bool oneLine = B < 2 * digit + 2 * pad;
        const std::string times = oneLine ? row.starttid + "-" + ends : row.starttid;
        const double timeWidth = s_.textWidth(times);
        s_.moveTo(left + pad, T + pad);
        s_.writeOn(kortatext(s_, row.signatur, 0.95 * g_.cw - timeWidth));
        s_.setCurrentX(left + 0.98 * g_.cw - timeWidth);
        s_.writeLine(times);
        if (oneLine) {
            return;
        }

        const double limit = T + B - 2 * digit - pad;
        const double width = whole(0.98 * g_.cw);
        for (std::string text = boxText(row); !text.empty() && s_.currentY() < limit;) {
            WordSplit parts = delarad(s_, text, width);
            s_.setCurrentX(left + pad);
            s_.writeLine(parts.ord1);
            text = std::move(parts.ordrest);
        }

        s_.moveTo(left + 0.98 * g_.cw - s_.textWidth(ends), T + B - digit - pad);
        s_.writeLine(ends);
    }

    // The comment, then on a line of its own the weeks of a lesson and the note up to
    // its "%%".
    static std::string boxText(const Bokning& row) {
        std::string weeks = row.veckor.empty() ? std::string() : "Veckor: " + row.veckor + ". ";
        std::string note = row.notering.substr(0, row.notering.find("%%"));
        if (row.kommentar.empty()) {
            return weeks + note;
        }
        if (weeks.empty() && note.empty()) {
            return row.kommentar;
        }
        return row.kommentar + "\r\n" + weeks + note;
    }

    void legend() {
        s_.setFontSize(8);
        const double x0 = g_.x0;
        const double cw = g_.cw;
        const double Y2 = g_.Y2;
        s_.filledBox(x0, Y2 + 0.2 * cw, x0 + 0.25 * cw, Y2 + 0.35 * cw, look_.toninglektion);
        s_.box(x0, Y2 + 0.2 * cw, x0 + 0.25 * cw, Y2 + 0.35 * cw);
        s_.moveTo(x0 + 0.4 * cw, Y2 + 0.2 * cw);
        s_.writeLine("Schemalagd lektion");
        s_.filledBox(x0, Y2 + 0.45 * cw, x0 + 0.25 * cw, Y2 + 0.6 * cw, look_.toning);
        s_.box(x0, Y2 + 0.45 * cw, x0 + 0.25 * cw, Y2 + 0.6 * cw);
        s_.moveTo(x0 + 0.4 * cw, Y2 + 0.45 * cw);
        s_.writeLine("Bokning");
    }

    double X(int i) const { return g_.X[static_cast<std::size_t>(i)]; }

    Printout& out_;
    PrintSurface& s_;
    // The grid's hours and weekdays are the window's, from start-up; the school name and
    // the grey levels follow the running settings.
    const Settings& look_;
    const std::string& objekt_;
    ScheduleGeometry base_; // the settings' hours
    ScheduleGeometry g_;    // the page's own
    std::vector<int> rows_; // in table order
    bool legend_ = false;   // once a lesson is drawn, every later page of the call has it
};

} // namespace

ScheduleGeometry scheduleGeometry(double W, double H, const Settings& settings) {
    ScheduleGeometry g;
    g.n = settings.helg == 1 ? 7 : 5;
    g.cw = whole(0.8 * W / g.n);
    g.x0 = whole(0.08 * W);
    g.X[0] = whole(0.13 * W);
    for (int i = 1; i <= g.n; ++i) {
        g.X[static_cast<std::size_t>(i)] = g.X[static_cast<std::size_t>(i - 1)] + g.cw;
    }
    g.Y0 = whole(0.08 * H);
    g.Y1 = whole(0.1 * H);
    g.Y2 = whole(0.8 * H);
    g.starttimme = settings.starttimme;
    // Start-up never lets the hours cross; should they, the axis keeps one hour rather
    // than dividing by nothing.
    g.timmar = std::max(1, settings.sluttimme - settings.starttimme);
    g.hpx = (g.Y2 - g.Y1) / g.timmar;
    return g;
}

void skrivut_grafiskt(Printout& out, const std::string& objekt, int forsta, int sista) {
    out.surface.setLineWidth(out.program.running.linjebredd);
    out.surface.setFontName(out.program.running.font1);
    SchedulePage page(out, objekt);
    for (int w = forsta; w <= sista && !out.notes.interrupted; ++w) {
        page.draw(w);
        out.nextStep();
    }
}

} // namespace tivra

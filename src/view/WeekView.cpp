#include "view/WeekView.h"

#include "config/ViewObjects.h"
#include "core/Number.h"
#include "core/RowRules.h"
#include "core/TextHelpers.h"

#include <algorithm>
#include <string_view>

namespace tivra {
namespace {

enum class Caption {
    Plain,      // signatur; time; kommentar
    WithObject, // objekt, two blanks, signatur; time; kommentar
};

std::string captionOf(const Bokning& row, Caption style) {
    std::string text = style == Caption::WithObject ? row.objekt + "  " + row.signatur : row.signatur;
    text += "\r\n";
    text += row.starttid;
    text += " -";
    text += endLabel(row);
    text += "\r\n";
    text += row.kommentar;
    return text;
}

// Fills the pool from Label4(1) in table order and notices when it runs out.
class BoxFiller {
  public:
    BoxFiller(const Program& program, const GridGeometry& grid, WeekView& view)
        : table_(program.bokningar), grid_(grid),
          axis_(grid.axis(program.settings.starttimme, program.settings.sluttimme)), view_(view) {}

    // Places row r if any of it shows; false once the pool is full and drawing must stop.
    bool offer(int r, Caption style) {
        const Bokning& row = table_.row(r);
        std::optional<Rect> rect =
            placeBox(grid_, axis_, textvarde(row.dag), startSlot(row), textvarde(row.langd));
        if (!rect) {
            return true;
        }
        if (static_cast<int>(view_.boxes.size()) >= kBoxPool) {
            view_.overflow = true;
            return false;
        }
        BoxKind kind = table_.isLesson(r) ? BoxKind::Lesson : BoxKind::Booking;
        int day = static_cast<int>(roundHalfEven(textvarde(row.dag)));
        view_.boxes.push_back(Box{r, day, *rect, captionOf(row, style), kind});
        return true;
    }

  private:
    const BookingTable& table_;
    const GridGeometry& grid_;
    TimeAxis axis_;
    WeekView& view_;
};

// Times that only touch (one ends as the next starts) do not overlap; the rectangles of
// equal times may differ in the last bits of their arithmetic.
constexpr double kTouching = 0.5;

double bottomOf(const Rect& r) {
    return r.top + r.height;
}

// Gives each box of a group that overlaps in time an equal share of the day's width, in
// the first lane free at its start, so that every box of the group stays readable.
void shareLanes(std::vector<Box*>& group) {
    std::vector<double> laneEnds;
    std::vector<std::size_t> lanes;
    for (const Box* box : group) {
        auto free = std::find_if(laneEnds.begin(), laneEnds.end(),
                                 [box](double end) { return end <= box->rect.top + kTouching; });
        if (free == laneEnds.end()) {
            free = laneEnds.insert(laneEnds.end(), 0.0);
        }
        *free = bottomOf(box->rect);
        lanes.push_back(static_cast<std::size_t>(free - laneEnds.begin()));
    }
    const double share = 1.0 / static_cast<double>(laneEnds.size());
    for (std::size_t i = 0; i < group.size(); ++i) {
        Rect& r = group[i]->rect;
        r.width *= share;
        r.left += r.width * static_cast<double>(lanes[i]);
    }
}

// Bookings of one day that overlap in time stand side by side, as a calendar draws them,
// instead of over each other. The boxes keep their order: the pool's numbering follows it.
void sideBySide(std::vector<Box>& boxes) {
    std::vector<Box*> byStart;
    byStart.reserve(boxes.size());
    for (Box& box : boxes) {
        byStart.push_back(&box);
    }
    std::stable_sort(byStart.begin(), byStart.end(), [](const Box* a, const Box* b) {
        return a->dag != b->dag ? a->dag < b->dag : a->rect.top < b->rect.top;
    });
    std::vector<Box*> group;
    double groupEnd = 0;
    for (Box* box : byStart) {
        if (!group.empty() && (box->dag != group.front()->dag || box->rect.top + kTouching >= groupEnd)) {
            shareLanes(group);
            group.clear();
        }
        groupEnd = group.empty() ? bottomOf(box->rect) : std::max(groupEnd, bottomOf(box->rect));
        group.push_back(box);
    }
    if (!group.empty()) {
        shareLanes(group);
    }
}

int lastRow(const BookingTable& table) {
    return std::clamp(table.antalrader, 0, kMaxRows);
}

// The entry at a 1-based index, or nothing for 0 or an index past the list's end.
const std::string* entryAt(const std::vector<std::string>& list, int index) {
    if (index < 1 || static_cast<std::size_t>(index) > list.size()) {
        return nullptr;
    }
    return &list[static_cast<std::size_t>(index) - 1];
}

WeekView freshView(const Program& program, const Date& today) {
    WeekView view;
    view.headers = set_date(program, today);
    return view;
}

void drawObject(const Program& program, const GridGeometry& grid, std::string_view name, WeekView& view) {
    const BookingTable& table = program.bokningar;
    BoxFiller filler(program, grid, view);
    for (int r = 1, last = lastRow(table); r <= last; ++r) {
        if (!rowOfObject(table, r, name) || !rowInWeek(table, r, program.selection.valdvecka)) {
            continue;
        }
        if (!filler.offer(r, Caption::Plain)) {
            return;
        }
    }
}

} // namespace

Rgb boxColour(BoxKind kind) {
    return kind == BoxKind::Lesson ? kLessonColour : kBookingColour;
}

void reportOverflow(const WeekView& view, Messages& messages) {
    if (view.overflow) {
        messages.show(kOverflowText, kOverflowTitle, Icon::Exclamation);
    }
}

std::array<std::string, 7> set_date(const Program& program, const Date& today) {
    WeekDating dating = weekDating(program, today);
    std::array<std::string, 7> headers;
    for (int d = 1; d <= 7; ++d) {
        headers[static_cast<std::size_t>(d - 1)] =
            dagrubrik(d) + " " + datum(program.selection.valdvecka, d, dating);
    }
    return headers;
}

WeekView visasalsschema(const Program& program, const GridGeometry& grid, const Date& today) {
    const Selection& val = program.selection;
    if (val.viewKind == ViewKind::AllaBokningar) {
        return visaallabokningar(program, grid, today);
    }
    if (val.viewKind == ViewKind::Personal) {
        return visapersschema(program, grid, today);
    }
    WeekView view = freshView(program, today);
    if (const std::string* name = chosenEntry(program); name != nullptr) {
        drawObject(program, grid, *name, view);
    }
    return view;
}

WeekView visapersschema(const Program& program, const GridGeometry& grid, const Date& today) {
    const std::string* entry = entryAt(program.timetable.personal, program.selection.valdperson);
    if (entry == nullptr) {
        WeekView view;
        view.unchanged = true;
        return view;
    }
    WeekView view = freshView(program, today);
    const std::string sig = delaord(*entry).ord1;
    const BookingTable& table = program.bokningar;
    auto week = static_cast<double>(program.selection.valdvecka);
    BoxFiller filler(program, grid, view);
    for (int r = 1, last = lastRow(table); r <= last; ++r) {
        const Bokning& row = table.row(r);
        bool drawn = false;
        if (table.isLesson(r)) {
            drawn = containsWord(row.larare, sig) && gallervecka(program.selection.valdvecka, row.veckor);
        } else {
            // Only the first week of a booking over several weeks: the staff view lists
            // what the person booked, once.
            drawn = !row.objekt.empty() && row.signatur == sig && textvarde(row.vecka) == week;
        }
        if (drawn && !filler.offer(r, table.isLesson(r) ? Caption::Plain : Caption::WithObject)) {
            break;
        }
    }
    return view;
}

WeekView visaallabokningar(const Program& program, const GridGeometry& grid, const Date& today) {
    WeekView view = freshView(program, today);
    const BookingTable& table = program.bokningar;
    auto week = static_cast<double>(program.selection.valdvecka);
    BoxFiller filler(program, grid, view);
    for (int r = std::max(table.antallektioner, 0) + 1, last = lastRow(table); r <= last; ++r) {
        const Bokning& row = table.row(r);
        if (row.objekt.empty() || !weekSpan(row.vecka).covers(week)) {
            continue;
        }
        if (!filler.offer(r, Caption::WithObject)) {
            break;
        }
    }
    sideBySide(view.boxes);
    return view;
}

} // namespace tivra

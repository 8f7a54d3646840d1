#pragma once
// The three views of the week grid as plain data: what every header says and which boxes
// show which rows where. A redraw is a pure function of the program state; the window
// hides all its boxes and shows these in order from Label4(1).
#include "config/Program.h"
#include "core/Calendar.h"
#include "core/Clock.h"
#include "core/Messages.h"
#include "view/GridGeometry.h"

#include <array>
#include <string>
#include <vector>

namespace tivra {

enum class BoxKind { Lesson, Booking };

struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};
inline constexpr Rgb kLessonColour{255, 128, 128};
inline constexpr Rgb kBookingColour{128, 255, 128};
Rgb boxColour(BoxKind kind);

// One shown Label4 box.
struct Box {
    int rad = 0;         // the row of the booking table; the box's tag holds it as decimal text
    int dag = 0;         // 1 = Monday .. 7
    Rect rect;           // twips
    std::string caption; // lines joined by "\r\n"
    BoxKind kind = BoxKind::Booking;
    Rgb colour() const { return boxColour(kind); }
};

struct WeekView {
    // The staff view with nobody chosen: headers and boxes stay as they are on screen,
    // and the rest of this result is empty.
    bool unchanged = false;
    std::array<std::string, 7> headers; // Label3(1..7), Monday first
    std::vector<Box> boxes;             // Label4(1), Label4(2), ...; never more than kBoxPool
    // More rows belonged in the week than the pool holds: the window shows
    // reportOverflow's message once, after drawing the boxes above.
    bool overflow = false;
};

inline constexpr const char* kOverflowText = "Alla bokningar kunde inte visas.";
inline constexpr const char* kOverflowTitle = "Visa bokningar";
// The message of a full pool, when the view had one.
void reportOverflow(const WeekView& view, Messages& messages);

// The day headers for the chosen week: "Mån 5 jan" and so on.
std::array<std::string, 7> set_date(const Program& program, const Date& today);

// The redraw for the current choice (program.selection.viewKind): the overview, the staff view, or
// the view of the chosen room or object with its lessons. An empty grid with fresh
// headers when no object is chosen.
WeekView visasalsschema(const Program& program, const GridGeometry& grid, const Date& today);
// The lessons that the chosen staff member teaches and the bookings with that signature,
// each booking in its first week only.
WeekView visapersschema(const Program& program, const GridGeometry& grid, const Date& today);
// Every booking of the week, of all rooms and objects; no lessons.
WeekView visaallabokningar(const Program& program, const GridGeometry& grid, const Date& today);

} // namespace tivra

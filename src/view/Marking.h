#pragma once
// The booking fields' time arithmetic: a pointer position on a day box as a 5-minute
// slot, the span a drag marks, and how the start, end and length fields follow each other
// as the user types. Positions are in twips; the window converts from pixels.
#include "view/GridGeometry.h"

#include <optional>
#include <string>
#include <string_view>

namespace tivra {

// The slot (1 = 00.00) at height `y` of a day box `boxHeight` high: the box is a linear
// axis from starttimme at its top to sluttimme at its bottom, snapped to 5 minutes.
int slotAt(const TimeAxis& axis, double y, double boxHeight);

// The state of a marking on the day boxes, held by the window between pointer events.
struct Markering {
    bool markering = false;  // a drag is under way
    int markeringY = 0;      // twips from the top of the day box where the drag began
    int markeringsdag = 0;   // 1..7, the day box where the drag began
    int startslot = 0;       // the marked start; without a drag, the slot under the pointer
    double shape1Height = 0; // height of the rectangle the drag has drawn, twips
};

// A button pressed at height `y` of day box `day`: the drag begins there, with an empty
// rectangle. Returns the start slot.
int pressMarking(Markering& m, const TimeAxis& axis, int day, double y);

// Where the drag stands with the pointer at height `y` of the box where it began.
struct DragSpan {
    Rect shape1;   // follows the pointer exactly, clipped to the box
    int startslot; // the times snap to slots
    int endslot;
};
// The pointer moved to height `y` during a drag; either direction from where it began.
DragSpan dragMarking(Markering& m, const GridGeometry& grid, const TimeAxis& axis, double y);

// The button released: the drag ends. True when it was a click rather than a drag (the
// rectangle stayed under a hundredth of the box), so the rectangle is hidden.
bool releaseMarking(Markering& m);

// The start of the length field's span: hh.mm (or h.mm) with 0 < time < 24 and minutes
// below 60; 0 when the text is no such time.
int lengthStartSlot(std::string_view text);
// A start or end typed for the end field: hh.mm (or h.mm) with 0 <= time <= 24 and
// minutes below 60; 0 when it is no such time.
int typedTimeSlot(std::string_view text);

// What a typed length does to the end field and the rectangle.
struct LengthTyped {
    enum class Kind {
        Nothing, // under 20 minutes: end and rectangle stay as they are
        Show,    // end = tidtext(endslot), rectangle over startslot..endslot
        Hide,    // no valid start, or an end after 23.55
    };
    Kind kind = Kind::Nothing;
    std::string end;
    int startslot = 0;
    int endslot = 0;
};
LengthTyped lengthTyped(std::string_view start, std::string_view length);

// The length in minutes from a start and an end field, or nothing when either is not a
// time or the end is not after the start.
std::optional<std::string> lengthFromEnd(std::string_view start, std::string_view end);

// What a changed start does to the other two fields. During an edit the booking keeps its
// length, so the end follows the start; otherwise the length follows from the end as it
// stands. Either way an end that is no longer after the start is emptied, so that no
// reversed span ("12.30 - 09.00") stays on screen.
struct StartTyped {
    enum class Kind {
        Nothing,  // nothing to follow
        Length,   // length = text
        End,      // end = text, rectangle over startslot..endslot
        EmptyEnd, // the end field emptied and the rectangle hidden
    };
    Kind kind = Kind::Nothing;
    std::string text;
    int startslot = 0;
    int endslot = 0;
};
StartTyped startTyped(std::string_view start, std::string_view end, std::string_view length, bool editing);

} // namespace tivra

#pragma once
// The rules every booking operation uses to find a row in the way of a booking: the object
// named as a whole word, the week range, and time spans that overlap by more than a point.
#include "core/BookingTable.h"

#include <string_view>

namespace tivra {

// Minutes of the day, [start, end).
struct Span {
    double start = 0;
    double end = 0;
};

// The span of a new booking from its start slot and its length in minutes.
Span spanOf(int startSlot, double langd);
// The span a row covers: its start time's slot and its length.
Span rowSpan(const Bokning& row);
// Spans collide when they share more than a point: one ending where the other begins
// is no conflict.
bool overlaps(const Span& a, const Span& b);

// Whether the row's week field admits the school-year week: empty (a lesson) admits every
// week, "36" that week, "45-57" the weeks from 45 to 57.
bool admitsWeek(const Bokning& row, int week);

} // namespace tivra

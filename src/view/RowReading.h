#pragma once
// How the week view reads the text fields of one row of the booking table. None of these
// allocates except endLabel, so a redraw can test every row of a full table cheaply.
#include "core/BookingTable.h"

#include <string>
#include <string_view>

namespace tivra {

// The weeks a booking row covers: w1 = Val(vecka), w2 = Val of the text after the first
// "-", or w1 when there is none. School-year numbers.
struct WeekSpan {
    double w1 = 0;
    double w2 = 0;
    bool covers(double week) const { return w1 <= week && week <= w2; }
};
WeekSpan weekSpan(std::string_view vecka);

// The start of the row as a slot; 0 for a time without "." after its first character.
// Silent: a redraw never stops at a message.
int startSlot(const Bokning& row);

// The end time shown in captions and details: start slot + Val(langd) / 5, from the
// unclipped start and length. A length that is not a multiple of five minutes gives a
// fractional slot; it is rounded to the nearest slot (halves to even) before it becomes
// a time, so 47 minutes after 08.00 reads 08.45 and 48 minutes reads 08.50.
std::string endLabel(const Bokning& row);

} // namespace tivra

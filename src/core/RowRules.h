#pragma once
// How every layer reads one row of the booking table: its weeks, its object, its times.
// The week view, the printouts and the print dialog's choice all ask these, so a row is
// shown on screen exactly when it is printed. None of them allocates except endLabel, so
// a redraw can test every row of a full table cheaply.
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
    // Whether any week of [first, last] lies in the span.
    bool meets(double first, double last) const { return (w1 - last) * (w2 - first) <= 0; }
};
WeekSpan weekSpan(std::string_view vecka);
// The same with both ends rounded to whole weeks, as the print dialog counts them.
WeekSpan wholeWeekSpan(std::string_view vecka);

// Whether row r belongs to the object: a lesson that names it among its rooms (as a whole
// word, so B1 is not in "B12 B14"), or a booking of exactly that name. A cancelled row
// belongs to nothing.
bool rowOfObject(const BookingTable& table, int r, std::string_view name);

// Whether row r applies in the school-year week: a lesson by its week list, a booking by
// its week span.
bool rowInWeek(const BookingTable& table, int r, int week);

// The row's day, 1 (Monday) to 7; 0 for a day field that is not a whole number in that
// range (a hand-edited file), which no printout or export shows.
int rowDay(const Bokning& row);

// The start of the row as a slot; 0 for a time without "." after its first character.
// Silent: a redraw never stops at a message.
int startSlot(const Bokning& row);

// A span of minutes after midnight, as it shows on an hour axis.
struct MinuteSpan {
    double start = 0;
    double length = 0;
};
// The span from `start` for `length` minutes cut to the axis from `first` to `last`: a
// start before the axis moves to it, shortening the span; nothing of it is left past the
// axis's end (a length of 0 or less shows nothing).
MinuteSpan clipToAxis(double start, double length, double first, double last);

// The end time shown in captions, details and printouts: start slot + Val(langd) / 5,
// from the unclipped start and length. A length that is not a multiple of five minutes
// gives a fractional slot; it is rounded to the nearest slot (halves to even) before it
// becomes a time, so 47 minutes after 08.00 reads 08.45 and 48 minutes reads 08.50.
std::string endLabel(const Bokning& row);
// The same end in minutes after midnight (past 24 hours for a row over midnight): what
// calendars and spreadsheets are given, so that they end a booking where the grid does.
int endMinutes(const Bokning& row);

// The weeks of a booking as the user counts them: "vecka 36", or "veckor 45-5" for a
// range.
std::string weeksLabel(const Bokning& row);

} // namespace tivra

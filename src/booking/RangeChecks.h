#pragma once
// The checks a booking passes in every week it covers: its object's booking period, and
// no booking or unanswered lesson in its way. "Flera veckor" asks them for the weeks it
// is given, and the edit of a booking for the weeks the booking keeps.
#include "booking/ChangeSequence.h"
#include "core/BookingTable.h"

#include <optional>
#include <string>
#include <vector>

namespace tivra {

// A range of school-year weeks, first <= last.
struct WeekRange {
    long long first = 0;
    long long last = 0;
};

// The whole weeks a week field ("45", "45-57") covers within the school year's weeks
// `startvecka` to `slutvecka`: no week outside them can be shown or booked, and a damaged
// field ("1-2000000000") must not keep the checks going for ever.
WeekRange rangeOf(const std::string& vecka, int startvecka, int slutvecka);

// Why the object may not be booked in some week of the range, as "Boka" says it
// ("DATORSAL kan bara bokas veckorna 12-20."); nothing when its period admits them all.
std::optional<std::string> rangeRefusal(const std::vector<std::string>& perioder, const std::string& objekt,
                                        const WeekRange& weeks);

// The rows in the way of `mine` in the weeks of the range; the rows `skip` (the booking
// itself, the one it replaces) are never in its way. A booking refuses the whole range,
// naming the week it is in the way in ("Angiven tid redan bokad vecka 5."); a lesson is
// asked about once per week and lesson unless already answered, with No as the answer
// Enter gives.
Verdict scanRange(const BookingTable& table, const Bokning& mine, const WeekRange& weeks,
                  const std::vector<int>& skip, const Answers& answers);

} // namespace tivra

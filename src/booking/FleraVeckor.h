#pragma once
// "Flera veckor": the chosen booking comes to cover a range of weeks; its week field is
// rewritten as "45" or "45-57" once no booking stands in its way in any of those weeks.
#include "booking/ChangeSequence.h"
#include "booking/RangeChecks.h"
#include "config/Program.h"

#include <optional>
#include <string>

namespace tivra {

// What the answer to the weeks question asks for.
struct WeeksAnswer {
    enum class Kind {
        Range,   // `range` holds the weeks
        Nothing, // no first week (empty, cancelled, not a number): end quietly
        Invalid, // first after last, or last after slutvecka
    };
    Kind kind = Kind::Nothing;
    WeekRange range;
};

// Reads "45-5": the whole numbers before and after the first "-" (one week without a
// "-"); a week below startvecka lies in the next calendar year and counts on from 53.
WeeksAnswer readWeeks(const std::string& answer, int startvecka, int slutvecka);

// The week field for a range: "45", or "45-57".
std::string weekField(const WeekRange& range);

// "Flera veckor" on row `valdrad`: asks for the weeks (before the change sequence, so
// the lock is not held while the question is open), checks them against the object's
// booking period as "Boka" does, then reloads, finds the booking again and scans every
// other row of its object and day for each week of the range. A booking in the way
// refuses the whole range, naming the week; a lesson is asked about once per week and
// lesson. Refusals of the weeks themselves come before any reload.
ChangeResult fleraVeckor(Program& program, int valdrad, ChangeEnvironment& env);

} // namespace tivra

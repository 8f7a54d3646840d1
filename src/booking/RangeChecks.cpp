#include "booking/RangeChecks.h"

#include "booking/Boka.h"
#include "booking/Conflicts.h"
#include "config/ObjectLists.h"
#include "core/Calendar.h"
#include "core/RowRules.h"

#include <algorithm>

namespace tivra {

WeekRange rangeOf(const std::string& vecka, int startvecka, int slutvecka) {
    const WeekSpan span = wholeWeekSpan(vecka);
    return {std::max(static_cast<long long>(span.w1), static_cast<long long>(startvecka)),
            std::min(static_cast<long long>(span.w2), static_cast<long long>(slutvecka))};
}

std::optional<std::string> rangeRefusal(const std::vector<std::string>& perioder, const std::string& objekt,
                                        const WeekRange& weeks) {
    for (long long w = weeks.first; w <= weeks.last; ++w) {
        if (std::optional<std::string> refusal = periodRefusal(perioder, objekt, static_cast<int>(w))) {
            return refusal;
        }
    }
    return std::nullopt;
}

Verdict scanRange(const BookingTable& table, const Bokning& mine, const WeekRange& weeks,
                  const std::vector<int>& skip, const Answers& answers) {
    Conflicts found = findConflicts(table, mine, weeks.first, weeks.last, skip);
    if (found.booking) {
        return Verdict::refuse("Angiven tid redan bokad vecka " +
                                   shownWeek(static_cast<double>(found.booking->week)) + ".",
                               "Boka");
    }
    for (const InTheWay& lesson : found.lessons) {
        std::string key = "lektion " + std::to_string(lesson.row) + " vecka " + std::to_string(lesson.week);
        if (!answers.contains(key)) {
            return Verdict::ask(kLessonQuestion, "Boka", key, true);
        }
    }
    return Verdict::go();
}

} // namespace tivra

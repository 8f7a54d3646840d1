#include "booking/Conflicts.h"

#include "booking/Overlap.h"
#include "core/Number.h"
#include "core/TextHelpers.h"

#include <algorithm>

namespace tivra {

std::vector<int> rowsAtTheTime(const BookingTable& table, const Bokning& mine) {
    const double day = textvarde(mine.dag);
    const Span span = rowSpan(mine);
    std::vector<int> rows;
    for (int r = 1; r <= table.antalrader; ++r) {
        const Bokning& row = table.row(r);
        if (textvarde(row.dag) == day && overlaps(rowSpan(row), span)) {
            rows.push_back(r);
        }
    }
    return rows;
}

Conflicts conflictsAmong(const BookingTable& table, const std::vector<int>& rows, const Bokning& mine,
                         long long first, long long last, const std::vector<int>& skip) {
    // The weeks of row r in which it is in the way, in order.
    auto weeksInTheWay = [&](int r, bool all) {
        std::vector<long long> weeks;
        const Bokning& row = table.row(r);
        if (std::find(skip.begin(), skip.end(), r) != skip.end() || !containsWord(row.objekt, mine.objekt)) {
            return weeks;
        }
        for (long long w = first; w <= last; ++w) {
            const int week = static_cast<int>(w);
            if (gallervecka(week, row.veckor) && admitsWeek(row, week)) {
                weeks.push_back(w);
                if (!all) {
                    break;
                }
            }
        }
        return weeks;
    };
    Conflicts found;
    const int lessons = std::max(table.antallektioner, 0);
    for (int r : rows) {
        if (r <= lessons) {
            continue;
        }
        if (std::vector<long long> weeks = weeksInTheWay(r, false); !weeks.empty()) {
            found.booking = InTheWay{r, weeks.front()};
            return found;
        }
    }
    for (int r : rows) {
        if (r > lessons) {
            break;
        }
        for (long long w : weeksInTheWay(r, true)) {
            found.lessons.push_back(InTheWay{r, w});
        }
    }
    return found;
}

Conflicts findConflicts(const BookingTable& table, const Bokning& mine, long long first, long long last,
                        const std::vector<int>& skip) {
    return conflictsAmong(table, rowsAtTheTime(table, mine), mine, first, last, skip);
}

} // namespace tivra

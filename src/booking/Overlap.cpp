#include "booking/Overlap.h"

#include "core/Number.h"
#include "core/RowRules.h"
#include "core/TextHelpers.h"

#include <string>

namespace tivra {

Span spanOf(int startSlot, double langd) {
    double start = (startSlot - 1) * 5.0;
    return {start, start + langd};
}

Span rowSpan(const Bokning& row) {
    // A start time the file mangled counts as slot 0, as it always has; the scan must not
    // stop for a message box.
    return spanOf(tidslot(row.starttid), textvarde(row.langd));
}

bool overlaps(const Span& a, const Span& b) {
    return (a.start - b.end) * (a.end - b.start) < 0;
}

bool admitsWeek(const Bokning& row, int week) {
    WeekSpan span = wholeWeekSpan(row.vecka);
    return span.w1 == 0 || span.covers(week);
}

} // namespace tivra

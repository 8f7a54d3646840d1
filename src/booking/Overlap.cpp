#include "booking/Overlap.h"

#include "core/Number.h"
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
    return spanOf(tidslotTyst(row.starttid), textvarde(row.langd));
}

bool overlaps(const Span& a, const Span& b) {
    return (a.start - b.end) * (a.end - b.start) < 0;
}

bool admitsWeek(const Bokning& row, int week) {
    long long first = avrunda(textvarde(row.vecka));
    long long last = first;
    if (std::size_t dash = row.vecka.find('-'); dash != std::string::npos) {
        last = avrunda(textvarde(std::string_view(row.vecka).substr(dash + 1)));
    }
    return first == 0 || (first <= week && week <= last);
}

} // namespace tivra

#include "view/RowReading.h"

#include "core/Number.h"
#include "core/TextHelpers.h"

#include <algorithm>

namespace tivra {

WeekSpan weekSpan(std::string_view vecka) {
    double w1 = textvarde(vecka);
    std::size_t dash = vecka.find('-');
    double w2 = dash == std::string_view::npos ? w1 : textvarde(vecka.substr(dash + 1));
    return WeekSpan{w1, w2};
}

int startSlot(const Bokning& row) {
    return tidslotTyst(row.starttid);
}

std::string endLabel(const Bokning& row) {
    double slot = startSlot(row) + textvarde(row.langd) / 5;
    // Far beyond any day either way: keeps the conversion to int defined for any length.
    constexpr long long limit = 1000000000;
    return tidtext(static_cast<int>(std::clamp(avrunda(slot), -limit, limit)));
}

} // namespace tivra

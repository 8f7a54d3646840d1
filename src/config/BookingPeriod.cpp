#include "config/BookingPeriod.h"

#include "core/Number.h"
#include "core/Text1252.h"
#include "core/TextHelpers.h"

namespace tivra {
namespace {

// Reads the digits that end text[0, end) backwards; their value, and where they start.
std::optional<std::pair<long long, std::size_t>> digitsBefore(std::string_view text, std::size_t end) {
    std::size_t start = end;
    while (start > 0 && isDigit(text[start - 1])) {
        --start;
    }
    if (start == end) {
        return std::nullopt;
    }
    return std::pair{roundHalfEven(textvarde(text.substr(start, end - start))), start};
}

std::size_t skipBlanksBefore(std::string_view text, std::size_t end) {
    while (end > 0 && text[end - 1] == ' ') {
        --end;
    }
    return end;
}

} // namespace

std::string BookingPeriod::weeks() const {
    std::string text = decimalText(forsta);
    if (range) {
        text += "-" + decimalText(sista);
    }
    return text;
}

std::optional<BookingPeriod> readPeriod(std::string_view line) {
    const std::string text = trim(line);
    BookingPeriod period;
    auto last = digitsBefore(text, text.size());
    if (!last) {
        return std::nullopt;
    }
    std::size_t at = last->second;
    period.forsta = period.sista = last->first;
    if (std::size_t dash = skipBlanksBefore(text, at); dash > 0 && text[dash - 1] == '-') {
        auto first = digitsBefore(text, skipBlanksBefore(text, dash - 1));
        if (!first) {
            return std::nullopt;
        }
        period.forsta = first->first;
        period.range = true;
        at = first->second;
    }
    // The weeks stand apart from the object by at least one blank.
    if (at == 0 || text[at - 1] != ' ') {
        return std::nullopt;
    }
    period.objekt = trim(std::string_view(text).substr(0, at));
    if (period.objekt.empty()) {
        return std::nullopt;
    }
    return period;
}

} // namespace tivra

#include "core/Number.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace tivra {
namespace {

bool skipped(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool digit(char c) {
    return c >= '0' && c <= '9';
}

// Appending to the blank instead of inserting it before a temporary keeps GCC 12 at -O3
// from a false -Wrestrict alarm inside std::string.
std::string withSignBlank(bool negative, std::string digits) {
    if (negative) {
        return digits;
    }
    std::string out;
    out.reserve(digits.size() + 1);
    out += ' ';
    out += digits;
    return out;
}

} // namespace

double textvarde(std::string_view text) {
    std::size_t i = 0;
    auto skip = [&] {
        while (i < text.size() && skipped(text[i])) {
            ++i;
        }
    };
    skip();
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    double value = 0;
    for (skip(); i < text.size() && digit(text[i]); skip()) {
        value = value * 10 + (text[i] - '0');
        ++i;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        double scale = 0.1;
        for (skip(); i < text.size() && digit(text[i]); skip()) {
            value += (text[i] - '0') * scale;
            scale /= 10;
            ++i;
        }
    }
    return negative ? -value : value;
}

namespace {

// Values beyond what a long long holds are pinned near its ends; a text of a hundred
// digits must not make the conversion undefined.
constexpr double kLimit = 9.0e18;

std::optional<long long> outOfRange(double value) {
    if (!std::isfinite(value)) {
        return 0;
    }
    if (value > kLimit) {
        return static_cast<long long>(kLimit);
    }
    if (value < -kLimit) {
        return -static_cast<long long>(kLimit);
    }
    return std::nullopt;
}

} // namespace

long long roundHalfEven(double value) {
    if (auto pinned = outOfRange(value)) {
        return *pinned;
    }
    double floor = std::floor(value);
    double diff = value - floor;
    auto whole = static_cast<long long>(floor);
    if (diff > 0.5) {
        return whole + 1;
    }
    if (diff < 0.5) {
        return whole;
    }
    return whole % 2 == 0 ? whole : whole + 1;
}

long long wholePart(double value) {
    if (auto pinned = outOfRange(value)) {
        return *pinned;
    }
    return static_cast<long long>(std::floor(value));
}

std::optional<std::int16_t> int16Of(long long value) {
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(value);
}

std::string decimalText(long long value) {
    return std::to_string(value);
}

std::string decimalText(double value) {
    if (value == std::floor(value) && std::fabs(value) < 1e15) {
        return std::to_string(static_cast<long long>(value));
    }
    // The shortest form that reads back to the same value, as people write decimals, with
    // "." whatever the user's locale: another workstation reads the file.
    char buffer[32];
    std::size_t length = 0;
    for (int precision = 1; precision <= 17; ++precision) {
        length = static_cast<std::size_t>(
            std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, precision).ptr -
            buffer);
        double back = 0;
        std::from_chars(buffer, buffer + length, back);
        if (back == value) {
            break;
        }
    }
    return std::string(buffer, length);
}

std::string printForm(long long value) {
    return withSignBlank(value < 0, decimalText(value));
}

std::string printForm(double value) {
    return withSignBlank(value < 0, decimalText(value));
}

} // namespace tivra

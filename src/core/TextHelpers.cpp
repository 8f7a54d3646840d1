#include "core/TextHelpers.h"

#include "core/Number.h"
#include "core/Text1252.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>

namespace tivra {
namespace {

// The bytes that DOS code pages use for å, Å, ä, Ä, ö, Ö, read as Windows-1252.
char repairedDosLetter(char c) {
    switch (static_cast<unsigned char>(c)) {
    case 134:
    case 143:
        return '\xC5';
    case 132:
    case 142:
        return '\xC4';
    case 148:
    case 153:
        return '\xD6';
    default:
        return c;
    }
}

// Up to `count` characters starting at `from`, clipped to the text, so a dash at either
// end of a week list reads what is there instead of running off the edge.
std::string_view clipped(std::string_view text, long long from, long long count) {
    long long begin = std::max(0LL, from);
    long long end = std::min(static_cast<long long>(text.size()), from + count);
    if (begin >= end) {
        return {};
    }
    return text.substr(static_cast<std::size_t>(begin), static_cast<std::size_t>(end - begin));
}

std::optional<int> parsedSlot(std::string_view time) {
    std::size_t point = time.find('.');
    if (point == std::string_view::npos || point == 0) {
        return std::nullopt;
    }
    double h = textvarde(time.substr(0, point));
    double m = textvarde(time.substr(point + 1));
    long long slot = roundHalfEven(h * 12 + 1 + m / 5);
    // Slots are 16-bit; a time far out of range stays far out of range instead of wrapping
    // around into a plausible one.
    slot = std::clamp<long long>(slot, std::numeric_limits<std::int16_t>::min(),
                                 std::numeric_limits<std::int16_t>::max());
    return static_cast<int>(slot);
}

} // namespace

std::string normalisera(std::string_view text) {
    std::string result = upper(text);
    for (char& c : result) {
        c = repairedDosLetter(c);
        if (c == ',') {
            c = ' ';
        }
    }
    return result;
}

WordSplit delaord(std::string_view text) {
    std::string line = trim(text);
    std::size_t split = std::min(line.find(' '), line.size());
    split = std::min(split, line.find(','));
    std::string rest = split < line.size() ? trim(std::string_view(line).substr(split + 1)) : std::string();
    std::size_t commas = rest.find_first_not_of(',');
    rest.erase(0, commas == std::string::npos ? rest.size() : commas);
    return WordSplit{trim(std::string_view(line).substr(0, split)), trim(rest)};
}

std::string tidtext(int slot) {
    long long x = static_cast<long long>(slot) - 1;
    // Floor division keeps the minutes in 0..55 even for a slot below 1.
    long long m = ((x % 12) + 12) % 12;
    long long h = (x - m) / 12;
    std::string minutes = decimalText(m * 5);
    if (minutes.size() == 1) {
        minutes = "0" + minutes;
    }
    // Built by appending: "0" + temporary trips a false -Wrestrict in GCC 12 at -O3.
    std::string full = "0";
    full += decimalText(h);
    full += '.';
    full += minutes;
    return full.substr(full.size() - 5);
}

int tidslot(std::string_view time) {
    return parsedSlot(time).value_or(0);
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool hasControlCharacter(std::string_view text) {
    // Below the blank, DEL, and the five bytes the code page leaves without a letter: none
    // is anything a person typed, and another program may take any of them for a line end.
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return b < 32 || b == 127 || b == 129 || b == 141 || b == 143 || b == 144 || b == 157;
    });
}

std::optional<std::string> typedTime(std::string_view text) {
    std::string t = trim(text);
    if (t.size() == 4) {
        t = "0" + t;
    }
    if (t.size() != 5 || t[2] != '.' || !isDigit(t[0]) || !isDigit(t[1]) || !isDigit(t[3]) ||
        !isDigit(t[4])) {
        return std::nullopt;
    }
    return t;
}

std::string blankPadded(std::string_view text) {
    // Appending, not " " + text + " ": GCC 12 at -O3 warns falsely (-Wrestrict) on the latter.
    std::string out;
    out.reserve(text.size() + 2);
    out += ' ';
    out += text;
    out += ' ';
    return out;
}

bool gallervecka(int week, std::string_view veckor) {
    if (veckor.empty()) {
        return true;
    }
    long long w = week > 52 ? static_cast<long long>(week) - 52 : week;
    std::string padded = blankPadded(veckor);
    if (padded.find(blankPadded(decimalText(w))) != std::string::npos) {
        return true;
    }
    std::string_view list = padded;
    for (std::size_t dash = list.find('-'); dash != std::string_view::npos; dash = list.find('-', dash + 3)) {
        auto at = static_cast<long long>(dash);
        double a = textvarde(clipped(list, at - 2, 2));
        double b = textvarde(clipped(list, at + 1, 2));
        auto wd = static_cast<double>(w);
        if (a <= b ? (a <= wd && wd <= b) : (wd >= a || wd <= b)) {
            return true;
        }
    }
    return false;
}

bool containsWord(std::string_view text, std::string_view word) {
    for (std::size_t at = text.find(word); at != std::string_view::npos; at = text.find(word, at + 1)) {
        std::size_t after = at + word.size();
        bool startsWord = at == 0 || text[at - 1] == ' ';
        bool endsWord = after == text.size() || text[after] == ' ';
        if (startsWord && endsWord) {
            return true;
        }
        if (at >= text.size()) {
            break;
        }
    }
    return false;
}

} // namespace tivra

#include "config/ObjectLists.h"

#include "config/FileLines.h"
#include "config/Program.h"
#include "core/Number.h"
#include "core/Text1252.h"
#include "core/TextHelpers.h"

#include <algorithm>

namespace tivra {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// "36" or "36-39": one or two runs of digits joined by one "-", nothing else.
bool isWeekOrRange(std::string_view text) {
    std::size_t dash = text.find('-');
    std::string_view first = text.substr(0, dash);
    auto digitsOnly = [](std::string_view part) {
        return !part.empty() && std::all_of(part.begin(), part.end(), isDigit);
    };
    if (dash == std::string_view::npos) {
        return digitsOnly(first);
    }
    return digitsOnly(first) && digitsOnly(text.substr(dash + 1));
}

} // namespace

std::optional<std::vector<std::string>> lasSalar(const std::string& path, Disk& disk) {
    std::optional<std::string> bytes = disk.readAll(path);
    if (!bytes) {
        return std::nullopt;
    }
    std::vector<std::string> salar;
    LineReader lines(*bytes);
    std::string_view line;
    while (lines.next(line)) {
        std::string sal = trim(normalisera(line));
        // A room list may carry a description after the room ("B12 Biologisal").
        std::size_t blank = sal.find(' ');
        if (blank != std::string::npos) {
            sal.resize(blank);
        }
        if (sal.empty()) {
            continue;
        }
        if (salar.size() == static_cast<std::size_t>(kMaxSalar)) {
            return std::nullopt;
        }
        salar.push_back(std::move(sal));
    }
    return salar;
}

std::optional<std::vector<std::string>> lasObjektfil(const std::string& path, Disk& disk) {
    std::optional<std::string> bytes = disk.readAll(path);
    if (!bytes) {
        return std::nullopt;
    }
    std::vector<std::string> objekt;
    LineReader lines(*bytes);
    std::string_view line;
    while (lines.next(line)) {
        if (trim(line).empty()) {
            continue;
        }
        if (objekt.size() == static_cast<std::size_t>(kMaxBokaobjekt)) {
            return std::nullopt;
        }
        // The line is kept whole, blanks around it included, as older files were read.
        objekt.push_back(normalisera(line));
    }
    return objekt;
}

std::optional<std::string> periodFor(const std::vector<std::string>& perioder, const std::string& objekt) {
    // The period must be all that follows the name, so that KANON does not take the
    // period of KANON 1 (whose rest "1 36-39" is no week).
    for (const std::string& entry : perioder) {
        if (entry.size() <= objekt.size() + 1 || entry.compare(0, objekt.size(), objekt) != 0 ||
            entry[objekt.size()] != ' ') {
            continue;
        }
        std::string_view rest = std::string_view(entry).substr(objekt.size() + 1);
        if (isWeekOrRange(rest)) {
            return std::string(rest);
        }
    }
    return std::nullopt;
}

std::optional<std::string> periodRefusal(const std::vector<std::string>& perioder, const std::string& objekt,
                                         int week) {
    std::optional<std::string> period = periodFor(perioder, objekt);
    if (!period) {
        return std::nullopt;
    }
    long long a = avrunda(textvarde(*period));
    long long b = a;
    std::string word = "vecka ";
    std::size_t dash = period->find('-');
    if (dash != std::string::npos) {
        b = avrunda(textvarde(std::string_view(*period).substr(dash + 1)));
        word = "veckorna ";
    }
    if (a <= week && week <= b) {
        return std::nullopt;
    }
    return objekt + " kan bara bokas " + word + *period + ".";
}

} // namespace tivra

#include "config/ObjectLists.h"

#include "config/Program.h"
#include "core/Lines.h"
#include "core/Number.h"
#include "core/Text1252.h"
#include "core/TextHelpers.h"

#include <algorithm>

namespace tivra {

bool listed(const std::vector<std::string>& list, const std::string& name) {
    return std::find(list.begin(), list.end(), name) != list.end();
}

std::optional<std::vector<std::string>> readRooms(const std::string& path, Disk& disk) {
    std::optional<std::string> bytes = disk.readAll(path);
    if (!bytes) {
        return std::nullopt;
    }
    std::vector<std::string> salar;
    LineCursor lines(*bytes);
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

std::optional<std::vector<std::string>> readObjectFile(const std::string& path, Disk& disk) {
    std::optional<std::string> bytes = disk.readAll(path);
    if (!bytes) {
        return std::nullopt;
    }
    std::vector<std::string> objekt;
    LineCursor lines(*bytes);
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

std::optional<BookingPeriod> periodOf(const std::vector<std::string>& perioder, const std::string& objekt) {
    for (const std::string& entry : perioder) {
        std::optional<BookingPeriod> period = readPeriod(entry);
        if (period && period->objekt == objekt) {
            return period;
        }
    }
    return std::nullopt;
}

std::optional<std::string> periodRefusal(const std::vector<std::string>& perioder, const std::string& objekt,
                                         int week) {
    std::optional<BookingPeriod> period = periodOf(perioder, objekt);
    if (!period || (period->forsta <= week && week <= period->sista)) {
        return std::nullopt;
    }
    return objekt + " kan bara bokas " + (period->range ? "veckorna " : "vecka ") + period->weeks() + ".";
}

} // namespace tivra

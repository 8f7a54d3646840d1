#include "core/BackupComparison.h"

#include "core/BookingFile.h"

#include <map>

namespace tivra {
namespace {

// Fields 1 to 9 as one text; no field holds a line break.
std::string key(const Bokning& b) {
    std::string k;
    for (std::size_t j = 0; j < 9; ++j) {
        k += b.*kBokningFields[j];
        k += '\n';
    }
    return k;
}

// The bookings of `from` that `other` does not hold as often.
std::vector<Bokning> without(const std::vector<Bokning>& from, const std::vector<Bokning>& other) {
    std::map<std::string, int> counts;
    for (const Bokning& b : other) {
        ++counts[key(b)];
    }
    std::vector<Bokning> left;
    for (const Bokning& b : from) {
        int& n = counts[key(b)];
        if (n > 0) {
            --n;
        } else {
            left.push_back(b);
        }
    }
    return left;
}

} // namespace

BookingDifference compareBookings(const std::vector<Bokning>& copy, const std::vector<Bokning>& now) {
    return {without(copy, now), without(now, copy)};
}

std::optional<std::vector<Bokning>> bookingsOfFile(const std::string& path, Platform& platform) {
    BookingTable table;
    BookingFileState file;
    file.aktuellfil = path;
    if (oppnabokningar(table, file, "", platform) != LoadResult::Loaded) {
        return std::nullopt;
    }
    std::vector<Bokning> bookings;
    for (int r = table.antallektioner + 1; r <= table.antalrader; ++r) {
        bookings.push_back(table.row(r));
    }
    return bookings;
}

} // namespace tivra

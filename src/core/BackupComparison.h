#pragma once
// What changed between a copy of the booking file (a day backup) and the file now: the
// bookings that the copy holds and the file no longer does, and those added since. Also
// covers changes by copies of the program that write no change log.
#include "core/BookingTable.h"
#include "core/Platform.h"

#include <optional>
#include <string>
#include <vector>

namespace tivra {

struct BookingDifference {
    std::vector<Bokning> gone;  // in the copy, not in the file now; in the copy's order
    std::vector<Bokning> added; // in the file now, not in the copy; in the file's order
};

// Compares bookings by fields 1 to 9; a booking twice in one and once in the other
// differs by one.
BookingDifference compareBookings(const std::vector<Bokning>& copy, const std::vector<Bokning>& now);

// The bookings of a booking file, read without the lock and without a backup; nothing,
// after the read error through platform.messages, when it cannot be read.
std::optional<std::vector<Bokning>> bookingsOfFile(const std::string& path, Platform& platform);

} // namespace tivra

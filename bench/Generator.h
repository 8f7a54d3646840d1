#pragma once
// Generators of the largest files the program accepts, for the benchmarks. The content
// is fixed by the seed, so runs compare like with like.
#include "core/BookingTable.h"

#include <string>
#include <vector>

namespace tivra::bench {

// Bookings as users make them: rooms and equipment, school days and hours, school-year
// weeks and week ranges, signatures and comments with the letters of the code page.
std::vector<Bokning> generateBookings(int count, unsigned seed = 1);

// The bytes of a booking file holding the bookings, exactly as the program writes it.
std::string bookingFileOf(const std::vector<Bokning>& bookings);

// The largest booking file the program accepts: 5555 bookings.
std::string largestBookingFile(unsigned seed = 1);

} // namespace tivra::bench

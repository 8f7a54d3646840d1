#pragma once
// Rooms, other bookable objects and their booking periods.
#include "config/BookingPeriod.h"
#include "core/Disk.h"

#include <optional>
#include <string>
#include <vector>

namespace tivra {

// Whether the name is an entry of the list (the rooms or the other objects), exactly.
bool listed(const std::vector<std::string>& list, const std::string& name);

// The rooms of a room list file, normalised, in file order; nothing when the file
// cannot be read or holds more than 200 rooms.
std::optional<std::vector<std::string>> readRooms(const std::string& path, Disk& disk);

// The objects of a legacy object-list file; nothing when it cannot be read or holds
// more than 200 objects.
std::optional<std::vector<std::string>> readObjectFile(const std::string& path, Disk& disk);

// The period of an object: the first entry that reads as a period of exactly that
// object (config/BookingPeriod.h); nothing when it has none.
std::optional<BookingPeriod> periodOf(const std::vector<std::string>& perioder, const std::string& objekt);

// Why the object may not be booked in the school-year week `week` ("DATASAL kan bara
// bokas veckorna 36-39."); nothing when its period admits the week or it has none.
std::optional<std::string> periodRefusal(const std::vector<std::string>& perioder, const std::string& objekt,
                                         int week);

} // namespace tivra

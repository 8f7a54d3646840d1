#pragma once
// The import of the timetable's ".ini", ".sca" and ".sig" files.
#include "config/Program.h"
#include "config/WeekList.h"
#include "core/Disk.h"
#include "core/Messages.h"

#include <string>

namespace tivra {

// Each reader returns false when the file could not be opened or read to its end
// (the start-up stage then decides what happens); what was read before stays.

// ".ini": the school year (with its form check and message) and the named periods.
bool readTimetableIni(const std::string& path, Disk& disk, Messages& messages, Timetable& timetable);
// ".sca": the lessons into rows 1.. of the table; antallektioner and antalrader become
// their number, or stay 0 on failure (more lessons than the table holds included).
bool readLessons(const std::string& path, Disk& disk, const Timetable& timetable, BookingTable& table);
// ".sig": the staff list, at most 200 entries; false when a 201st stops the reading.
bool readStaff(const std::string& path, Disk& disk, Timetable& timetable);

} // namespace tivra

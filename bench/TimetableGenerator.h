#pragma once
// A timetable as large as the program accepts, for measuring the import.
#include <string>

namespace tivra {

// The bytes of a lesson file (".sca") of `lessons` lesson records over 200 rooms,
// Monday to Friday, with teachers, week lists (period names included), notes and a
// share of lessons in two rooms; Windows-1252, CR LF.
std::string generateTimetableSca(int lessons);

// The bytes of a timetable ".ini" with the periods HT and VT that the lessons name.
std::string generateTimetableIni();

} // namespace tivra

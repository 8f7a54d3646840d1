#pragma once
// A timetable as large as the program accepts, with its room and staff lists, for measuring
// the import and the whole start-up.
#include <string>

namespace tivra {

// The bytes of a lesson file (".sca") of `lessons` lesson records over 200 rooms,
// Monday to Friday, with teachers, week lists (period names included), notes and a
// share of lessons in two rooms; Windows-1252, CR LF.
std::string generateTimetableSca(int lessons);

// The bytes of a timetable ".ini" with the periods HT and VT that the lessons name.
std::string generateTimetableIni();

// The room list (".sal") of the rooms R0, R1, ... that the lessons use.
std::string generateRoomList(int rooms);

// The staff list (".sig") of the signatures S0, S1, ... that the lessons use, with names.
std::string generateStaffList(int staff);

} // namespace tivra

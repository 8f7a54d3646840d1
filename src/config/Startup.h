#pragma once
// The start-up of the program: defaults, settings, backup folder, lists, rooms, timetable,
// legacy object file and booking file, each file step under its stage. It reports through
// Messages and returns what the window must show; it touches no widget.
#include "config/Program.h"
#include "core/Platform.h"

#include <string>
#include <vector>

namespace tivra {

struct StartupView {
    bool ended = false;                // a fault at stage 0 stopped start-up; the program goes on
    bool singleList = false;           // Option1 disabled; Option2 captioned "Objekt" and selected
    bool option3Enabled = true;        // "Visa personalscheman"
    bool printRoomRowEnabled = true;   // the print dialog's room row
    std::vector<std::string> dayList;  // Combo3
    std::string dayText;               // today's day name, or empty
    std::vector<std::string> weekList; // Combo2, as the user sees the weeks
    std::string weekText;
    std::vector<std::string> objectList; // Combo1: rooms, or the other objects in single-list mode
    std::string objectText;              // the first entry, or empty
    LoadResult bookings = LoadResult::NoFile;
    // The timetable's files that could not be read: the window goes on without a word
    // (the staff view disabled), but `tivra check` names them.
    std::vector<std::string> unread;
};

// Runs the whole start-up on a fresh program state, in the current folder. A `bookingFile`
// given is loaded in place of the settings' own, as Arkiv "Öppna" loads one: no day's
// backup copy is made of it.
StartupView startup(Program& program, Platform& platform, const std::string& bookingFile = {});

} // namespace tivra

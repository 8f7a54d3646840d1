#pragma once
// The booking file: "Antal: " and the count, then nine lines per booking, Windows-1252
// with CR LF. It is reloaded before and rewritten whole after every change.
#include "core/BookingTable.h"
#include "core/Clock.h"
#include "core/Disk.h"
#include "core/Messages.h"

#include <string>
#include <vector>

namespace tivra {

inline constexpr int kMaxFileLines = 50000; // lines after the count line
inline constexpr int kMaxBookingsInFile = kMaxFileLines / 9; // 5555

// The platform services the booking store uses.
struct Platform {
    Disk& disk;
    Clock& clock;
    Messages& messages;
};

// The state of the open booking file.
struct BookingFileState {
    std::string aktuellfil;       // empty: no booking file open
    bool lasfel = false;          // the last load failed
    bool forstalasning = false;   // the next load is the first of this run
    std::vector<std::string> rad; // the file image: rad[1..9N] are the lines after the count
};

enum class LoadResult {
    NoFile, // no booking file open; nothing happened
    Loaded, // the table holds the file's bookings; the caller redraws
    Failed, // the read error was shown and lasfel is set
};

// Reloads the open booking file into the booking rows of the table, and on the first
// load of the run writes the day's backup copy. Ends the program (Messages::fatal) on a
// file that does not start with "Antal:".
LoadResult oppnabokningar(BookingTable& table, BookingFileState& file, const std::string& backupmapp,
                          Platform& platform);

} // namespace tivra

#pragma once
// The change log beside a booking file (NAME.logg): who changed which booking, when and
// from which computer, one line per change, so that a removed booking can be traced and
// put back.
//
// Format, Windows-1252 with CR LF like the program's other files:
//   TIVRA-LOGG 1
//   TID<TAB>HÄNDELSE<TAB>SIGNATUR<TAB>ANVÄNDARE<TAB>DATOR<TAB>9 fields before<TAB>9 fields after<TAB>.
// TID is "ÅÅÅÅ-MM-DD hh:mm:ss"; HÄNDELSE one of the kEvent texts; the nine fields are a
// booking's stored fields 1 to 9 in file order, all empty where there is no booking (a
// new one has none before, a removed one none after). The closing "." marks a whole line:
// a writer stopped half-way leaves a line without it, which the reader skips, and the
// next append starts on a line of its own. No field holds a tab or a line break: every
// control character is written as a blank.
//
// Entries are appended under the booking file's lock, after the file was replaced. A log
// over kLogRotateBytes is renamed NAME.logg.1 (the one before it goes) at the next change.
#include "core/BookingTable.h"
#include "core/Disk.h"
#include "core/FileNames.h" // logFileName

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tivra {

inline constexpr const char* kLogHeader = "TIVRA-LOGG 1";
inline constexpr std::uintmax_t kLogRotateBytes = std::uintmax_t{10} * 1024 * 1024;

inline constexpr const char* kEventBooked = "Bokat";
inline constexpr const char* kEventCancelled = "Avbokat";
inline constexpr const char* kEventEdited = "\xC4ndrat";
inline constexpr const char* kEventWeeks = "Flera veckor";
inline constexpr const char* kEventReplaced = "Filen ersatt";
inline constexpr const char* kEventRestored = "\xC5terst\xE4llt";

struct LogEntry {
    std::string time; // "ÅÅÅÅ-MM-DD hh:mm:ss"
    std::string event;
    std::string signatur; // the signature the change was made with
    std::string user;
    std::string computer;
    Bokning before; // fields 1 to 9; objekt empty when there was none
    Bokning after;  // fields 1 to 9; objekt empty when there is none
};

// The time as an entry's TID.
std::string logTime(const DateTime& time);

// One entry as its line, CR LF included.
std::string logLine(const LogEntry& entry);

struct LogContent {
    std::vector<LogEntry> entries; // in file order, oldest first
    std::string error;             // why the log cannot be read; empty when it can
};

// Reads a log's bytes. Lines that are not whole entries are skipped; a first line of
// another format or version is an error, with no entries.
LogContent readLogBytes(std::string_view bytes);

// Reads the log file; a missing log is an empty one. The error names the file.
LogContent readLogFile(const std::string& logFile, Disk& disk);

// Appends the entry to the log of the booking file, creating the log (shared like the
// booking file) or rotating it first as needed, and forces it onto the disk. The reason
// in Swedish when it could not be written; empty when it was.
std::string appendToLog(const std::string& bookingFile, const LogEntry& entry, Disk& disk);

} // namespace tivra

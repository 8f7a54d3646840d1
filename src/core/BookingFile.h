#pragma once
// The booking file: "Antal: " and the count, then nine lines per booking, Windows-1252
// with CR LF. It is reloaded before and rewritten whole after every change.
#include "core/BookingTable.h"
#include "core/Clock.h"
#include "core/Disk.h"
#include "core/FileNames.h" // dailyBackupName
#include "core/FileReplace.h"
#include "core/Lines.h"
#include "core/Messages.h"
#include "core/Platform.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tivra {

inline constexpr int kMaxFileLines = 50000;                  // lines after the count line
inline constexpr int kMaxBookingsInFile = kMaxFileLines / 9; // 5555

// The state of the open booking file.
struct BookingFileState {
    std::string aktuellfil;       // empty: no booking file open
    bool lasfel = false;          // the last load failed
    bool forstalasning = false;   // the next load is the first of this run
    std::vector<std::string> rad; // the file image: rad[1..9N] are the lines after the count
    // The file's bytes as the last successful load found them; empty after a failed load.
    // A change compares the file with them just before replacing it, to notice a copy of
    // the program that wrote meanwhile without taking the lock.
    std::string loadedBytes;
};

enum class LoadResult {
    NoFile, // no booking file open; nothing happened
    Loaded, // the table holds the file's bookings; the caller redraws
    Failed, // the read error was shown and lasfel is set
};

// The count line: "Antal: " and the count in print form with a blank after it
// ("Antal:  12 ").
std::string countHeader(int count);

// Fields 1 to 9 of the booking rows into the image rad[1..], in table order: every row as a
// load read it, or for a save only the live rows. Returns the rows written.
enum class ImageRows { All, Live };
int fillImage(const BookingTable& table, BookingFileState& file, ImageRows which);

// The whole file for `count` bookings from the image rad[1..9*count], CR LF after every line.
std::string bookingFileBytes(int count, const std::vector<std::string>& rad);

// The number of bookings that a booking file's count line announces; nothing when the
// bytes are no booking file or the count does not fit.
std::optional<int> bookingCount(std::string_view bytes);

// How a copy of `bookingFile` is written (the day's backup copy, the copy kept before a
// file is replaced): retried like the file itself, and whatever stands at the copy's name
// (a link too) is replaced, never written through. The copy takes the booking file's
// permission bits and group, so every colleague's first load of a day can replace it.
WriteOptions copyOptions(const std::string& bookingFile, Platform& platform);

// Reloads the open booking file into the booking rows of the table, and on the first
// load of the run writes the day's backup copy (once a day: not when today's copy exists).
// Ends the program (Messages::fatal) on a file that does not start with "Antal:". Any
// other failure (a missing, odd or short file, lines after the last booking, a count that does not fit, a
// full table or image) shows the read error, sets lasfel and leaves antalrader at antallektioner.
LoadResult oppnabokningar(BookingTable& table, BookingFileState& file, const std::string& backupmapp,
                          Platform& platform);

// Puts the booking rows and the image back as the last successful load left them (from
// file.loadedBytes, without reading the file again): a change that no file took is
// taken back. With no successful load there are no booking rows.
void restoreLoaded(BookingTable& table, BookingFileState& file);

} // namespace tivra

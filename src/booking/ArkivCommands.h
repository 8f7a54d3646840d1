#pragma once
// The Arkiv menu's "Öppna" and "Spara som...": which booking file is open. They ask
// through the file dialogs of Messages. The settings file is not changed; the next start
// opens the booking file of the settings again.
#include "core/BookingFile.h"
#include "core/BookingTable.h"
#include "core/Platform.h"
#include "core/Workstation.h"

#include <string>

namespace tivra {

// The file dialogs show booking files only, starting in the current folder.
inline constexpr const char* kBookingFolder = ".";
inline constexpr const char* kBookingFilter = "*.bok|*.bok";

// Asks for a booking file and loads it in place of the booking rows. A cancelled dialog
// changes nothing: the file open stays open. No backup copy is made for a file opened here.
LoadResult arkiv_open(BookingTable& table, BookingFileState& file, const std::string& backupmapp,
                      Platform& platform);

// Asks for a name, gives it the extension ".bok" and saves the bookings into it. An existing
// file (reached by any path) is replaced only after a question that names its bookings, and
// only once a copy of it lies in the backup folder (beside it when there is none), named
// with the moment of the replace. A cancelled dialog leaves no booking file open; "No", a
// copy that cannot be written or a save refused for its size keeps the previous file open.
// A replaced file's change log records "Filen ersatt" by `workstation`. Returns whether
// the bookings were saved.
bool arkiv_saveas(BookingTable& table, BookingFileState& file, const std::string& backupmapp,
                  Platform& platform, const Workstation& workstation = thisWorkstation());

} // namespace tivra

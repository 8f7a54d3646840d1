#pragma once
// Changing the booking rows within the fixed sizes of the table and the file: appending
// a new booking, and saving the live bookings whole into the open booking file.
#include "core/BookingFile.h"
#include "core/BookingTable.h"
#include "core/Messages.h"
#include "core/Platform.h"

namespace tivra {

// Appends the booking after the last row. Refuses with a message, changing nothing, when
// the table already holds its 20000 rows.
bool laggTillRad(BookingTable& table, const Bokning& booking, Messages& messages);

// Writes every booking row that is not cancelled to the open booking file (asking for a
// name through "Spara som..." when none is open). Refuses with a message, leaving the file
// as it was, when there are more live bookings than the file holds. Returns whether the
// file was written; a file that cannot be written ends the program.
bool sparabokningar(BookingTable& table, BookingFileState& file, Platform& platform);

} // namespace tivra

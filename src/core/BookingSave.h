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
bool appendRow(BookingTable& table, const Bokning& booking, Messages& messages);

// Writes every booking row that is not cancelled to the open booking file. Refuses with a
// message, leaving the file as it was, when there are more live bookings than the file
// holds; false without a word when no booking file is open (the caller asks for one).
// Returns whether the file was written; a file that cannot be written after four
// attempts, 0.2 seconds apart, ends the program (Messages::fatal).
bool sparabokningar(BookingTable& table, BookingFileState& file, Platform& platform);

enum class SaveResult {
    Saved,
    NotSaved,  // refused with a message; the file is as it was
    NoFile,    // no booking file is open: the caller asks for one ("Spara som...")
    Overtaken, // another copy wrote the file since the last load; nothing was written
};

// sparabokningar for a change made on the rows of the last load: an open booking file is
// replaced only while it still holds the bytes that load found (file.loadedBytes).
SaveResult saveIfUnchanged(BookingTable& table, BookingFileState& file, Platform& platform);

} // namespace tivra

#pragma once
// The details line (Label5) for the lesson or booking under the pointer.
#include "core/BookingTable.h"

#include <string>

namespace tivra {

// The full data of row r, lines joined by "\r\n": signature, time, length and weeks;
// comment; teachers; note. Everything from the first "%%" on is left out. The empty text
// for r <= 0 (a box that never showed a row) and for a row past the table's end.
std::string detailsText(const BookingTable& table, int r);

// A booking in a few words, as the status line reports what was done with it:
// "A101 tis 10.00–11.00 vecka 36", or "veckor 45-48" for a range.
std::string bookingSummary(const Bokning& row);

} // namespace tivra

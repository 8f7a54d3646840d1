#pragma once
// `tivra export`: all that start-up read as JSON (--json), or one room's, object's or
// person's bookings (with --lessons the lessons too) for calendars (--ics) and
// spreadsheets (--csv). --weeks as the print dialog reads them; without, the whole
// booking period. Without --out the text goes to standard output; with it, the file
// appears whole or not at all.
#include "app/CommandMode.h"

namespace tivra {

const CommandMode& exportMode();

} // namespace tivra

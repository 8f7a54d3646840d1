#pragma once
// Occurrences as an iCalendar file (RFC 5545) for phone and desktop calendars: one event
// per occurrence in Swedish local time, with stable identities so that a newer export
// updates the events an older one made.
#include "export/Occurrences.h"

#include <ctime>
#include <string>

namespace tivra {

// The calendar's text, UTF-8 with CR LF; `stamp` is when it was made.
std::string icsText(const std::vector<Occurrence>& occurrences, std::time_t stamp);

} // namespace tivra

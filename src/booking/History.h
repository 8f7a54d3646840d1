#pragma once
// The change history as the window and `tivra history` show it: which entries a choice
// keeps, and the columns of an entry.
#include "booking/RangeChecks.h"
#include "config/Settings.h"
#include "core/BackupComparison.h"
#include "core/ChangeLog.h"

#include <optional>
#include <string>
#include <vector>

namespace tivra {

struct HistoryFilter {
    std::string objekt;             // empty: every object
    bool onlyOther = false;         // only the other objects (not the rooms)
    std::string person;             // the signature; empty: anyone
    std::string since;              // "ÅÅÅÅ-MM-DD"; empty: from the first entry
    std::optional<WeekRange> weeks; // school-year weeks the booking touches
    std::string text;               // found in the signature, the comment or the user
};

// The booking an entry is about: the one after the change, or the one removed.
const Bokning& entryBooking(const LogEntry& entry);

bool keeps(const HistoryFilter& filter, const LogEntry& entry, const Settings& settings);

// "Tid", "Händelse", "Objekt", "Vecka", "Dag", "Tid", "Signatur", "Kommentar",
// "Användare", "Dator".
const std::vector<std::string>& historyHeader();

// The entry in those columns.
std::vector<std::string> historyColumns(const LogEntry& entry);

// The differences between a backup and the file now as entries without time or user:
// "Borttagen" for a booking the backup holds and the file no longer does, "Tillagd" for
// one added since.
std::vector<LogEntry> differenceEntries(const BookingDifference& difference);

inline constexpr const char* kEventGone = "Borttagen";
inline constexpr const char* kEventAdded = "Tillagd";

} // namespace tivra

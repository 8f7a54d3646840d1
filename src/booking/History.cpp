#include "booking/History.h"

#include "config/ObjectLists.h"
#include "core/Calendar.h"
#include "core/Number.h"
#include "core/RowRules.h"
#include "core/Text1252.h"

namespace tivra {
namespace {

bool contains(const std::string& field, const std::string& upperText) {
    return upper(field).find(upperText) != std::string::npos;
}

bool touchesWeeks(const Bokning& booking, const WeekRange& weeks, const Settings& settings) {
    if (booking.objekt.empty()) {
        return false;
    }
    WeekRange its = rangeOf(booking.vecka, settings.startvecka, settings.slutvecka);
    return its.first <= weeks.last && weeks.first <= its.last;
}

} // namespace

const Bokning& entryBooking(const LogEntry& entry) {
    return entry.efter.objekt.empty() ? entry.fore : entry.efter;
}

bool keeps(const HistoryFilter& filter, const LogEntry& entry, const Settings& settings) {
    const Bokning& booking = entryBooking(entry);
    if (!filter.objekt.empty() && entry.fore.objekt != filter.objekt && entry.efter.objekt != filter.objekt) {
        return false;
    }
    if (filter.onlyOther && !listed(settings.bokaobjekt, booking.objekt)) {
        return false;
    }
    if (!filter.person.empty() && entry.signatur != filter.person && entry.fore.signatur != filter.person &&
        entry.efter.signatur != filter.person) {
        return false;
    }
    if (!filter.since.empty() && entry.tid.compare(0, filter.since.size(), filter.since) < 0) {
        return false;
    }
    if (filter.weeks && !touchesWeeks(entry.fore, *filter.weeks, settings) &&
        !touchesWeeks(entry.efter, *filter.weeks, settings)) {
        return false;
    }
    if (!filter.text.empty()) {
        const std::string wanted = upper(filter.text);
        return contains(entry.signatur, wanted) || contains(booking.signatur, wanted) ||
               contains(booking.kommentar, wanted) || contains(entry.anvandare, wanted);
    }
    return true;
}

const std::vector<std::string>& historyHeader() {
    static const std::vector<std::string> header{"Tid", "H\xE4ndelse", "Objekt",    "Vecka",        "Dag",
                                                 "Tid", "Signatur",    "Kommentar", "Anv\xE4ndare", "Dator"};
    return header;
}

std::vector<std::string> historyColumns(const LogEntry& entry) {
    const Bokning& b = entryBooking(entry);
    if (b.objekt.empty()) {
        return {entry.tid, entry.handelse, "", "", "", "", entry.signatur, "", entry.anvandare, entry.dator};
    }
    const long long day = static_cast<long long>(roundHalfEven(textvarde(b.dag)));
    const std::string dayName = day >= 1 && day <= 7 ? dagnamn(static_cast<int>(day)) : b.dag;
    return {
        entry.tid,  entry.handelse, b.objekt,        b.vecka,    dayName, b.starttid + "\x96" + endLabel(b),
        b.signatur, b.kommentar,    entry.anvandare, entry.dator};
}

std::vector<LogEntry> differenceEntries(const BookingDifference& difference) {
    std::vector<LogEntry> entries;
    for (const Bokning& b : difference.gone) {
        entries.push_back({"", kEventGone, b.signatur, "", "", b, {}});
    }
    for (const Bokning& b : difference.added) {
        entries.push_back({"", kEventAdded, b.signatur, "", "", {}, b});
    }
    return entries;
}

} // namespace tivra

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
    return entry.after.objekt.empty() ? entry.before : entry.after;
}

bool keeps(const HistoryFilter& filter, const LogEntry& entry, const Settings& settings) {
    const Bokning& booking = entryBooking(entry);
    if (!filter.objekt.empty() && entry.before.objekt != filter.objekt &&
        entry.after.objekt != filter.objekt) {
        return false;
    }
    if (filter.onlyOther && !listed(settings.bokaobjekt, booking.objekt)) {
        return false;
    }
    if (!filter.person.empty() && entry.signatur != filter.person && entry.before.signatur != filter.person &&
        entry.after.signatur != filter.person) {
        return false;
    }
    if (!filter.since.empty() && entry.time.compare(0, filter.since.size(), filter.since) < 0) {
        return false;
    }
    if (filter.weeks && !touchesWeeks(entry.before, *filter.weeks, settings) &&
        !touchesWeeks(entry.after, *filter.weeks, settings)) {
        return false;
    }
    if (!filter.text.empty()) {
        const std::string wanted = upper(filter.text);
        return contains(entry.signatur, wanted) || contains(booking.signatur, wanted) ||
               contains(booking.kommentar, wanted) || contains(entry.user, wanted);
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
        return {entry.time, entry.event, "", "", "", "", entry.signatur, "", entry.user, entry.computer};
    }
    const long long day = static_cast<long long>(roundHalfEven(textvarde(b.dag)));
    const std::string dayName = day >= 1 && day <= 7 ? dagnamn(static_cast<int>(day)) : b.dag;
    return {entry.time, entry.event, b.objekt,   b.vecka,       dayName, b.starttid + "\x96" + endLabel(b),
            b.signatur, b.kommentar, entry.user, entry.computer};
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

#include "export/IcsExport.h"

#include "core/Text1252.h"

#include <libical/ical.h>

#include <memory>

namespace tivra {
namespace {

constexpr const char kZone[] = "Europe/Stockholm";

// Central European time with its summer time, as the EU rules have it since 1996. Written
// out rather than taken from the system's zone files, which a machine may lack.
constexpr const char kZoneDefinition[] = "BEGIN:VTIMEZONE\r\n"
                                         "TZID:Europe/Stockholm\r\n"
                                         "BEGIN:DAYLIGHT\r\n"
                                         "TZOFFSETFROM:+0100\r\n"
                                         "TZOFFSETTO:+0200\r\n"
                                         "TZNAME:CEST\r\n"
                                         "DTSTART:19700329T020000\r\n"
                                         "RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU\r\n"
                                         "END:DAYLIGHT\r\n"
                                         "BEGIN:STANDARD\r\n"
                                         "TZOFFSETFROM:+0200\r\n"
                                         "TZOFFSETTO:+0100\r\n"
                                         "TZNAME:CET\r\n"
                                         "DTSTART:19701025T030000\r\n"
                                         "RRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU\r\n"
                                         "END:STANDARD\r\n"
                                         "END:VTIMEZONE\r\n";

struct ComponentFree {
    void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

icaltimetype localTime(const Occurrence& o, int minutes) {
    icaltimetype t = icaltime_null_time();
    t.year = o.date.year;
    t.month = o.date.month;
    t.day = o.date.day;
    t.is_date = 0;
    icaltime_adjust(&t, 0, 0, minutes, 0);
    return t;
}

icalproperty* zoned(icalproperty* property) {
    icalproperty_add_parameter(property, icalparameter_new_tzid(kZone));
    return property;
}

// "B14 – AB: Prov" for a booking; "MA1 NA1a" (course and group) for a lesson.
std::string summaryOf(const Occurrence& o) {
    if (o.lesson) {
        return toUtf8(o.signatur + " " + o.kommentar);
    }
    std::string text = toUtf8(o.objekt) + " \xE2\x80\x93 " + toUtf8(o.signatur);
    return o.kommentar.empty() ? text : text + ": " + toUtf8(o.kommentar);
}

icalcomponent* eventOf(const Occurrence& o, const icaltimetype& stamp) {
    icalcomponent* event = icalcomponent_new_vevent();
    icalcomponent_add_property(event, icalproperty_new_uid(o.uid.c_str()));
    icalcomponent_add_property(event, icalproperty_new_dtstamp(stamp));
    icalcomponent_add_property(event, zoned(icalproperty_new_dtstart(localTime(o, o.start))));
    icalcomponent_add_property(event, zoned(icalproperty_new_dtend(localTime(o, o.end))));
    icalcomponent_add_property(event, icalproperty_new_summary(summaryOf(o).c_str()));
    icalcomponent_add_property(event, icalproperty_new_location(toUtf8(o.objekt).c_str()));
    return event;
}

} // namespace

std::string icsText(const std::vector<Occurrence>& occurrences, std::time_t stamp) {
    Component calendar(icalcomponent_new_vcalendar());
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_prodid("-//Tivra//Bokningar//SV"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_calscale("GREGORIAN"));
    icalcomponent_add_component(calendar.get(), icalcomponent_new_from_string(kZoneDefinition));
    const icaltimetype made = icaltime_from_timet_with_zone(stamp, 0, icaltimezone_get_utc_timezone());
    for (const Occurrence& o : occurrences) {
        icalcomponent_add_component(calendar.get(), eventOf(o, made));
    }
    // The library's own copy, folded and escaped as the standard wants it.
    char* text = icalcomponent_as_ical_string_r(calendar.get());
    std::string out = text != nullptr ? text : "";
    icalmemory_free_buffer(text);
    return out;
}

} // namespace tivra

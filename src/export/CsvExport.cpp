#include "export/CsvExport.h"

#include "core/Calendar.h"
#include "core/Text1252.h"

#include <cstdio>

namespace tivra {
namespace {

std::string field(const std::string& text) {
    if (text.find_first_of(";\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + "\"";
}

// hh.mm, as the program writes times; an end past midnight is the next day's time.
std::string clock(int minutes) {
    minutes %= 24 * 60;
    char text[8];
    std::snprintf(text, sizeof text, "%02d.%02d", minutes / 60, minutes % 60);
    return text;
}

std::string isoDate(const Date& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

} // namespace

std::string csvText(const std::vector<Occurrence>& occurrences) {
    std::string out = "\xEF\xBB\xBF"
                      "Datum;Vecka;Dag;Start;Slut;Objekt;Signatur;Kommentar;Typ\r\n";
    for (const Occurrence& o : occurrences) {
        const std::string columns[] = {
            isoDate(o.date),    shownWeek(o.week),   toUtf8(dagrubrik(veckodag(o.date))),
            clock(o.start),     clock(o.end),        toUtf8(o.objekt),
            toUtf8(o.signatur), toUtf8(o.kommentar), o.lesson ? "Lektion" : "Bokning"};
        for (std::size_t i = 0; i < std::size(columns); ++i) {
            out += (i == 0 ? "" : ";") + field(columns[i]);
        }
        out += "\r\n";
    }
    return out;
}

} // namespace tivra

#include "export/CsvExport.h"

#include "core/Calendar.h"
#include "core/Text1252.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

namespace tivra {
namespace {

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        out += c;
        if (c == '"') {
            out += '"';
        }
    }
    return out + "\"";
}

std::string field(const std::string& text) {
    if (text.find_first_of(";\"\r\n") == std::string::npos) {
        return text;
    }
    return quoted(text);
}

// What a user typed: a spreadsheet would take a leading =, +, -, @, TAB or CR for the start
// of a formula and run it, so such a text is written as a text cell.
std::string typedField(const std::string& text) {
    if (!text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos) {
        return quoted("'" + text);
    }
    return field(text);
}

// hh:mm, which a spreadsheet reads as a time whatever its language; the day is a column
// of its own.
std::string clock(int minutes) {
    minutes %= 24 * 60;
    char text[8];
    std::snprintf(text, sizeof text, "%02d:%02d", minutes / 60, minutes % 60);
    return text;
}

std::string isoDate(const Date& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

} // namespace

std::string csvText(const std::vector<Occurrence>& occurrences) {
    std::string out =
        "\xEF\xBB\xBF"
        "Datum;Vecka;Dag;Start;Slut;Slutdatum;Objekt;Signatur;Kommentar;Kurs;Klass;L\xC3\xA4rare;Typ\r\n";
    constexpr int kDay = 24 * 60;
    for (const Occurrence& o : occurrences) {
        // A booking at 24.00 starts the next day; one over midnight ends on a later one.
        const Date date = plusDays(o.date, o.start / kDay);
        const Date endDate = plusDays(o.date, std::max(o.start, o.end) / kDay);
        const std::string none;
        const std::string columns[] = {isoDate(date),
                                       shownWeek(o.week),
                                       toUtf8(dagrubrik(dayOfWeek(date))),
                                       clock(o.start),
                                       clock(o.end),
                                       isoDate(endDate),
                                       field(toUtf8(o.objekt)),
                                       o.lesson ? none : typedField(toUtf8(o.signatur)),
                                       o.lesson ? none : typedField(toUtf8(o.kommentar)),
                                       o.lesson ? typedField(toUtf8(o.signatur)) : none,
                                       o.lesson ? typedField(toUtf8(o.kommentar)) : none,
                                       o.lesson ? typedField(toUtf8(o.larare)) : none,
                                       o.lesson ? "Lektion" : "Bokning"};
        for (std::size_t i = 0; i < std::size(columns); ++i) {
            out += (i == 0 ? "" : ";") + columns[i];
        }
        out += "\r\n";
    }
    return out;
}

} // namespace tivra

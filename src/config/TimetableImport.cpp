#include "config/TimetableImport.h"

#include "core/Calendar.h"
#include "core/Lines.h"
#include "core/Text1252.h"
#include "core/TextHelpers.h"

#include <array>
#include <optional>

namespace tivra {

namespace {

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// The text from a 0-based position on, empty when the text is shorter.
std::string_view from(std::string_view text, std::size_t pos) {
    return pos < text.size() ? text.substr(pos) : std::string_view();
}

// The last `count` characters, or the whole text when it is shorter.
std::string_view lastChars(std::string_view text, std::size_t count) {
    return text.size() > count ? text.substr(text.size() - count) : text;
}

// ---- ".ini" ------------------------------------------------------------------------

// "2008/09" and "08/09" pass; a text that neither begins with "20" nor has "/" third
// is no school year.
bool lasarFormOk(std::string_view lasar) {
    return lasar.empty() || lasar.substr(0, 2) == "20" || (lasar.size() >= 3 && lasar[2] == '/');
}

// "HT 2008/09" names the term before the year; the year is the word after the blank.
std::string withoutTerm(const std::string& lasar) {
    std::size_t blank = lasar.find(' ');
    return blank == std::string::npos ? lasar : trim(from(lasar, blank + 1));
}

// ---- ".sca" ------------------------------------------------------------------------

// One block of consecutive non-empty lines of the lesson file.
struct Lektionspost {
    // The positional lines 1..6; a line the block does not have reads "0".
    std::array<std::string_view, 6> line{"0", "0", "0", "0", "0", "0"};
    std::size_t count = 0;
    std::string_view notering;
    std::string veckor; // as written after "VECKOR:"

    void add(std::string_view text) {
        if (count < line.size()) {
            line[count] = text;
        }
        ++count;
        if (startsWith(text, "NOT:")) {
            notering = text.substr(4);
            std::string upperText = upper(text);
            std::size_t at = upperText.find("VECKOR:");
            if (at != std::string::npos) {
                veckor = trim(from(upperText, at + 7));
            }
        } else if (startsWith(text, "VECKOR:")) {
            veckor = trim(text.substr(7));
        }
    }
};

// The weekday 1..5 named in the sixth line ("M\xC5N 8.15"); nothing for a weekend day
// or a line without a day, and such a record is no lesson.
std::optional<int> lessonDay(std::string_view line6) {
    for (int k = 1; k <= 5; ++k) {
        if (line6.find(dagnamn(k) + " ") != std::string_view::npos) {
            return k;
        }
    }
    return std::nullopt;
}

Bokning lessonRow(const Lektionspost& post, int dag, const Timetable& timetable) {
    Bokning row;
    row.signatur = normalisera(post.line[0]);
    row.kommentar = normalisera(post.line[1]);
    row.larare = normalisera(post.line[2]);
    row.objekt = std::string(post.line[3]);
    std::string_view langd = post.line[4];
    std::size_t min = langd.find("min");
    row.langd = min == std::string_view::npos ? std::string(langd) : trim(langd.substr(0, min));
    row.dag = std::to_string(dag);
    // Appending rather than "0" + temporary: the latter trips a false -Wrestrict in GCC 12 -O3.
    std::string starttid = "0";
    starttid += trim(from(post.line[5], 3));
    row.starttid = std::string(lastChars(starttid, 5));
    row.notering = trim(post.notering);
    if (!post.veckor.empty()) {
        row.veckor = ordnaveckor(ersattperioder(post.veckor, timetable.schemaperioder));
    }
    return row;
}

void clearLessons(BookingTable& table) {
    table.rows.resize(1);
    table.antallektioner = 0;
    table.antalrader = 0;
}

} // namespace

bool readTimetableIni(const std::string& path, Disk& disk, Messages& messages, Timetable& timetable) {
    timetable.lasar.clear();
    timetable.schemaperioder.clear();
    std::optional<std::string> bytes = disk.readAll(path);
    if (!bytes) {
        return false;
    }
    bool complete = true;
    LineCursor lines(*bytes);
    std::string_view raw;
    while (lines.next(raw)) {
        std::string line = trim(upper(raw));
        if (startsWith(line, "PERIOD:")) {
            if (timetable.schemaperioder.size() == static_cast<std::size_t>(kMaxSchemaperioder)) {
                complete = false;
                break;
            }
            timetable.schemaperioder.push_back(trim(from(line, 7)));
        } else if (startsWith(line, "L\xC4S\xC5R:")) {
            timetable.lasar = trim(from(line, 6));
        }
    }
    timetable.lasar = withoutTerm(timetable.lasar);
    if (!lasarFormOk(timetable.lasar)) {
        // A file that could not be read to its end is passed over in silence; a school
        // year read from it is still checked, so that no malformed year reaches the
        // calendar.
        if (complete) {
            messages.show("Fel form p\xE5 l\xE4s\xE5rsangivelse i schemats inifil.",
                          "L\xE4s in schemats inifil", Icon::Exclamation);
        }
        timetable.lasar.clear();
    }
    return complete;
}

bool readLessons(const std::string& path, Disk& disk, const Timetable& timetable, BookingTable& table) {
    clearLessons(table);
    std::optional<std::string> bytes = disk.readAll(path);
    if (!bytes) {
        return false;
    }
    LineCursor lines(*bytes);
    std::string_view line;
    bool more = true;
    int n = 0;
    while (more) {
        Lektionspost post;
        while ((more = lines.next(line)) && !line.empty()) {
            post.add(line);
        }
        std::optional<int> dag = lessonDay(post.line[5]);
        if (!dag) {
            continue; // the row stays free for the next record
        }
        if (n == kMaxRows) {
            // More lessons than the table holds: none is kept.
            clearLessons(table);
            return false;
        }
        ++n;
        table.row(n) = lessonRow(post, *dag, timetable);
    }
    table.antallektioner = n;
    table.antalrader = n;
    return true;
}

bool readStaff(const std::string& path, Disk& disk, Timetable& timetable) {
    timetable.personal.clear();
    std::optional<std::string> bytes = disk.readAll(path);
    if (!bytes) {
        return false;
    }
    LineCursor lines(*bytes);
    std::string_view line;
    while (lines.next(line)) {
        // A line of blanks would give an entry without signature or name.
        if (trim(line).empty()) {
            continue;
        }
        if (timetable.personal.size() == static_cast<std::size_t>(kMaxPersonal)) {
            return false;
        }
        WordSplit delat = delaord(line);
        timetable.personal.push_back(trim(normalisera(delat.ord1) + " " + delat.ordrest));
    }
    return true;
}

} // namespace tivra

#include "TimetableGenerator.h"

#include <array>
#include <initializer_list>
#include <string_view>

namespace tivra {

namespace {

const std::array<const char*, 5>& dayNames() {
    static const std::array<const char*, 5> names{"M\xC5N", "TIS", "ONS", "TOR", "FRE"};
    return names;
}

const std::array<const char*, 6>& weekLists() {
    static const std::array<const char*, 6> lists{"HT", "VT", "50-3", "35-40 45", "0836-0842", "HT 2-4"};
    return lists;
}

// One line of a file from its pieces, CR LF after it.
void appendLine(std::string& out, std::initializer_list<std::string_view> pieces) {
    for (std::string_view piece : pieces) {
        out += piece;
    }
    out += "\r\n";
}

} // namespace

std::string generateTimetableSca(int lessons) {
    std::string out;
    out.reserve(static_cast<std::size_t>(lessons) * 64);
    for (int i = 0; i < lessons; ++i) {
        // 24 lessons of 20 minutes fill 8.00-16.00 in each of 200 rooms on five days:
        // room for 24000 lessons without two in one room at one time.
        int room = i % 200;
        int day = (i / 200) % 5;
        int slot = (i / 1000) % 24;
        int minutes = 8 * 60 + slot * 20;
        // Appended piece by piece: "x" + temporary trips a false -Wrestrict in GCC 12 at -O3.
        appendLine(out, {"Kurs", std::to_string(i % 97)});
        appendLine(out, {"grupp", std::to_string(i % 31)});
        appendLine(out, {"s", std::to_string(i % 150), i % 10 == 0 ? ",s" : "",
                         i % 10 == 0 ? std::to_string((i + 7) % 150) : ""});
        appendLine(out, {"R", std::to_string(room), i % 25 == 0 ? " R" : "",
                         i % 25 == 0 ? std::to_string((room + 100) % 200) : ""});
        appendLine(out, {i % 4 == 0 ? "20" : "20 min"});
        appendLine(out, {dayNames()[static_cast<std::size_t>(day)], " ", std::to_string(minutes / 60), ".",
                         minutes % 60 < 10 ? "0" : "", std::to_string(minutes % 60)});
        if (i % 7 == 0) {
            appendLine(out, {"VECKOR: ", weekLists()[static_cast<std::size_t>(i % 6)]});
        }
        if (i % 11 == 0) {
            appendLine(out, {"NOT: Prov VECKOR: 38  - 40"});
        }
        out += "\r\n";
    }
    return out;
}

std::string generateTimetableIni() {
    return "[Schema]\r\nL\xC4S\xC5R: 2026/27\r\nPERIOD: HT=34-51\r\nPERIOD: VT=2-24\r\n";
}

std::string generateRoomList(int rooms) {
    std::string out;
    for (int r = 0; r < rooms; ++r) {
        // The timetable's room list has the room first and a description after it.
        appendLine(out, {"R", std::to_string(r), " Sal ", std::to_string(r)});
    }
    return out;
}

std::string generateStaffList(int staff) {
    static const std::array<const char*, 6> names{"Anna Berg",
                                                  "\xC5sa \xD6"
                                                  "berg",
                                                  "Per Lind",
                                                  "M\xE4rta Nord",
                                                  "Ulf Sj\xF6",
                                                  "Eva Str\xF6m"};
    std::string out;
    for (int k = 0; k < staff; ++k) {
        appendLine(out, {"s", std::to_string(k), ", ", names[static_cast<std::size_t>(k) % names.size()]});
    }
    return out;
}

} // namespace tivra

#include "TimetableGenerator.h"

#include <array>

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
        out += "Kurs" + std::to_string(i % 97) + "\r\n";
        out += "grupp" + std::to_string(i % 31) + "\r\n";
        out += "s" + std::to_string(i % 150) + (i % 10 == 0 ? ",s" + std::to_string((i + 7) % 150) : "") +
               "\r\n";
        out += "R" + std::to_string(room) + (i % 25 == 0 ? " R" + std::to_string((room + 100) % 200) : "") +
               "\r\n";
        out += i % 4 == 0 ? "20\r\n" : "20 min\r\n";
        out += std::string(dayNames()[static_cast<std::size_t>(day)]) + " " + std::to_string(minutes / 60) +
               "." + (minutes % 60 < 10 ? "0" : "") + std::to_string(minutes % 60) + "\r\n";
        if (i % 7 == 0) {
            out += std::string("VECKOR: ") + weekLists()[static_cast<std::size_t>(i % 6)] + "\r\n";
        }
        if (i % 11 == 0) {
            out += "NOT: Prov VECKOR: 38  - 40\r\n";
        }
        out += "\r\n";
    }
    return out;
}

std::string generateTimetableIni() {
    return "[Schema]\r\nL\xC4S\xC5R: 2026/27\r\nPERIOD: HT=34-51\r\nPERIOD: VT=2-24\r\n";
}

} // namespace tivra

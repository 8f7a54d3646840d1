#include "LargestProgram.h"

#include "Generator.h"

#include <random>
#include <string>

namespace tivra::bench {
namespace {

std::string roomName(int i) {
    std::string name = "R";
    name += std::to_string(100 + i);
    return name;
}

// Lessons over 200 rooms, school days 8 to 16, a fifth of them in two rooms and a third
// with a week list, with one or two teachers each.
void addLessons(Program& program, int count) {
    std::mt19937 random(7);
    auto between = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    static const char* const teachers[] = {"ANN", "BO", "KAL", "LENA", "PER", "SVEN", "ULF", "EVA"};
    static const char* const weekLists[] = {"", "", "34-51", "2-24", "45-3", "36 38 40-42"};
    BookingTable& table = program.bokningar;
    for (int i = 1; i <= count; ++i) {
        Bokning& row = table.row(i);
        row.signatur = "KURS";
        row.signatur += std::to_string(between(1, 300));
        row.kommentar = "GRUPP";
        row.kommentar += std::to_string(between(1, 60));
        row.langd = std::to_string(between(4, 18) * 5);
        row.dag = std::to_string(between(1, 5));
        row.starttid = std::to_string(between(8, 15)) + "." + std::to_string(between(0, 11) * 5);
        row.objekt = roomName(between(0, 199));
        if (between(1, 5) == 1) {
            row.objekt += " " + roomName(between(0, 199));
        }
        row.larare = teachers[between(0, 7)];
        if (between(1, 3) == 1) {
            row.larare += std::string(" ") + teachers[between(0, 7)];
        }
        row.veckor = weekLists[between(0, 5)];
    }
    table.antallektioner = table.antalrader = count;
}

} // namespace

Program largestProgram() {
    Program program;
    program.settings.startvecka = 34;
    program.settings.slutvecka = 76;
    program.timetable.lasar = "25/26";
    for (int i = 0; i < 200; ++i) {
        program.salar.push_back(roomName(i));
    }
    program.timetable.personal = {"ANN Ann Ek", "BO Bo Lind", "KAL Kalle Ros", "LENA Lena Berg"};
    addLessons(program, kMaxRows - kMaxBookingsInFile);
    BookingTable& table = program.bokningar;
    for (const Bokning& b : generateBookings(kMaxBookingsInFile)) {
        table.row(++table.antalrader) = b;
    }
    program.selection.valdvecka = 40;
    program.selection.idagvecka = 40;
    program.selection.valdsal = 1;
    return program;
}

} // namespace tivra::bench

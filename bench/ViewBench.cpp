// A redraw of the week grid on the largest table the program holds: the 5555 bookings
// of a full booking file after as many lessons as leave room for them in the 20000 rows.
#include "Generator.h"

#include "config/Program.h"
#include "view/GridGeometry.h"
#include "view/WeekView.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>

namespace tivra {
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
    for (const Bokning& b : bench::generateBookings(kMaxBookingsInFile)) {
        table.row(++table.antalrader) = b;
    }
    program.val.valdvecka = 40;
    program.val.idagvecka = 40;
    program.val.valdsal = 1;
    return program;
}

void redraw(benchmark::State& state, Vy vy) {
    Program program = largestProgram();
    program.val.vy = vy;
    program.val.valdperson = 2;
    GridGeometry grid(15000, 0);
    Date today{2025, 9, 29};
    std::size_t boxes = 0;
    for (auto _ : state) {
        WeekView view = visasalsschema(program, grid, today);
        boxes = view.boxes.size();
        benchmark::DoNotOptimize(view);
    }
    state.counters["boxes"] = static_cast<double>(boxes);
}

void BM_RedrawRoom(benchmark::State& state) {
    redraw(state, Vy::Salar);
}
void BM_RedrawStaff(benchmark::State& state) {
    redraw(state, Vy::Personal);
}
void BM_RedrawOverview(benchmark::State& state) {
    redraw(state, Vy::AllaBokningar);
}

// The overview in a week with few bookings runs over every booking row without stopping.
void BM_RedrawOverviewQuietWeek(benchmark::State& state) {
    Program program = largestProgram();
    program.val.vy = Vy::AllaBokningar;
    program.val.valdvecka = 80; // past every booking
    GridGeometry grid(15000, 0);
    Date today{2025, 9, 29};
    for (auto _ : state) {
        benchmark::DoNotOptimize(visasalsschema(program, grid, today));
    }
}

} // namespace

BENCHMARK(BM_RedrawRoom)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RedrawStaff)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RedrawOverview)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RedrawOverviewQuietWeek)->Unit(benchmark::kMicrosecond);

} // namespace tivra

// A redraw of the week grid on the largest table the program holds: the 5555 bookings
// of a full booking file after as many lessons as leave room for them in the 20000 rows.
#include "LargestProgram.h"

#include "config/Program.h"
#include "view/GridGeometry.h"
#include "view/WeekView.h"

#include <benchmark/benchmark.h>

namespace tivra {
namespace {

void redraw(benchmark::State& state, ViewKind viewKind) {
    Program program = bench::largestProgram();
    program.selection.viewKind = viewKind;
    program.selection.valdperson = 2;
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
    redraw(state, ViewKind::Salar);
}
void BM_RedrawStaff(benchmark::State& state) {
    redraw(state, ViewKind::Personal);
}
void BM_RedrawOverview(benchmark::State& state) {
    redraw(state, ViewKind::AllaBokningar);
}

// The overview in a week with few bookings runs over every booking row without stopping.
void BM_RedrawOverviewQuietWeek(benchmark::State& state) {
    Program program = bench::largestProgram();
    program.selection.viewKind = ViewKind::AllaBokningar;
    program.selection.valdvecka = 80; // past every booking
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

// "Lediga salar" over the 200 rooms of the largest table the program holds: 5555 bookings
// after as many lessons as leave room for them in the 20000 rows.
#include "LargestProgram.h"

#include "booking/FreeRooms.h"

#include <benchmark/benchmark.h>

namespace tivra {
namespace {

void BM_LedigaSalar(benchmark::State& state) {
    Program program = bench::largestProgram();
    // Tuesday morning, when most lessons and bookings lie.
    BookingFields fields{"", ViewKind::Salar, 2, "10.00", "45", "", ""};
    std::size_t free = 0;
    for (auto _ : state) {
        auto found = ledigaSalar(program, fields, program.selection.valdvecka);
        free = std::get<FreeRooms>(found).free.size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["free"] = static_cast<double>(free);
    state.counters["rooms"] = static_cast<double>(program.salar.size());
}
BENCHMARK(BM_LedigaSalar)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tivra

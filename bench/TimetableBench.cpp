#include "NoMessages.h"
#include "TimetableGenerator.h"

#include "config/TimetableImport.h"
#include "core/Disk.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

namespace tivra {
namespace {

void writeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// The start-up's import of a timetable of `lessons` lessons from real files.
void BM_TimetableImport(benchmark::State& state) {
    const int lessons = static_cast<int>(state.range(0));
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "tivra_timetable_bench";
    std::filesystem::create_directories(dir);
    writeFile(dir / "schema.ini", generateTimetableIni());
    writeFile(dir / "schema.sca", generateTimetableSca(lessons));
    const std::string base = (dir / "schema").string();

    RealDisk disk;
    bench::NoMessages messages;
    for (auto _ : state) {
        Timetable timetable;
        BookingTable table;
        readTimetableIni(base + ".ini", disk, messages, timetable);
        if (!readLessons(base + ".sca", disk, timetable, table) || table.antallektioner != lessons) {
            state.SkipWithError("the generated timetable was not imported whole");
            break;
        }
        benchmark::DoNotOptimize(table.rows.data());
    }
    state.SetItemsProcessed(state.iterations() * lessons);
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_TimetableImport)->Arg(15000)->Arg(20000)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tivra

// The booking file at its largest (5555 bookings): loading and saving it through the
// program, against plain stream reading and writing of the same bytes as the floor. These
// floors go line by line (getline, and a stream insert per line), as a program that keeps
// the file as lines meets it; the whole-file floor is BM_BokaFloor's. The write floor is as
// durable as the save: flushed, renamed, folder flushed.
#include "DurableWrite.h"
#include "Generator.h"
#include "NoMessages.h"

#include "core/BookingFile.h"
#include "core/BookingSave.h"
#include "core/Clock.h"
#include "core/Disk.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>

namespace tivra::bench {
namespace {

// A folder holding the generated file, made once per run and removed at its end.
class Workspace {
  public:
    Workspace() {
        folder_ = std::filesystem::temp_directory_path() /
                  ("tivra-bench-" + std::to_string(std::random_device()()));
        std::filesystem::create_directories(folder_);
        bytes_ = largestBookingFile();
        std::ofstream(file(), std::ios::binary)
            .write(bytes_.data(), static_cast<std::streamsize>(bytes_.size()));
    }
    ~Workspace() {
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

    std::string file() const { return (folder_ / "Bokningar.bok").string(); }
    std::string floorFile() const { return (folder_ / "Golv.bok").string(); }
    const std::string& bytes() const { return bytes_; }

    static Workspace& get() {
        static Workspace workspace;
        return workspace;
    }

  private:
    std::filesystem::path folder_;
    std::string bytes_;
};

struct Store {
    RealDisk disk;
    SystemClock clock;
    NoMessages messages;
    Platform platform{disk, clock, messages};
    BookingTable table;
    BookingFileState file;

    Store() {
        file.aktuellfil = Workspace::get().file();
        if (oppnabokningar(table, file, "", platform) != LoadResult::Loaded ||
            table.antalrader != kMaxBookingsInFile) {
            throw std::runtime_error("the generated booking file does not load");
        }
    }
};

std::size_t readLines(const std::string& path, std::vector<std::string>& lines) {
    std::ifstream in(path, std::ios::binary);
    std::size_t n = 0;
    for (std::string line; std::getline(in, line); ++n) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (n >= lines.size()) {
            lines.resize(n + 1);
        }
        lines[n].swap(line);
    }
    return n;
}

void BM_Oppnabokningar(benchmark::State& state) {
    Store store;
    for (auto _ : state) {
        benchmark::DoNotOptimize(oppnabokningar(store.table, store.file, "", store.platform));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(Workspace::get().bytes().size()));
}
BENCHMARK(BM_Oppnabokningar)->Unit(benchmark::kMillisecond);

void BM_FloorReadLines(benchmark::State& state) {
    std::vector<std::string> lines;
    for (auto _ : state) {
        benchmark::DoNotOptimize(readLines(Workspace::get().file(), lines));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(Workspace::get().bytes().size()));
}
BENCHMARK(BM_FloorReadLines)->Unit(benchmark::kMillisecond);

void BM_Sparabokningar(benchmark::State& state) {
    Store store;
    for (auto _ : state) {
        benchmark::DoNotOptimize(sparabokningar(store.table, store.file, store.platform));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(Workspace::get().bytes().size()));
}
BENCHMARK(BM_Sparabokningar)->Unit(benchmark::kMillisecond);

// Writing the lines durably and reading them back, without any check.
void BM_FloorWriteAndReadBack(benchmark::State& state) {
    Store store;
    const std::string file = Workspace::get().floorFile();
    const std::string folder = std::filesystem::path(file).parent_path().string();
    std::vector<std::string> lines;
    for (auto _ : state) {
        std::string bytes = countHeader(kMaxBookingsInFile) + "\r\n";
        for (std::size_t k = 1; k < store.file.rad.size(); ++k) {
            bytes += store.file.rad[k];
            bytes += "\r\n";
        }
        durableWrite(folder, file + ".tmp", file, bytes);
        benchmark::DoNotOptimize(readLines(file, lines));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(Workspace::get().bytes().size()));
}
BENCHMARK(BM_FloorWriteAndReadBack)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tivra::bench

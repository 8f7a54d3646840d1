// One whole "Boka" at the largest the program holds: 14445 lessons and a booking file of
// 5554 bookings, so that the new booking fills the table's 20000th row and the file's
// 5555th place. Lock, reload, scan, append, save with read-back, unlock; against the
// floor of reading the file, writing it durably (flushed, renamed, folder flushed) with the
// new booking and reading it back with plain streams. The lock is the in-process NoBookingLock: the lock
// file's own cost is left out.
#include "DurableWrite.h"
#include "Generator.h"
#include "NoMessages.h"
#include "TimetableGenerator.h"

#include "booking/Boka.h"
#include "config/TimetableImport.h"
#include "core/BookingFile.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <random>

namespace tivra::bench {
namespace {

constexpr int kLessons = kMaxRows - kMaxBookingsInFile;
constexpr int kBookings = kMaxBookingsInFile - 1;

// A whole file in one read, sized from the stream's length: the fastest plain-stream read
// (a stream copy through rdbuf grows its buffer and copies as it goes).
std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    std::string bytes(static_cast<std::size_t>(in.tellg()), '\0');
    in.seekg(0);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

void spill(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

class BookingWorkspace {
  public:
    BookingWorkspace() {
        folder_ = std::filesystem::temp_directory_path() /
                  ("tivra-boka-bench-" + std::to_string(std::random_device()()));
        std::filesystem::create_directories(folder_);
        bytes_ = bookingFileOf(generateBookings(kBookings));
        spill(path("schema.ini"), generateTimetableIni());
        spill(path("schema.sca"), generateTimetableSca(kLessons));
        spill(path("Bokningar.bok"), bytes_);
    }
    ~BookingWorkspace() {
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }
    BookingWorkspace(const BookingWorkspace&) = delete;
    BookingWorkspace& operator=(const BookingWorkspace&) = delete;

    std::string path(const std::string& name) const { return (folder_ / name).string(); }
    const std::string& bytes() const { return bytes_; }

  private:
    std::filesystem::path folder_;
    std::string bytes_;
};

void BM_Boka(benchmark::State& state) {
    BookingWorkspace workspace;
    RealDisk disk;
    SystemClock clock;
    NoMessages messages;
    Platform platform{disk, clock, messages};
    NoBookingLock lock;
    ChangeEnvironment env{platform, lock};
    Program program;
    program.settings.startvecka = 34;
    program.settings.slutvecka = 76;
    for (int r = 0; r < 200; ++r) {
        // Appended, not "R" + to_string: GCC 12 at -O3 warns falsely (-Wrestrict) on that form.
        program.salar.push_back(std::string("R").append(std::to_string(r)));
    }
    if (!readTimetableIni(workspace.path("schema.ini"), disk, messages, program.timetable) ||
        !readLessons(workspace.path("schema.sca"), disk, program.timetable, program.bokningar) ||
        program.bokningar.antallektioner != kLessons) {
        state.SkipWithError("the generated timetable was not imported whole");
        return;
    }
    program.bookingFile.aktuellfil = workspace.path("Bokningar.bok");
    program.selection.valdvecka = 40;
    // Saturday evening: every row is scanned and none is in the way.
    BookingFields fields{"R5", ViewKind::Salar, 6, "20.00", "45", "Konsert", "bench"};
    for (auto _ : state) {
        if (boka(program, fields, env) != ChangeResult::Saved || program.bokningar.antalrader != kMaxRows) {
            state.SkipWithError("the booking was not made");
            break;
        }
        state.PauseTiming();
        spill(program.bookingFile.aktuellfil, workspace.bytes());
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Boka)->Unit(benchmark::kMillisecond);

// The same bytes through plain streams: read the file whole, write it with the new
// booking as durably as the program does, read that back whole. The program reads the
// file once more than this floor: just before the replace, to notice a copy of the
// program that wrote meanwhile.
void BM_BokaFloor(benchmark::State& state) {
    BookingWorkspace workspace;
    const std::string file = workspace.path("Bokningar.bok");
    const std::string after = bookingFileOf([] {
        std::vector<Bokning> bookings = generateBookings(kBookings);
        bookings.push_back(Bokning{"BENCH", "Konsert", "45", "6", "20.00", "R5", "", "40", "", ""});
        return bookings;
    }());
    const std::string folder = std::filesystem::path(file).parent_path().string();
    for (auto _ : state) {
        benchmark::DoNotOptimize(slurp(file));
        // Beside the file, not over it: every round reads the same bytes.
        durableWrite(folder, file + ".tmp", file + ".ny", after);
        benchmark::DoNotOptimize(slurp(file + ".ny"));
    }
}
BENCHMARK(BM_BokaFloor)->Unit(benchmark::kMillisecond);

std::size_t readLines(const std::string& path, std::vector<std::string>& lines) {
    std::ifstream in(path, std::ios::binary);
    std::size_t n = 0;
    for (std::string line; std::getline(in, line); ++n) {
        if (n >= lines.size()) {
            lines.resize(n + 1);
        }
        lines[n].swap(line);
    }
    return n;
}

// The floor as the program's own line-by-line I/O would meet it: read the file's lines,
// write them and the new booking's line by line, read those back (not flushed: this one
// shows what reading and writing by lines costs, not what the disk does).
void BM_BokaFloorByLine(benchmark::State& state) {
    BookingWorkspace workspace;
    const std::string file = workspace.path("Bokningar.bok");
    std::vector<std::string> lines;
    std::vector<std::string> back;
    for (auto _ : state) {
        std::size_t n = readLines(file, lines);
        {
            std::ofstream out(file + ".tmp", std::ios::binary | std::ios::trunc);
            for (std::size_t k = 0; k < n; ++k) {
                out << lines[k] << "\n";
            }
            for (const char* field : {"BENCH", "Konsert", "45", "6", "20.00", "R5", "", "40", ""}) {
                out << field << "\r\n";
            }
        }
        benchmark::DoNotOptimize(readLines(file + ".tmp", back));
    }
}
BENCHMARK(BM_BokaFloorByLine)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tivra::bench

// The change log: one entry appended beside a booking file, to set against a whole "Boka"
// (BM_Boka, which appends one too), and the history of a log of 50,000 entries read and
// chosen, newest first, with a screenful of lines in columns, as the history window opens.
#include "Generator.h"

#include "booking/History.h"
#include "core/ChangeLog.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <random>

namespace tivra::bench {
namespace {

class LogFolder {
  public:
    LogFolder() {
        folder_ = std::filesystem::temp_directory_path() /
                  ("tivra-log-bench-" + std::to_string(std::random_device()()));
        std::filesystem::create_directories(folder_);
    }
    ~LogFolder() {
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }
    LogFolder(const LogFolder&) = delete;
    LogFolder& operator=(const LogFolder&) = delete;
    std::string path(const std::string& name) const { return (folder_ / name).string(); }

  private:
    std::filesystem::path folder_;
};

LogEntry entryFor(const Bokning& booking, int i) {
    LogEntry entry{"2026-09-" + std::to_string(10 + i % 20) + " 12:00:00",
                   i % 3 == 0 ? kEventCancelled : kEventBooked,
                   booking.signatur,
                   "larare" + std::to_string(i % 40),
                   "dator-" + std::to_string(i % 25),
                   {},
                   {}};
    (i % 3 == 0 ? entry.before : entry.after) = booking;
    return entry;
}

void BM_LogAppend(benchmark::State& state) {
    LogFolder folder;
    RealDisk disk;
    const std::vector<Bokning> bookings = generateBookings(100);
    int i = 0;
    for (auto _ : state) {
        std::string failure = appendToLog(folder.path("Bokningar.bok"), entryFor(bookings[i % 100], i), disk);
        if (!failure.empty()) {
            state.SkipWithError(failure.c_str());
            break;
        }
        ++i;
    }
}
BENCHMARK(BM_LogAppend)->Unit(benchmark::kMillisecond);

void BM_History50000(benchmark::State& state) {
    LogFolder folder;
    RealDisk disk;
    const std::vector<Bokning> bookings = generateBookings(5000);
    std::string bytes = std::string(kLogHeader) + "\r\n";
    for (int i = 0; i < 50000; ++i) {
        bytes += logLine(entryFor(bookings[static_cast<std::size_t>(i) % bookings.size()], i));
    }
    const std::string log = folder.path("Bokningar.logg");
    std::ofstream(log, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    Settings settings;
    settings.startvecka = 34;
    settings.slutvecka = 76;
    HistoryFilter filter; // the window's default: every object, every entry
    for (auto _ : state) {
        LogContent content = readLogFile(log, disk);
        std::vector<const LogEntry*> shown;
        shown.reserve(content.entries.size());
        for (auto it = content.entries.rbegin(); it != content.entries.rend(); ++it) {
            if (keeps(filter, *it, settings)) {
                shown.push_back(&*it);
            }
        }
        // The window makes the texts of the lines it draws: a screenful.
        std::vector<std::vector<std::string>> rows;
        for (std::size_t i = 0; i < 40 && i < shown.size(); ++i) {
            rows.push_back(historyColumns(*shown[i]));
        }
        if (shown.size() != 50000) {
            state.SkipWithError("not every entry was read");
            break;
        }
        benchmark::DoNotOptimize(rows);
    }
}
BENCHMARK(BM_History50000)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tivra::bench

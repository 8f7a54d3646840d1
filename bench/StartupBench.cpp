// The whole start-up on the largest files the program accepts: a settings file with every
// list full, 200 rooms, a timetable of as many lessons as leave room in the 20000 rows
// for the largest booking file (14445 + 5555), 200 staff, and that booking file.
// The first start of a day also writes the day's backup copy; a later start finds it.
#include "Generator.h"
#include "NoMessages.h"
#include "TimetableGenerator.h"
#include "support/InFolder.h"

#include "config/Startup.h"
#include "core/BookingFile.h"
#include "core/Clock.h"
#include "core/Disk.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace tivra::bench {
namespace {

namespace fs = std::filesystem;

constexpr int kLessons = kMaxRows - kMaxBookingsInFile;
constexpr const char* kBackupFolder = "kopior";

void writeFile(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Tivra.ini naming the timetable, the booking file and the backup folder, with the most
// other objects (200) and booking periods (100) it may hold.
std::string settingsFile() {
    std::string out = "SCHEMA: schema.sch\r\nBOKNINGSFIL: bokningar.bok\r\nBACKUP: ";
    out += kBackupFolder;
    out += "\r\nSTARTVECKA: 34\r\nSLUTVECKA: 76\r\n";
    for (int k = 1; k <= 100; ++k) {
        out += "PERIOD: Objekt ";
        out += std::to_string(k);
        out += " 36-39\r\n";
    }
    for (int k = 1; k <= 200; ++k) {
        out += "BOKA: Objekt ";
        out += std::to_string(k);
        out += "\r\n";
    }
    return out;
}

// The program's folder with all its files, made once per run and removed at its end.
class School {
  public:
    School() {
        folder_ =
            fs::temp_directory_path() / ("tivra-startup-bench-" + std::to_string(std::random_device()()));
        fs::create_directories(folder_);
        writeFile(folder_ / "Tivra.ini", settingsFile());
        writeFile(folder_ / "schema.sal", generateRoomList(kMaxSalar));
        writeFile(folder_ / "schema.ini", generateTimetableIni());
        writeFile(folder_ / "schema.sca", generateTimetableSca(kLessons));
        writeFile(folder_ / "schema.sig", generateStaffList(kMaxPersonal));
        writeFile(folder_ / "bokningar.bok", largestBookingFile());
    }
    ~School() {
        std::error_code ec;
        fs::remove_all(folder_, ec);
    }
    School(const School&) = delete;
    School& operator=(const School&) = delete;

    const fs::path& folder() const { return folder_; }
    // Today's copy gone, as on the first start of a day.
    void removeBackups() const {
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(folder_ / kBackupFolder, ec)) {
            fs::remove(entry.path(), ec);
        }
    }
    bool hasBackup() const {
        std::error_code ec;
        return !fs::is_empty(folder_ / kBackupFolder, ec) && !ec;
    }

    static School& get() {
        static School school;
        return school;
    }

  private:
    fs::path folder_;
};

using test::InFolder;

struct Run {
    RealDisk disk;
    SystemClock clock;
    NoMessages messages;
    Platform platform{disk, clock, messages};
    Program program;
};

// Whether a start-up loaded everything the files hold.
bool loadedWhole(const StartupView& view, const Program& program) {
    return !view.ended && view.bookings == LoadResult::Loaded && view.option3Enabled && !view.singleList &&
           program.bokningar.antallektioner == kLessons && program.bokningar.antalrader == kMaxRows &&
           program.salar.size() == static_cast<std::size_t>(kMaxSalar) &&
           program.timetable.personal.size() == static_cast<std::size_t>(kMaxPersonal) &&
           program.settings.bokaobjekt.size() == 200 && program.settings.perioder.size() == 100;
}

void measureStartup(benchmark::State& state, bool firstOfDay) {
    School& school = School::get();
    InFolder inside(school.folder());
    Run run;
    if (!loadedWhole(startup(run.program, run.platform), run.program) || !school.hasBackup()) {
        state.SkipWithError("the generated files did not load whole");
        return;
    }
    for (auto _ : state) {
        // Freeing the previous run's state is not part of a start.
        state.PauseTiming();
        run.program = Program{};
        if (firstOfDay) {
            school.removeBackups();
        }
        state.ResumeTiming();
        StartupView view = startup(run.program, run.platform);
        benchmark::DoNotOptimize(view);
    }
    if (!school.hasBackup()) {
        state.SkipWithError("no backup copy was written");
    }
}

void BM_StartupFirstOfDay(benchmark::State& state) {
    measureStartup(state, true);
}
BENCHMARK(BM_StartupFirstOfDay)->Unit(benchmark::kMillisecond);

void BM_StartupRepeated(benchmark::State& state) {
    measureStartup(state, false);
}
BENCHMARK(BM_StartupRepeated)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tivra::bench

// The long process tests, under the CTest label "stress": many copies of the program
// booking into one file at once, and copies killed at random moments inside a change.
// scripts/test runs them with the rest; `ctest -LE stress` leaves them out.
#include "app/Process.h"
#include "core/ChangeLog.h"

#include <csignal>
#include <mutex>
#include <random>
#include <set>

namespace tivra {
namespace {

using namespace test;
using Clock = std::chrono::steady_clock;

// Sixteen copies book at once into one file, half of them through a link (a second school
// folder whose booking file is a link to the first one's, through a linked folder), two
// copies for every time so that half of the attempts are refused: they take one lock, the
// file holds exactly the bookings reported made, and the change log one entry for each, by
// the copy that made it.
TEST(BookCommand, SixteenCopiesReachingOneFileByTwoPathsKeepAndLogExactlyTheBookingsTheyReportMade) {
    TempDir dir;
    TempDir byLink;
    TempDir scratch;
    school(dir, {});
    std::filesystem::create_directory_symlink(dir.path(), byLink.path() / "delad");
    std::filesystem::create_symlink(byLink.path() / "delad" / "liten.bok", byLink.path() / "liten.bok");
    writeBytes(byLink.file("Tivra.ini"),
               crlf({"SCHEMA: liten", "BOKNINGSFIL: liten.bok", "STARTVECKA: 1", "SLUTVECKA: 52"}));
    std::filesystem::copy_file(dir.file("liten.sal"), byLink.file("liten.sal"));
    std::mutex guard;
    std::vector<Row> made;
    std::vector<std::thread> copies;
    for (int p = 0; p < 16; ++p) {
        copies.emplace_back([&, p] {
            for (int i = 0; i < 10; ++i) {
                const int slot = p % 8 * 10 + i;
                Row b = booking("P" + std::to_string(p), slot / 20, slot % 5 + 1, 8 + slot % 20 / 5, 10);
                const std::string err = scratch.file("err" + std::to_string(p));
                const int status = finish(start("book", p % 2 == 0 ? dir : byLink, optionsFor(b), err));
                const std::lock_guard<std::mutex> hold(guard);
                if (status == 0) {
                    made.push_back(b);
                }
            }
        });
    }
    std::ranges::for_each(copies, [](std::thread& copy) { copy.join(); });
    ASSERT_EQ(made.size(), 80U);
    const std::string bytes = readBytes(dir.file("liten.bok"));
    EXPECT_EQ(bytes.size(), bookingFile(made).size());
    auto key = [](const auto& b) { return b.signatur + " " + b.objekt + " " + b.dag + " " + b.starttid; };
    std::set<std::string> logged;
    const LogContent log = readLogBytes(readBytes(dir.file("liten.logg")));
    for (const LogEntry& e : log.entries) {
        EXPECT_EQ(e.event + e.signatur, "Bokat" + e.after.signatur);
        logged.insert(key(e.after));
    }
    EXPECT_EQ(std::tuple(log.error, log.entries.size(), logged.size()), std::tuple("", 80U, 80U));
    for (const Row& b : made) {
        EXPECT_NE(bytes.find(crlf(b.lines())), std::string::npos) << b;
        EXPECT_TRUE(logged.contains(key(b))) << b;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.file("liten.bok.lock")));
}

// Copies killed at random moments while they book into or cancel from a large file: the
// file is always either what it was or what the change made of it, byte for byte, and a
// lock left by a killed copy is broken by the next one at once.
TEST(CancelCommand, AWriterKilledAtAnyMomentNeverTearsTheFileAndLeavesNoLockInTheWay) {
    TempDir dir;
    TempDir scratch;
    std::vector<Row> live;
    for (int i = 0; i < 3000; ++i) {
        live.push_back(booking("S" + std::to_string(i), i % 8, i / 8 % 5 + 1, 8 + i / 40 % 8, i / 320 + 1));
    }
    school(dir, live);
    const std::string bok = dir.file("liten.bok");
    const std::string err = scratch.file("err");
    const std::string pause = scratch.file("pause");

    // How long one change takes here, start-up and the day's backup included.
    live.push_back(booking("N", 0, 1, 17, 30));
    const auto began = Clock::now();
    ASSERT_EQ(run("book", dir, optionsFor(live.back())).said(), "0: ");
    const long long us = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - began).count();

    const unsigned seed = std::random_device()();
    std::mt19937 random(seed);
    SCOPED_TRACE("seed " + std::to_string(seed));
    // From well into the start-up to a little past the end of the save.
    std::uniform_int_distribution<long long> delay(us / 4, us * 5 / 4);
    std::uniform_int_distribution<long long> inSave(0, 1500);
    int changed = 0;
    bool lockLeft = false;
    const auto deadline = Clock::now() + std::chrono::seconds(45);
    int i = 0;
    for (; i < 100 && Clock::now() < deadline; ++i) {
        std::vector<Row> next = live;
        const std::string mode = i % 2 == 0 ? "book" : "cancel";
        Row target = booking("N" + std::to_string(i), i % 8, i / 8 % 5 + 1, 17, 20 + i / 40);
        if (mode == "book") {
            next.push_back(target);
        } else {
            auto k = next.begin() + static_cast<std::ptrdiff_t>(random() % next.size());
            target = *k;
            next.erase(k);
        }
        if (lockLeft) {
            // The copy after a killed one runs to the end, taking the stale lock at once:
            // about as long as any change takes here, far short of the ten seconds a live
            // lock is waited for.
            auto t0 = Clock::now();
            ASSERT_EQ(run(mode, dir, optionsFor(target)).said(), "0: ");
            EXPECT_LT(Clock::now() - t0, std::chrono::microseconds(2 * us) + std::chrono::seconds(3));
        } else {
            // Killed at a random moment, or held just before its save and killed a moment
            // after it goes on: inside the write, the read-back or the replace. A kill that
            // lands while the leak checker runs at exit makes it complain of the thread it
            // lost; leaks are the other tests' concern.
            const bool inTheSave = i % 3 != 0;
            pid_t pid = start(mode, dir, optionsFor(target), err,
                              {"TIVRA_TEST_PAUSE_BEFORE_SAVE=" + (inTheSave ? pause : std::string()),
                               "ASAN_OPTIONS=detect_leaks=0"});
            if (inTheSave) {
                ASSERT_TRUE(waitFor(pause));
                std::filesystem::remove(pause);
            }
            std::this_thread::sleep_for(
                std::chrono::microseconds(inTheSave ? inSave(random) : delay(random)));
            kill(pid, SIGKILL);
            finish(pid);
        }
        const std::string after = readBytes(bok);
        if (after != bookingFile(live)) {
            ASSERT_EQ(after, bookingFile(next)) << "torn or wrong file after " << mode << " " << i;
            live = std::move(next);
            ++changed;
        }
        // A copy killed between creating the lock file and writing into it leaves an empty
        // lock; the next copy takes that too, once it is a moment old.
        lockLeft = std::filesystem::exists(bok + ".lock");
    }
    EXPECT_EQ(readBytes(err), "");
    EXPECT_GT(changed, 0);
    EXPECT_LT(changed, i) << "some kills left the file as it was";

    // A copy killed inside its append leaves at most a torn last line: the log still reads,
    // and the next change's entry is whole and last.
    Row last = booking("SIST", 7, 5, 19, 52);
    ASSERT_EQ(run("book", dir, optionsFor(last)).said(), "0: ");
    LogContent log = readLogBytes(readBytes(dir.file("liten.logg")));
    EXPECT_EQ(log.error, "");
    ASSERT_FALSE(log.entries.empty());
    EXPECT_LE(log.entries.size(), static_cast<std::size_t>(changed) + 2);
    EXPECT_EQ(log.entries.back().after.signatur, "SIST");
    EXPECT_EQ(log.entries.back().event, "Bokat");
}

} // namespace
} // namespace tivra

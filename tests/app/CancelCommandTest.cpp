// `tivra cancel` and the safety of a change when copies of the program die or misbehave,
// on the real program run as separate processes.
#include "app/Process.h"

#include <chrono>
#include <csignal>
#include <filesystem>
#include <iostream>
#include <random>
#include <thread>

namespace tivra {
namespace {

using namespace test;
using Clock = std::chrono::steady_clock;

bool waitFor(const std::string& path) {
    for (auto until = Clock::now() + std::chrono::seconds(20); Clock::now() < until;) {
        if (std::filesystem::exists(path)) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return false;
}

TEST(CancelCommand, RemovesTheFirstMatchOfTheOptionsReadAsBookReadsThem) {
    TempDir dir;
    Booking a = booking("AB", 1, 2, 9, 10);
    Booking b = booking("AB", 1, 2, 9, 11);
    school(dir, {a, b, a});
    // Lower-case object and signature, a day name, a start time without its leading zero.
    std::vector<std::string> typed{"--object",    "r1",       "--day",     "tis",    "--start",
                                   "9.00",        "--length", "30.0",      "--week", "10",
                                   "--signature", "ab",       "--comment", "KAB"};
    EXPECT_EQ(run("cancel", dir, typed).said(), "0: ");
    EXPECT_EQ(readBytes(dir.file("liten.bok")), fileOf({b, a}));
    EXPECT_EQ(run("cancel", dir, typed).said(), "0: ");
    EXPECT_EQ(readBytes(dir.file("liten.bok")), fileOf({b}));
    EXPECT_EQ(run("cancel", dir, typed).said(), "1: Avboka: Ingen bokning matchar.\n");
    EXPECT_EQ(readBytes(dir.file("liten.bok")), fileOf({b}));
    EXPECT_FALSE(std::filesystem::exists(dir.file("liten.bok.lock")));
    writeBytes(dir.file("liten.bok"), crlf({"Trasig"}));
    EXPECT_EQ(run("cancel", dir, typed).status, 2);
}

// Another copy writes the file, without taking the lock, between this copy's reload and
// its save: the change notices, starts over on the file as it is now, and both changes
// stand. Without the comparison (the control) the other copy's booking is lost.
TEST(CancelCommand, AWriteWithoutTheLockBetweenReloadAndSaveIsNoticedAndTheCancelRunsAgain) {
    for (bool compare : {true, false}) {
        TempDir dir;
        TempDir scratch;
        Booking mine = booking("A", 1, 1, 8, 10);
        Booking theirs = booking("B", 2, 1, 8, 10);
        school(dir, {mine});
        const std::string pause = scratch.file("pause");
        std::vector<std::string> env{"TIVRA_TEST_PAUSE_BEFORE_SAVE=" + pause};
        if (!compare) {
            env.emplace_back("TIVRA_TEST_UNSAFE_WRITES=1");
        }
        pid_t cancel = start("cancel", dir, optionsFor(mine), scratch.file("err"), env);
        ASSERT_TRUE(waitFor(pause)) << "the cancel never reached its save";
        EXPECT_EQ(run("book", dir, optionsFor(theirs), {"TIVRA_TEST_UNSAFE_WRITES=1"}).said(), "0: ");
        ASSERT_EQ(readBytes(dir.file("liten.bok")), fileOf({mine, theirs}));
        std::filesystem::remove(pause);
        EXPECT_EQ(finish(cancel), 0);
        EXPECT_EQ(readBytes(scratch.file("err")), "");
        if (compare) {
            EXPECT_EQ(readBytes(dir.file("liten.bok")), fileOf({theirs}));
        } else {
            EXPECT_EQ(readBytes(dir.file("liten.bok")), fileOf({})) << "the control loses the other booking";
        }
    }
}

// Copies killed at random moments while they book into or cancel from a large file: the
// file is always either what it was or what the change made of it, byte for byte, and a
// lock left by a killed copy is broken by the next one at once.
TEST(CancelCommand, AWriterKilledAtAnyMomentNeverTearsTheFileAndLeavesNoLockInTheWay) {
    TempDir dir;
    TempDir scratch;
    std::vector<Booking> live;
    for (int i = 0; i < 3000; ++i) {
        live.push_back(booking("S" + std::to_string(i), i % 8, i / 8 % 5 + 1, 8 + i / 40 % 8, i / 320 + 1));
    }
    school(dir, live);
    const std::string bok = dir.file("liten.bok");
    const std::string lock = bok + ".lock";
    const std::string err = scratch.file("err");

    // How long one change takes here, start-up included (the first also makes the day's backup).
    Booking first = booking("N", 0, 1, 17, 30);
    ASSERT_EQ(run("book", dir, optionsFor(first)).said(), "0: ");
    live.push_back(first);
    ASSERT_EQ(readBytes(bok), fileOf(live));
    auto began = Clock::now();
    ASSERT_EQ(run("cancel", dir, optionsFor(first)).said(), "0: ");
    const auto change = Clock::now() - began;
    live.pop_back();

    std::random_device seedSource;
    const unsigned seed = seedSource();
    std::mt19937 random(seed);
    SCOPED_TRACE("seed " + std::to_string(seed));
    // From well into the start-up to a little past the end of the save.
    const long long us = std::chrono::duration_cast<std::chrono::microseconds>(change).count();
    std::uniform_int_distribution<long long> delay(us / 4, us * 5 / 4);
    std::uniform_int_distribution<long long> inSave(0, 1500);
    const std::string pause = scratch.file("pause");
    int kept = 0;
    int changed = 0;
    int staleLocks = 0;
    bool lockLeft = false;
    const auto deadline = Clock::now() + std::chrono::seconds(45);
    for (int i = 0; i < 100 && Clock::now() < deadline; ++i) {
        std::vector<Booking> next = live;
        std::string mode = "book";
        Booking target;
        if (i % 2 == 0) {
            target = booking("N" + std::to_string(i), i % 8, i / 8 % 5 + 1, 17, 20 + i / 40);
            next.push_back(target);
        } else {
            std::size_t k = random() % next.size();
            target = next[k];
            next.erase(next.begin() + static_cast<std::ptrdiff_t>(k));
            mode = "cancel";
        }
        const std::string before = fileOf(live);
        if (lockLeft) {
            // The copy after a killed one runs to the end, taking the stale lock at once.
            auto t0 = Clock::now();
            ASSERT_EQ(run(mode, dir, optionsFor(target)).said(), "0: ");
            EXPECT_LT(Clock::now() - t0, std::chrono::seconds(3));
            ++staleLocks;
        } else {
            // Killed at a random moment, or held just before its save and killed a moment
            // after it goes on: inside the write, the read-back or the replace.
            bool inTheSave = i % 3 != 0;
            // A kill that lands while the leak checker runs at exit makes it complain of
            // the thread it lost; leaks are the other tests' concern.
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
        if (after == before) {
            ++kept;
        } else {
            ASSERT_EQ(after, fileOf(next)) << "torn or wrong file after " << mode << " " << i;
            live = std::move(next);
            ++changed;
        }
        // A copy killed between creating the lock file and writing into it leaves an empty
        // lock; the next copy takes that too, once it is a moment old.
        lockLeft = std::filesystem::exists(lock);
    }
    EXPECT_EQ(readBytes(err), "");
    EXPECT_GT(changed, 0);
    EXPECT_GT(kept, 0);
    std::cout << "one change " << std::chrono::duration_cast<std::chrono::milliseconds>(change).count()
              << " ms; file kept " << kept << ", changed " << changed << ", stale locks taken " << staleLocks
              << "\n";
}

} // namespace
} // namespace tivra

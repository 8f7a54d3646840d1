// `tivra cancel` and the safety of a change when copies of the program die or misbehave,
// on the real program run as separate processes.
#include "support/Fakes.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <iostream>
#include <random>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace tivra {
namespace {

using test::crlf;
using test::readBytes;
using test::TempDir;
using test::writeBytes;
using Clock = std::chrono::steady_clock;
using Booking = std::vector<std::string>; // the nine lines of the file

const char* const kDays[] = {"M\xC3\x85N", "TIS", "ONS", "TOR", "FRE"}; // UTF-8, as typed

std::string fileOf(const std::vector<Booking>& bookings) {
    std::vector<std::string> lines{"Antal:  " + std::to_string(bookings.size()) + " "};
    for (const Booking& b : bookings) {
        lines.insert(lines.end(), b.begin(), b.end());
    }
    return crlf(lines);
}

// A school of eight rooms without a timetable, with these bookings.
void school(const TempDir& dir, const std::vector<Booking>& bookings) {
    writeBytes(dir.file("Tivra.ini"),
               crlf({"SCHEMA: liten", "BOKNINGSFIL: liten.bok", "STARTVECKA:  1 ", "SLUTVECKA:  52 "}));
    writeBytes(dir.file("liten.sal"), crlf({"R0", "R1", "R2", "R3", "R4", "R5", "R6", "R7"}));
    writeBytes(dir.file("liten.bok"), fileOf(bookings));
}

// A booking of room `room`, day 1..5, whole hour `hour`, 30 minutes.
Booking booking(const std::string& sig, int room, int day, int hour, int week) {
    char start[8];
    std::snprintf(start, sizeof start, "%02d.00", hour);
    return {sig,   "K" + sig,
            "30",  std::to_string(day),
            start, "R" + std::to_string(room),
            "",    std::to_string(week),
            ""};
}

// The options that name a booking to `tivra book` or `tivra cancel`.
std::vector<std::string> optionsFor(const Booking& b) {
    return {"--object",    b[5], "--day",     kDays[std::stoi(b[3]) - 1],
            "--start",     b[4], "--length",  b[2],
            "--signature", b[0], "--comment", b[1],
            "--week",      b[7]};
}

// The program, started with `args` in the school's folder and `env` added to the
// environment; its standard error goes to `err`.
pid_t start(const TempDir& dir, const std::string& mode, const std::vector<std::string>& args,
            const std::vector<std::string>& env, const std::string& err) {
    std::vector<std::string> all{TIVRA_EXECUTABLE, mode, "--dir", dir.path().string()};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : all) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    std::vector<std::string> environment(env);
    for (char** e = environ; *e; ++e) {
        environment.emplace_back(*e);
    }
    std::vector<char*> envp;
    for (std::string& e : environment) {
        envp.push_back(e.data());
    }
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    pid_t pid = 0;
    EXPECT_EQ(posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()), 0);
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

// The exit status, or -1 when the process was killed.
int finish(pid_t pid) {
    int raw = 0;
    waitpid(pid, &raw, 0);
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

int run(const TempDir& dir, const std::string& mode, const std::vector<std::string>& args,
        const std::string& err, const std::vector<std::string>& env = {}) {
    return finish(start(dir, mode, args, env, err));
}

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
    TempDir scratch;
    Booking a = booking("AB", 1, 2, 9, 10);
    Booking b = booking("AB", 1, 2, 9, 11);
    school(dir, {a, b, a});
    const std::string err = scratch.file("err");
    // Lower-case object and signature, a day name, a start time without its leading zero.
    std::vector<std::string> typed{"--object",    "r1",       "--day",     "tis",    "--start",
                                   "9.00",        "--length", "30.0",      "--week", "10",
                                   "--signature", "ab",       "--comment", "KAB"};
    EXPECT_EQ(run(dir, "cancel", typed, err), 0);
    EXPECT_EQ(readBytes(dir.file("liten.bok")), fileOf({b, a}));
    EXPECT_EQ(run(dir, "cancel", typed, err), 0);
    EXPECT_EQ(readBytes(dir.file("liten.bok")), fileOf({b}));
    EXPECT_EQ(readBytes(err), "");

    EXPECT_EQ(run(dir, "cancel", typed, err), 1);
    EXPECT_EQ(readBytes(err), "Avboka: Ingen bokning matchar.\n");
    EXPECT_EQ(readBytes(dir.file("liten.bok")), fileOf({b}));
    EXPECT_FALSE(std::filesystem::exists(dir.file("liten.bok.lock")));

    writeBytes(dir.file("liten.bok"), crlf({"Trasig"}));
    EXPECT_EQ(run(dir, "cancel", typed, err), 2);
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
        pid_t cancel = start(dir, "cancel", optionsFor(mine), env, scratch.file("err"));
        ASSERT_TRUE(waitFor(pause)) << "the cancel never reached its save";
        EXPECT_EQ(run(dir, "book", optionsFor(theirs), scratch.file("err"), {"TIVRA_TEST_UNSAFE_WRITES=1"}),
                  0);
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
    auto began = Clock::now();
    ASSERT_EQ(run(dir, "book", optionsFor(first), err), 0);
    live.push_back(first);
    ASSERT_EQ(readBytes(bok), fileOf(live));
    began = Clock::now();
    ASSERT_EQ(run(dir, "cancel", optionsFor(first), err), 0);
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
            ASSERT_EQ(run(dir, mode, optionsFor(target), err), 0) << readBytes(err);
            EXPECT_LT(Clock::now() - t0, std::chrono::seconds(3));
            ++staleLocks;
        } else if (i % 3 == 0) {
            pid_t pid = start(dir, mode, optionsFor(target), {}, err);
            std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
            kill(pid, SIGKILL);
            finish(pid);
        } else {
            // Held just before its save, then killed a few milliseconds after it goes on:
            // inside the write, the read-back or the replace.
            pid_t pid = start(dir, mode, optionsFor(target), {"TIVRA_TEST_PAUSE_BEFORE_SAVE=" + pause}, err);
            ASSERT_TRUE(waitFor(pause));
            std::filesystem::remove(pause);
            std::this_thread::sleep_for(std::chrono::microseconds(inSave(random)));
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
    // Each temporary file left beside the booking file is a copy killed inside its save.
    int killedInSave = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        killedInSave += entry.path().filename().string().starts_with("liten.bok.tmp") ? 1 : 0;
    }
    EXPECT_EQ(readBytes(err), "");
    EXPECT_GT(changed, 0);
    EXPECT_GT(kept, 0);
    std::cout << "one change " << std::chrono::duration_cast<std::chrono::milliseconds>(change).count()
              << " ms; file kept " << kept << ", changed " << changed << ", stale locks taken " << staleLocks
              << ", killed inside the save " << killedInSave << "\n";
}

} // namespace
} // namespace tivra

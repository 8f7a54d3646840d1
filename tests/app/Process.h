#pragma once
// The real program run as its own process, as an administrator would run it from a shell
// on a machine without a display; and the small school the booking commands work on.
#include "support/Fakes.h"
#include "support/Rows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <vector>

extern char** environ;

namespace tivra::test {

// Starts `tivra words...` with `env` added to the environment, which has no display.
// Standard error is appended to the file `err`, standard output goes to `out`. An
// environment that names a test switch (TIVRA_TEST_...) runs the test tool instead, the
// same command line with those switches; the program itself has none.
inline pid_t startWords(const std::vector<std::string>& words, const std::string& err,
                        const std::vector<std::string>& env = {}, const std::string& out = "/dev/null") {
    const bool switched = std::ranges::any_of(
        env, [](const std::string& e) { return e.starts_with("TIVRA_TEST_") && e.find('=') + 1 < e.size(); });
    // No display at all: env leaves those variables out and sets the test's own.
    std::vector<std::string> argv{"/usr/bin/env",    "-u", "DISPLAY",        "-u",
                                  "WAYLAND_DISPLAY", "-u", "QT_QPA_PLATFORM"};
    argv.insert(argv.end(), env.begin(), env.end());
    argv.emplace_back(switched ? TIVRA_TESTTOOL : TIVRA_EXECUTABLE);
    argv.insert(argv.end(), words.begin(), words.end());
    std::vector<char*> pointers(argv.size() + 1, nullptr);
    std::ranges::transform(argv, pointers.begin(), [](std::string& t) { return t.data(); });
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    pid_t pid = 0;
    EXPECT_EQ(posix_spawn(&pid, argv[0].c_str(), &actions, nullptr, pointers.data(), environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

// Starts `tivra mode --dir folder args...`, as startWords does.
inline pid_t start(const std::string& mode, const TempDir& folder, const std::vector<std::string>& args,
                   const std::string& err, const std::vector<std::string>& env = {},
                   const std::string& out = "/dev/null") {
    std::vector<std::string> words{mode, "--dir", folder.path().string()};
    words.insert(words.end(), args.begin(), args.end());
    return startWords(words, err, env, out);
}

// Waits up to 20 seconds for a file to appear; false when it did not.
inline bool waitFor(const std::string& path) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!std::filesystem::exists(path) && std::chrono::steady_clock::now() < until) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return std::filesystem::exists(path);
}

// The exit status, or -1 when the process was killed.
inline int finish(pid_t pid) {
    int raw = 0;
    waitpid(pid, &raw, 0);
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

struct Outcome {
    int status;
    std::string out;
    std::string err;
    // The status and standard error, as "status: err".
    std::string said() const { return std::to_string(status) + ": " + err; }
};

// Runs the program with exactly these words to its end.
inline Outcome runWords(const std::vector<std::string>& words, const std::vector<std::string>& env = {}) {
    TempDir scratch;
    int status = finish(startWords(words, scratch.file("err"), env, scratch.file("out")));
    return {status, readBytes(scratch.file("out")), readBytes(scratch.file("err"))};
}

// Runs `tivra mode --dir folder args...` to its end.
inline Outcome run(const std::string& mode, const TempDir& folder, const std::vector<std::string>& args = {},
                   const std::vector<std::string>& env = {}) {
    std::vector<std::string> words{mode, "--dir", folder.path().string()};
    words.insert(words.end(), args.begin(), args.end());
    return runWords(words, env);
}

// A copy of the demo school: start-up writes the day's backup copy, and the files in the
// repository are never written.
inline void demoSchool(const TempDir& into) {
    std::filesystem::copy(std::string(TIVRA_SOURCE_DIR) + "/examples/demo-skola", into.path(),
                          std::filesystem::copy_options::recursive);
}

// A school of the eight rooms R0..R7 without a timetable, with these bookings, whose school
// year runs from week `startvecka` to `slutvecka` (past 52 in the next calendar year).
inline void school(const TempDir& dir, const std::vector<Row>& bookings, int startvecka = 1,
                   int slutvecka = 52) {
    writeBytes(dir.file("Tivra.ini"),
               crlf({"SCHEMA: liten", "BOKNINGSFIL: liten.bok", "STARTVECKA: " + std::to_string(startvecka),
                     "SLUTVECKA: " + std::to_string(slutvecka)}));
    writeBytes(dir.file("liten.sal"), crlf({"R0", "R1", "R2", "R3", "R4", "R5", "R6", "R7"}));
    writeBytes(dir.file("liten.bok"), bookingFile(bookings));
}

// A booking of room `room`, day 1..5, whole hour `hour`, 30 minutes, commented "K" + sig.
inline Row booking(const std::string& sig, int room, int day, int hour, int week) {
    std::string start = (hour < 10 ? "0" : "") + std::to_string(hour) + ".00";
    std::string object = "R" + std::to_string(room);
    return {sig, "K" + sig, "30", std::to_string(day), start, object, "", std::to_string(week)};
}

// The options that name a booking to `tivra book` or `tivra cancel`.
inline std::vector<std::string> optionsFor(const Row& b) {
    const char* const days[] = {"M\xC3\x85N", "TIS", "ONS", "TOR", "FRE"}; // UTF-8, as typed
    return {"--object",  b.objekt,   "--day",       days[std::stoi(b.dag) - 1],
            "--start",   b.starttid, "--length",    b.langd,
            "--week",    b.vecka,    "--signature", b.signatur,
            "--comment", b.kommentar};
}

} // namespace tivra::test

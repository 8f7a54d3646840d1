#pragma once
// What the command-line modes that read or change the booking file share: the start-up in the
// current folder, the lock the window uses, and the exit status 2 when the start-up or a
// fatal error would end the program.
#include "booking/ChangeSequence.h"
#include "config/Program.h"
#include "config/Startup.h"
#include "core/Disk.h"

#include <functional>
#include <string>

namespace tivra {

// The exit status of a command whose start-up, or a fatal error, would end the program.
inline constexpr int kStartupEnded = 2;

// How a change command meets the disk and the lock. The program a school installs uses
// the real disk and the shared lock, always; the test tool built from the same libraries
// (tests/app/tool) puts its own in their place to show, from outside, what they prevent.
struct ChangeSetup {
    Disk* disk = nullptr;     // the real disk when null
    bool withoutLock = false; // no lock and no comparison before the replace
    // Told the booking file once start-up has opened it.
    std::function<void(const std::string& bookingFile)> opened;
};

// Runs the start-up, then `change` with questions answered `answerYes`; returns what
// `change` returns, or 2 when the program would end.
int runChangeCommand(
    bool answerYes,
    const std::function<int(Program& program, const StartupView& view, ChangeEnvironment& env)>& change,
    const ChangeSetup& setup = {});

} // namespace tivra

#pragma once
// The start-up runner of the modes that change the booking file (`book`, `cancel`): the
// start-up in the current folder, then the change under the lock the window takes.
#include "app/ExitStatus.h"
#include "booking/ChangeSequence.h"
#include "config/Program.h"
#include "config/Startup.h"
#include "core/Clock.h"
#include "core/Disk.h"

#include <functional>
#include <string>

namespace tivra {

// How a mode meets the disk, the clock and the lock. The program a school installs uses
// the real disk, the system clock and the shared lock, always; the test tool built from
// the same libraries (tests/app/tool) puts its own in their place to show, from outside,
// what they prevent, and to set the day a test runs on.
struct ChangeSetup {
    Disk* disk = nullptr;   // the real disk when null
    Clock* clock = nullptr; // the system clock when null
    // Told the booking file once start-up has opened it.
    std::function<void(const std::string& bookingFile)> opened;
};

// The disk and clock a mode runs with: the setup's own, or the real ones.
class SetupDevices {
  public:
    explicit SetupDevices(const ChangeSetup& setup)
        : disk_(setup.disk != nullptr ? *setup.disk : realDisk_),
          clock_(setup.clock != nullptr ? *setup.clock : systemClock_) {}
    Disk& disk() { return disk_; }
    Clock& clock() { return clock_; }

  private:
    RealDisk realDisk_;
    SystemClock systemClock_;
    Disk& disk_;
    Clock& clock_;
};

using Change = std::function<ExitStatus(Program& program, const StartupView& view, ChangeEnvironment& env)>;

// Runs the start-up, then `change` with questions answered `answerYes`; returns what
// `change` returns, or Ended when start-up ended or the program would end.
ExitStatus runChanging(const ChangeSetup& setup, bool answerYes, const Change& change);

} // namespace tivra

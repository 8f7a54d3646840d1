#pragma once
// The start-up runner of the modes that only read the school (`check`, `export`, `free`,
// `print`): the start-up in the current folder, without a lock, then the mode's reading.
#include "app/ChangeRunner.h"
#include "app/ExitStatus.h"
#include "config/Program.h"
#include "config/Startup.h"
#include "core/Messages.h"
#include "core/Platform.h"

#include <functional>

namespace tivra {

// What the reading is given once start-up is done.
struct Loaded {
    const Program& program;
    const StartupView& view;
    Messages& messages;
    bool quiet;         // start-up printed no message
    Platform& platform; // the disk and clock the start-up used, and the messages
};

// Runs the start-up with the disk and clock of `setup`, then `read`; returns what `read`
// returns, or Ended (and `read` is not run) when start-up ended or a fatal error would end
// the program.
ExitStatus runReading(const ChangeSetup& setup, const std::function<ExitStatus(Loaded& loaded)>& read);

} // namespace tivra

#include "app/ReadRunner.h"

#include "app/ConsoleMessages.h"
#include "core/Clock.h"
#include "core/Disk.h"
#include "core/Platform.h"

#include <iostream>

namespace tivra {

ExitStatus runReading(const ChangeSetup& setup, const std::function<ExitStatus(Loaded& loaded)>& read) {
    SetupDevices devices(setup);
    ConsoleMessages messages(std::cerr);
    Platform platform{devices.disk(), devices.clock(), messages};
    Program program;
    try {
        StartupView view = startup(program, platform);
        if (view.ended) {
            return ExitStatus::Ended;
        }
        Loaded loaded{program, view, messages, messages.printed() == 0, platform};
        return read(loaded);
    } catch (const ProgramEnded&) {
        return ExitStatus::Ended;
    }
}

} // namespace tivra

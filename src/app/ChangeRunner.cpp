#include "app/ChangeRunner.h"

#include "app/ConsoleMessages.h"
#include "booking/FileBookingLock.h"
#include "core/Text1252.h"

#include <iostream>

namespace tivra {

ExitStatus runChanging(const ChangeSetup& setup, bool answerYes, const Change& change) {
    SetupDevices devices(setup);
    Disk& disk = devices.disk();
    ConsoleMessages messages(std::cerr, answerYes);
    Platform platform{disk, devices.clock(), messages};
    Program program;
    try {
        StartupView view = startup(program, platform);
        if (view.ended) {
            return ExitStatus::Ended;
        }
        if (setup.opened) {
            setup.opened(program.bookingFile.aktuellfil);
        }
        FileBookingLock sharedLock(disk);
        ChangeEnvironment env{platform, sharedLock};
        ExitStatus status = change(program, view, env);
        if (!env.logFailure.empty()) {
            // The change stands; the log only misses it.
            std::cerr << toUtf8(env.logFailure) << '\n';
        }
        return status;
    } catch (const ProgramEnded&) {
        return ExitStatus::Ended;
    }
}

} // namespace tivra

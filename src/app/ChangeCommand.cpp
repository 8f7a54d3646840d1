#include "app/ChangeCommand.h"

#include "app/ConsoleMessages.h"
#include "booking/FileBookingLock.h"

#include <iostream>

namespace tivra {
int runChangeCommand(
    bool answerYes,
    const std::function<int(Program& program, const StartupView& view, ChangeEnvironment& env)>& change,
    const ChangeSetup& setup) {
    RealDisk realDisk;
    Disk& disk = setup.disk != nullptr ? *setup.disk : realDisk;
    SystemClock clock;
    ConsoleMessages messages(std::cerr, answerYes);
    Platform platform{disk, clock, messages};
    Program program;
    try {
        StartupView view = startup(program, platform);
        if (setup.opened) {
            setup.opened(program.bookingFile.aktuellfil);
        }
        FileBookingLock sharedLock(disk);
        NoBookingLock noLock;
        ChangeEnvironment env{platform, setup.withoutLock ? static_cast<BookingLock&>(noLock) : sharedLock};
        env.compareBeforeReplace = !setup.withoutLock;
        return change(program, view, env);
    } catch (const ProgramEnded&) {
        return kStartupEnded;
    }
}

} // namespace tivra

#include "app/ChangeCommand.h"

#include "app/ConsoleMessages.h"
#include "ui/QtBookingLock.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <iostream>
#include <string>

namespace tivra {
namespace {

constexpr int kStartupEnded = 2;

bool unsafeWritesForTests() {
    return qEnvironmentVariable("TIVRA_TEST_UNSAFE_WRITES") == QStringLiteral("1");
}

// The real disk, which for a test can stop once just before the booking file is written.
class PausingDisk : public RealDisk {
  public:
    PausingDisk() : marker_(qEnvironmentVariable("TIVRA_TEST_PAUSE_BEFORE_SAVE")) {}

    // The booking file whose next write pauses.
    void pauseBefore(const std::string& bookingFile) { bookingFile_ = bookingFile; }

    bool writeAll(const std::string& path, std::string_view bytes) override {
        // The new content first goes to a temporary file beside the booking file.
        if (!marker_.isEmpty() && !bookingFile_.empty() && path.starts_with(bookingFile_ + ".tmp")) {
            waitForTest();
        }
        return RealDisk::writeAll(path, bytes);
    }

  private:
    void waitForTest() {
        QFile(marker_).open(QIODevice::WriteOnly);
        QDeadlineTimer deadline(60000);
        while (QFile::exists(marker_) && !deadline.hasExpired()) {
            QThread::msleep(1);
        }
        marker_.clear(); // once per run
    }

    QString marker_;
    std::string bookingFile_;
};

} // namespace

int runChangeCommand(
    bool answerYes,
    const std::function<int(Program& program, const StartupView& view, ChangeEnvironment& env)>& change) {
    PausingDisk disk;
    SystemClock clock;
    ConsoleMessages messages(std::cerr, answerYes);
    Platform platform{disk, clock, messages};
    Program program;
    try {
        StartupView view = startup(program, platform);
        disk.pauseBefore(program.fil.aktuellfil);
        const bool unsafe = unsafeWritesForTests();
        QtBookingLock sharedLock;
        NoBookingLock noLock;
        ChangeEnvironment env{platform, unsafe ? static_cast<BookingLock&>(noLock) : sharedLock};
        env.compareBeforeReplace = !unsafe;
        return change(program, view, env);
    } catch (const ProgramEnded&) {
        return kStartupEnded;
    }
}

} // namespace tivra

// The command line of the program with switches for the process tests, which the
// program a school installs does not have:
// - TIVRA_TEST_PAUSE_BEFORE_SAVE=FILE: when a change is about to write the booking file
//   (after its reload and check, under the lock), it creates FILE and waits until the
//   test removes it, so a test can write the file in between at a known moment;
// - TIVRA_TEST_TODAY=YYYY-MM-DD: the day the program runs on, so that no test depends on
//   the day it is run (the time of day and the pauses stay the system's).
#include "app/WindowMode.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <cstdio>
#include <optional>

#include <string>
#include <system_error>

namespace {

// The real disk, stopping once just before the booking file is written.
class PausingDisk : public tivra::RealDisk {
  public:
    QString marker;          // the file to create and wait on; empty once paused
    std::string bookingFile; // known once start-up has opened it

    std::error_code createNew(const std::string& path, std::string_view bytes,
                              const std::string& sharedLike) override {
        // The new content first goes to a temporary file beside the booking file.
        if (!marker.isEmpty() && !bookingFile.empty() && path.starts_with(bookingFile + ".tmp")) {
            QFile(marker).open(QIODevice::WriteOnly);
            QDeadlineTimer deadline(60000);
            while (QFile::exists(marker) && !deadline.hasExpired()) {
                QThread::msleep(1);
            }
            marker.clear();
        }
        return RealDisk::createNew(path, bytes, sharedLike);
    }
};

// The system clock on another day.
class DayClock : public tivra::SystemClock {
  public:
    explicit DayClock(tivra::Date day) : day_(day) {}
    tivra::Date today() override { return day_; }
    tivra::DateTime now() override {
        tivra::DateTime moment = SystemClock::now();
        moment.date = day_;
        return moment;
    }

  private:
    tivra::Date day_;
};

std::optional<tivra::Date> testDay() {
    int year = 0;
    int month = 0;
    int day = 0;
    const QByteArray text = qgetenv("TIVRA_TEST_TODAY");
    if (std::sscanf(text.constData(), "%d-%d-%d", &year, &month, &day) != 3) {
        return std::nullopt;
    }
    return tivra::Date{year, month, day};
}

} // namespace

int main(int argc, char** argv) {
    PausingDisk disk;
    disk.marker = QString::fromLocal8Bit(qgetenv("TIVRA_TEST_PAUSE_BEFORE_SAVE"));
    tivra::ChangeSetup setup;
    setup.disk = &disk;
    std::optional<DayClock> clock;
    if (std::optional<tivra::Date> day = testDay()) {
        setup.clock = &clock.emplace(*day);
    }
    setup.opened = [&disk](const std::string& bookingFile) { disk.bookingFile = bookingFile; };
    return tivra::runCommandLine(argc, argv, tivra::widgetParts(), setup);
}

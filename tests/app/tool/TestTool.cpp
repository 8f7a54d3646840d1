// The command line of the program with two switches for the process tests, which the
// program a school installs does not have:
// - TIVRA_TEST_UNSAFE_WRITES=1: a change takes no lock and does not compare the file
//   before replacing it, as copies without them would, so a test can show what they
//   prevent;
// - TIVRA_TEST_PAUSE_BEFORE_SAVE=FILE: when a change is about to write the booking file
//   (after its reload and check, under the lock), it creates FILE and waits until the
//   test removes it, so a test can write the file in between at a known moment.
#include "app/CommandLine.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <cstdlib>
#include <string>

namespace {

// The real disk, stopping once just before the booking file is written.
class PausingDisk : public tivra::RealDisk {
  public:
    explicit PausingDisk(QString marker) : marker_(std::move(marker)) {}
    void pauseBefore(const std::string& bookingFile) { bookingFile_ = bookingFile; }

    bool writeAll(const std::string& path, std::string_view bytes) override {
        // The new content first goes to a temporary file beside the booking file.
        if (!marker_.isEmpty() && !bookingFile_.empty() && path.starts_with(bookingFile_ + ".tmp")) {
            QFile(marker_).open(QIODevice::WriteOnly);
            QDeadlineTimer deadline(60000);
            while (QFile::exists(marker_) && !deadline.hasExpired()) {
                QThread::msleep(1);
            }
            marker_.clear(); // once per run
        }
        return RealDisk::writeAll(path, bytes);
    }

  private:
    QString marker_;
    std::string bookingFile_;
};

} // namespace

int main(int argc, char** argv) {
    const char* pause = std::getenv("TIVRA_TEST_PAUSE_BEFORE_SAVE");
    const char* unsafe = std::getenv("TIVRA_TEST_UNSAFE_WRITES");
    PausingDisk disk(QString::fromLocal8Bit(pause != nullptr ? pause : ""));
    tivra::ChangeSetup setup;
    setup.disk = &disk;
    setup.withoutLock = unsafe != nullptr && std::string(unsafe) == "1";
    setup.opened = [&disk](const std::string& bookingFile) { disk.pauseBefore(bookingFile); };
    return tivra::runCommandLine(argc, argv, setup);
}

#include "ui/QtBookingLock.h"

#include "support/Fakes.h"

#include <QSysInfo>
#include <gtest/gtest.h>

namespace tivra {
namespace {

using std::chrono::milliseconds;

TEST(QtBookingLock, ASecondCopyWaitsThenLearnsWhoHoldsTheLock) {
    test::TempDir dir;
    const std::string lockFile = dir.file("Bokningar.bok.lock");
    QtBookingLock anna(QStringLiteral("anna"));
    QtBookingLock bo(QStringLiteral("bo"));

    ASSERT_EQ(anna.tryLock(lockFile, milliseconds(0)), LockResult::Taken);
    auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(bo.tryLock(lockFile, milliseconds(300)), LockResult::HeldByOther);
    EXPECT_GE(std::chrono::steady_clock::now() - started, milliseconds(300));
    EXPECT_EQ(bo.holder().user, "anna");
    EXPECT_EQ(bo.holder().host, QSysInfo::machineHostName().toStdString());

    anna.unlock();
    EXPECT_EQ(bo.tryLock(lockFile, milliseconds(0)), LockResult::Taken);
    bo.unlock();
    EXPECT_TRUE(std::filesystem::is_empty(dir.path())) << "neither the lock nor the note of its user stays";
}

TEST(QtBookingLock, ALockLeftByAProcessThatEndedIsBrokenAtOnce) {
    test::TempDir dir;
    const std::string lockFile = dir.file("Bokningar.bok.lock");
    // No process has this id (above the kernel's limit), and the lock names this host.
    test::writeBytes(lockFile, "99999999\ntivra\n" + QSysInfo::machineHostName().toStdString() + "\n");
    QtBookingLock bo(QStringLiteral("bo"));
    EXPECT_EQ(bo.tryLock(lockFile, milliseconds(0)), LockResult::Taken);
    bo.unlock();

    // A copy killed before it wrote into its lock leaves an empty file: abandoned once it
    // is a moment old, but not while its maker may still be writing.
    test::writeBytes(lockFile, "");
    EXPECT_EQ(bo.tryLock(lockFile, milliseconds(0)), LockResult::HeldByOther);
    std::filesystem::last_write_time(lockFile,
                                     std::filesystem::file_time_type::clock::now() - std::chrono::seconds(5));
    EXPECT_EQ(bo.tryLock(lockFile, milliseconds(0)), LockResult::Taken);
    bo.unlock();

    // A lock file that cannot be made at all is no lock held by somebody else.
    EXPECT_EQ(bo.tryLock(dir.file("saknas/Bokningar.bok.lock"), milliseconds(0)), LockResult::Failed);
}

// A host whose clock runs ahead stamps its lock in the future: that is no old lock.
TEST(QtBookingLock, ALockStampedInTheFutureIsBrokenOnlyWhenItHasStayed) {
    test::TempDir dir;
    const std::string lockFile = dir.file("Bokningar.bok.lock");
    test::writeBytes(lockFile, "4242\ntivra\nen-annan-dator\n");
    const auto now = std::filesystem::file_time_type::clock::now();
    std::filesystem::last_write_time(lockFile, now + std::chrono::hours(1));
    QtBookingLock bo(QStringLiteral("bo"));
    EXPECT_EQ(bo.tryLock(lockFile, milliseconds(50)), LockResult::HeldByOther);
    std::filesystem::last_write_time(lockFile, now - std::chrono::seconds(31));
    EXPECT_EQ(bo.tryLock(lockFile, milliseconds(0)), LockResult::Taken);
    bo.unlock();

    std::filesystem::create_directory(lockFile);
    EXPECT_EQ(bo.tryLock(lockFile, milliseconds(0)), LockResult::NotAFile);
}

} // namespace
} // namespace tivra

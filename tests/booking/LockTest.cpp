// The lock beside a shared booking file, on real files: who waits, who is named, which
// locks are broken, and what a planted link or a colleague's strict umask does to it.
#include "booking/FileBookingLock.h"
#include "support/Fakes.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#ifndef _WIN32
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace tivra::test {
namespace {

namespace fs = std::filesystem;
using std::chrono::milliseconds;

// The third line of a lock file: the host its maker runs on.
std::string hostIn(const std::string& lockFile) {
    const std::string bytes = readBytes(lockFile);
    const std::size_t second = bytes.find('\n', bytes.find('\n') + 1);
    return bytes.substr(second + 1, bytes.find('\n', second + 1) - second - 1);
}

void stamp(const std::string& path, fs::file_time_type::duration age) {
    fs::last_write_time(path, fs::file_time_type::clock::now() - age);
}

// Two users' copies of the program beside one booking file.
class BookingLock : public ::testing::Test {
  protected:
    TempDir dir;
    RealDisk disk;
    const std::string lockFile = dir.file("Bokningar.bok.lock");
    FileBookingLock anna{disk, "anna"};
    FileBookingLock bo{disk, "bo"};
};

// A second copy waits for the lock, then learns who holds it; only a lock left behind is
// broken. Lock files of copies that still lock through Qt are read as ours.
TEST_F(BookingLock, ASecondCopyWaitsThenLearnsWhoHoldsTheLockAndOnlyALeftOneIsBroken) {
    ASSERT_EQ(anna.tryLock(lockFile, milliseconds(0)), LockResult::Taken);
    const std::string host = hostIn(lockFile);
    EXPECT_FALSE(host.empty());
    auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(bo.tryLock(lockFile, milliseconds(300)), LockResult::HeldByOther);
    EXPECT_GE(std::chrono::steady_clock::now() - started, milliseconds(300));
    EXPECT_EQ(std::pair(bo.holder().user, bo.holder().host), std::pair(std::string("anna"), host));
    anna.unlock();
    EXPECT_EQ(bo.tryLock(lockFile, milliseconds(0)), LockResult::Taken);
    bo.unlock();
    EXPECT_TRUE(fs::is_empty(dir.path())) << "neither the lock nor the note of its user stays";
    // No process has this id (above the kernel's limit), and the lock names this host.
    writeBytes(lockFile, "99999999\ntivra\n" + host + "\n");
    EXPECT_EQ(bo.tryLock(lockFile, milliseconds(0)), LockResult::Taken);
    bo.unlock();
    // A copy killed before it wrote into its lock leaves an empty file: abandoned once it
    // is a moment old, but not while its maker may still be writing.
    writeBytes(lockFile, "");
    EXPECT_EQ(bo.tryLock(lockFile, milliseconds(0)), LockResult::HeldByOther);
    stamp(lockFile, std::chrono::seconds(5));
    EXPECT_EQ(bo.tryLock(lockFile, milliseconds(0)), LockResult::Taken);
    bo.unlock();
    // Another host's lock as Qt writes it, with its user's note. Its clock runs ahead and
    // stamps the lock in the future: that is no old lock.
    writeBytes(lockFile, "4242\ntivra\nen-annan-dator\nmaskin\nstart\n");
    writeBytes(lockFile + ".user", "4242\ncecilia\n");
    stamp(lockFile, -std::chrono::hours(1));
    EXPECT_EQ(bo.tryLock(lockFile, milliseconds(50)), LockResult::HeldByOther);
    EXPECT_EQ(std::pair(bo.holder().user, bo.holder().host),
              std::pair(std::string("cecilia"), std::string("en-annan-dator")));
    stamp(lockFile, std::chrono::seconds(31));
    EXPECT_EQ(bo.tryLock(lockFile, milliseconds(0)), LockResult::Taken);
    bo.unlock();
    EXPECT_TRUE(fs::is_empty(dir.path())) << "the note of a lock broken is replaced, then removed";
    // A lock file that cannot be made at all is no lock held by somebody else.
    EXPECT_EQ(bo.tryLock(dir.file("saknas/Bokningar.bok.lock"), milliseconds(0)), LockResult::Failed);
    EXPECT_EQ(bo.failure(), std::errc::no_such_file_or_directory);
}

// A link planted at the note's name leads to the booking file or the settings; a pipe
// there would hang a writer. The lock is taken and neither is written.
TEST_F(BookingLock, ALinkOrPipeAtTheLockOrItsNoteIsNeverWrittenThrough) {
    // A folder at the lock's name is no lock of any copy.
    fs::create_directory(lockFile);
    EXPECT_EQ(bo.tryLock(lockFile, milliseconds(0)), LockResult::NotAFile);
    fs::remove(lockFile);
#ifndef _WIN32
    const std::string bok = dir.file("Bokningar.bok"), ini = dir.file("Tivra.ini"), note = lockFile + ".user";
    writeBytes(bok, "Antal:  0 \r\n");
    writeBytes(ini, "SKOLA: Norra\r\n");
    const std::function<void()> plants[] = {[&] { fs::create_symlink(bok, note); },
                                            [&] { fs::create_symlink(ini, note); },
                                            [&] { ASSERT_EQ(::mkfifo(note.c_str(), 0666), 0); }};
    for (const auto& plant : plants) {
        plant();
        ASSERT_EQ(anna.tryLock(lockFile, milliseconds(0)), LockResult::Taken);
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(note)));
        EXPECT_TRUE(readBytes(note).ends_with("\nanna\n"));
        anna.unlock();
    }
    // Nor is a link at its name, whether it leads anywhere or not.
    for (const std::string& to : {ini, dir.file("saknas")}) {
        fs::create_symlink(to, lockFile);
        EXPECT_EQ(anna.tryLock(lockFile, milliseconds(0)), LockResult::NotAFile);
        fs::remove(lockFile);
    }
    EXPECT_EQ(readBytes(bok), "Antal:  0 \r\n");
    EXPECT_EQ(readBytes(ini), "SKOLA: Norra\r\n");
    EXPECT_FALSE(fs::exists(dir.file("saknas")));
#endif
}

// Several users of one group share the folder (2775) and the file (664). The lock and
// its note are as shared as the file whatever the holder's umask, and a colleague breaks
// a lock that another user's copy left behind, however its maker's umask made it.
TEST_F(BookingLock, TheLockIsAsSharedAsTheFileAndAnyColleagueBreaksOneLeftBehind) {
#ifdef _WIN32
    GTEST_SKIP() << "POSIX only: permission bits, groups and users";
#else
    if (::geteuid() != 0) {
        GTEST_SKIP() << "sets another user and group, as root may";
    }
    constexpr gid_t kStaff = 4242;
    constexpr uid_t kColleague = 4243;
    constexpr gid_t kColleaguesOwn = 4244;
    fs::permissions(dir.path(), fs::perms(0755));
    const fs::path folder = dir.path() / "delad";
    fs::create_directory(folder);
    ASSERT_EQ(::chown(folder.c_str(), 0, kStaff), 0);
    const std::string bok = (folder / "demo.bok").string(), shared = bok + ".lock", note = shared + ".user";
    writeBytes(bok, "Antal: 0\r\n");
    ASSERT_EQ(::chown(bok.c_str(), 0, kStaff), 0);
    ASSERT_EQ(::chmod(bok.c_str(), 0664), 0);
    auto sharing = [](const std::string& path) {
        struct stat s {};
        ::stat(path.c_str(), &s);
        return std::pair(s.st_mode & 07777, s.st_gid);
    };

    // Taken under a strict umask, in a folder that passes no group on.
    ASSERT_EQ(::chmod(folder.c_str(), 0777), 0);
    const mode_t umask = ::umask(077);
    const LockResult taken = anna.tryLock(shared, milliseconds(0));
    ::umask(umask);
    ASSERT_EQ(taken, LockResult::Taken);
    EXPECT_EQ(sharing(shared), std::pair(static_cast<unsigned>(0664), kStaff));
    EXPECT_EQ(sharing(note), std::pair(static_cast<unsigned>(0664), kStaff));
    const std::string host = hostIn(shared);
    anna.unlock();

    // Anna's copy, killed under umask 022, left its lock and note 644.
    ASSERT_EQ(::chmod(folder.c_str(), 02775), 0);
    writeBytes(shared, "99999999\ntivra\n" + host + "\n");
    writeBytes(note, "99999999\nanna\n");
    ::chmod(shared.c_str(), 0644);
    ::chmod(note.c_str(), 0644);
    const pid_t colleague = ::fork();
    if (colleague == 0) {
        const gid_t groups[] = {kStaff};
        const bool became =
            ::setgroups(1, groups) == 0 && ::setgid(kColleaguesOwn) == 0 && ::setuid(kColleague) == 0;
        ::umask(022);
        RealDisk theirs;
        FileBookingLock bo(theirs, "bo");
        // Ends without unlocking, so the lock stays to be looked at.
        ::_exit(became && bo.tryLock(shared, milliseconds(2000)) == LockResult::Taken ? 0 : 1);
    }
    int status = -1;
    ::waitpid(colleague, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the colleague took the lock";
    EXPECT_EQ(sharing(shared), std::pair(static_cast<unsigned>(0664), kStaff));
    EXPECT_EQ(readBytes(note).substr(readBytes(note).find('\n')), "\nbo\n");
#endif
}

} // namespace
} // namespace tivra::test

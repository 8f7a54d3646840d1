#pragma once
// The lock beside a shared booking file. Every change takes it before it reloads the file
// and gives it back after the save, so two copies of the program never interleave their
// reload and rewrite. The real lock is FileBookingLock.
#include "core/FileNames.h" // lockFileName

#include <chrono>
#include <string>
#include <system_error>

namespace tivra {

// Who holds a lock, as recorded in the lock file (Windows-1252).
struct LockHolder {
    std::string user;
    std::string host;
};

enum class LockResult {
    Taken,
    HeldByOther, // another copy held it for the whole wait; holder() names it
    Failed,      // the lock file could not be made (no right to write in the folder)
    NotAFile,    // something other than a file (a folder) has the lock file's name
};

class BookingLock {
  public:
    virtual ~BookingLock() = default;
    // Takes the lock file `lockFile` (lockFileName of the booking file), waiting up to
    // `timeout` while another copy holds it. A lock left behind by a copy that ended is
    // broken.
    virtual LockResult tryLock(const std::string& lockFile, std::chrono::milliseconds timeout) = 0;
    // Gives the lock back; nothing happens when it is not held.
    virtual void unlock() = 0;
    // The holder found by the last tryLock that returned HeldByOther.
    virtual LockHolder holder() const = 0;
    // Why the last tryLock that returned Failed could not make the lock file; empty when
    // it does not know.
    virtual std::error_code failure() const = 0;
};

// No lock at all: for a test that must show what the lock prevents, and for measuring
// the rest of a change.
class NoBookingLock : public BookingLock {
  public:
    LockResult tryLock(const std::string&, std::chrono::milliseconds) override { return LockResult::Taken; }
    void unlock() override {}
    LockHolder holder() const override { return {}; }
    std::error_code failure() const override { return {}; }
};

} // namespace tivra

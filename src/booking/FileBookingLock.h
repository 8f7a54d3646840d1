#pragma once
// The booking lock on a lock file beside the booking file (LockFile), in plain C++ so the
// command line, the window and the Windows build share it. The lock file and the note of
// its user beside it (the lock file's name + ".user": the process id, then the user, a
// line each, as earlier versions wrote it) take the booking file's permission bits and
// group, so every colleague who may write the booking file may break a lock left behind.
#include "booking/BookingLock.h"
#include "core/Disk.h"
#include "core/LockFile.h"

#include <string>

namespace tivra {

class FileBookingLock : public BookingLock {
  public:
    // `user` is recorded for the message another user sees; empty: the login name.
    explicit FileBookingLock(Disk& disk, std::string user = {});
    ~FileBookingLock() override;
    FileBookingLock(const FileBookingLock&) = delete;
    FileBookingLock& operator=(const FileBookingLock&) = delete;

    // Waits with short pauses of a random length, so that several copies queueing for a
    // lock held a few milliseconds are all served.
    LockResult tryLock(const std::string& lockFile, std::chrono::milliseconds timeout) override;
    void unlock() override;
    LockHolder holder() const override { return holder_; }
    std::error_code failure() const override { return lock_.error(); }

  private:
    void writeNote(const std::string& lockFile, const std::string& bookingFile);

    Disk& disk_;
    std::string user_;
    LockFile lock_;
    std::string note_;
    std::string noteBytes_;
    LockHolder holder_;
};

} // namespace tivra

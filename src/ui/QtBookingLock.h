#pragma once
// The lock beside a shared booking file, on QLockFile: the file records the process, the
// host and the application, and a lock left by a copy that ended is broken (at once for
// a dead process on this host, otherwise when it is 30 seconds old). The user who holds it
// is noted in a file beside it, for the message the others see.
#include "booking/BookingLock.h"

#include <QLockFile>
#include <QString>

#include <memory>

namespace tivra {

class QtBookingLock : public BookingLock {
  public:
    // `user` is recorded in the lock file for the message another user sees; empty: the
    // login name from the environment.
    explicit QtBookingLock(QString user = {});
    ~QtBookingLock() override;

    LockResult tryLock(const std::string& lockFile, std::chrono::milliseconds timeout) override;
    void unlock() override;
    LockHolder holder() const override { return holder_; }

    // The user and host recorded for the lock file (a path in Qt's form).
    static LockHolder recordedHolder(const QString& lockFile);

  private:
    QString user_;
    QString path_;
    std::unique_ptr<QLockFile> file_;
    LockHolder holder_;
};

} // namespace tivra

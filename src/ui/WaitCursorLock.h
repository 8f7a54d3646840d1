#pragma once
// The booking lock of the window: the pointer shows that the program waits while another
// copy holds the lock, and only then, so no dialog of the change ever shows a busy
// pointer.
#include "booking/FileBookingLock.h"

namespace tivra {

class WaitCursorLock : public BookingLock {
  public:
    explicit WaitCursorLock(Disk& disk) : lock_(disk) {}
    LockResult tryLock(const std::string& lockFile, std::chrono::milliseconds timeout) override;
    void unlock() override { lock_.unlock(); }
    LockHolder holder() const override { return lock_.holder(); }
    std::error_code failure() const override { return lock_.failure(); }

  private:
    FileBookingLock lock_;
};

} // namespace tivra

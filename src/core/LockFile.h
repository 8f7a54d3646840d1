#pragma once
// A lock file beside a shared file: whoever creates it holds the lock until they remove it,
// or until another copy finds it left behind and breaks it. It holds what QLockFile
// writes (the process id, the program's name and the host name, a line each), so copies
// of the program that still lock through Qt and copies that lock here respect each
// other's locks and read each other's holders.
//
// The file is created new, never over anything at its name and never through a link; a
// lock left behind is removed, never opened for writing, so anyone who may write the
// folder breaks it, whoever made it and whatever its permission bits.
#include "core/Disk.h"

#include <string>
#include <string_view>
#include <system_error>

namespace tivra {

// What a lock file records of its maker; pid 0 when it records nothing.
struct LockRecord {
    long long pid = 0;
    std::string application;
    std::string host; // UTF-8, as the system gives it
    friend bool operator==(const LockRecord&, const LockRecord&) = default;
};

// This process as its lock files record it.
LockRecord thisProcess();
// The login name of the user (UTF-8); empty when the environment names none.
std::string loginName();

std::string lockRecordBytes(const LockRecord& record);
LockRecord parseLockRecord(std::string_view bytes);

enum class LockAttempt {
    Taken,
    Held,     // a lock that is not left behind stands there
    Failed,   // the file could not be made; error() says why
    NotAFile, // something other than a plain file (a folder, a link) has the name
};

class LockFile {
  public:
    explicit LockFile(Disk& disk) : disk_(disk) {}
    ~LockFile() { release(); }
    LockFile(const LockFile&) = delete;
    LockFile& operator=(const LockFile&) = delete;

    // One attempt, without waiting: creates `path` with the permission bits and group of
    // `sharedLike`, after breaking a lock there that was left behind: one of a process of
    // this host that ended, one older than 30 seconds, or an empty one (its maker killed
    // before it wrote) older than a second. A time stamp in the future counts as now.
    LockAttempt tryOnce(const std::string& path, const std::string& sharedLike);
    // Why the last attempt failed.
    std::error_code error() const { return error_; }
    // Removes the lock this object holds, unless another copy broke it meanwhile.
    void release();

  private:
    Disk& disk_;
    std::string held_;
    std::string bytes_;
    std::error_code error_;
};

} // namespace tivra

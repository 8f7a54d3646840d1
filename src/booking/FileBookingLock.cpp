#include "booking/FileBookingLock.h"

#include "core/FileNames.h"
#include "core/Text1252.h"

#include <random>
#include <string_view>
#include <thread>
#include <utility>

namespace tivra {
namespace {

const char* const kSomeoneElse = "en annan anv\xE4ndare";

// A name from another machine may hold letters the code page lacks: each becomes "?".
std::string bytesOf(std::string_view utf8) {
    if (std::optional<std::string> whole = fromUtf8(utf8)) {
        return *whole;
    }
    std::string bytes;
    for (char c : utf8) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x80) {
            bytes += c;
        } else if (u >= 0xC0) {
            bytes += '?';
        }
    }
    return bytes;
}

std::string userInNote(Disk& disk, const std::string& lockFile, long long pid) {
    const std::string note = disk.readAll(lockNoteName(lockFile)).value_or("");
    const std::size_t first = note.find('\n');
    if (first == std::string::npos || note.substr(0, first) != std::to_string(pid)) {
        return {};
    }
    const std::size_t second = note.find('\n', first + 1);
    return second == std::string::npos ? std::string() : note.substr(first + 1, second - first - 1);
}

LockHolder recordedHolder(Disk& disk, const std::string& lockFile) {
    const LockRecord record = parseLockRecord(disk.readAll(lockFile).value_or(""));
    if (record.pid <= 0) {
        return {kSomeoneElse, "en annan dator"};
    }
    const std::string user = userInNote(disk, lockFile, record.pid);
    return {user.empty() ? std::string(kSomeoneElse) : bytesOf(user), bytesOf(record.host)};
}

} // namespace

FileBookingLock::FileBookingLock(Disk& disk, std::string user)
    : disk_(disk), user_(user.empty() ? loginName() : std::move(user)), lock_(disk) {}

FileBookingLock::~FileBookingLock() {
    unlock();
}

LockResult FileBookingLock::tryLock(const std::string& lockFile, std::chrono::milliseconds timeout) {
    unlock();
    const std::string bookingFile = bookingFileOfLock(lockFile);
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    std::minstd_rand random(std::random_device{}());
    std::uniform_int_distribution<int> pause(5, 24);
    for (;;) {
        switch (lock_.tryOnce(lockFile, bookingFile)) {
        case LockAttempt::Taken:
            writeNote(lockFile, bookingFile);
            return LockResult::Taken;
        case LockAttempt::Failed:
            return LockResult::Failed;
        case LockAttempt::NotAFile:
            return LockResult::NotAFile;
        case LockAttempt::Held:
            break;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            holder_ = recordedHolder(disk_, lockFile);
            return LockResult::HeldByOther;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(pause(random)));
    }
}

// A note left by a holder that was killed (or anything planted at its name) is removed,
// never written through.
void FileBookingLock::writeNote(const std::string& lockFile, const std::string& bookingFile) {
    note_ = lockNoteName(lockFile);
    noteBytes_ = std::to_string(thisProcess().pid) + "\n" + user_ + "\n";
    if (disk_.createNew(note_, noteBytes_, bookingFile) == std::errc::file_exists) {
        disk_.remove(note_);
        disk_.createNew(note_, noteBytes_, bookingFile);
    }
}

void FileBookingLock::unlock() {
    if (!note_.empty() && disk_.readAll(note_) == noteBytes_) {
        disk_.remove(note_);
    }
    note_.clear();
    lock_.release();
}

} // namespace tivra

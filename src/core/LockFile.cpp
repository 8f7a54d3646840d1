#include "core/LockFile.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <optional>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/utsname.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace tivra {
namespace {

using namespace std::chrono_literals;

constexpr auto kStaleAfter = 30s;
// A live copy fills its lock at once: an empty one older than this was abandoned.
constexpr auto kAbandonedEmptyAfter = 1s;

#ifdef _WIN32
std::string utf8Of(const std::wstring& wide) {
    std::u8string utf8 = fs::path(wide).u8string();
    return {utf8.begin(), utf8.end()};
}
#endif

bool processAlive(long long pid) {
#ifdef _WIN32
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(pid));
    if (process == nullptr) {
        return GetLastError() != ERROR_INVALID_PARAMETER;
    }
    DWORD code = 0;
    bool alive = GetExitCodeProcess(process, &code) != 0 && code == STILL_ACTIVE;
    CloseHandle(process);
    return alive;
#else
    if (pid <= 0 || pid > 0x7FFFFFFF) {
        return false;
    }
    return !(::kill(static_cast<pid_t>(pid), 0) == -1 && errno == ESRCH);
#endif
}

// Sets the file's time stamp to now, which needs only the right to write it.
void stampNow(const std::string& path) {
#ifdef _WIN32
    std::error_code ec;
    fs::last_write_time(fileSystemPath(path), fs::file_time_type::clock::now(), ec);
#else
    ::utimensat(AT_FDCWD, fileSystemPath(path).c_str(), nullptr, AT_SYMLINK_NOFOLLOW);
#endif
}

// What stands at a lock file's name, looked at without following a link.
struct Found {
    bool present = false;
    bool plainFile = false;
    std::uintmax_t size = 0;
    fs::file_time_type written{};
    std::string bytes;
    friend bool operator==(const Found&, const Found&) = default;
};

Found look(Disk& disk, const std::string& path) {
    Found found;
    const fs::path p = fileSystemPath(path);
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(p, ec);
    if (!fs::exists(status)) {
        return found;
    }
    found.present = true;
    found.plainFile = fs::is_regular_file(status);
    if (found.plainFile) {
        found.size = fs::file_size(p, ec);
        found.written = fs::last_write_time(p, ec);
        found.bytes = disk.readAll(path).value_or("");
    }
    return found;
}

// A lock whose maker is gone: see LockFile::tryOnce.
bool leftBehind(const std::string& path, const Found& found) {
    const auto now = fs::file_time_type::clock::now();
    if (found.written > now + 1s) {
        // A host whose clock runs ahead: its lock is young, and stays its full time.
        stampNow(path);
        return false;
    }
    const auto age = now - found.written;
    if (found.size == 0) {
        return age > kAbandonedEmptyAfter;
    }
    const LockRecord record = parseLockRecord(found.bytes);
    if (record.pid > 0 && record.host == thisProcess().host && !processAlive(record.pid)) {
        return true;
    }
    return age > kStaleAfter;
}

// Removes the lock judged left behind, unless it changed since: another copy may have
// broken it and taken the lock in the meantime.
bool breakLock(Disk& disk, const std::string& path, const Found& judged) {
    return look(disk, path) == judged && disk.remove(path);
}

} // namespace

LockRecord thisProcess() {
    LockRecord record;
#ifdef _WIN32
    record.pid = static_cast<long long>(GetCurrentProcessId());
    std::array<wchar_t, 512> name{};
    DWORD length = static_cast<DWORD>(name.size());
    if (GetComputerNameExW(ComputerNameDnsHostname, name.data(), &length) != 0) {
        record.host = utf8Of(std::wstring(name.data(), length));
    }
    std::array<wchar_t, MAX_PATH> program{};
    DWORD used = GetModuleFileNameW(nullptr, program.data(), static_cast<DWORD>(program.size()));
    record.application = utf8Of(fs::path(std::wstring(program.data(), used)).filename().wstring());
#else
    record.pid = static_cast<long long>(::getpid());
    struct utsname names {};
    if (::uname(&names) == 0) {
        record.host = names.nodename;
    }
    // The name QLockFile checks a live process id against.
    std::error_code ec;
    record.application = fs::read_symlink("/proc/self/exe", ec).filename().string();
#endif
    return record;
}

std::string loginName() {
#ifdef _WIN32
    for (const wchar_t* variable : {L"USER", L"USERNAME"}) {
        if (const wchar_t* value = _wgetenv(variable); value != nullptr && *value != 0) {
            return utf8Of(value);
        }
    }
#else
    for (const char* variable : {"USER", "USERNAME"}) {
        if (const char* value = std::getenv(variable); value != nullptr && *value != 0) {
            return value;
        }
    }
#endif
    return {};
}

std::string lockRecordBytes(const LockRecord& record) {
    return std::to_string(record.pid) + "\n" + record.application + "\n" + record.host + "\n";
}

LockRecord parseLockRecord(std::string_view bytes) {
    std::array<std::string, 3> lines;
    for (std::string& line : lines) {
        std::size_t end = bytes.find('\n');
        line = bytes.substr(0, end);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    }
    LockRecord record{0, lines[1], lines[2]};
    if (!lines[0].empty() && lines[0].find_first_not_of("0123456789") == std::string::npos &&
        lines[0].size() < 19) {
        record.pid = std::stoll(lines[0]);
    }
    return record;
}

LockAttempt LockFile::tryOnce(const std::string& path, const std::string& sharedLike) {
    release();
    error_.clear();
    const std::string bytes = lockRecordBytes(thisProcess());
    // A lock broken here may be taken by another copy first: then it is held.
    for (int round = 0; round < 3; ++round) {
        const std::error_code made = disk_.createNew(path, bytes, sharedLike);
        if (!made) {
            held_ = path;
            bytes_ = bytes;
            return LockAttempt::Taken;
        }
        const Found found = look(disk_, path);
        if (found.present && !found.plainFile) {
            return LockAttempt::NotAFile;
        }
        if (made != std::errc::file_exists) {
            // A write that stopped part-way leaves a lock nobody holds.
            if (found.present && found.size == found.bytes.size() &&
                std::string_view(bytes).starts_with(found.bytes)) {
                disk_.remove(path);
            }
            error_ = made;
            return LockAttempt::Failed;
        }
        if (found.present && !(leftBehind(path, found) && breakLock(disk_, path, found))) {
            return LockAttempt::Held;
        }
    }
    return LockAttempt::Held;
}

void LockFile::release() {
    if (held_.empty()) {
        return;
    }
    // A lock broken meanwhile (held past its time) may now be another copy's.
    if (disk_.readAll(held_) == bytes_) {
        disk_.remove(held_);
    }
    held_.clear();
}

} // namespace tivra

#include "core/FileNames.h"

#include "core/Path.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string_view>

namespace tivra {
namespace {

constexpr std::string_view kLockMark = ".lock";
constexpr std::size_t kTagDigits = 16;

// "20261207-142501": the moment as a name sorts it.
std::string stamp(const DateTime& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02d%02d-%02d%02d%02d", t.date.year, t.date.month, t.date.day,
                  t.hour, t.minute, t.second);
    return text;
}

} // namespace

std::string withBookingExtension(const std::string& name) {
    return utantillagg(name) + kBookingExtension;
}

std::string lockFileName(const std::string& bookingFile) {
    return bookingFile + std::string(kLockMark);
}

std::string lockNoteName(const std::string& lockFile) {
    return lockFile + ".user";
}

std::string bookingFileOfLock(const std::string& lockFile) {
    return lockFile.ends_with(kLockMark) ? lockFile.substr(0, lockFile.size() - kLockMark.size())
                                         : std::string();
}

std::string temporaryPrefix(const std::string& target) {
    return target + ".tmp";
}

std::string temporaryName(const std::string& target) {
    std::random_device random;
    auto ticks = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    std::uint64_t tag = (static_cast<std::uint64_t>(random()) << 32) ^ random() ^ ticks;
    static const char digits[] = "0123456789abcdef";
    std::string name = temporaryPrefix(target);
    for (std::size_t i = 0; i < kTagDigits; ++i, tag >>= 4) {
        name += digits[tag & 0xF];
    }
    return name;
}

bool isTemporaryOf(const std::string& name, const std::string& target) {
    const std::string prefix = temporaryPrefix(target);
    return name.size() == prefix.size() + kTagDigits && name.starts_with(prefix) &&
           name.find_first_not_of("0123456789abcdef", prefix.size()) == std::string::npos;
}

std::string dailyBackupName(const std::string& aktuellfil, const std::string& backupmapp, int day) {
    std::string base = backupmapp.empty() ? aktuellfil : fileNamePart(aktuellfil);
    return backupmapp + utantillagg(base) + kDailyBackupMark + std::to_string(day);
}

std::string replacedCopyPrefix(const std::string& bookingFile) {
    return utantillagg(bookingFile) + ".ersatt-";
}

std::string replacedFileCopyName(const std::string& replaced, const std::string& backupmapp,
                                 const DateTime& now) {
    const std::string name = fileNamePart(replaced);
    const std::string folder =
        backupmapp.empty() ? replaced.substr(0, replaced.size() - name.size()) : backupmapp;
    return folder + replacedCopyPrefix(name) + stamp(now) + kBookingExtension;
}

std::string logFileName(const std::string& bookingFile) {
    std::size_t slash = bookingFile.find_last_of("/\\");
    std::size_t dot = bookingFile.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
        return bookingFile + ".logg";
    }
    return bookingFile.substr(0, dot) + ".logg";
}

std::string previousLogName(const std::string& logFile) {
    return logFile + ".1";
}

} // namespace tivra

#include "core/BookingWrite.h"

#include "core/BookingFile.h"
#include "core/FileReplace.h"

#include <chrono>
#include <optional>

namespace tivra {
namespace {

ReplaceOutcome writeAttempt(const std::string& path, const std::string& bytes, const std::string* expected,
                            const ReplaceOptions& options, Disk& disk) {
    if (!expected) {
        return replaceWhole(disk, path, bytes, {}, options);
    }
    return replaceWhole(
        disk, path, bytes, [&](const std::string& target) { return disk.readAll(target) == *expected; },
        options);
}

// Up to four attempts; nothing when all of them failed.
std::optional<GuardedWrite> writeWithRetries(const std::string& path, const std::string& bytes,
                                             const std::string* expected, Platform& platform,
                                             const ReplaceOptions& options = {}) {
    for (int attempt = 1; attempt <= kWriteAttempts; ++attempt) {
        switch (writeAttempt(path, bytes, expected, options, platform.disk)) {
        case ReplaceOutcome::Replaced:
            return GuardedWrite::Written;
        case ReplaceOutcome::Overtaken:
            return GuardedWrite::Overtaken;
        case ReplaceOutcome::Failed:
            break;
        }
        platform.clock.pause(std::chrono::milliseconds(200));
    }
    return std::nullopt;
}

// Ends the program: a booking file that cannot be written must not be worked on.
void writeFailed(const std::string& path, Messages& messages) {
    messages.fatal("Fel vid skrivning av " + path + ". Meddela administrat\xF6ren. Programmet avslutas.",
                   "Allvarligt fel");
}

} // namespace

bool skrivfil(const std::string& path, int count, const std::vector<std::string>& rad, Platform& platform) {
    return skrivfilBytes(path, bookingFileBytes(count, rad), platform);
}

bool skrivfilBytes(const std::string& path, const std::string& bytes, Platform& platform) {
    if (writeWithRetries(path, bytes, nullptr, platform)) {
        return true;
    }
    writeFailed(path, platform.messages);
    return false; // not reached: fatal ends the program
}

bool writeBackupCopy(const std::string& path, const std::string& bytes, const std::string& bookingFile,
                     Platform& platform) {
    const ReplaceOptions copy{AtLink::Replace, platform.disk.linkTarget(bookingFile)};
    return writeWithRetries(path, bytes, nullptr, platform, copy).has_value();
}

GuardedWrite writeIfUnchanged(const std::string& path, int count, const std::vector<std::string>& rad,
                              const std::string& expected, Platform& platform) {
    return writeBytesIfUnchanged(path, bookingFileBytes(count, rad), expected, platform);
}

GuardedWrite writeBytesIfUnchanged(const std::string& path, const std::string& bytes,
                                   const std::string& expected, Platform& platform) {
    // Under the lock no colleague is inside a save: what is left is from a killed one.
    removeStaleTemporaries(platform.disk, path);
    if (std::optional<GuardedWrite> result = writeWithRetries(path, bytes, &expected, platform)) {
        return *result;
    }
    writeFailed(path, platform.messages);
    return GuardedWrite::Overtaken; // not reached: fatal ends the program
}

} // namespace tivra

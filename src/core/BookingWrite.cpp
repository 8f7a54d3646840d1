#include "core/BookingWrite.h"

#include "core/BookingFile.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <random>

namespace tivra {
namespace {

// A name beside the target that no other workstation writing the same file will pick.
std::string temporaryName(const std::string& path) {
    std::random_device random;
    auto ticks = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    std::uint64_t tag = (static_cast<std::uint64_t>(random()) << 32) ^ random() ^ ticks;
    static const char digits[] = "0123456789abcdef";
    std::string suffix;
    for (int i = 0; i < 16; ++i, tag >>= 4) {
        suffix += digits[tag & 0xF];
    }
    return path + ".tmp" + suffix;
}

// What was read back must be exactly what was written: then its count line announces
// the count and every line equals the image.
bool readsBack(const std::optional<std::string>& readBack, const std::string& written) {
    return readBack && *readBack == written;
}

enum class Attempt { Written, Failed, Overtaken };

Attempt writeAttempt(const std::string& path, const std::string& bytes, const std::string* expected,
                     Disk& disk) {
    std::string temporary = temporaryName(path);
    // A protected target stays protected: the rename must not get around it.
    Attempt result = Attempt::Failed;
    if (disk.writeAll(temporary, bytes) && readsBack(disk.readAll(temporary), bytes) &&
        disk.isWritable(path)) {
        if (expected && disk.readAll(path) != *expected) {
            result = Attempt::Overtaken;
        } else if (disk.replace(temporary, path)) {
            return Attempt::Written;
        }
    }
    disk.remove(temporary);
    return result;
}

// Up to four attempts; nothing when all of them failed.
std::optional<GuardedWrite> writeWithRetries(const std::string& path, const std::string& bytes,
                                             const std::string* expected, Platform& platform) {
    for (int attempt = 1; attempt <= kWriteAttempts; ++attempt) {
        switch (writeAttempt(path, bytes, expected, platform.disk)) {
        case Attempt::Written:
            return GuardedWrite::Written;
        case Attempt::Overtaken:
            return GuardedWrite::Overtaken;
        case Attempt::Failed:
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

bool skrivfil(const std::string& path, int count, const std::vector<std::string>& rad, Platform& platform,
              WriteRole role) {
    return skrivfilBytes(path, bookingFileBytes(count, rad), platform, role);
}

bool skrivfilBytes(const std::string& path, const std::string& bytes, Platform& platform, WriteRole role) {
    if (writeWithRetries(path, bytes, nullptr, platform)) {
        return true;
    }
    if (role == WriteRole::Backup) {
        return false;
    }
    writeFailed(path, platform.messages);
    return false; // not reached: fatal ends the program
}

GuardedWrite writeIfUnchanged(const std::string& path, int count, const std::vector<std::string>& rad,
                              const std::string& expected, Platform& platform) {
    return writeBytesIfUnchanged(path, bookingFileBytes(count, rad), expected, platform);
}

GuardedWrite writeBytesIfUnchanged(const std::string& path, const std::string& bytes,
                                   const std::string& expected, Platform& platform) {
    if (std::optional<GuardedWrite> result = writeWithRetries(path, bytes, &expected, platform)) {
        return *result;
    }
    writeFailed(path, platform.messages);
    return GuardedWrite::Overtaken; // not reached: fatal ends the program
}

} // namespace tivra

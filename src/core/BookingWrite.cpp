#include "core/BookingWrite.h"

#include "core/BookingFile.h"
#include "core/Number.h"

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

// The count line must announce `count` and the lines after it must equal the image.
bool readsBack(const std::optional<std::string>& bytes, int count, const std::vector<std::string>& rad) {
    if (!bytes) {
        return false;
    }
    std::vector<std::string_view> lines = splitLines(*bytes);
    auto needed = static_cast<std::size_t>(9 * count);
    if (lines.empty() || lines[0].substr(0, 6) != "Antal:" || textvarde(lines[0].substr(6)) != count ||
        lines.size() < needed + 1) {
        return false;
    }
    for (std::size_t k = 1; k <= needed; ++k) {
        if (lines[k] != rad[k]) {
            return false;
        }
    }
    return true;
}

bool writeAttempt(const std::string& path, const std::string& bytes, int count,
                  const std::vector<std::string>& rad, Disk& disk) {
    std::string temporary = temporaryName(path);
    // A protected target stays protected: the rename must not get around it.
    bool written = disk.writeAll(temporary, bytes) && readsBack(disk.readAll(temporary), count, rad) &&
                   disk.isWritable(path) && disk.replace(temporary, path);
    if (!written) {
        disk.remove(temporary);
    }
    return written;
}

} // namespace

bool skrivfil(const std::string& path, int count, const std::vector<std::string>& rad, Platform& platform,
              WriteRole role) {
    const std::string bytes = bookingFileBytes(count, rad);
    for (int attempt = 1; attempt <= kWriteAttempts; ++attempt) {
        if (writeAttempt(path, bytes, count, rad, platform.disk)) {
            return true;
        }
        platform.clock.pause(std::chrono::milliseconds(200));
    }
    if (role == WriteRole::Backup) {
        return false;
    }
    platform.messages.fatal("Fel vid skrivning av " + path +
                                ". Meddela administrat\xF6ren. Programmet avslutas.",
                            "Allvarligt fel");
    return false; // not reached: fatal ends the program
}

} // namespace tivra

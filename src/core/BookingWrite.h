#pragma once
// Writing a booking file or its backup copy whole, safely: the new content goes to a
// temporary file beside the target, is read back and compared, and only then takes the
// target's place in one step. The target is never truncated in place, so a failed or
// interrupted write leaves the previous file whole.
#include "core/Platform.h"

#include <string>
#include <vector>

namespace tivra {

inline constexpr int kWriteAttempts = 4;

enum class WriteRole {
    BookingFile, // a file that cannot be written ends the program
    Backup,      // a copy that cannot be written is left out quietly
};

// Writes the count line and rad[1..9*count] to `path`, checks them by reading them back,
// and tries up to four times, pausing 0.2 seconds after each failed attempt. A target
// that is not writable fails every attempt. Returns whether the file was written; for a
// booking file the fourth failure ends the program (Messages::fatal) instead.
bool skrivfil(const std::string& path, int count, const std::vector<std::string>& rad, Platform& platform,
              WriteRole role = WriteRole::BookingFile);

} // namespace tivra

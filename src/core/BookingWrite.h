#pragma once
// Writing a booking file or its backup copy whole, safely: the new content goes to a
// temporary file beside the target, is flushed to the disk, read back and compared, and
// only then takes the target's place in one step (replaceWhole). The target is never truncated in place, so a
// failed or interrupted write leaves the previous file whole.
#include "core/Platform.h"

#include <string>
#include <vector>

namespace tivra {

inline constexpr int kWriteAttempts = 4;

// Writes the count line and rad[1..9*count] to `path`, checks them by reading them back,
// and tries up to four times, pausing 0.2 seconds after each failed attempt. A target
// that is not writable fails every attempt. The fourth failure ends the program
// (Messages::fatal): a booking file that cannot be written must not be worked on.
bool skrivfil(const std::string& path, int count, const std::vector<std::string>& rad, Platform& platform);

// skrivfil for the whole file's bytes, as bookingFileBytes gives them.
bool skrivfilBytes(const std::string& path, const std::string& bytes, Platform& platform);

// The day's backup copy of `bookingFile`, written as skrivfil writes, but quietly: a copy
// that cannot be written is left out. Whatever stands at the copy's name (a link too) is
// replaced, never written through, and the copy takes the booking file's permission bits
// and group, so every colleague's first load of a day can replace it. Returns whether it
// was written.
bool writeBackupCopy(const std::string& path, const std::string& bytes, const std::string& bookingFile,
                     Platform& platform);

enum class GuardedWrite {
    Written,
    Overtaken, // the file no longer held the expected bytes; it was left as it was
};

// skrivfil for a booking file that other copies of the program may write: just before
// the written and checked content takes the file's place, the file's current bytes are
// compared with `expected` (what this change loaded). When they differ, somebody wrote
// meanwhile: nothing is replaced and the caller must start over from a reload. A file
// that cannot be written ends the program as with skrivfil.
GuardedWrite writeIfUnchanged(const std::string& path, int count, const std::vector<std::string>& rad,
                              const std::string& expected, Platform& platform);

// writeIfUnchanged for the whole file's bytes, as bookingFileBytes gives them.
GuardedWrite writeBytesIfUnchanged(const std::string& path, const std::string& bytes,
                                   const std::string& expected, Platform& platform);

} // namespace tivra

#pragma once
// Writing a file whole so that nothing can tear it: not a failed write, not a copy of the
// program killed in the middle, not a power loss. The new bytes go to a new temporary file
// of a random name beside the real file (created, never opened through a link that stands
// at its name), are flushed to the disk and read back, and only then take the file's place
// in one rename, after which the folder is flushed too. The file is never truncated in
// place, so a failed or interrupted write leaves the previous file whole.
#include "core/Clock.h"
#include "core/Disk.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tivra {

inline constexpr int kWriteAttempts = 4;

// What a link at the file's name means.
enum class AtLink {
    Follow,  // the file is where the link leads, and the link stays (a school's own files)
    Replace, // the link is replaced like any file and nothing is written through it (a copy)
};

struct WriteOptions {
    AtLink atLink = AtLink::Follow;
    // The file whose permission bits and group the new file takes; empty: the file it
    // replaces, so colleagues keep the access they had.
    std::string sharedLike;
    // With a clock, a failed attempt is tried again, up to four attempts in all, each
    // failure followed by a pause of 0.2 seconds; without one, one attempt.
    Clock* retryClock = nullptr;
    // Refuses a name where anything but a plain file stands (a device, a pipe, a folder),
    // for a name the user typed.
    bool plainFileOnly = false;
};

enum class WriteOutcome {
    Written,
    Overtaken, // the file no longer held the expected bytes; it was left as it was
    Refused,   // nothing written, the temporary file is gone; `reason` says why
};

struct WriteResult {
    WriteOutcome outcome = WriteOutcome::Refused;
    std::string reason; // when refused, in Swedish
};

// Writes `bytes` as the whole file at `path`. With `expected`, the file's current bytes are
// compared with it just before the rename: when they differ somebody wrote meanwhile, and
// the file is left as it was. A target that is not writable is refused.
WriteResult writeWhole(Disk& disk, const std::string& path, std::string_view bytes,
                       const std::optional<std::string>& expected = std::nullopt,
                       const WriteOptions& options = {});

// How a file the user named (a PDF, an export) is written: over a plain file only.
inline const WriteOptions kOutputFile{AtLink::Follow, {}, nullptr, true};

// Why a name the user chose cannot be written: Windows-1252 has no place for some letter.
inline constexpr const char kUnnamableFile[] = "Filnamnet har tecken som programmet inte kan hantera.";

// Why nothing may be written to `path` at all (a device, a pipe or a folder stands there),
// asked before a long document is made; empty when it may.
std::string outputPlaceRefusal(Disk& disk, const std::string& path);

// Removes the temporary files of `path` that a copy killed inside its save left behind,
// once they are older than any save could take. Nothing else beside the file is touched.
void removeStaleTemporaries(Disk& disk, const std::string& path, AtLink atLink = AtLink::Follow);
// The same for several files of one folder, which is looked at once.
void removeStaleTemporaries(Disk& disk, const std::vector<std::string>& paths, AtLink atLink);

} // namespace tivra

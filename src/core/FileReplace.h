#pragma once
// Replacing a file whole so that nothing can tear it: not a failed write, not a copy of
// the program killed in the middle, not a power loss. The new bytes go to a new temporary
// file of a random name beside the real file (created, never opened through a link that
// stands at its name), are flushed to the disk and read back, and only then take the
// file's place in one rename, after which the folder is flushed too.
#include "core/Disk.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tivra {

enum class ReplaceOutcome {
    Replaced,
    Failed,    // nothing replaced; the temporary file is gone
    Overtaken, // `unchanged` said no: the file was left as it was
};

// What a link at the file's name means.
enum class AtLink {
    Follow,  // the file is where the link leads, and the link stays (a school's own files)
    Replace, // the link is replaced like any file and nothing is written through it (a copy)
};

struct ReplaceOptions {
    AtLink atLink = AtLink::Follow;
    // The file whose permission bits and group the new file takes; empty: the file it
    // replaces, so colleagues keep the access they had.
    std::string sharedLike;
};

// One attempt. `unchanged`, when given, is asked about the real file just before the
// rename; a false answer leaves it untouched. A target that is not writable fails.
ReplaceOutcome replaceWhole(Disk& disk, const std::string& path, std::string_view bytes,
                            const std::function<bool(const std::string& target)>& unchanged = {},
                            const ReplaceOptions& options = {});

// Why a name the user chose cannot be written: Windows-1252 has no place for some letter.
inline constexpr const char kUnnamableFile[] = "Filnamnet har tecken som programmet inte kan hantera.";

// A file the user named (a PDF, an export) written as replaceWhole writes, over a plain
// file only: the empty text when it is in place, else why not, in Swedish.
std::string writeOutputFile(Disk& disk, const std::string& path, std::string_view bytes);
// Why nothing may be written to `path` at all (a device, a pipe or a folder stands there),
// asked before a long document is made; empty when it may.
std::string outputPlaceRefusal(Disk& disk, const std::string& path);

// Removes the temporary files of `path` that a copy killed inside its save left behind,
// once they are older than any save could take. Nothing else beside the file is touched.
void removeStaleTemporaries(Disk& disk, const std::string& path, AtLink atLink = AtLink::Follow);
// The same for several files of one folder, which is looked at once.
void removeStaleTemporaries(Disk& disk, const std::vector<std::string>& paths, AtLink atLink);

} // namespace tivra

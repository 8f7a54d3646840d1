#pragma once
// Replacing a file whole so that nothing can tear it: not a failed write, not a copy of
// the program killed in the middle, not a power loss. The new bytes go to a temporary
// file beside the real file (a link is followed, and stays a link), are flushed to the
// disk and read back, and only then take the file's place in one rename, after which the
// folder is flushed too.
#include "core/Disk.h"

#include <functional>
#include <string>
#include <string_view>

namespace tivra {

enum class ReplaceOutcome {
    Replaced,
    Failed,    // nothing replaced; the temporary file is gone
    Overtaken, // `unchanged` said no: the file was left as it was
};

// One attempt. `unchanged`, when given, is asked about the real file just before the
// rename; a false answer leaves it untouched. A target that is not writable fails.
ReplaceOutcome replaceWhole(Disk& disk, const std::string& path, std::string_view bytes,
                            const std::function<bool(const std::string& target)>& unchanged = {});

// Removes the temporary files of `path` that a copy killed inside its save left behind,
// once they are older than any save could take. Nothing else beside the file is touched.
void removeStaleTemporaries(Disk& disk, const std::string& path);

} // namespace tivra

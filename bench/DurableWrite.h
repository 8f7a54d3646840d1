#pragma once
// The floors' write, as durable as the program's save of a school file.
#include <string>

namespace tivra::bench {

// `bytes` written to `temporary` and flushed to the disk, put at `target` by a rename, and
// the folder flushed so the rename survives a power cut. Throws when any step fails.
void durableWrite(const std::string& folder, const std::string& temporary, const std::string& target,
                  const std::string& bytes);

} // namespace tivra::bench

#pragma once
// What `tivra --help` prints: every way to start the program, every mode with its
// options, the week rules and the exit statuses. Plain text in sections with headings and
// options as "  --name VALUE   text" lines, so that the manual page can be made from it.
#include "app/CommandMode.h"

#include <string>
#include <vector>

namespace tivra {

// The help in UTF-8.
std::string helpText(const std::vector<const CommandMode*>& modes);

} // namespace tivra

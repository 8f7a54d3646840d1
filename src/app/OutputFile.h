#pragma once
// The file a mode writes where the user asked (`print --pdf`, `export --out`): never one
// of the school's files, and whole or not at all.
#include "config/Program.h"
#include "core/Messages.h"

#include <QString>

#include <string>
#include <string_view>

namespace tivra {

// The refusal when the output file the user named (`absolute`, and as `given`) is one of the
// school's files; empty when it may be written. Run in the school's folder.
std::string schoolFileRefusalFor(const Program& program, const QString& absolute, const QString& given);

// Writes `bytes` to `absolute` (named `given`); false after a message titled `title` when
// it is a school file or could not be written whole.
bool writeOutput(const Program& program, const QString& absolute, const QString& given,
                 std::string_view bytes, Messages& messages, const char* title);

} // namespace tivra

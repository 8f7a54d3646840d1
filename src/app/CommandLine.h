#pragma once
// The command-line modes: the same start-up as the window, without a display.
//   tivra check [--dir FOLDER]
//   tivra export --json [--dir FOLDER]
//   tivra export --ics|--csv ... (app/ExportCommand.h)
//   tivra free ... (app/FreeCommand.h)
//   tivra book ... (app/BookCommand.h)
//   tivra cancel ... (app/CancelCommand.h)
//   tivra print ... (app/PrintCommand.h)
#include "app/ChangeCommand.h"
#include "config/Program.h"
#include "core/Messages.h"

#include <QString>

#include <string>

namespace tivra {

// Whether the arguments ask for a command-line mode rather than the window.
bool isCommandLineMode(int argc, char** argv);

// Runs the start-up as the window would, in the current folder; false when it would end
// the program.
bool loadForCommandLine(Program& program, Messages& messages);

// The refusal when the output file the user named (`absolute`, and as `given`) is one of the
// school's files; empty when it may be written. Run in the school's folder.
std::string schoolFileRefusalFor(const Program& program, const QString& absolute, const QString& given);

// Runs the mode the arguments name; returns the exit status. `setup` is how the modes
// that change the booking file meet the disk and the lock (app/ChangeCommand.h).
int runCommandLine(int argc, char** argv, const ChangeSetup& setup = {});

} // namespace tivra

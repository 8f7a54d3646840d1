#pragma once
// The command-line modes: the same start-up as the window, without a display.
//   tivra check [--dir FOLDER]
//   tivra export --json [--dir FOLDER]
//   tivra book ... (app/BookCommand.h)
//   tivra cancel ... (app/CancelCommand.h)

namespace tivra {

// Whether the arguments ask for a command-line mode rather than the window.
bool isCommandLineMode(int argc, char** argv);

// Runs the mode the arguments name; returns the exit status.
int runCommandLine(int argc, char** argv);

} // namespace tivra

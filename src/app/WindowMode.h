#pragma once
// The program with its window: the application object, Qt's own texts in Swedish, the
// working folder and the main window.

namespace tivra {

// Runs the window until it is closed; returns the exit status.
//   tivra [--dir FOLDER]
int runWindowMode(int argc, char** argv);

} // namespace tivra

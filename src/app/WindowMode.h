#pragma once
// The program with its window: the application object, Qt's own texts in Swedish, the
// working folder and the main window.
#include "app/WindowStart.h"

namespace tivra {

// Runs the window until it is closed; returns the exit status.
int runWindowMode(int argc, char** argv, const WindowStart& start);

} // namespace tivra

#pragma once
// The program with its window: the application object, Qt's own texts in Swedish and the
// window on the school the command line named or the program finds (app/SchoolFinder.h).
#include "app/CommandLine.h"
#include "app/WindowStart.h"

namespace tivra {

// Runs the window until it is closed; returns the exit status. The command line has read
// every argument already.
int runWindowMode(int argc, char** argv, const WindowStart& start);

// The window and the printer, for the command line.
WidgetParts widgetParts();

} // namespace tivra

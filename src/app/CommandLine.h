#pragma once
// The command line, read whole before any application object exists: the window with where
// it starts, a mode with its options, or an answer (the help, the version, or a refusal)
// to print at once. A mistake is never left to Qt, which would abort without a display.
//   tivra [--dir MAPP] | MAPP | FIL.bok         the window
//   tivra [flaggor] LÄGE [flaggor]              check, export, book, cancel, free, print
#include "app/ChangeRunner.h"
#include "app/CommandMode.h"
#include "app/WindowStart.h"

#include <QStringList>

#include <functional>
#include <string>
#include <variant>

namespace tivra {

struct WindowCall {
    WindowStart start;
};

struct ModeCall {
    const CommandMode* mode = nullptr;
    CommandOptions options;
};

// Printed as it is (UTF-8): on standard output when Done, else on standard error.
struct Answer {
    ExitStatus status = ExitStatus::Done;
    std::string text;
};

using CommandCall = std::variant<WindowCall, ModeCall, Answer>;

// What the command line leaves to the program's widgets, which it does not link: the
// window, and the printer.
struct WidgetParts {
    std::function<int(int argc, char** argv, const WindowStart& start)> window;
    PrinterMaker printer;
};

// Reads the words after the program's name. Looks at the disk only to tell whether a
// word names a file or a folder, and whether a folder can be opened.
CommandCall readCommandLine(const QStringList& words);

// Runs what the command line asks for; returns the exit status. `setup` is how the modes
// that change the booking file meet the disk and the lock (app/ChangeRunner.h).
int runCommandLine(int argc, char** argv, const WidgetParts& parts, const ChangeSetup& setup = {});

} // namespace tivra

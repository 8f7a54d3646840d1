#pragma once
// What a command-line mode is: its name, what the help says of it, the options it takes,
// and its run over the options once they are read and the school's folder entered.
#include "app/ChangeRunner.h"
#include "app/CommandOptions.h"
#include "app/ExitStatus.h"
#include "gui/PrintOutput.h"

#include <QPageLayout>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

namespace tivra {

// The printer named (the system's default when the name is empty) with the page layout.
// Qt's print support needs widgets, which the command line does not link: the program
// hands it in (ui/PrinterOutput.h).
using PrinterMaker =
    std::function<std::unique_ptr<PrintOutput>(const QString& name, const QPageLayout& layout)>;

// What every mode runs with.
struct CommandContext {
    const CommandOptions& options;
    const ChangeSetup& setup; // how the modes that change the booking file meet disk and lock
    const PrinterMaker& printer;
};

struct CommandMode {
    const char* name;
    const char* usage;   // the options after the name, as the help shows them
    const char* summary; // one line for the help
    std::vector<OptionEntry> options;
    bool prints = false; // draws text with fonts, so it needs the platform without a display
    ExitStatus (*run)(const CommandContext& context) = nullptr;
};

} // namespace tivra

#include "app/CheckCommand.h"

#include "app/ReadRunner.h"
#include "app/StateReport.h"
#include "core/Text1252.h"

#include <iostream>

namespace tivra {
namespace {

ExitStatus check(const CommandContext& context) {
    return runReading(context.setup, [](Loaded& loaded) {
        for (const auto& [name, value] : checkSummary(loaded.program)) {
            std::cout << toUtf8(name) << ": " << toUtf8(value) << '\n';
        }
        std::cout << std::flush;
        // The window says nothing of these; a script checking the school must hear of them.
        for (const std::string& file : loaded.view.unread) {
            std::cerr << toUtf8(file) << " kunde inte läsas.\n";
        }
        return loaded.quiet && loaded.view.unread.empty() ? ExitStatus::Done : ExitStatus::Refused;
    });
}

} // namespace

const CommandMode& checkMode() {
    static const CommandMode mode{
        "check", "",    "Kontrollera det som läses vid start; en sammanfattning på standard ut.",
        {},      false, check,
    };
    return mode;
}

} // namespace tivra

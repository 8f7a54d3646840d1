#include "app/CancelCommand.h"

#include "app/ChangeCommand.h"
#include "booking/Avboka.h"
#include "core/Number.h"
#include "core/Text1252.h"

namespace tivra {

int runCancel(const QCommandLineParser& parser, const BookOptions& options, const ChangeSetup& setup) {
    constexpr int kRemoved = 0;
    constexpr int kNotRemoved = 1;
    std::optional<BookArguments> args = bookArguments(parser, options);
    if (!args) {
        return kNotRemoved;
    }
    auto cancel = [&](Program& program, const StartupView& view, ChangeEnvironment& env) {
        std::string week = trim(args->week);
        if (week.empty()) {
            week = decimaltext(static_cast<long long>(program.selection.valdvecka));
        }
        Bokning target = storedRow(bookingFields(program, view, *args, parser.isSet(options.other)), week);
        switch (avbokaBokning(program, target, env)) {
        case ChangeResult::Saved:
            return kRemoved;
        case ChangeResult::Unchanged:
            env.platform.messages.show("Ingen bokning matchar.", "Avboka", Icon::Exclamation);
            return kNotRemoved;
        default:
            return kNotRemoved; // the sequence said why
        }
    };
    return runChangeCommand(false, cancel, setup);
}

} // namespace tivra

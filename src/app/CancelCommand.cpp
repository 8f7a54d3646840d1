#include "app/CancelCommand.h"

#include "app/ChangeCommand.h"
#include "booking/Avboka.h"
#include "booking/FleraVeckor.h"
#include "core/Number.h"

#include <optional>
#include <string>

namespace tivra {
namespace {

// The week as "tivra book" and the week field read it (1 is week 53 when the school year
// began in the autumn), or a range read as "Flera veckor" reads it, in the form stored.
std::optional<std::string> storedWeeks(const BookArguments& args, const Program& program) {
    if (args.week.find('-') == std::string::npos) {
        return decimaltext(static_cast<long long>(typedWeek(program, args)));
    }
    const Settings& s = program.settings;
    WeeksAnswer range = readWeeks(args.week, s.startvecka, s.slutvecka);
    if (range.kind != WeeksAnswer::Kind::Range) {
        return std::nullopt;
    }
    return weekField(range.range);
}

} // namespace

int runCancel(const QCommandLineParser& parser, const BookOptions& options, const ChangeSetup& setup) {
    constexpr int kRemoved = 0;
    constexpr int kNotRemoved = 1;
    std::optional<BookArguments> args = bookArguments(parser, options);
    if (!args) {
        return kNotRemoved;
    }
    auto cancel = [&](Program& program, const StartupView& view, ChangeEnvironment& env) {
        std::optional<std::string> week = storedWeeks(*args, program);
        if (!week) {
            env.platform.messages.show("Ange giltiga veckor.", "Avboka", Icon::Exclamation);
            return kNotRemoved;
        }
        Bokning target = storedRow(bookingFields(program, view, *args, parser.isSet(options.other)), *week);
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

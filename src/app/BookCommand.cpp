#include "app/BookCommand.h"

#include "app/BookingArguments.h"

namespace tivra {
namespace {

constexpr const char kTitle[] = "Boka";

ExitStatus book(const CommandContext& context) {
    auto change = [&](Program& program, const StartupView& view, ChangeEnvironment& env) {
        std::optional<BookingRequest> request =
            bookingRequest(context.options, program, view, env.platform.messages, kTitle);
        if (!request) {
            return ExitStatus::Refused;
        }
        const bool saved = bookWeeks(program, request->fields, request->weeks, env) == ChangeResult::Saved;
        return saved ? ExitStatus::Done : ExitStatus::Refused;
    };
    return runChanging(context.setup, context.options.isSet("yes"), change);
}

} // namespace

const CommandMode& bookMode() {
    static const CommandMode mode{
        "book",
        "--object NAMN [--other] --week VECKA --day DAG --start TID --length MINUTER --signature SIGNATUR "
        "[--comment TEXT] [--yes]",
        "Boka, med samma kontroller, lås och sparande som fönstrets \"Boka\".",
        {kObjectOption,
         kOtherOption,
         kWeekOption,
         kDayOption,
         kStartOption,
         kLengthOption,
         kSignatureOption,
         kCommentOption,
         {"yes", nullptr, "Svara Ja på frågan om en lektion."}},
        false,
        book,
    };
    return mode;
}

} // namespace tivra

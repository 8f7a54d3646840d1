#include "app/CancelCommand.h"

#include "app/BookingArguments.h"
#include "booking/Avboka.h"
#include "booking/FleraVeckor.h"

namespace tivra {
namespace {

constexpr const char kTitle[] = "Avboka";

ExitStatus cancel(const CommandContext& context) {
    auto change = [&](Program& program, const StartupView& view, ChangeEnvironment& env) {
        Messages& messages = env.platform.messages;
        std::optional<BookingRequest> request =
            bookingRequest(context.options, program, view, messages, kTitle);
        if (!request) {
            return ExitStatus::Refused;
        }
        switch (cancelBooking(program, storedRow(request->fields, weekField(request->weeks)), env)) {
        case ChangeResult::Saved:
            return ExitStatus::Done;
        case ChangeResult::Unchanged:
            messages.show("Ingen bokning matchar.", kTitle, Icon::Exclamation);
            return ExitStatus::Refused;
        default:
            return ExitStatus::Refused; // the sequence said why
        }
    };
    return runChanging(context.setup, false, change);
}

} // namespace

const CommandMode& cancelMode() {
    static const CommandMode mode{
        "cancel",
        "--object NAMN [--other] --week VECKA --day DAG --start TID --length MINUTER --signature SIGNATUR "
        "[--comment TEXT]",
        "Avboka den bokning som flaggorna beskriver, som fönstrets \"Avboka\".",
        {kObjectOption, kOtherOption, kWeekOption, kDayOption, kStartOption, kLengthOption, kSignatureOption,
         kCommentOption},
        false,
        cancel,
    };
    return mode;
}

} // namespace tivra

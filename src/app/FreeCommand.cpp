#include "app/FreeCommand.h"

#include "booking/FreeRooms.h"
#include "core/Text1252.h"

#include <iostream>

namespace tivra {

int runFree(const QCommandLineParser& parser, const BookOptions& options) {
    constexpr int kListed = 0;
    constexpr int kRefused = 1;
    std::optional<BookArguments> args = bookArguments(parser, options);
    if (!args) {
        return kRefused;
    }
    auto list = [&](Program& program, const StartupView& view, ChangeEnvironment& env) {
        BookingFields fields = bookingFields(program, view, *args, parser.isSet(options.other));
        std::variant<FreeRooms, std::string> found = ledigaSalar(program, fields, typedWeek(program, *args));
        if (const std::string* refusal = std::get_if<std::string>(&found)) {
            env.platform.messages.show(*refusal, "Lediga salar", Icon::Exclamation);
            return kRefused;
        }
        for (const std::string& name : std::get<FreeRooms>(found).free) {
            std::cout << toUtf8(name) << '\n';
        }
        std::cout << std::flush;
        return kListed;
    };
    return runChangeCommand(false, list, {});
}

} // namespace tivra

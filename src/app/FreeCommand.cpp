#include "app/FreeCommand.h"

#include "app/BookingArguments.h"
#include "app/ReadRunner.h"
#include "booking/FreeRooms.h"
#include "core/Text1252.h"

#include <algorithm>
#include <iostream>

namespace tivra {
namespace {

constexpr const char kTitle[] = "Lediga salar";

ExitStatus listFree(const CommandContext& context, Loaded& loaded) {
    std::optional<BookingRequest> request =
        bookingRequest(context.options, loaded.program, loaded.view, loaded.messages, kTitle);
    if (!request) {
        return ExitStatus::Refused;
    }
    std::vector<std::string> free;
    for (long long week = request->weeks.first; week <= request->weeks.last; ++week) {
        std::variant<FreeRooms, std::string> found =
            ledigaSalar(loaded.program, request->fields, static_cast<int>(week));
        if (const std::string* refusal = std::get_if<std::string>(&found)) {
            loaded.messages.show(*refusal, kTitle, Icon::Exclamation);
            return ExitStatus::Refused;
        }
        const std::vector<std::string>& thisWeek = std::get<FreeRooms>(found).free;
        if (week == request->weeks.first) {
            free = thisWeek;
        } else {
            std::erase_if(free,
                          [&](const std::string& room) { return std::ranges::count(thisWeek, room) == 0; });
        }
    }
    for (const std::string& name : free) {
        std::cout << toUtf8(name) << '\n';
    }
    std::cout << std::flush;
    return ExitStatus::Done;
}

ExitStatus runFree(const CommandContext& context) {
    return runReading(context.setup, [&](Loaded& loaded) { return listFree(context, loaded); });
}

} // namespace

const CommandMode& freeMode() {
    static const CommandMode mode{
        "free",
        "--week VECKA --day DAG --start TID --length MINUTER [--other]",
        "Lediga salar (med --other objekt) en viss tid, en per rad.",
        {kWeekOption,
         kDayOption,
         kStartOption,
         kLengthOption,
         {"other", nullptr, "De andra objekten i stället för salarna."}},
        false,
        runFree,
    };
    return mode;
}

} // namespace tivra

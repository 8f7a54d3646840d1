#include "app/BookingArguments.h"

#include "booking/FleraVeckor.h"
#include "core/Text1252.h"
#include "view/Choice.h"

#include <algorithm>
#include <cctype>

namespace tivra {
namespace {

// Digits only, from 1 to 53.
bool weekNumber(const std::string& text) {
    return !text.empty() && text.size() <= 2 &&
           std::ranges::all_of(text,
                               [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }) &&
           std::stoi(text) >= 1 && std::stoi(text) <= 53;
}

} // namespace

std::optional<WeekRange> commandWeeks(const std::string& text, const Settings& settings) {
    const std::size_t dash = text.find('-');
    if (!weekNumber(text.substr(0, dash)) ||
        (dash != std::string::npos && !weekNumber(text.substr(dash + 1)))) {
        return std::nullopt;
    }
    // "Flera veckor" reads the range from here on: the next calendar year, the period's end.
    WeeksAnswer weeks = readWeeks(text, settings.startvecka, settings.slutvecka);
    if (weeks.kind != WeeksAnswer::Kind::Range) {
        return std::nullopt;
    }
    return weeks.range;
}

std::optional<BookingRequest> bookingRequest(const CommandOptions& o, const Program& program,
                                             const StartupView& view, Messages& messages, const char* title) {
    std::optional<std::string> object = o.bytes("object");
    std::optional<std::string> week = o.bytes("week");
    std::optional<std::string> day = o.bytes("day");
    std::optional<std::string> start = o.bytes("start");
    std::optional<std::string> length = o.bytes("length");
    std::optional<std::string> signature = o.bytes("signature");
    std::optional<std::string> comment = o.bytes("comment");
    if (!object || !week || !day || !start || !length || !signature || !comment) {
        return std::nullopt;
    }
    std::optional<WeekRange> weeks = commandWeeks(trim(*week), program.settings);
    if (!weeks) {
        messages.show("Ange vecka/veckor.", title, Icon::Exclamation);
        return std::nullopt;
    }
    const int dag = findDay(view.dayList, *day);
    if (trim(*day).empty() || dag == 0) {
        messages.show("Ange giltig veckodag.", title, Icon::Exclamation);
        return std::nullopt;
    }
    BookingRequest request;
    request.weeks = *weeks;
    BookingFields& fields = request.fields;
    fields.objekt = *object;
    fields.viewKind = o.isSet("other") ? ViewKind::Annat : ViewKind::Salar;
    fields.valddag = dag;
    fields.starttid = *start;
    fields.langd = *length;
    fields.kommentar = *comment;
    fields.signatur = *signature;
    return request;
}

} // namespace tivra

#include "booking/FleraVeckor.h"

#include "booking/Avboka.h"
#include "core/Calendar.h"
#include "core/ChangeLog.h"
#include "core/Number.h"
#include "core/RowRules.h"

namespace tivra {
namespace {

constexpr const char kAskTitle[] = "Bokning flera veckor";

} // namespace

WeeksAnswer readWeeks(const std::string& answer, int startvecka, int slutvecka) {
    const WeekSpan typed = wholeWeekSpan(answer);
    auto first = static_cast<long long>(typed.w1);
    if (first < 1) {
        return {};
    }
    auto last = static_cast<long long>(typed.w2);
    if (first < startvecka) {
        first += 52;
    }
    if (last < startvecka) {
        last += 52;
    }
    if (first > last || last > slutvecka) {
        return {WeeksAnswer::Kind::Invalid, {}};
    }
    return {WeeksAnswer::Kind::Range, {first, last}};
}

std::string weekField(const WeekRange& range) {
    std::string field = decimalText(range.first);
    if (range.last != range.first) {
        field += '-';
        field += decimalText(range.last);
    }
    return field;
}

ChangeResult fleraVeckor(Program& program, int valdrad, ChangeEnvironment& env) {
    std::optional<Bokning> snapshot = snapshotOf(program.bokningar, valdrad);
    if (!snapshot) {
        return ChangeResult::Unchanged;
    }
    Messages& messages = env.platform.messages;
    const Settings& settings = program.settings;
    std::string answer =
        messages.input("Skriv veckor i formen 45-5", kAskTitle, shownWeek(program.selection.valdvecka) + "-");
    WeeksAnswer weeks = readWeeks(answer, settings.startvecka, settings.slutvecka);
    if (weeks.kind == WeeksAnswer::Kind::Nothing) {
        return ChangeResult::Unchanged;
    }
    if (weeks.kind == WeeksAnswer::Kind::Invalid) {
        messages.show("Ange giltiga veckor.", kAskTitle, Icon::Exclamation);
        return ChangeResult::Refused;
    }
    // One week other than the booking's own is no repetition but a move.
    const WeekRange& range = weeks.range;
    if (range.first == range.last &&
        range.first != static_cast<long long>(wholeWeekSpan(snapshot->vecka).w1) &&
        !messages.ask("Flytta bokningen till vecka " + shownWeek(static_cast<double>(range.first)) + "?",
                      kAskTitle)) {
        return ChangeResult::Declined;
    }
    // The range may not reach past the object's booking period, any more than a single
    // booking may.
    if (std::optional<std::string> refusal = rangeRefusal(settings.perioder, snapshot->objekt, weeks.range)) {
        messages.show(*refusal, "Boka", Icon::Exclamation);
        return ChangeResult::Refused;
    }
    int found = 0;
    ChangeSteps steps{
        [&](const Program& p, const Answers& answers) {
            found = findBooking(p.bokningar, *snapshot);
            return found ? scanRange(p.bokningar, p.bokningar.row(found), weeks.range, {found}, answers)
                         : Verdict::stop();
        },
        [&](Program& p, Messages&) {
            p.bokningar.row(found).vecka = weekField(weeks.range);
            return true;
        },
        [&](const Program& p) {
            Bokning after = p.bokningar.row(found);
            after.vecka = weekField(weeks.range);
            return LoggedChange{kEventWeeks, p.bokningar.row(found), after};
        },
    };
    return runChange("Avboka", program, env, steps);
}

} // namespace tivra

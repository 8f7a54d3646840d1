#include "booking/Boka.h"

#include "booking/Avboka.h"
#include "booking/Conflicts.h"
#include "booking/FleraVeckor.h"
#include "booking/Overlap.h"
#include "booking/RangeChecks.h"
#include "config/ObjectLists.h"
#include "core/BookingSave.h"
#include "core/ChangeLog.h"
#include "core/Number.h"
#include "core/Text1252.h"
#include "core/TextHelpers.h"

#include <algorithm>
#include <optional>
#include <variant>

namespace tivra {
namespace {

constexpr const char kTitle[] = "Boka";

// The object must be an entry of the list its option names; the name is not trimmed, so
// "SAL 1 " is no room.
std::optional<std::string> objectRefusal(const Program& program, ViewKind viewKind,
                                         const std::string& objekt) {
    switch (viewKind) {
    case ViewKind::Salar:
        return listed(program.salar, objekt) ? std::nullopt : std::optional<std::string>("V\xE4lj sal.");
    case ViewKind::Annat:
        return listed(program.settings.bokaobjekt, objekt)
                   ? std::nullopt
                   : std::optional<std::string>("V\xE4lj bokningsobjekt.");
    default:
        return "V\xE4lj sal eller annat objekt.";
    }
}

// hh.mm with hours 0 to 24 and minutes up to 55.
bool inTheDay(const std::string& time) {
    return textvarde(time) >= 0 && textvarde(time) <= 24 && textvarde(std::string_view(time).substr(3)) <= 55;
}

// The week field of the new booking: the shown week, or the weeks of the booking an edit
// replaces, which the edit keeps.
std::string weekFieldOf(const Program& program, const std::optional<Bokning>& original) {
    return original ? original->vecka : decimalText(static_cast<long long>(program.selection.valdvecka));
}

WeekRange schoolWeeks(const Program& program, const std::string& vecka) {
    return rangeOf(vecka, program.settings.startvecka, program.settings.slutvecka);
}

// The new row from the fields for the weeks `vecka`, or the refusal of the first field
// that fails its check.
std::variant<Bokning, std::string> newRow(const Program& program, const BookingFields& fields,
                                          const std::string& vecka) {
    std::string objekt = normalisera(fields.objekt);
    if (std::optional<std::string> refusal = objectRefusal(program, fields.viewKind, objekt)) {
        return *refusal;
    }
    if (std::optional<std::string> refusal =
            rangeRefusal(program.settings.perioder, objekt, schoolWeeks(program, vecka))) {
        return *refusal;
    }
    if (std::optional<std::string> refusal = timeRefusal(fields)) {
        return *refusal;
    }
    if (normalisera(trim(fields.signatur)).empty()) {
        return std::string("Skriv din signatur.");
    }
    if (hasControlCharacter(fields.signatur) || hasControlCharacter(fields.kommentar)) {
        return std::string(
            "Signatur och kommentar f\xE5r inte inneh\xE5lla radbrytningar eller andra styrtecken.");
    }
    return storedRow(fields, vecka);
}

// A booking in the way refuses; a lesson in the way is asked about unless a Yes to it was
// given already, with No as the answer Enter gives. Lesson rows are never reloaded, so
// the row number names the lesson.
Verdict scan(const Program& program, const Bokning& booking, const Answers& answers) {
    const int week = program.selection.valdvecka;
    Conflicts found = findConflicts(program.bokningar, booking, week, week);
    if (found.booking) {
        return Verdict::refuse("Angiven tid redan bokad.", kTitle);
    }
    for (const InTheWay& lesson : found.lessons) {
        std::string key = "lektion " + std::to_string(lesson.row);
        if (!answers.contains(key)) {
            return Verdict::ask(kLessonQuestion, kTitle, key, true);
        }
    }
    return Verdict::go();
}

} // namespace

std::optional<std::string> timeRefusal(const BookingFields& fields) {
    if (trim(fields.starttid).empty()) {
        return std::string("Ange starttid f\xF6r bokningen.");
    }
    std::optional<std::string> start = typedTime(fields.starttid);
    if (!start || !inTheDay(*start)) {
        return std::string("Skriv tiden i formen 9.00.");
    }
    double langd = textvarde(fields.langd);
    if (langd < 5 || langd > 1440) {
        return std::string("Ange bokningstidens l\xE4ngd i minuter.");
    }
    // A booking on day 0 would be stored where no day box can ever show it.
    if (fields.valddag < 1 || fields.valddag > 7) {
        return std::string("V\xE4lj dag.");
    }
    return std::nullopt;
}

Bokning storedRow(const BookingFields& fields, const std::string& vecka) {
    std::optional<std::string> start = typedTime(fields.starttid);
    Bokning row;
    row.signatur = normalisera(trim(fields.signatur));
    row.kommentar = trim(fields.kommentar);
    row.langd = decimalText(textvarde(fields.langd));
    row.dag = decimalText(static_cast<long long>(fields.valddag));
    row.starttid = start && inTheDay(*start) ? tidtext(tidslot(*start)) : std::string();
    row.objekt = normalisera(fields.objekt);
    row.vecka = vecka;
    return row;
}

namespace {

// The new row for the weeks `vecka`, checked, then added under the change sequence. With
// `original` it takes that booking's place; with `eachWeek` (or an original) every week
// of the field is scanned, otherwise the shown week.
ChangeResult addBooking(Program& program, const BookingFields& fields, ChangeEnvironment& env,
                        const std::string& vecka, const std::optional<Bokning>& original, bool eachWeek,
                        const char* logEvent = kEventBooked) {
    std::variant<Bokning, std::string> checked = newRow(program, fields, vecka);
    if (const std::string* refusal = std::get_if<std::string>(&checked)) {
        env.platform.messages.show(*refusal, kTitle, Icon::Exclamation);
        return ChangeResult::Refused;
    }
    const Bokning& booking = std::get<Bokning>(checked);
    int replaced = 0;
    ChangeSteps steps{
        [&](const Program& p, const Answers& answers) {
            if (!original && !eachWeek) {
                return scan(p, booking, answers);
            }
            // Each week of the field is checked, and a refusal names the week: it need not
            // be the one shown.
            std::vector<int> skip;
            if (original) {
                replaced = findBooking(p.bokningar, *original);
                if (replaced == 0) {
                    return Verdict::stop();
                }
                skip.push_back(replaced);
            }
            return scanRange(p.bokningar, booking, schoolWeeks(p, booking.vecka), skip, answers);
        },
        [&](Program& p, Messages& messages) {
            if (!appendRow(p.bokningar, booking, messages)) {
                return false;
            }
            if (replaced != 0) {
                p.bokningar.row(replaced).cancel();
            }
            return true;
        },
        [&](const Program& p) {
            if (replaced != 0) {
                return LoggedChange{kEventEdited, p.bokningar.row(replaced), booking};
            }
            return LoggedChange{logEvent, {}, booking};
        },
    };
    return runChange(kTitle, program, env, steps);
}

} // namespace

ChangeResult boka(Program& program, const BookingFields& fields, ChangeEnvironment& env,
                  const std::optional<Bokning>& original) {
    return addBooking(program, fields, env, weekFieldOf(program, original), original, false);
}

ChangeResult bookWeeks(Program& program, const BookingFields& fields, const WeekRange& weeks,
                       ChangeEnvironment& env) {
    return addBooking(program, fields, env, weekField(weeks), std::nullopt, true);
}

ChangeResult restoreBooking(Program& program, const Bokning& booking, ChangeEnvironment& env) {
    BookingFields fields;
    fields.objekt = booking.objekt;
    fields.viewKind =
        listed(program.settings.bokaobjekt, booking.objekt) && !listed(program.salar, booking.objekt)
            ? ViewKind::Annat
            : ViewKind::Salar;
    fields.valddag = static_cast<int>(roundHalfEven(textvarde(booking.dag)));
    fields.starttid = booking.starttid;
    fields.langd = booking.langd;
    fields.kommentar = booking.kommentar;
    fields.signatur = booking.signatur;
    return addBooking(program, fields, env, booking.vecka, std::nullopt, true, kEventRestored);
}

} // namespace tivra

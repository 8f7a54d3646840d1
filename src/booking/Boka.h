#pragma once
// "Boka": the booking fields become a new booking of the shown week, after every check,
// a reload of the booking file and a scan for bookings and lessons in the way.
#include "booking/ChangeSequence.h"
#include "booking/RangeChecks.h"
#include "config/Program.h"

#include <optional>
#include <string>

namespace tivra {

// What the window (or the command line) collected when "Boka" was pressed.
struct BookingFields {
    std::string objekt; // the object field (Combo1) as it stands, not trimmed
    ViewKind viewKind =
        ViewKind::Salar;   // the chosen kind: a room, another object, or a view that books nothing
    int valddag = 0;       // 1 = Monday .. 7 = Sunday; 0 = no day chosen
    std::string starttid;  // Text1, h.mm or hh.mm
    std::string langd;     // Text2, minutes
    std::string kommentar; // Text3
    std::string signatur;  // Text4
};

// The fields as a booking row stores them: the object and the signature normalised, the
// comment trimmed, the length as a plain number, the day as its number, the start time
// on the nearest five minutes as hh.mm (empty when it is no time of the form 9.00), and
// the week field `vecka` as given. Checks nothing else: `tivra cancel` reads its options
// through this too, so it finds what `tivra book` stored.
Bokning storedRow(const BookingFields& fields, const std::string& vecka);

// Why the start time, the length or the day cannot be booked, as "Boka" says it; nothing
// when they can.
std::optional<std::string> timeRefusal(const BookingFields& fields);

// Books the fields for the shown week (program.selection.valdvecka). Every refusal is an
// exclamation titled "Boka"; a lesson in the way is asked about, once per lesson. On
// Saved the booking is the last row of the table and in the file; the caller hides the
// marking and redraws, whatever the result (the rows were reloaded).
//
// With `original` (the booking "Redigera" took its fields from), the new booking takes
// its place: the original is removed and the new one added in the same change, under one
// lock and one save, and the original is no conflict of its own new version. The new
// booking keeps the original's week field, whatever week is shown, and is checked in
// every week of it as "Flera veckor" checks a range (booking period, bookings, lessons). A refusal
// leaves the original standing; when it is no longer in the file as it was (another
// workstation changed or removed it), nothing is written and nothing said, as "Avboka"
// does (Unchanged).
ChangeResult boka(Program& program, const BookingFields& fields, ChangeEnvironment& env,
                  const std::optional<Bokning>& original = std::nullopt);

// Books the fields as one booking over the weeks of the range (stored "45" or "45-47"),
// checked in every one of them as "Flera veckor" checks a range: a booking in the way in
// any week refuses the whole range, naming the week. For a script, which names its weeks
// instead of looking at the one shown.
ChangeResult bookWeeks(Program& program, const BookingFields& fields, const WeekRange& weeks,
                       ChangeEnvironment& env);

// "Återställ" in the history: books a booking the log holds (a removed one, or the
// original of an edit) again, with its own fields and week field, checked in every week
// of it as bookWeeks checks (a refusal when its time is taken now, the lesson question
// where a lesson stands). The log records it as "Återställt".
ChangeResult restoreBooking(Program& program, const Bokning& booking, ChangeEnvironment& env);

// "Angiven tid upptagen av lektion. Vill du ändå göra bokningen?"
inline constexpr const char* kLessonQuestion =
    "Angiven tid upptagen av lektion. Vill du \xE4nd\xE5 g\xF6ra bokningen?";

} // namespace tivra

#pragma once
// A booking period line: the object, one or more blanks, a week, and optionally a "-"
// and a second week, with blanks around the "-" or not ("DATASAL 36-39",
// "SAL 1 12 - 20", "DATOR VAGN 40"). The object is everything before the weeks, so
// "KANON 1 36-39" is a period of KANON 1 and never of KANON. The settings reader and the
// settings dialog read a line by this one rule.
#include <optional>
#include <string>
#include <string_view>

namespace tivra {

struct BookingPeriod {
    std::string objekt; // as the line has it: trimmed, not normalised
    long long forsta = 0;
    long long sista = 0; // forsta when the line names one week
    bool range = false;  // the line names two weeks
    // The weeks as a message names them: "36-39" or "40".
    std::string weeks() const;
};

// The period of a line; nothing when the line does not have the form.
std::optional<BookingPeriod> readPeriod(std::string_view line);

} // namespace tivra

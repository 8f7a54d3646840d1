#pragma once
// The options that name a booking's fields on the command line (`book`, `cancel`, `free`),
// and how they are read: strictly, for a script that cannot see what the window would
// have corrected. A week outside 1-53 or the booking period, a week that is no number, a
// day not in the day list, and a missing or empty --week or --day are refused.
#include "app/CommandOptions.h"
#include "booking/Boka.h"
#include "booking/RangeChecks.h"
#include "config/Program.h"
#include "config/Startup.h"
#include "core/Messages.h"

#include <optional>
#include <string>

namespace tivra {

inline constexpr OptionEntry kObjectOption{"object", "NAMN", "Salen, eller med --other det andra objektet."};
inline constexpr OptionEntry kOtherOption{"other", nullptr, "Objektet är inte en sal."};
inline constexpr OptionEntry kWeekOption{"week", "VECKA", "Veckan, 36, eller veckorna, 45-47 (se Veckor)."};
inline constexpr OptionEntry kDayOption{"day", "DAG", "Dagen: MÅN, TIS, ONS, TOR, FRE (LÖR, SÖN med helg)."};
inline constexpr OptionEntry kStartOption{"start", "TID", "Starttiden, till exempel 9.00."};
inline constexpr OptionEntry kLengthOption{"length", "MINUTER", "Längden i minuter."};
inline constexpr OptionEntry kSignatureOption{"signature", "SIGNATUR", "Din signatur."};
inline constexpr OptionEntry kCommentOption{"comment", "TEXT", "Kommentaren."};

// The fields and weeks the options name.
struct BookingRequest {
    BookingFields fields;
    WeekRange weeks; // school-year weeks, within the booking period
};

// The weeks of --week: "36" or "45-47", each a whole number from 1 to 53, a week below
// STARTVECKA in the next calendar year, all of them within the booking period; nothing
// for any other text.
std::optional<WeekRange> commandWeeks(const std::string& text, const Settings& settings);

// Reads the options into a request; nothing, after a message titled `title`, when a value
// cannot be stored or the week or the day is refused.
std::optional<BookingRequest> bookingRequest(const CommandOptions& options, const Program& program,
                                             const StartupView& view, Messages& messages, const char* title);

} // namespace tivra

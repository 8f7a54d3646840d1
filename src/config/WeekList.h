#pragma once
// The week lists of timetable lessons ("VECKOR: HT 2-4") in the form the views read.
#include <string>
#include <string_view>
#include <vector>

namespace tivra {

// The period names of the timetable (entries "HT=34-51") replaced by their weeks,
// after normalisera: "HT 2-4" becomes "34-51 2-4".
std::string ersattperioder(std::string_view text, const std::vector<std::string>& schemaperioder);

// Trimmed, runs of blanks cut to one, and blanks after a "-" removed; a blank before
// a "-" stays.
std::string tabortblanka(std::string_view text);

// The canonical week list: blanks cleaned by tabortblanka, and four-digit weeks with a
// positive value ("0834") cut to their last two digits.
std::string ordnaveckor(std::string_view text);

} // namespace tivra

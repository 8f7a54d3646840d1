#pragma once
// Names, words, clock times and lesson week lists, as the whole program reads them.

#include <optional>
#include <string>
#include <string_view>

namespace tivra {

// Upper case, the DOS-codepage letters repaired to Å, Ä, Ö, commas turned into blanks.
std::string normalisera(std::string_view text);

// The first word (ending at the first blank, or at an earlier comma) and the rest.
struct WordSplit {
    std::string ord1;
    std::string ordrest;
};
WordSplit delaord(std::string_view text);

// The slot (1 = 00.00, one per five minutes) as "hh.mm".
std::string tidtext(int slot);
// The slot of a time written hours, ".", minutes; 0 when the text has no "." after its
// first character.
int tidslot(std::string_view time);

bool isDigit(char c);
// A line break or another control character (below 32, DEL, or a byte the code page
// leaves undefined), which no stored field may hold (a line break would shift every
// later line of the file).
bool hasControlCharacter(std::string_view text);

// A time as a time field holds it, as hh.mm: trimmed, and "9.00" with the zero of an hour
// before ten added; nothing unless two digits stand on either side of the point, so
// "ab.cd" is no time (it would otherwise read as midnight).
std::optional<std::string> typedTime(std::string_view text);

// The text with one blank before and after, so that a search for " word " finds whole
// words only, the first and last included.
std::string blankPadded(std::string_view text);

// Whether a lesson with the week list `veckor` (calendar weeks; empty = every week)
// runs in the school-year week `week`.
bool gallervecka(int week, std::string_view veckor);

// Whether `word` stands in `text` between blanks or the ends of the text: the same as
// finding " " + word + " " in " " + text + " ", without building either. A lesson lists
// its rooms and teachers separated by blanks, so SAL 1 is found in "SAL 1 SAL 2" but not
// in "SAL 12".
bool containsWord(std::string_view text, std::string_view word);

} // namespace tivra

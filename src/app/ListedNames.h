#pragma once
// Names typed on the command line that name nothing: a script that misspells a room must
// hear of it, not get a printout or an export without it.
#include <string>
#include <vector>

namespace tivra {

// The words of `typed` (Windows-1252, names separated by blanks or commas, as the print
// dialog reads them) that belong to no entry of `list`, normalised; a name of several
// words ("DATORVAGN 2") covers all of them.
std::vector<std::string> unlistedNames(const std::string& typed, const std::vector<std::string>& list);

// Prints "Okänt objekt: NAMN" on standard error for each of `names`; true when there was
// none.
bool noUnknownObjects(const std::vector<std::string>& names);

} // namespace tivra

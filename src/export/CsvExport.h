#pragma once
// Occurrences as a table for spreadsheets: semicolons between the columns and UTF-8 with a
// byte-order mark, as a Swedish spreadsheet program opens a file without asking how.
#include "export/Occurrences.h"

#include <string>

namespace tivra {

// The header "Datum;Vecka;Dag;Start;Slut;Objekt;Signatur;Kommentar;Typ" and one row per
// occurrence, CR LF after each; a field with a separator, a quote or a line end is quoted.
std::string csvText(const std::vector<Occurrence>& occurrences);

} // namespace tivra

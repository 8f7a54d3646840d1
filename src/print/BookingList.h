#pragma once
// The running booking list of one object: week by week, day by day, one line per booking
// with its time, signature and comment. Lessons are not listed.
#include "print/Printout.h"

#include <string>

namespace tivra {

// Writes the list of `objekt` (as stored in the room or object list) for the school-year
// weeks forsta..sista from the current position on, which is the top of a fresh page.
// It makes pages of its own when one is full, but neither starts a page after its last
// line nor ends the document: the caller does both.
void skrivut(Printout& out, const std::string& objekt, int forsta, int sista);

} // namespace tivra

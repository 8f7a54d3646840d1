#pragma once
// Fitting text into the boxes of a printed week schedule, measured in the surface's
// current font.
#include "core/TextHelpers.h"
#include "print/PrintSurface.h"

#include <string>

namespace tivra {

// The text cut to fit the width: one proportional cut when it is too wide, no second
// check, no mark where it was cut.
std::string kortatext(PrintSurface& surface, const std::string& text, double width);

// The first printed line of the text that fits the width, and the rest. A CR LF in the
// text ends the line; a line too wide breaks at its last blank that fits, or, without
// one, just before the characters that do not fit. Both parts are trimmed of blanks.
Delat delarad(PrintSurface& surface, const std::string& text, double width);

} // namespace tivra

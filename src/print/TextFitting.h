#pragma once
// Fitting text into the boxes of a printed week schedule, measured in the surface's
// current font.
#include "core/TextHelpers.h"
#include "print/PrintSurface.h"

#include <string>

namespace tivra {

// The text cut to fit the width: one proportional cut when it is too wide, then a
// character at a time until it fits by measure; no mark where it was cut. The list, the
// schedule's boxes and the overview all cut with it.
std::string kortatext(PrintSurface& surface, const std::string& text, double width);

// The text cut to fit the width with "\x85" (an ellipsis) where it was cut; as it is when
// it fits, empty when not even the ellipsis does.
std::string shortenedName(PrintSurface& surface, const std::string& text, double width);

// The first printed line of the text that fits the width, and the rest. A CR LF in the
// text ends the line; a line too wide breaks at its last blank that fits, or, without
// one, just before the characters that do not fit. Both parts are trimmed of blanks.
WordSplit delarad(PrintSurface& surface, const std::string& text, double width);

} // namespace tivra

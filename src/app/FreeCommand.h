#pragma once
// `tivra free`: the rooms (with --other the other objects) free at a time, one per line in
// UTF-8, by the rules "Lediga salar" uses in the window; for --week A-B those free in
// every week of the range.
#include "app/CommandMode.h"

namespace tivra {

const CommandMode& freeMode();

} // namespace tivra

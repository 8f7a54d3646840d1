#pragma once
// Which list each kind of view picks its objects from: the rooms, the other bookable
// objects, the staff; the overview has none.
#include "config/Program.h"

#include <string>
#include <vector>

namespace tivra {

// The entries of the object field for a view kind.
const std::vector<std::string>& objectList(const Program& program, ViewKind viewKind);

// The entry chosen in the view on screen; nothing when none is chosen, or in the overview.
const std::string* chosenEntry(const Program& program);

} // namespace tivra

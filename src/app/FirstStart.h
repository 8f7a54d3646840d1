#pragma once
// The question of a first start, when nothing names a school. The default is to choose
// the school's shared folder; a private copy of the demo school is the second choice,
// meant for trying the program out. Either choice is remembered for the next starts.
#include "app/SchoolFinder.h"

namespace tivra {

// Asks until the user has a school or cancels; source None when cancelled.
FoundSchool askFirstStart(const SchoolPlaces& places);

} // namespace tivra

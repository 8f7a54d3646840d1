#pragma once
// The largest table the program holds: the 5555 bookings of a full booking file after as
// many lessons as leave room for them in the 20000 rows, over 200 rooms.
#include "config/Program.h"

namespace tivra::bench {

// Week 40 of a period 34..76, the first room chosen.
Program largestProgram();

} // namespace tivra::bench

#pragma once
// `tivra print`: the print dialog's "OK" from the command line, for printing every door
// schedule of the week from a script. The options mirror the dialog's controls. Without
// --weeks, the week start-up chose; with none of --lists, --schedules and --overview (the
// all-rooms week sheet), lists. A PDF appears whole or not at all; a name in --rooms or
// --objects that is no room or object refuses the printout.
#include "app/CommandMode.h"

namespace tivra {

const CommandMode& printMode();

} // namespace tivra

#pragma once
// `tivra check`: the start-up as the window runs it, every message on standard error and
// a summary of what was read on standard output. Exit status 0 when every stage read its
// files without a message, 1 when the program started with messages or a file of the
// timetable could not be read, 2 when start-up ended.
#include "app/CommandMode.h"

namespace tivra {

const CommandMode& checkMode();

} // namespace tivra

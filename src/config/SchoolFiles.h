#pragma once
// The school's own files, which no output the user names may overwrite: a PDF or an export
// written over the booking file or the timetable would destroy the school's data.
#include "config/Program.h"
#include "core/Disk.h"

#include <string>

namespace tivra {

// Whether `path` reaches one of the school's files: a booking file (the one of the settings,
// the one the settings dialog saved for the next start, the one open), its lock and the
// lock's helper files (".lock", ".lock." and anything), its temporary files (".tmp" and
// anything), its backup copies (any file in the backup folder, or beside the booking file
// when there is none), Tivra.ini, the room list, the timetable's files and the old object
// list. Both sides are resolved first (the current folder, links, "."/".."), and two names of
// one existing file count as the same; on Windows letter case does not count.
bool isSchoolFile(const Program& program, const std::string& path, Disk& disk);

// The refusal, naming the path as the user gave it.
std::string schoolFileRefusal(const std::string& path);

} // namespace tivra

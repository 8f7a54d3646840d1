#pragma once
// The folders a school can be in without being the school's shared one: the user's
// configuration folder (~/.config/tivra) and the demo school, shipped beside the program
// and copied for a user into ~/.local/share/tivra/demo-skola.
//
// A demo school is known by its marker file, demoskola.txt, which comes with the demo's
// files wherever they are copied: a window on it says that its bookings stay on this
// computer. A school that grew out of the demo loses the warning with the file.
#include <QString>

namespace tivra {

inline constexpr const char* kDemoMarker = "demoskola.txt";

// The configuration folder: ~/.config/tivra, or where the system puts it.
QString configSchoolFolder();

// The demo school shipped with the program, share/tivra/demo-skola beside the folder of
// the executable (an installation; a build links the same place to the sources).
QString demoSchoolFolder();

// Where a user's copy of the demo school lives: ~/.local/share/tivra/demo-skola.
QString demoCopyFolder();

// Copies the demo school's files into `folder`, made when missing; a file already there
// is kept. False when any file could not be copied.
bool copyDemoSchool(const QString& demo, const QString& folder);

// Whether `folder` is a demo school.
bool isDemoSchool(const QString& folder);

} // namespace tivra

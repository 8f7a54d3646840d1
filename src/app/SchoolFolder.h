#pragma once
// The folder a window started from the desktop menu works in. A menu starts the program
// without --dir, in the user's home folder, where no school lives: the program then takes
// the school in the user's configuration folder (~/.config/tivra/), and when there is none
// there either, asks once whether to make one from the demo school or to choose a folder
// that holds a Tivra.ini.
#include <QString>

namespace tivra {

// The configuration folder's school: ~/.config/tivra, or where the system puts it.
QString configSchoolFolder();

// The demo school shipped with the program: beside an installed program in
// share/tivra/demo-skola, or in the source tree of a build.
QString demoSchoolFolder();

// Copies the demo school's files into `folder`, made when missing; false when any file
// could not be copied.
bool copyDemoSchool(const QString& demo, const QString& folder);

// Moves into the school folder when the current folder holds no Tivra.ini, asking the
// user when it must. Stays where it is when the user declines.
void enterSchoolFolder();

} // namespace tivra

#pragma once
// Where the window finds its school (the folder with Tivra.ini), first source first:
//   1. the folder the command line named (--dir, a folder, a booking file's folder);
//   2. the environment variable TIVRA_DIR;
//   3. the user's own choice, "skolmapp" in ~/.config/tivra/tivra.conf;
//   4. the computer's, "skolmapp" in /etc/xdg/tivra/tivra.conf (the first tivra/tivra.conf
//      on XDG_CONFIG_DIRS that sets it), which a technician sets once for every user;
//   5. the current folder, when it holds a Tivra.ini;
//   6. ~/.config/tivra, when it holds a Tivra.ini (where earlier versions made the school).
// A source that names a folder (1 to 4) wins even when the folder holds no Tivra.ini: a
// school's share that is not mounted must show as a missing school, never quietly as
// another one. Nothing found leaves the first-start question.
#include <QString>
#include <QStringList>

namespace tivra {

enum class SchoolSource { Named, Environment, Remembered, SystemWide, CurrentFolder, ConfigFolder, None };

// Every place the search looks at, given rather than read so that the order is testable
// without a display or a real home folder.
struct SchoolPlaces {
    QString named;             // from the command line; empty when it named none
    QString environment;       // TIVRA_DIR's value
    QString userConfig;        // ~/.config/tivra: the user's tivra.conf and old school
    QStringList systemConfigs; // the tivra folders on XDG_CONFIG_DIRS, in its order
    QString currentFolder;
    QString demoShipped; // the demo school installed with the program
    QString demoCopy;    // where a user's copy of it goes: ~/.local/share/tivra/demo-skola
};

struct FoundSchool {
    SchoolSource source = SchoolSource::None;
    QString folder;
    QString confFile; // the tivra.conf that named the folder, for sources 3 and 4
};

// The places of this user and computer: the environment, the standard folders and the
// demo school beside the program; nothing named.
SchoolPlaces placesOfThisUser();

FoundSchool findSchool(const SchoolPlaces& places);

// How the school was found, in Swedish, for the about box.
QString foundBy(const FoundSchool& school);

// Whether `folder` holds a Tivra.ini.
bool holdsSchool(const QString& folder);

// The user's tivra.conf in `userConfig`.
QString userConfFile(const QString& userConfig);

// A folder the user chose: remembered as the school of the next starts, and first among
// the recent schools. False when the file could not be written.
bool rememberChosen(const QString& userConfig, const QString& folder);
// A folder the window opened: first among the recent schools (at most four).
void rememberUsed(const QString& userConfig, const QString& folder);
QStringList recentSchools(const QString& userConfig);

} // namespace tivra

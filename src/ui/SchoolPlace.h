#pragma once
// What the window knows of its school beyond the files in it: where it was found (for the
// about box), whether it is a demo school, a booking file to open in place of the
// settings' own, the schools used lately, and how to start over on another school.
#include <QString>
#include <QStringList>

#include <functional>

namespace tivra {

// Title and status line of a window on a demo school.
inline constexpr const char* kDemoNotice =
    "Demoskola \x96 bokningarna h\xE4r syns bara p\xE5 den h\xE4r datorn";

struct SchoolPlace {
    QString folder;  // empty: the current folder, nothing more known
    QString foundBy; // how the folder was found, in words
    bool demo = false;
    QString bookingFile; // opened in place of the settings' booking file; empty for theirs
    QStringList recent;  // the last schools used, newest first
    // Starts the window over on another school's folder; unset where the window cannot.
    std::function<void(const QString& folder)> change;
};

} // namespace tivra

#pragma once
// What the command line tells the window about where to start.
//   tivra [--dir FOLDER]      the school in FOLDER
//   tivra FOLDER              the same, as a file manager passes it
//   tivra FILE.bok            the school of the file's folder, with that booking file open
#include <QString>

namespace tivra {

struct WindowStart {
    // The school's folder the command line named; empty when it named none and the
    // program looks for the school itself.
    QString folder;
    // A booking file the command line named, opened in place of the settings' own; empty
    // for the settings' file.
    QString bookingFile;
};

} // namespace tivra

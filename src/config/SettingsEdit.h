#pragma once
// The settings dialog without its window: the fields it fills from the running settings,
// and its save, which checks them one by one, takes each value over as soon as it is
// checked, and writes Tivra.ini whole.
#include "config/Settings.h"
#include "core/Disk.h"
#include "core/Messages.h"

#include <string>

namespace tivra {

// The dialog's fields as text, Windows-1252; the two lists one entry a line, CR LF
// between lines.
struct SettingsFields {
    std::string schema;        // Text1(0)
    std::string backup;        // Text1(1)
    std::string bokningsfil;   // Text1(2)
    std::string starttid;      // Text1(3)
    std::string sluttid;       // Text1(4)
    std::string startvecka;    // Text1(5)
    std::string slutvecka;     // Text1(6), a calendar week
    bool helg = false;         // Check1
    std::string perioder;      // Text2
    std::string skola;         // Text3
    std::string font1;         // Text4
    std::string font2;         // Text5
    std::string linjebredd;    // Text6
    std::string toning;        // Text7
    std::string toninglektion; // Text9
    std::string objekt;        // Text8
};

// What the dialog shows of the running settings.
SettingsFields settingsFields(const Settings& running);

enum class SettingsSaved {
    Saved,      // taken over and written; the user is told to restart
    Refused,    // a field was refused with its message; the dialog stays open
    NotWritten, // taken over, but Tivra.ini could not be written; the old file is whole
};

// Checks the fields in order and takes each value over into `running` once checked; a
// refusal keeps what was taken over before it. Creates a named booking file that does
// not exist yet, then writes Tivra.ini at `path`. Every message is shown here.
SettingsSaved saveSettings(const SettingsFields& fields, Settings& running, Disk& disk, Messages& messages,
                           const std::string& path = kSettingsFile);

} // namespace tivra

#pragma once
// The settings of Tivra.ini, with their built-in defaults.
#include "core/Disk.h"

#include <string>
#include <string_view>
#include <vector>

namespace tivra {

inline constexpr int kMaxBokaobjekt = 200;
inline constexpr int kMaxPerioder = 100;

struct Settings {
    std::string schemafil;               // SCHEMA:  (without extension after start-up)
    std::string objektfil;               // BOKNINGSOBJEKT:
    std::string bokningsfil;             // BOKNINGSFIL:
    std::string backupmapp;              // BACKUP:  (with its trailing separator after start-up)
    std::vector<std::string> bokaobjekt; // BOKA:, normalised, at most 200
    int starttimme = 8;
    int sluttimme = 16;
    int startvecka = 1;
    int slutvecka = 52;
    int helg = 0;
    std::vector<std::string> perioder; // PERIOD:, normalised, at most 100
    std::string skola;
    std::string font1 = "Arial";
    std::string font2 = "Times New Roman";
    int linjebredd = 4;
    int toning = 230;
    int toninglektion = 245;
};

// The settings file is opened by its bare name, in the current folder of the process.
inline constexpr const char* kSettingsFile = "Tivra.ini";

enum class SettingsRead {
    Missing,  // no file, or it could not be read: every setting kept its value
    Complete, // read to its end
    Stopped,  // an error stopped the reading at one line; the lines before it count
};

// Reads the lines of a settings file into `settings`, which holds the defaults (or
// earlier values) that lines without a key leave alone. BOKA: and PERIOD: values are
// normalised and appended to their lists; an empty one is skipped.
SettingsRead readSettings(std::string_view bytes, Settings& settings);
// The same from the file.
SettingsRead readSettingsFile(Disk& disk, Settings& settings, const std::string& path = kSettingsFile);

// The whole file as the settings dialog writes it, CR LF line ends.
std::string settingsText(const Settings& settings);
// Rewrites the file through a temporary file beside it; false when it could not be written.
bool writeSettingsFile(const Settings& settings, Disk& disk, const std::string& path = kSettingsFile);

} // namespace tivra

#include "config/Settings.h"

#include "core/FileReplace.h"
#include "core/Lines.h"
#include "core/Number.h"
#include "core/Text1252.h"
#include "core/TextHelpers.h"

#include <array>
#include <cstddef>

namespace tivra {
namespace {

// How the value after a key is taken.
enum class Take {
    Text,    // the rest of the line, trimmed
    List,    // trimmed and normalised, appended to a list of limited length
    Whole,   // the whole part of the number, as a 16-bit integer
    Rounded, // the number rounded to an integer, halves to even, as a 16-bit integer
    Flag,    // rounded like Rounded; anything but 1 means off
};

struct Key {
    std::string_view name;
    Take take;
    std::string Settings::*text = nullptr;
    int Settings::*number = nullptr;
    std::vector<std::string> Settings::*list = nullptr;
    std::size_t limit = 0;
};

constexpr Key textKey(std::string_view name, std::string Settings::*field) {
    return {name, Take::Text, field, nullptr, nullptr, 0};
}
constexpr Key numberKey(std::string_view name, Take take, int Settings::*field) {
    return {name, take, nullptr, field, nullptr, 0};
}
constexpr Key listKey(std::string_view name, std::vector<std::string> Settings::*field, int limit) {
    return {name, Take::List, nullptr, nullptr, field, static_cast<std::size_t>(limit)};
}

// Tried in this order against every line. No key is a prefix of another, so a line
// matches one key at most: "TONING:" needs the colon where "TONING LEKTION:" has a blank,
// and "BOKA:" needs the colon where "BOKNINGSOBJEKT:" goes on with letters.
const std::array<Key, 17>& keyTable() {
    static const std::array<Key, 17> table{{
        textKey("SCHEMA:", &Settings::schemafil),
        textKey("BOKNINGSOBJEKT:", &Settings::objektfil),
        textKey("BOKNINGSFIL:", &Settings::bokningsfil),
        textKey("BACKUP:", &Settings::backupmapp),
        listKey("BOKA:", &Settings::bokaobjekt, kMaxBokaobjekt),
        numberKey("STARTTID:", Take::Whole, &Settings::starttimme),
        numberKey("SLUTTID:", Take::Whole, &Settings::sluttimme),
        numberKey("STARTVECKA:", Take::Whole, &Settings::startvecka),
        numberKey("SLUTVECKA:", Take::Whole, &Settings::slutvecka),
        numberKey("HELG:", Take::Flag, &Settings::helg),
        listKey("PERIOD:", &Settings::perioder, kMaxPerioder),
        textKey("SKOLA:", &Settings::skola),
        textKey("FONT1:", &Settings::font1),
        textKey("FONT2:", &Settings::font2),
        numberKey("LINJEBREDD:", Take::Rounded, &Settings::linjebredd),
        numberKey("TONING:", Take::Rounded, &Settings::toning),
        numberKey("TONING LEKTION:", Take::Rounded, &Settings::toninglektion),
    }};
    return table;
}

// Stores the value of one key; false when the value is an error that stops the reading.
bool store(const Key& key, std::string_view value, Settings& settings) {
    switch (key.take) {
    case Take::Text:
        settings.*key.text = trim(value);
        return true;
    case Take::List: {
        std::string entry = normalisera(trim(value));
        if (entry.empty()) {
            // An empty name would be an object nobody can choose, or a period of nothing.
            return true;
        }
        auto& list = settings.*key.list;
        if (list.size() >= key.limit) {
            return false;
        }
        list.push_back(std::move(entry));
        return true;
    }
    case Take::Whole:
    case Take::Rounded:
    case Take::Flag: {
        double number = textvarde(value);
        auto fitted = int16Of(key.take == Take::Whole ? wholePart(number) : roundHalfEven(number));
        if (!fitted) {
            return false;
        }
        int n = *fitted;
        // Weekends are either shown or not; any other value would ask for more day columns.
        settings.*key.number = key.take == Take::Flag ? (n == 1 ? 1 : 0) : n;
        return true;
    }
    }
    return true;
}

// False when the line's value stops the reading.
bool readLine(std::string_view line, Settings& settings) {
    for (const Key& key : keyTable()) {
        if (line.starts_with(key.name)) {
            return store(key, line.substr(key.name.size()), settings);
        }
    }
    return true;
}

void appendLine(std::string& out, std::string_view key, std::string_view value) {
    out += key;
    out += value;
    out += "\r\n";
}

std::string number(int value) {
    return printForm(static_cast<long long>(value));
}

} // namespace

SettingsRead readSettings(std::string_view bytes, Settings& settings) {
    LineCursor lines(bytes);
    std::string_view line;
    while (lines.next(line)) {
        if (!readLine(line, settings)) {
            return SettingsRead::Stopped;
        }
    }
    return SettingsRead::Complete;
}

SettingsRead readSettingsFile(Disk& disk, Settings& settings, const std::string& path) {
    auto bytes = disk.readAll(path);
    if (!bytes) {
        return SettingsRead::Missing;
    }
    return readSettings(*bytes, settings);
}

std::string settingsText(const Settings& s) {
    std::string out;
    if (!s.schemafil.empty()) {
        appendLine(out, "SCHEMA: ", s.schemafil);
    }
    if (!s.bokningsfil.empty()) {
        appendLine(out, "BOKNINGSFIL: ", s.bokningsfil);
    }
    appendLine(out, "STARTTID: ", number(s.starttimme));
    appendLine(out, "SLUTTID: ", number(s.sluttimme));
    appendLine(out, "STARTVECKA: ", number(s.startvecka));
    appendLine(out, "SLUTVECKA: ", number(s.slutvecka));
    appendLine(out, "SKOLA: ", s.skola);
    appendLine(out, "BACKUP: ", s.backupmapp);
    appendLine(out, "FONT1: ", s.font1);
    appendLine(out, "FONT2: ", s.font2);
    appendLine(out, "LINJEBREDD: ", number(s.linjebredd));
    appendLine(out, "TONING: ", number(s.toning));
    appendLine(out, "TONING LEKTION: ", number(s.toninglektion));
    appendLine(out, "HELG: ", number(s.helg == 1 ? 1 : 0));
    for (const auto& period : s.perioder) {
        appendLine(out, "PERIOD: ", period);
    }
    for (const auto& objekt : s.bokaobjekt) {
        appendLine(out, "BOKA: ", objekt);
    }
    // A legacy object-list file is never named again: saving moves its objects into BOKA:.
    return out;
}

bool writeSettingsFile(const Settings& settings, Disk& disk, const std::string& path) {
    return writeWhole(disk, path, settingsText(settings)).outcome == WriteOutcome::Written;
}

} // namespace tivra

#include "config/SettingsEdit.h"

#include "config/BookingPeriod.h"
#include "core/FileNames.h"
#include "core/Number.h"
#include "core/Path.h"
#include "core/Text1252.h"
#include "core/TextHelpers.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace tivra {
namespace {

constexpr const char* kTitle = "Tivra.ini";
constexpr const char* kPeriodTitle = "Redigera Tivra.ini";

std::string plain(int value) {
    return trim(printForm(static_cast<long long>(value)));
}

std::string joinedLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += (text.empty() ? "" : "\r\n") + line;
    }
    return text;
}

// The non-empty lines of a box, each trimmed.
std::vector<std::string> linesOf(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at <= text.size()) {
        std::size_t end = std::min(text.find_first_of("\r\n", at), text.size());
        std::string line = trim(text.substr(at, end - at));
        if (!line.empty()) {
            lines.push_back(std::move(line));
        }
        if (end == text.size()) {
            break;
        }
        at = end + 1;
    }
    return lines;
}

int whole(const std::string& text) {
    return static_cast<int>(std::clamp<long long>(wholePart(textvarde(text)), -100000, 100000));
}

// A rounded setting brought into [low, high]; `otherwise` when it rounds to 0.
int rounded(const std::string& text, int low, int high, int otherwise) {
    long long value = roundHalfEven(textvarde(text));
    return value == 0 ? otherwise : static_cast<int>(std::clamp<long long>(value, low, high));
}

class Save {
  public:
    Save(Settings& running, Disk& disk, Messages& messages) : s_(running), disk_(disk), messages_(messages) {}

    bool refuse(const char* text, const char* title = kTitle) {
        messages_.show(text, title, Icon::Exclamation);
        return false;
    }

    // More lines than the lists hold refuse the save before anything is taken over.
    bool listsFit(const SettingsFields& f) {
        if (linesOf(f.perioder).size() > static_cast<std::size_t>(kMaxPerioder)) {
            return refuse("H\xF6gst 100 bokningsperioder.");
        }
        if (linesOf(normalisera(f.objekt)).size() > static_cast<std::size_t>(kMaxBokaobjekt)) {
            return refuse("H\xF6gst 200 bokningsobjekt.");
        }
        return true;
    }

    bool files(const SettingsFields& f) {
        s_.schemafil = utantillagg(trim(f.schema));
        std::string name = trim(f.bokningsfil);
        if (!name.empty()) {
            name = withBookingExtension(name);
            if (name != s_.bokningsfil && !disk_.exists(name) && disk_.createNew(name, "Antal: 0\r\n", {})) {
                messages_.show("Kan inte skapa bokningsfilen " + name + ".", kTitle, Icon::Exclamation);
                return false;
            }
        }
        s_.bokningsfil = name;
        s_.backupmapp = trim(f.backup);
        return true;
    }

    bool hours(const SettingsFields& f) {
        int start = whole(f.starttid);
        int end = whole(f.sluttid);
        if (!(0 <= start && start < end && end <= 24)) {
            return refuse("Ange giltiga tider.");
        }
        s_.starttimme = start;
        s_.sluttimme = end;
        return true;
    }

    bool weeks(const SettingsFields& f) {
        int first = whole(f.startvecka);
        int last = whole(f.slutvecka);
        if (!(1 <= first && first <= 52 && 1 <= last && last <= 52)) {
            return refuse("Ange giltiga veckor.");
        }
        s_.startvecka = first;
        s_.slutvecka = last < first ? last + 52 : last;
        return true;
    }

    // Each line taken over as typed once it reads as a period within one calendar year.
    bool periods(const SettingsFields& f) {
        s_.perioder.clear();
        for (const std::string& line : linesOf(f.perioder)) {
            std::optional<BookingPeriod> period = readPeriod(line);
            if (!period) {
                return refuse("Ange perioder i formen objekt startvecka-slutvecka.", kPeriodTitle);
            }
            if (!(1 <= period->forsta && period->forsta <= 52 && period->forsta <= period->sista &&
                  period->sista <= 52)) {
                return refuse("Ange giltiga veckor f\xF6r perioden.", kPeriodTitle);
            }
            s_.perioder.push_back(line);
        }
        return true;
    }

    void printouts(const SettingsFields& f) {
        s_.skola = trim(f.skola);
        s_.font1 = trim(f.font1);
        s_.font2 = trim(f.font2);
        s_.linjebredd = rounded(f.linjebredd, -32768, 32767, 4);
        s_.toning = rounded(f.toning, 100, 255, 100);
        s_.toninglektion = rounded(f.toninglektion, 100, 255, 100);
    }

    void objects(const SettingsFields& f) { s_.bokaobjekt = linesOf(normalisera(f.objekt)); }

  private:
    Settings& s_;
    Disk& disk_;
    Messages& messages_;
};

} // namespace

SettingsFields settingsFields(const Settings& s) {
    SettingsFields f;
    f.schema = s.schemafil;
    f.backup = s.backupmapp;
    f.bokningsfil = s.bokningsfil;
    f.starttid = plain(s.starttimme);
    f.sluttid = plain(s.sluttimme);
    f.startvecka = plain(s.startvecka);
    f.slutvecka = plain(s.slutvecka > 52 ? s.slutvecka - 52 : s.slutvecka);
    f.helg = s.helg == 1;
    f.perioder = joinedLines(s.perioder);
    f.skola = s.skola;
    f.font1 = s.font1;
    f.font2 = s.font2;
    f.linjebredd = plain(s.linjebredd);
    f.toning = plain(s.toning);
    f.toninglektion = plain(s.toninglektion);
    f.objekt = joinedLines(s.bokaobjekt);
    return f;
}

SettingsSaved saveSettings(const SettingsFields& f, Settings& running, Disk& disk, Messages& messages,
                           const std::string& path) {
    Save save(running, disk, messages);
    if (!save.listsFit(f) || !save.files(f) || !save.hours(f) || !save.weeks(f)) {
        return SettingsSaved::Refused;
    }
    running.helg = f.helg ? 1 : 0;
    if (!save.periods(f)) {
        return SettingsSaved::Refused;
    }
    save.printouts(f);
    save.objects(f);
    if (!writeSettingsFile(running, disk, path)) {
        messages.show("Kunde inte spara Tivra.ini", "Spara Tivra.ini", Icon::Exclamation);
        return SettingsSaved::NotWritten;
    }
    messages.show("Tivra.ini sparad. Starta om programmet f\xF6r att ta v\xE4rdena i bruk.",
                  "Redigera ini-fil", Icon::Information);
    return SettingsSaved::Saved;
}

} // namespace tivra

// Arkiv "Exportera...": what the grid shows, over the booking period, into a calendar or
// spreadsheet file. The rules are in export/; the window asks for the file.
#include "ui/Form1.h"

#include "config/SchoolFiles.h"
#include "core/FileReplace.h"
#include "core/TextHelpers.h"
#include "export/CsvExport.h"
#include "export/IcsExport.h"

#include <ctime>

namespace tivra {

void Form1::Arkiv_exportera_Click() {
    constexpr const char kTitle[] = "Exportera";
    std::optional<ExportChoice> choice = shownChoice(program_);
    if (!choice) {
        platform_.messages.show("V\xE4lj en sal, ett objekt eller en person.", kTitle, Icon::Exclamation);
        return;
    }
    std::string name = platform_.messages.saveFileName("", "Kalender|*.ics|Kalkylblad|*.csv");
    if (name.empty()) {
        return;
    }
    const std::string lower = normalisera(name);
    const bool csv = lower.ends_with(".CSV");
    if (!csv && !lower.ends_with(".ICS")) {
        name += ".ics";
    }
    if (isSchoolFile(program_, name, platform_.disk)) {
        platform_.messages.show(schoolFileRefusal(name), kTitle, Icon::Exclamation);
        return;
    }
    std::vector<Occurrence> found = occurrences(program_, *choice, platform_.clock.today());
    const std::string text = csv ? csvText(found) : icsText(found, std::time(nullptr));
    if (const std::string why = writeOutputFile(platform_.disk, name, text); !why.empty()) {
        platform_.messages.show("Filen " + name + " kunde inte skrivas. " + why, kTitle, Icon::Exclamation);
        return;
    }
    tell("Exporterat till " + name);
}

} // namespace tivra

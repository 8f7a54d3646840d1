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
    // The file types in the dialog's order; the chosen one decides the format.
    const SaveChoice chosen = platform_.messages.saveFile("", "Kalender|*.ics|Kalkylblad|*.csv");
    if (chosen.name.empty()) {
        return;
    }
    const bool csv = chosen.filter == 1;
    const std::string extension = csv ? ".csv" : ".ics";
    std::string name = chosen.name;
    if (!normalisera(name).ends_with(normalisera(extension))) {
        name += extension;
    }
    if (isSchoolFile(program_, name, platform_.disk)) {
        platform_.messages.show(schoolFileRefusal(name), kTitle, Icon::Exclamation);
        return;
    }
    if (platform_.disk.exists(name) &&
        !platform_.messages.ask(name + " finns redan. Vill du ers\xE4tta filen?", kTitle)) {
        return;
    }
    std::vector<Occurrence> found = occurrences(program_, *choice, platform_.clock.today());
    const std::string text = csv ? csvText(found) : icsText(found, std::time(nullptr));
    if (const std::string why = writeWhole(platform_.disk, name, text, std::nullopt, kOutputFile).reason;
        !why.empty()) {
        platform_.messages.show("Filen " + name + " kunde inte skrivas. " + why, kTitle, Icon::Exclamation);
        return;
    }
    tell("Exporterat till " + name);
}

} // namespace tivra

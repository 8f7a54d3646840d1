#include "app/CommandHelp.h"

#include <algorithm>
#include <string_view>
#include <utility>

namespace tivra {
namespace {

using Lines = std::vector<std::pair<std::string, std::string>>;

// Two columns, the second one aligned; a text in UTF-8 counts its letters, not its bytes.
std::string columns(const Lines& lines) {
    auto width = [](std::string_view text) {
        return std::ranges::count_if(text,
                                     [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
    };
    long wide = 0;
    for (const auto& [left, right] : lines) {
        wide = std::max(wide, static_cast<long>(width(left)));
    }
    std::string out;
    for (const auto& [left, right] : lines) {
        out += "  ";
        out += left;
        out.append(static_cast<std::size_t>(wide - width(left) + 3), ' ');
        out += right;
        out += '\n';
    }
    return out;
}

std::string optionName(const OptionEntry& option) {
    std::string name = std::string("--") + option.name;
    return option.valueName != nullptr ? name + ' ' + option.valueName : name;
}

std::string optionLines(const std::vector<OptionEntry>& options) {
    Lines lines;
    for (const OptionEntry& option : options) {
        lines.emplace_back(optionName(option), option.help);
    }
    return columns(lines);
}

constexpr const char kStarts[] =
    "Användning\n"
    "  tivra [--dir MAPP]               fönstret, i aktuell mapp eller i MAPP\n"
    "  tivra MAPP                       fönstret, i MAPP\n"
    "  tivra FIL.bok                    fönstret, i filens mapp, med den bokningsfilen\n"
    "  tivra [flaggor] LÄGE [flaggor]   ett läge, utan fönster och utan skärm\n"
    "\n"
    "Lägena läser skolan som fönstret gör vid start, i aktuell mapp eller i --dir MAPP.\n"
    "Flaggorna får stå före eller efter läget. En flagga som läget inte har, ett värde som\n"
    "saknas eller ett ord som varken är ett läge, en fil eller en mapp stoppar programmet\n"
    "innan det läser något (slutstatus 2).\n";

constexpr const char kWeeks[] =
    "Veckor\n"
    "  I book, cancel och free är --week ett veckonummer, 36, eller ett intervall, 45-47.\n"
    "  Varje vecka är ett heltal 1-53; en vecka före STARTVECKA i Tivra.ini hör till nästa\n"
    "  kalenderår, och alla veckor ska ligga i bokningsperioden (STARTVECKA-SLUTVECKA).\n"
    "  Något annat, eller en tom eller saknad --week, ger \"Ange vecka/veckor.\" och\n"
    "  slutstatus 1: kommandoraden rättar aldrig en vecka, som fönstrets veckoruta gör.\n"
    "  Ett intervall kontrolleras vecka för vecka och sparas som en bokning, som \"Flera\n"
    "  veckor\" gör; är en vecka upptagen nekas hela intervallet. cancel --week 45-47\n"
    "  avbokar en sådan bokning.\n"
    "  --day ska vara en dag i dagslistan (MÅN-FRE, med helg även LÖR och SÖN); en tom,\n"
    "  saknad eller okänd dag ger \"Ange giltig veckodag.\" och slutstatus 1.\n"
    "  --weeks i print och export läses som utskriftsdialogens veckoruta: 36 eller 46-8.\n";

constexpr const char kStatuses[] =
    "Slutstatus\n"
    "  0   Klart. check: varje steg i starten läste sina filer utan meddelande.\n"
    "  1   Nekat: bokningen, avbokningen, utskriften eller exporten gjordes inte och\n"
    "      inget skrevs (ett okänt namn i --rooms, --objects eller --person också).\n"
    "      check: programmet startade, men med meddelanden.\n"
    "  2   Fel på kommandoraden, eller starten avslutade programmet.\n";

} // namespace

std::string helpText(const std::vector<const CommandMode*>& modes) {
    std::string out = kStarts;
    Lines summaries;
    for (const CommandMode* mode : modes) {
        summaries.emplace_back(mode->name, mode->summary);
    }
    out += "\nLägen\n" + columns(summaries);
    std::vector<OptionEntry> common = commonOptions();
    common.push_back({"help", nullptr, "Den här hjälpen."});
    common.push_back({"version", nullptr, "Programmets version."});
    out += "\nFlaggor för alla lägen\n" + optionLines(common);
    for (const CommandMode* mode : modes) {
        out += std::string("\nLäget ") + mode->name + "\n  tivra " + mode->name;
        out += (*mode->usage != '\0' ? std::string(" ") + mode->usage : std::string()) + '\n';
        out += mode->options.empty() ? std::string("  (inga egna flaggor)\n") : optionLines(mode->options);
    }
    return out + '\n' + kWeeks + '\n' + kStatuses;
}

} // namespace tivra

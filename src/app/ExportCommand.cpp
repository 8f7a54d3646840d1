#include "app/ExportCommand.h"

#include "app/CommandLine.h"
#include "app/CommandOptions.h"
#include "app/ConsoleMessages.h"
#include "config/ObjectLists.h"
#include "core/Disk.h"
#include "core/FileReplace.h"
#include "core/Text1252.h"
#include "core/TextHelpers.h"
#include "export/CsvExport.h"
#include "export/IcsExport.h"
#include "print/PrintPlan.h"

#include <ctime>
#include <iostream>
#include <optional>

namespace tivra {
namespace {

constexpr int kWritten = 0;
constexpr int kRefused = 1;
constexpr const char kTitle[] = "Exportera";

std::optional<std::string> bytesOf(const QCommandLineParser& parser, const QCommandLineOption& option) {
    return optionBytes(parser, option, "bokningsfilen inte kan lagra");
}

// Who or what the file is about, from --object or --person; nothing, after a message,
// when it names nothing the lists hold.
std::optional<ExportChoice> subject(const QCommandLineParser& parser, const ExportOptions& o,
                                    const BookOptions& b, const Program& program, Messages& messages) {
    ExportChoice choice;
    std::optional<std::string> object = bytesOf(parser, b.object);
    std::optional<std::string> person = bytesOf(parser, o.person);
    if (!object || !person) {
        return std::nullopt;
    }
    if (!person->empty()) {
        choice.person = normalisera(trim(*person));
        return choice;
    }
    const bool other = parser.isSet(b.other);
    choice.objekt = normalisera(*object);
    if (!listed(other ? program.settings.bokaobjekt : program.salar, choice.objekt)) {
        messages.show(other ? "V\xE4lj bokningsobjekt." : "V\xE4lj sal.", kTitle, Icon::Exclamation);
        return std::nullopt;
    }
    return choice;
}

} // namespace

ExportOptions::ExportOptions()
    : ics(flag("ics", "Exportera som kalender (iCalendar).")),
      csv(flag("csv", "Exportera som kalkylblad (CSV).")),
      person(QStringLiteral("person"), QString::fromUtf8("Personens signatur."), QStringLiteral("SIGNATUR")),
      lessons(flag("lessons", "Ta med lektionerna.")),
      out(QStringLiteral("out"), QString::fromUtf8("Filen att skriva."), QStringLiteral("FIL")) {}

void ExportOptions::addTo(QCommandLineParser& parser) const {
    for (const QCommandLineOption* option : {&ics, &csv, &person, &lessons, &out}) {
        parser.addOption(*option);
    }
}

int runFileExport(const QCommandLineParser& parser, const ExportOptions& options, const BookOptions& book,
                  const PrintOptions& print, const QString& outPath) {
    if (parser.isSet(options.ics) == parser.isSet(options.csv) ||
        parser.isSet(book.object) == parser.isSet(options.person)) {
        std::cerr << "Ange --ics eller --csv, och --object eller --person.\n";
        return kStartupEnded;
    }
    Program program;
    ConsoleMessages messages(std::cerr);
    if (!loadForCommandLine(program, messages)) {
        return kStartupEnded;
    }
    if (!outPath.isEmpty()) {
        const std::string refusal = schoolFileRefusalFor(program, outPath, parser.value(options.out));
        if (!refusal.empty()) {
            messages.show(refusal, kTitle, Icon::Exclamation);
            return kRefused;
        }
    }
    std::optional<ExportChoice> choice = subject(parser, options, book, program, messages);
    if (!choice) {
        return kRefused;
    }
    choice->forstavecka = program.settings.startvecka;
    choice->sistavecka = program.settings.slutvecka;
    if (parser.isSet(print.weeks)) {
        std::optional<PrintPlan> weeks =
            printWeeks(fromUtf8(parser.value(print.weeks).toStdString()).value_or(""),
                       program.settings.startvecka, messages);
        if (!weeks) {
            return kRefused;
        }
        choice->forstavecka = weeks->forstavecka;
        choice->sistavecka = weeks->sistavecka;
    }
    choice->lessons = parser.isSet(options.lessons);
    std::vector<Occurrence> found = occurrences(program, *choice, SystemClock().today());
    const std::string text = parser.isSet(options.ics) ? icsText(found, std::time(nullptr)) : csvText(found);
    if (outPath.isEmpty()) {
        std::cout << text << std::flush;
        return kWritten;
    }
    RealDisk disk;
    std::string path = fromUtf8(outPath.toStdString()).value_or("");
    const std::string why = path.empty() ? std::string(kUnnamableFile) : writeOutputFile(disk, path, text);
    if (!why.empty()) {
        messages.show("Filen " + path + " kunde inte skrivas. " + why, kTitle, Icon::Exclamation);
        return kRefused;
    }
    return kWritten;
}

} // namespace tivra

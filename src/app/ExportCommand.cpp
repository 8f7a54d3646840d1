#include "app/ExportCommand.h"

#include "app/BookingArguments.h"
#include "app/OutputFile.h"
#include "app/ReadRunner.h"
#include "app/StateReport.h"
#include "config/ObjectLists.h"
#include "core/Text1252.h"
#include "core/TextHelpers.h"
#include "export/CsvExport.h"
#include "export/IcsExport.h"
#include "print/PrintPlan.h"
#include "view/Choice.h"

#include <QJsonDocument>

#include <algorithm>
#include <ctime>
#include <iostream>
#include <optional>

namespace tivra {
namespace {

constexpr const char kTitle[] = "Exportera";

// Whether the signature is someone's: on the staff list, or on a booking or a lesson.
bool knownPerson(const Program& program, const std::string& person) {
    if (findStaff(program.timetable.personal, person) != 0) {
        return true;
    }
    const BookingTable& table = program.bokningar;
    for (int r = 1; r <= table.antalrader; ++r) {
        const Bokning& row = table.row(r);
        if (table.isLesson(r) ? containsWord(row.larare, person) : row.signatur == person) {
            return true;
        }
    }
    return false;
}

// Who or what the file is about, from --object or --person; nothing, after a message,
// when it names nothing the lists hold.
std::optional<ExportChoice> subject(const CommandOptions& o, const Program& program, Messages& messages) {
    std::optional<std::string> object = o.bytes("object");
    std::optional<std::string> person = o.bytes("person");
    if (!object || !person) {
        return std::nullopt;
    }
    ExportChoice choice;
    if (o.isSet("person")) {
        choice.person = normalisera(trim(*person));
        if (choice.person.empty() || !knownPerson(program, choice.person)) {
            std::cerr << toUtf8("Ok\xE4nd person: " + choice.person) << '\n';
            return std::nullopt;
        }
        return choice;
    }
    const bool other = o.isSet("other");
    choice.objekt = normalisera(*object);
    if (!listed(other ? program.settings.bokaobjekt : program.salar, choice.objekt)) {
        messages.show(other ? "V\xE4lj bokningsobjekt." : "V\xE4lj sal.", kTitle, Icon::Exclamation);
        return std::nullopt;
    }
    return choice;
}

// The weeks of --weeks, or the whole booking period.
bool readWeeksInto(const CommandOptions& o, const Program& program, Messages& messages,
                   ExportChoice& choice) {
    choice.firstWeek = program.settings.startvecka;
    choice.lastWeek = program.settings.slutvecka;
    if (!o.isSet("weeks")) {
        return true;
    }
    std::optional<std::string> typed = o.bytes("weeks");
    std::optional<PrintPlan> weeks =
        typed ? printWeeks(*typed, program.settings.startvecka, messages, kTitle) : std::nullopt;
    if (!weeks) {
        return false;
    }
    choice.firstWeek = weeks->firstWeek;
    choice.lastWeek = weeks->lastWeek;
    return true;
}

// The text to standard output, or to --out.
ExitStatus deliver(const CommandOptions& o, const Program& program, const std::string& text,
                   Messages& messages) {
    if (!o.isSet("out")) {
        std::cout << text << std::flush;
        return ExitStatus::Done;
    }
    return writeOutput(program, o.text("out"), o.typed("out"), text, messages, kTitle) ? ExitStatus::Done
                                                                                       : ExitStatus::Refused;
}

ExitStatus fileExport(const CommandOptions& o, Loaded& loaded) {
    const Program& program = loaded.program;
    std::optional<ExportChoice> choice = subject(o, program, loaded.messages);
    if (!choice || !readWeeksInto(o, program, loaded.messages, *choice)) {
        return ExitStatus::Refused;
    }
    choice->lessons = o.isSet("lessons");
    std::vector<Occurrence> found = occurrences(program, *choice, loaded.platform.clock.today());
    const std::string text = o.isSet("ics") ? icsText(found, std::time(nullptr)) : csvText(found);
    return deliver(o, program, text, loaded.messages);
}

ExitStatus jsonExport(const CommandOptions& o, Loaded& loaded) {
    const QByteArray json = QJsonDocument(exportJson(loaded.program)).toJson(QJsonDocument::Indented);
    return deliver(o, loaded.program, json.toStdString(), loaded.messages);
}

ExitStatus runExport(const CommandContext& context) {
    const CommandOptions& o = context.options;
    const int kinds = int(o.isSet("json")) + int(o.isSet("ics")) + int(o.isSet("csv"));
    if (kinds != 1) {
        std::cerr << "Ange en av --json, --ics och --csv.\n";
        return ExitStatus::Ended;
    }
    if (o.isSet("json")) {
        return runReading(context.setup, [&](Loaded& loaded) { return jsonExport(o, loaded); });
    }
    if (o.isSet("object") == o.isSet("person")) {
        std::cerr << "Ange --object eller --person.\n";
        return ExitStatus::Ended;
    }
    return runReading(context.setup, [&](Loaded& loaded) { return fileExport(o, loaded); });
}

} // namespace

const CommandMode& exportMode() {
    static const CommandMode mode{
        "export",
        "--json | (--ics | --csv) (--object NAMN [--other] | --person SIGNATUR) [--weeks VECKOR] [--lessons] "
        "[--out FIL]",
        "Allt som lästs in som JSON, eller en sals, ett objekts eller en persons bokningar som kalender "
        "eller kalkylblad.",
        {
            {"json", nullptr, "Allt som lästs in, som UTF-8 JSON."},
            {"ics", nullptr, "Som kalender (iCalendar)."},
            {"csv", nullptr, "Som kalkylblad (CSV)."},
            kObjectOption,
            kOtherOption,
            {"person", "SIGNATUR", "Personens bokningar (och med --lessons lektioner)."},
            {"weeks", "VECKOR", "Veckorna, som i utskriftsdialogen: 36 eller 46-8; utan den hela perioden."},
            {"lessons", nullptr, "Ta med lektionerna."},
            {"out", "FIL", "Filen att skriva; utan den standard ut.", true},
        },
        false,
        runExport,
    };
    return mode;
}

} // namespace tivra

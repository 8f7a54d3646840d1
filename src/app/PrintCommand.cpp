#include "app/PrintCommand.h"

#include "app/ConsoleMessages.h"
#include "app/ListedNames.h"
#include "app/OutputFile.h"
#include "app/ReadRunner.h"
#include "core/Calendar.h"
#include "core/Text1252.h"
#include "gui/PrintOutput.h"
#include "gui/QtPrintSurface.h"
#include "print/PrintPlan.h"

#include <algorithm>
#include <iostream>
#include <optional>
#include <utility>

namespace tivra {
namespace {

constexpr const char kCannot[] = "Tivra inte kan skriva ut";

// The dialog's values; nothing, after the messages, when a value cannot be read or names
// a room or an object there is none of.
std::optional<PrintChoice> choiceOf(const CommandOptions& o, const Program& program) {
    PrintChoice choice;
    std::optional<std::string> weeks = o.bytes("weeks", kCannot);
    std::optional<std::string> rooms = o.bytes("rooms", kCannot);
    std::optional<std::string> objects = o.bytes("objects", kCannot);
    if (!weeks || !rooms || !objects) {
        return std::nullopt;
    }
    std::vector<std::string> unknown = unlistedNames(*rooms, program.salar);
    std::ranges::copy(unlistedNames(*objects, program.settings.bokaobjekt), std::back_inserter(unknown));
    if (!noUnknownObjects(unknown)) {
        return std::nullopt;
    }
    // As the dialog loads its week box: the week shown at start, as the user counts it.
    choice.veckor = o.isSet("weeks") ? *weeks : shownWeek(program.selection.valdvecka);
    choice.salar = *rooms;
    choice.objekt = *objects;
    choice.everyRoom = o.isSet("all-rooms");
    choice.everyObject = o.isSet("all-objects");
    choice.withUnbooked = o.isSet("unbooked");
    choice.weekSchedules = o.isSet("schedules");
    choice.overview = o.isSet("overview");
    choice.withLessons = o.isSet("with-lessons");
    choice.lists = o.isSet("lists") || !(choice.weekSchedules || choice.overview);
    return choice;
}

std::optional<QPageLayout> layoutOf(const CommandOptions& o) {
    static const std::pair<const char*, QPageSize::PageSizeId> sizes[] = {
        {"A4", QPageSize::A4},         {"A3", QPageSize::A3},       {"A5", QPageSize::A5},
        {"LETTER", QPageSize::Letter}, {"LEGAL", QPageSize::Legal},
    };
    QPageSize::PageSizeId size = QPageSize::A4;
    if (o.isSet("page-size")) {
        const QString asked = o.text("page-size").toUpper();
        auto known = std::find_if(std::begin(sizes), std::end(sizes),
                                  [&](const auto& s) { return asked == QString::fromLatin1(s.first); });
        if (known == std::end(sizes)) {
            std::cerr << "Okänt pappersformat: " << asked.toStdString()
                      << ". Välj A4, A3, A5, Letter eller Legal.\n";
            return std::nullopt;
        }
        size = known->second;
    }
    return pdfPageLayout(size, o.isSet("landscape") ? QPageLayout::Landscape : QPageLayout::Portrait);
}

// Sends the plan to the output; the notes are reported once the document is done.
PrintResult send(const PrintPlan& plan, const Program& program, PrintOutput& output, Platform& platform) {
    Messages& messages = platform.messages;
    PrintNotes notes;
    PrintResult result = output.print([&](PrintSurface& surface) {
        notes = renderPlan(plan, program, platform.clock.today(), surface);
        return true;
    });
    if (result == PrintResult::Done) {
        reportPrintNotes(notes, messages);
    }
    return result;
}

ExitStatus toPdf(const PrintPlan& plan, const Program& program, const QString& path, const QString& given,
                 const QPageLayout& layout, Platform& platform) {
    PdfOutput output(path, layout);
    if (send(plan, program, output, platform) != PrintResult::Done) {
        std::cerr << "Filen " << given.toStdString() << " kunde inte skrivas. " << toUtf8(output.reason())
                  << '\n';
        return ExitStatus::Refused;
    }
    return ExitStatus::Done;
}

ExitStatus toPrinter(const PrintPlan& plan, const Program& program, const PrinterMaker& printer,
                     const QString& name, const QPageLayout& layout, Platform& platform) {
    std::unique_ptr<PrintOutput> output = printer ? printer(name, layout) : nullptr;
    if (!output || !output->available()) {
        std::cerr << "Ingen skrivare är installerad. Använd --pdf FIL.\n";
        return ExitStatus::Refused;
    }
    if (send(plan, program, *output, platform) != PrintResult::Done) {
        std::cerr << "Utskriften kunde inte startas.\n";
        return ExitStatus::Refused;
    }
    return ExitStatus::Done;
}

ExitStatus printLoaded(const CommandOptions& o, const PrinterMaker& printer, const QPageLayout& layout,
                       Loaded& loaded) {
    const Program& program = loaded.program;
    if (o.isSet("pdf")) {
        const std::string refusal = schoolFileRefusalFor(program, o.text("pdf"), o.typed("pdf"));
        if (!refusal.empty()) {
            std::cerr << toUtf8(refusal) << '\n';
            return ExitStatus::Refused;
        }
    }
    std::optional<PrintChoice> choice = choiceOf(o, program);
    if (!choice) {
        return ExitStatus::Refused;
    }
    std::optional<PrintPlan> plan = planPrintout(program, *choice, loaded.messages);
    if (!plan) {
        return ExitStatus::Refused;
    }
    if (plan->empty()) {
        std::cerr << "Inget att skriva ut.\n";
        return ExitStatus::Refused;
    }
    if (o.isSet("pdf")) {
        return toPdf(*plan, program, o.text("pdf"), o.typed("pdf"), layout, loaded.platform);
    }
    return toPrinter(*plan, program, printer, o.text("printer"), layout, loaded.platform);
}

ExitStatus runPrint(const CommandContext& context) {
    std::optional<QPageLayout> layout = layoutOf(context.options);
    if (!layout) {
        return ExitStatus::Ended;
    }
    return runReading(context.setup, [&](Loaded& loaded) {
        return printLoaded(context.options, context.printer, *layout, loaded);
    });
}

} // namespace

const CommandMode& printMode() {
    static const CommandMode mode{
        "print",
        "[--weeks VECKOR] [--rooms SALAR] [--all-rooms] [--objects OBJEKT] [--all-objects] [--lists] "
        "[--schedules] [--overview [--with-lessons]] [--unbooked] [--pdf FIL [--page-size FORMAT] "
        "[--landscape]] "
        "[--printer NAMN]",
        "Skriv ut listor, veckoscheman och veckoöversikt, som utskriftsdialogens \"OK\".",
        {
            {"weeks", "VECKOR",
             "Veckan eller veckorna, som 36 eller 46-8; utan den veckan som visas vid start."},
            {"rooms", "SALAR", "Salarna, åtskilda av blanksteg eller komman."},
            {"all-rooms", nullptr, "Alla salar."},
            {"objects", "OBJEKT", "De andra objekten, åtskilda av blanksteg eller komman."},
            {"all-objects", nullptr, "Alla andra objekt."},
            {"lists", nullptr, "Skriv ut listor (utan --schedules och --overview: alltid)."},
            {"schedules", nullptr, "Skriv ut veckoscheman."},
            {"overview", nullptr,
             "Skriv ut veckoöversikt: alla salar och objekt, en liggande sida per vecka."},
            {"with-lessons", nullptr, "Veckoöversikten visar även lektionerna, i sin grå ton."},
            {"unbooked", nullptr, "Skriv ut även objekt utan bokningar."},
            {"pdf", "FIL", "Skriv till en PDF-fil i stället för skrivaren.", true},
            {"page-size", "FORMAT", "Pappersformat: A4 (utan flaggan), A3, A5, Letter eller Legal."},
            {"landscape", nullptr, "Liggande sidor."},
            {"printer", "NAMN", "Skrivarens namn; utan den standardskrivaren."},
        },
        true,
        runPrint,
    };
    return mode;
}

} // namespace tivra

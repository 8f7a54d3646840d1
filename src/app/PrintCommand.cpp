#include "app/PrintCommand.h"

#include "app/CommandLine.h"
#include "app/CommandOptions.h"
#include "app/ConsoleMessages.h"
#include "core/Calendar.h"
#include "core/Text1252.h"
#include "print/PrintPlan.h"
#include "ui/PrintOutput.h"
#include "ui/QtPrintSurface.h"

#include <QPrinter>

#include <algorithm>
#include <iostream>
#include <optional>
#include <utility>

namespace tivra {
namespace {

constexpr int kPrinted = 0;
constexpr int kRefused = 1;
constexpr int kWrongUse = 2;

std::optional<std::string> bytesOf(const QCommandLineParser& parser, const QCommandLineOption& option) {
    return optionBytes(parser, option, "Tivra inte kan skriva ut");
}

std::optional<PrintChoice> choiceOf(const QCommandLineParser& parser, const PrintOptions& o,
                                    const Program& program) {
    PrintChoice choice;
    std::optional<std::string> weeks = bytesOf(parser, o.weeks);
    std::optional<std::string> rooms = bytesOf(parser, o.rooms);
    std::optional<std::string> objects = bytesOf(parser, o.objects);
    if (!weeks || !rooms || !objects) {
        return std::nullopt;
    }
    // As the dialog loads its week box: the week shown at start, as the user counts it.
    choice.veckor = parser.isSet(o.weeks) ? *weeks : shownWeek(program.selection.valdvecka);
    choice.salar = *rooms;
    choice.objekt = *objects;
    choice.allaSalar = parser.isSet(o.allRooms);
    choice.allaObjekt = parser.isSet(o.allObjects);
    choice.avenObokade = parser.isSet(o.unbooked);
    choice.veckoscheman = parser.isSet(o.schedules);
    choice.oversikt = parser.isSet(o.overview);
    choice.listor = parser.isSet(o.lists) || !(choice.veckoscheman || choice.oversikt);
    return choice;
}

std::optional<QPageLayout> layoutOf(const QCommandLineParser& parser, const PrintOptions& o) {
    static const std::pair<const char*, QPageSize::PageSizeId> sizes[] = {
        {"A4", QPageSize::A4},         {"A3", QPageSize::A3},       {"A5", QPageSize::A5},
        {"LETTER", QPageSize::Letter}, {"LEGAL", QPageSize::Legal},
    };
    QPageSize::PageSizeId size = QPageSize::A4;
    if (parser.isSet(o.pageSize)) {
        const QString asked = parser.value(o.pageSize).toUpper();
        auto known = std::find_if(std::begin(sizes), std::end(sizes),
                                  [&](const auto& s) { return asked == QString::fromLatin1(s.first); });
        if (known == std::end(sizes)) {
            std::cerr << "Okänt pappersformat: " << asked.toStdString()
                      << ". Välj A4, A3, A5, Letter eller Legal.\n";
            return std::nullopt;
        }
        size = known->second;
    }
    return pdfPageLayout(size, parser.isSet(o.landscape) ? QPageLayout::Landscape : QPageLayout::Portrait);
}

// Sends the plan to the output; the notes are reported once the document is done.
PrintResult send(const PrintPlan& plan, const Program& program, PrintOutput& output, Messages& messages) {
    PrintNotes notes;
    PrintResult result = output.print([&](PrintSurface& surface) {
        notes = renderPlan(plan, program, SystemClock().today(), surface);
        return true;
    });
    if (result == PrintResult::Done) {
        reportPrintNotes(notes, messages);
    }
    return result;
}

int toPdf(const PrintPlan& plan, const Program& program, const QString& path, const QString& given,
          const QPageLayout& layout, Messages& messages) {
    PdfOutput output(path, layout);
    if (send(plan, program, output, messages) != PrintResult::Done) {
        std::cerr << "Filen " << given.toStdString() << " kunde inte skrivas. " << toUtf8(output.reason())
                  << '\n';
        return kRefused;
    }
    return kPrinted;
}

int toPrinter(const PrintPlan& plan, const Program& program, const QString& name, const QPageLayout& layout,
              Messages& messages) {
    QPrinter printer(QPrinter::HighResolution);
    PrinterOutput output(printer);
    if (!output.available()) {
        std::cerr << "Ingen skrivare är installerad. Använd --pdf FIL.\n";
        return kRefused;
    }
    if (!name.isEmpty()) {
        printer.setPrinterName(name);
    }
    printer.setPageLayout(layout);
    if (send(plan, program, output, messages) != PrintResult::Done) {
        std::cerr << "Utskriften kunde inte startas.\n";
        return kRefused;
    }
    return kPrinted;
}

} // namespace

PrintOptions::PrintOptions()
    : weeks(valued("weeks", "Veckan eller veckorna, som 36 eller 46-8.", "VECKOR")),
      rooms(valued("rooms", "Salarna, åtskilda av blanksteg eller komman.", "SALAR")),
      allRooms(flag("all-rooms", "Alla salar.")),
      objects(valued("objects", "De andra objekten, åtskilda av blanksteg eller komman.", "OBJEKT")),
      allObjects(flag("all-objects", "Alla andra objekt.")), lists(flag("lists", "Skriv ut listor.")),
      schedules(flag("schedules", "Skriv ut veckoscheman.")),
      overview(flag("overview", "Skriv ut veckoöversikt.")),
      unbooked(flag("unbooked", "Skriv ut även om inga bokningar.")),
      pdf(valued("pdf", "Skriv till en PDF-fil i stället för skrivaren.", "FIL")),
      pageSize(valued("page-size", "Pappersformat: A4, A3, A5, Letter eller Legal.", "FORMAT")),
      landscape(flag("landscape", "Liggande sidor.")),
      printer(valued("printer", "Skrivarens namn.", "NAMN")) {}

void PrintOptions::addTo(QCommandLineParser& parser) const {
    for (const QCommandLineOption* option :
         {&weeks, &rooms, &allRooms, &objects, &allObjects, &lists, &schedules, &overview, &unbooked, &pdf,
          &pageSize, &landscape, &printer}) {
        parser.addOption(*option);
    }
}

int runPrint(const QCommandLineParser& parser, const PrintOptions& options, const QString& pdfPath) {
    std::optional<QPageLayout> layout = layoutOf(parser, options);
    if (!layout) {
        return kWrongUse;
    }
    Program program;
    ConsoleMessages messages(std::cerr);
    if (!loadForCommandLine(program, messages)) {
        return kWrongUse;
    }
    const QString given = parser.value(options.pdf);
    if (!pdfPath.isEmpty()) {
        const std::string refusal = schoolFileRefusalFor(program, pdfPath, given);
        if (!refusal.empty()) {
            std::cerr << toUtf8(refusal) << '\n';
            return kRefused;
        }
    }
    std::optional<PrintChoice> choice = choiceOf(parser, options, program);
    if (!choice) {
        return kRefused;
    }
    std::optional<PrintPlan> plan = planera(program, *choice, messages);
    if (!plan) {
        return kRefused;
    }
    if (plan->empty()) {
        std::cerr << "Inget att skriva ut.\n";
        return kRefused;
    }
    if (!pdfPath.isEmpty()) {
        return toPdf(*plan, program, pdfPath, given, *layout, messages);
    }
    return toPrinter(*plan, program, parser.value(options.printer), *layout, messages);
}

} // namespace tivra

#include "app/CommandLine.h"

#include "app/BookCommand.h"
#include "app/CancelCommand.h"
#include "app/ConsoleMessages.h"
#include "app/ExportCommand.h"
#include "app/FreeCommand.h"
#include "app/PrintCommand.h"
#include "app/StateReport.h"
#include "config/SchoolFiles.h"
#include "config/Startup.h"
#include "core/Text1252.h"
#include "ui/SwedishQt.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QJsonDocument>

#include <cstring>
#include <iostream>
#include <memory>
#include <optional>

namespace tivra {
namespace {

int runCheck() {
    Program program;
    ConsoleMessages messages(std::cerr);
    bool ok = loadForCommandLine(program, messages);
    for (const auto& [name, value] : checkSummary(program)) {
        std::cout << toUtf8(name) << ": " << toUtf8(value) << '\n';
    }
    std::cout << std::flush;
    return ok ? 0 : kStartupEnded;
}

int runExport() {
    Program program;
    ConsoleMessages messages(std::cerr);
    bool ok = loadForCommandLine(program, messages);
    QByteArray json = QJsonDocument(exportJson(program)).toJson(QJsonDocument::Indented);
    std::cout.write(json.constData(), json.size());
    std::cout << std::flush;
    return ok ? 0 : kStartupEnded;
}

// Printing measures text with the fonts of a GUI application; from a script there is no
// display, and no window is ever shown, so the platform without one does.
// Qt's own notes on that environment (no runtime folder, no session) would only bury
// the program's messages in a script's log; what is critical still shows.
void quietNotes(QtMsgType type, const QMessageLogContext& /*context*/, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::cerr << text.toStdString() << '\n';
    }
}

std::unique_ptr<QCoreApplication> application(int& argc, char** argv) {
    if (argc >= 2 && std::strcmp(argv[1], "print") == 0) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        qInstallMessageHandler(quietNotes);
        return std::make_unique<QGuiApplication>(argc, argv);
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

} // namespace

bool loadForCommandLine(Program& program, Messages& messages) {
    SystemClock clock;
    RealDisk disk;
    Platform platform{disk, clock, messages};
    try {
        startup(program, platform);
    } catch (const ProgramEnded&) {
        return false;
    }
    return true;
}

std::string schoolFileRefusalFor(const Program& program, const QString& absolute, const QString& given) {
    // The school's files have names of the code page; a name outside it is none of them.
    std::optional<std::string> path = fromUtf8(absolute.toStdString());
    RealDisk disk;
    if (!path || !isSchoolFile(program, *path, disk)) {
        return {};
    }
    return schoolFileRefusal(fromUtf8(given.toStdString()).value_or(*path));
}

bool isCommandLineMode(int argc, char** argv) {
    if (argc < 2) {
        return false;
    }
    for (const char* mode : {"check", "export", "book", "cancel", "free", "print", "--help", "-h", "-?",
                             "--help-all", "--version", "-v"}) {
        if (std::strcmp(argv[1], mode) == 0) {
            return true;
        }
    }
    return false;
}

int runCommandLine(int argc, char** argv, const ChangeSetup& setup) {
    std::unique_ptr<QCoreApplication> app = application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tivra"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TIVRA_VERSION));
    // Qt's own words in the help (Usage, Options) in Swedish too.
    SwedishQt swedish;
    QCoreApplication::installTranslator(&swedish);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Tivra bokar salar och andra objekt vecka för vecka.\n"
                       "Utan läge startar fönstret, i aktuell mapp eller med --dir MAPP.\n"
                       "Lägena arbetar utan fönster:\n"
                       "  check           kontrollera det som läses vid start\n"
                       "  export --json   allt som lästs in, som JSON\n"
                       "  export --ics    en sals, ett objekts eller en persons bokningar som kalender\n"
                       "  export --csv    detsamma som kalkylblad\n"
                       "  book            boka\n"
                       "  cancel          avboka\n"
                       "  free            lediga salar en viss tid\n"
                       "  print           skriv ut listor, veckoscheman och veckoöversikt"));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("läge"),
                                 QStringLiteral("check, export, book, cancel, free eller print"));
    QCommandLineOption dirOption(QStringLiteral("dir"), QStringLiteral("Mappen med Tivra.ini."),
                                 QStringLiteral("MAPP"));
    QCommandLineOption jsonOption(QStringLiteral("json"), QStringLiteral("Skriv tillståndet som JSON."));
    parser.addOption(dirOption);
    parser.addOption(jsonOption);
    BookOptions bookOptions;
    bookOptions.addTo(parser);
    PrintOptions printOptions;
    printOptions.addTo(parser);
    ExportOptions exportOptions;
    exportOptions.addTo(parser);
    if (!parser.parse(QCoreApplication::arguments())) {
        std::cerr << parser.errorText().toStdString() << '\n';
        return kStartupEnded;
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        std::cout << parser.helpText().toStdString() << std::flush;
        return 0;
    }
    if (parser.isSet(version)) {
        std::cout << "tivra " << TIVRA_VERSION << '\n' << std::flush;
        return 0;
    }
    // A PDF named on the command line is where the user stood, not in --dir.
    const QString pdfPath = parser.isSet(printOptions.pdf)
                                ? QFileInfo(parser.value(printOptions.pdf)).absoluteFilePath()
                                : QString();
    const QString outPath = parser.isSet(exportOptions.out)
                                ? QFileInfo(parser.value(exportOptions.out)).absoluteFilePath()
                                : QString();
    if (parser.isSet(dirOption) && !QDir::setCurrent(parser.value(dirOption))) {
        std::cerr << "Mappen " << parser.value(dirOption).toStdString() << " finns inte.\n";
        return kStartupEnded;
    }
    const QString mode = parser.positionalArguments().value(0);
    if (mode == QStringLiteral("check")) {
        return runCheck();
    }
    if (mode == QStringLiteral("book")) {
        return runBook(parser, bookOptions, setup);
    }
    if (mode == QStringLiteral("print")) {
        return runPrint(parser, printOptions, pdfPath);
    }
    if (mode == QStringLiteral("cancel")) {
        return runCancel(parser, bookOptions, setup);
    }
    if (mode == QStringLiteral("free")) {
        return runFree(parser, bookOptions);
    }
    if (mode == QStringLiteral("export") && parser.isSet(jsonOption)) {
        return runExport();
    }
    if (mode == QStringLiteral("export") && exportOptions.asked(parser)) {
        return runFileExport(parser, exportOptions, bookOptions, printOptions, outPath);
    }
    std::cerr << "Ange export --json, --ics eller --csv.\n";
    return kStartupEnded;
}

} // namespace tivra

#include "app/WindowMode.h"

#include "app/SchoolFolder.h"

#include "config/Program.h"
#include "core/Clock.h"
#include "core/Disk.h"
#include "core/Platform.h"
#include "ui/Convert.h"
#include "ui/Form1.h"
#include "ui/QtMessages.h"
#include "ui/SwedishQt.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdio>
#include <memory>

namespace tivra {
namespace {

void printError(const QString& text) {
    QByteArray bytes = text.toLocal8Bit();
    std::fprintf(stderr, "%s\n", bytes.constData());
}

// An option name as it was typed: "--dir", "-d".
QString dashed(const QString& name) {
    return (name.size() > 1 ? QStringLiteral("--") : QStringLiteral("-")) + name;
}

// Qt's own dialogs (file dialogs, input boxes) in Swedish: the system's translation when
// it is there, and our own for the texts it leaves in English, asked first.
void installSwedish(QApplication& app, QTranslator& translator, SwedishQt& ours) {
    if (translator.load(QStringLiteral("qt_sv"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        app.installTranslator(&translator);
    }
    app.installTranslator(&ours);
}

// Moves into the folder given with --dir; false with the message printed when that fails.
bool enterFolder(const QStringList& arguments, bool& named) {
    QCommandLineParser parser;
    QCommandLineOption dir(QStringLiteral("dir"), toQString("Mappen med Tivra.ini."), QStringLiteral("MAPP"));
    parser.addOption(dir);
    if (!parser.parse(arguments)) {
        // Qt's own parser texts are English; the program speaks Swedish.
        QStringList unknown = parser.unknownOptionNames();
        printError(unknown.isEmpty() ? toQString("Ange en mapp efter --dir.")
                                     : toQString("Ok\xE4nd flagga: ") + dashed(unknown.front()));
        return false;
    }
    named = parser.isSet(dir);
    if (!named) {
        return true;
    }
    QString folder = parser.value(dir);
    if (!QDir(folder).exists() || !QDir::setCurrent(folder)) {
        printError(toQString("Mappen ") + folder + toQString(" finns inte."));
        return false;
    }
    return true;
}

} // namespace

int runWindowMode(int argc, char** argv, const WindowStart& start) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tivra"));
    QTranslator translator;
    SwedishQt ours;
    installSwedish(app, translator, ours);
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("tivra")));
    bool folderNamed = !start.folder.isEmpty();
    if (!enterFolder(QApplication::arguments(), folderNamed)) {
        return 2;
    }
    if (!folderNamed) {
        enterSchoolFolder();
    }

    Program program;
    SystemClock clock;
    RealDisk disk;
    QtMessages messages;
    Platform platform{disk, clock, messages};
    // On the heap: the window is large, and it must be gone before the state it uses.
    auto form = std::make_unique<Form1>(program, platform);
    form->show();
    return QApplication::exec();
}

} // namespace tivra

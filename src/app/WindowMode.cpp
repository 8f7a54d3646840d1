#include "app/WindowMode.h"

#include "app/SchoolFinder.h"
#include "app/WindowSession.h"

#include "core/Clock.h"
#include "core/Disk.h"
#include "core/Platform.h"
#include "ui/PrinterOutput.h"
#include "ui/QtMessages.h"
#include "ui/SwedishQt.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

namespace tivra {
namespace {

// Qt's own dialogs (file dialogs, input boxes) in Swedish: the system's translation when
// it is there, and our own for the texts it leaves in English, asked first.
void installSwedish(QApplication& app, QTranslator& translator, SwedishQt& ours) {
    if (translator.load(QStringLiteral("qt_sv"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        app.installTranslator(&translator);
    }
    app.installTranslator(&ours);
}

} // namespace

int runWindowMode(int argc, char** argv, const WindowStart& start) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tivra"));
    QTranslator translator;
    SwedishQt ours;
    installSwedish(app, translator, ours);
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("tivra")));

    SystemClock clock;
    RealDisk disk;
    QtMessages messages;
    Platform platform{disk, clock, messages};
    WindowSession session(platform, placesOfThisUser());
    session.start(start);
    return QApplication::exec();
}

WidgetParts widgetParts() {
    return {runWindowMode, systemPrinter};
}

} // namespace tivra

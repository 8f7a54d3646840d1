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
#include <QDir>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

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
    // The folder the command line named is start.folder, already checked; the window
    // works in it.
    if (start.folder.isEmpty()) {
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

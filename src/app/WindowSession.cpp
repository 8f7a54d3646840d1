#include "app/WindowSession.h"

#include "app/FirstStart.h"
#include "app/SchoolFolder.h"
#include "gui/Convert.h"
#include "ui/Form1.h"

#include <QDir>
#include <QFileInfo>
#include <QTimer>

namespace tivra {

WindowSession::WindowSession(Platform& platform, SchoolPlaces places)
    : platform_(platform), places_(std::move(places)) {}

WindowSession::~WindowSession() = default;

void WindowSession::start(const WindowStart& start) {
    // Both as typed where the program started, before it moves into the school.
    const QDir here(places_.currentFolder);
    const QString bookingFile =
        start.bookingFile.isEmpty() ? QString() : QDir::cleanPath(here.absoluteFilePath(start.bookingFile));
    places_.named = !start.folder.isEmpty() || bookingFile.isEmpty() ? start.folder
                                                                     : QFileInfo(bookingFile).absolutePath();
    FoundSchool school = findSchool(places_);
    if (school.source == SchoolSource::None) {
        school = askFirstStart(places_);
    }
    open(school, bookingFile);
}

void WindowSession::open(const FoundSchool& school, const QString& bookingFile) {
    school_ = school;
    if (!school.folder.isEmpty()) {
        if (QDir::setCurrent(school.folder)) {
            rememberUsed(places_.userConfig, school.folder);
        } else {
            // Never quietly another school: the user sees which setting names a missing folder.
            platform_.messages.show("Skolans mapp " + textBytes(QDir::toNativeSeparators(school.folder)) +
                                        " finns inte.\r\nHittad: " + textBytes(foundBy(school)),
                                    "Tivra", Icon::Exclamation);
        }
    }
    SchoolPlace place{QDir::currentPath(),
                      foundBy(school),
                      isDemoSchool(QDir::currentPath()),
                      bookingFile,
                      recentSchools(places_.userConfig),
                      [this](const QString& folder) { change(folder); }};
    auto program = std::make_unique<Program>();
    auto form = std::make_unique<Form1>(*program, platform_, std::move(place));
    form->show();
    form_ = std::move(form);
    program_ = std::move(program);
}

void WindowSession::change(const QString& folder) {
    if (!rememberChosen(places_.userConfig, folder)) {
        platform_.messages.show(textBytes(toQString("Valet kunde inte sparas i ") +
                                          QDir::toNativeSeparators(userConfFile(places_.userConfig)) +
                                          QStringLiteral(".")),
                                "Byt skola", Icon::Exclamation);
    }
    const FoundSchool chosen{SchoolSource::Remembered, QDir::cleanPath(folder),
                             userConfFile(places_.userConfig)};
    QTimer::singleShot(0, this, [this, chosen] { open(chosen, {}); });
}

} // namespace tivra

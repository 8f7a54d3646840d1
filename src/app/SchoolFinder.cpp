#include "app/SchoolFinder.h"

#include "app/SchoolFolder.h"
#include "app/TivraConf.h"
#include "gui/Convert.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace tivra {
namespace {

const QString kFolderKey = QStringLiteral("skolmapp");
const QString kRecentKey = QStringLiteral("senaste");
constexpr int kRecentCount = 4;

QString confIn(const QString& folder) {
    return QDir(folder).filePath(QLatin1String(kConfName));
}

// The folders XDG_CONFIG_DIRS names, /etc/xdg when it names none.
QStringList systemConfigFolders() {
    QStringList out;
    const QStringList dirs =
        qEnvironmentVariable("XDG_CONFIG_DIRS").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const QString& dir : dirs.isEmpty() ? QStringList{QStringLiteral("/etc/xdg")} : dirs) {
        out << QDir(dir).filePath(QStringLiteral("tivra"));
    }
    return out;
}

// The folder a tivra.conf in `folder` names; nothing when it names none.
FoundSchool remembered(const QString& folder, SchoolSource source) {
    const QString file = confIn(folder);
    const QString named = TivraConf::read(file).value(kFolderKey);
    return named.isEmpty() ? FoundSchool{} : FoundSchool{source, QDir::cleanPath(named), file};
}

// A folder as typed, taken from `current` when relative.
QString absolute(const QString& folder, const QString& current) {
    return QDir::cleanPath(QDir(current).absoluteFilePath(folder));
}

QStringList withFirst(const QString& folder, QStringList list) {
    const QString clean = QDir::cleanPath(folder);
    list.removeAll(clean);
    list.prepend(clean);
    return list.mid(0, kRecentCount);
}

} // namespace

SchoolPlaces placesOfThisUser() {
    return {{},
            qEnvironmentVariable("TIVRA_DIR"),
            configSchoolFolder(),
            systemConfigFolders(),
            QDir::currentPath(),
            demoSchoolFolder(),
            demoCopyFolder()};
}

FoundSchool findSchool(const SchoolPlaces& places) {
    if (!places.named.isEmpty()) {
        return {SchoolSource::Named, absolute(places.named, places.currentFolder), {}};
    }
    if (!places.environment.isEmpty()) {
        return {SchoolSource::Environment, absolute(places.environment, places.currentFolder), {}};
    }
    if (FoundSchool user = remembered(places.userConfig, SchoolSource::Remembered);
        user.source != SchoolSource::None) {
        return user;
    }
    for (const QString& folder : places.systemConfigs) {
        if (FoundSchool system = remembered(folder, SchoolSource::SystemWide);
            system.source != SchoolSource::None) {
            return system;
        }
    }
    if (holdsSchool(places.currentFolder)) {
        return {SchoolSource::CurrentFolder, places.currentFolder, {}};
    }
    if (holdsSchool(places.userConfig)) {
        return {SchoolSource::ConfigFolder, places.userConfig, {}};
    }
    return {};
}

QString foundBy(const FoundSchool& school) {
    const QString file = QDir::toNativeSeparators(school.confFile);
    switch (school.source) {
    case SchoolSource::Named:
        return toQString("angiven vid start (--dir, mapp eller bokningsfil)");
    case SchoolSource::Environment:
        return toQString("milj\xF6variabeln TIVRA_DIR");
    case SchoolSource::Remembered:
        return toQString("ditt val i ") + file;
    case SchoolSource::SystemWide:
        return toQString("datorns inst\xE4llning i ") + file;
    case SchoolSource::CurrentFolder:
        return toQString("aktuell mapp");
    case SchoolSource::ConfigFolder:
        return toQString("din konfigurationsmapp");
    case SchoolSource::None:
        break;
    }
    return toQString("ingen skola hittades");
}

bool holdsSchool(const QString& folder) {
    return !folder.isEmpty() && QFileInfo(QDir(folder).filePath(QStringLiteral("Tivra.ini"))).isFile();
}

QString userConfFile(const QString& userConfig) {
    return confIn(userConfig);
}

bool rememberChosen(const QString& userConfig, const QString& folder) {
    TivraConf conf = TivraConf::read(confIn(userConfig));
    conf.set(kFolderKey, {QDir::cleanPath(folder)});
    conf.set(kRecentKey, withFirst(folder, conf.values(kRecentKey)));
    return conf.write(confIn(userConfig));
}

void rememberUsed(const QString& userConfig, const QString& folder) {
    TivraConf conf = TivraConf::read(confIn(userConfig));
    const QStringList recent = withFirst(folder, conf.values(kRecentKey));
    if (recent != conf.values(kRecentKey)) {
        conf.set(kRecentKey, recent);
        conf.write(confIn(userConfig));
    }
}

QStringList recentSchools(const QString& userConfig) {
    return TivraConf::read(confIn(userConfig)).values(kRecentKey);
}

} // namespace tivra

#include "app/SchoolFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace tivra {

QString configSchoolFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("tivra"));
}

QString demoSchoolFolder() {
    return QDir::cleanPath(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../share/tivra/demo-skola")));
}

QString demoCopyFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("tivra/demo-skola"));
}

bool copyDemoSchool(const QString& demo, const QString& folder) {
    QDir from(demo);
    if (!QFileInfo(from.filePath(QStringLiteral("Tivra.ini"))).isFile() || !QDir().mkpath(folder)) {
        return false;
    }
    for (const QString& name : from.entryList(QDir::Files)) {
        const QString target = QDir(folder).filePath(name);
        if (!QFileInfo::exists(target) && !QFile::copy(from.filePath(name), target)) {
            return false;
        }
        // A copy of a read-only installed file must be writable: it is the user's now.
        QFile(target).setPermissions(QFile(target).permissions() | QFileDevice::WriteOwner);
    }
    return true;
}

bool isDemoSchool(const QString& folder) {
    return !folder.isEmpty() && QFileInfo(QDir(folder).filePath(QLatin1String(kDemoMarker))).isFile();
}

} // namespace tivra

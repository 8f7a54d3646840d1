#include "app/SchoolFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>

namespace tivra {
namespace {

const QString kSettings = QStringLiteral("Tivra.ini");

bool holdsSchool(const QString& folder) {
    return QFileInfo(QDir(folder).filePath(kSettings)).isFile();
}

// Asks what to do; the folder chosen, or empty to stay.
QString askForSchool(const QString& config) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Tivra"),
                    QStringLiteral("Det finns ingen Tivra.ini här eller i %1.\n\n"
                                   "Vill du skapa en ny skola där från demoskolan, eller välja en mapp "
                                   "som har en Tivra.ini?")
                        .arg(QDir::toNativeSeparators(config)));
    QPushButton* demo = box.addButton(QStringLiteral("Skapa från demoskolan"), QMessageBox::AcceptRole);
    QPushButton* choose = box.addButton(QStringLiteral("Välj mapp..."), QMessageBox::ActionRole);
    box.addButton(QStringLiteral("Avbryt"), QMessageBox::RejectRole);
    box.setDefaultButton(demo);
    box.exec();
    if (box.clickedButton() == demo) {
        if (copyDemoSchool(demoSchoolFolder(), config)) {
            return config;
        }
        QMessageBox::warning(
            nullptr, QStringLiteral("Tivra"),
            QStringLiteral("Demoskolan kunde inte kopieras till %1.").arg(QDir::toNativeSeparators(config)));
        return {};
    }
    if (box.clickedButton() == choose) {
        QString folder =
            QFileDialog::getExistingDirectory(nullptr, QStringLiteral("Välj mapp med Tivra.ini"));
        if (!folder.isEmpty() && !holdsSchool(folder)) {
            QMessageBox::warning(
                nullptr, QStringLiteral("Tivra"),
                QStringLiteral("Mappen %1 har ingen Tivra.ini.").arg(QDir::toNativeSeparators(folder)));
            return {};
        }
        return folder;
    }
    return {};
}

} // namespace

QString configSchoolFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("tivra"));
}

QString demoSchoolFolder() {
    const QString installed =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../share/tivra/demo-skola"));
    if (holdsSchool(installed)) {
        return QDir::cleanPath(installed);
    }
    return QStringLiteral(TIVRA_SOURCE_DIR "/examples/demo-skola");
}

bool copyDemoSchool(const QString& demo, const QString& folder) {
    QDir from(demo);
    if (!holdsSchool(demo) || !QDir().mkpath(folder)) {
        return false;
    }
    for (const QString& name : from.entryList(QDir::Files)) {
        const QString target = QDir(folder).filePath(name);
        if (!QFileInfo::exists(target) && !QFile::copy(from.filePath(name), target)) {
            return false;
        }
        // A copy of a read-only installed file must be writable: it is the school's now.
        QFile(target).setPermissions(QFile(target).permissions() | QFileDevice::WriteOwner);
    }
    return true;
}

void enterSchoolFolder() {
    if (holdsSchool(QDir::currentPath())) {
        return;
    }
    const QString config = configSchoolFolder();
    QString folder = holdsSchool(config) ? config : askForSchool(config);
    if (!folder.isEmpty()) {
        QDir::setCurrent(folder);
    }
}

} // namespace tivra

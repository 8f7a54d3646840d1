#include "app/FirstStart.h"

#include "app/SchoolFolder.h"
#include "gui/Convert.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace tivra {
namespace {

enum class Answer { Choose, Demo, Cancel };

void warn(const QString& text) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Tivra"), text, QMessageBox::Ok);
    box.setObjectName(QStringLiteral("firstStartWarning"));
    box.exec();
}

Answer ask() {
    const QString text = toQString("Tivra hittar ingen skola p\xE5 den h\xE4r datorn.\n\n"
                                   "Skolans mapp \xE4r den delade mapp d\xE4r skolans Tivra.ini ligger "
                                   "(din IT-ansvarige vet var).\n\n"
                                   "Vill du bara prova programmet kan du skapa en egen demoskola; "
                                   "bokningarna i den syns bara p\xE5 den h\xE4r datorn.");
    QMessageBox box(QMessageBox::Question, QStringLiteral("Tivra"), text);
    box.setObjectName(QStringLiteral("firstStart"));
    QPushButton* choose = box.addButton(toQString("V\xE4lj mapp..."), QMessageBox::AcceptRole);
    choose->setObjectName(QStringLiteral("chooseFolder"));
    QPushButton* demo = box.addButton(toQString("Skapa fr\xE5n demoskolan"), QMessageBox::ActionRole);
    demo->setObjectName(QStringLiteral("createDemo"));
    QPushButton* cancel = box.addButton(toQString("Avbryt"), QMessageBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancel"));
    box.setDefaultButton(choose);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == choose) {
        return Answer::Choose;
    }
    return box.clickedButton() == demo ? Answer::Demo : Answer::Cancel;
}

// The folder chosen in the folder dialog; empty when cancelled or when it holds no
// Tivra.ini (said so).
QString chooseFolder() {
    QFileDialog dialog(nullptr, toQString("V\xE4lj skolans mapp (den med Tivra.ini)"));
    dialog.setObjectName(QStringLiteral("schoolFolderDialog"));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    QString folder = dialog.selectedFiles().front();
    if (!holdsSchool(folder)) {
        warn(toQString("Mappen ") + QDir::toNativeSeparators(folder) + toQString(" har ingen Tivra.ini."));
        return {};
    }
    return folder;
}

QString makeDemo(const SchoolPlaces& places) {
    if (copyDemoSchool(places.demoShipped, places.demoCopy)) {
        return places.demoCopy;
    }
    warn(toQString("Demoskolan kunde inte kopieras till ") + QDir::toNativeSeparators(places.demoCopy) +
         QStringLiteral("."));
    return {};
}

FoundSchool remembered(const SchoolPlaces& places, const QString& folder) {
    if (!rememberChosen(places.userConfig, folder)) {
        warn(toQString("Valet kunde inte sparas i ") +
             QDir::toNativeSeparators(userConfFile(places.userConfig)) +
             toQString("; Tivra fr\xE5gar igen n\xE4sta g\xE5ng."));
    }
    return {SchoolSource::Remembered, QDir::cleanPath(folder), userConfFile(places.userConfig)};
}

} // namespace

FoundSchool askFirstStart(const SchoolPlaces& places) {
    for (;;) {
        const Answer answer = ask();
        if (answer == Answer::Cancel) {
            return {};
        }
        const QString folder = answer == Answer::Choose ? chooseFolder() : makeDemo(places);
        if (!folder.isEmpty()) {
            return remembered(places, folder);
        }
    }
}

} // namespace tivra

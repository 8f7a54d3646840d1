// The window's school: Arkiv "Byt skola..." and the recent schools, and the word in the
// title and the status line that the school is a demo whose bookings stay on this computer.
#include "ui/Form1.h"

#include "gui/Convert.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>

namespace tivra {

void Form1::buildSchoolMenu() {
    if (!place_.change) {
        return;
    }
    Arkiv->addSeparator();
    QAction* change = Arkiv->addAction(QStringLiteral("Byt skola..."));
    change->setObjectName(QStringLiteral("Arkiv_bytskola"));
    connect(change, &QAction::triggered, this, &Form1::Arkiv_bytskola_Click);
    int n = 0;
    for (const QString& folder : place_.recent) {
        ++n;
        QAction* recent =
            Arkiv->addAction(QStringLiteral("&%1 %2").arg(n).arg(QDir::toNativeSeparators(folder)));
        recent->setObjectName(QStringLiteral("recentSchool%1").arg(n));
        connect(recent, &QAction::triggered, this, [this, folder] { place_.change(folder); });
    }
}

void Form1::Arkiv_bytskola_Click() {
    QFileDialog dialog(this, toQString("Byt skola: v\xE4lj mappen med Tivra.ini"), place_.folder);
    dialog.setObjectName(QStringLiteral("schoolFolderDialog"));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    const QString folder = dialog.selectedFiles().front();
    if (!QFileInfo(QDir(folder).filePath(QStringLiteral("Tivra.ini"))).isFile()) {
        platform_.messages.show("Mappen " + textBytes(QDir::toNativeSeparators(folder)) +
                                    " har ingen Tivra.ini.",
                                "Byt skola", Icon::Exclamation);
        return;
    }
    place_.change(folder);
}

void Form1::showDemo() {
    if (!place_.demo) {
        return;
    }
    auto* demo = new QLabel(toQString(kDemoNotice), this);
    demo->setObjectName(QStringLiteral("statusDemo"));
    demo->setStyleSheet(QStringLiteral("QLabel { font-weight: bold; }"));
    // First on the line, where it is read before anything else the line says.
    statusBar()->insertWidget(0, demo);
}

QString Form1::schoolTitle() const {
    return place_.demo ? toQString(" \x96 ") + toQString(kDemoNotice) : QString();
}

} // namespace tivra

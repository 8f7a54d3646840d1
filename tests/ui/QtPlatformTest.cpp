// The Qt side of the platform below the windows: the message boxes, the text conversion
// and translation, and the booking lock beside the lock of copies that still lock
// through Qt.
#include "booking/FileBookingLock.h"
#include "ui/PrinterOutput.h"
#include "ui/QtMessages.h"
#include "ui/StartedWindow.h"
#include "ui/SwedishQt.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QLockFile>
#include <QMessageBox>
#include <QPrinter>
#include <QProcess>
#include <QSysInfo>

#include <regex>

namespace tivra::test {
namespace {

// Answers the next message box by Enter, noting its buttons' captions.
void answer(QString& seen) {
    QTimer::singleShot(0, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QStringList captions;
        for (QAbstractButton* b : box->buttons()) {
            captions << b->text();
        }
        seen = captions.join(QLatin1Char('|'));
        QTest::keyClick(box, Qt::Key_Return);
    });
}

TEST(QtMessages, SwedishButtonsTheirDefaultsTheInputBoxCursorAndQtsOwnDialogs) {
    QtMessages messages;
    QString seen;
    // Yes for most questions, No before booking over a lesson.
    answer(seen);
    EXPECT_TRUE(messages.ask("Vill du ers\xE4tta befintlig fil?", "Spara bokningar"));
    EXPECT_EQ(seen, QStringLiteral("Ja|Nej"));
    answer(seen);
    EXPECT_FALSE(messages.askNo("Lektion?", "Boka"));
    // The input box puts the cursor after its default.
    QString state;
    QTimer::singleShot(50, [&] {
        auto* edit = QApplication::activeModalWidget()->findChild<QLineEdit*>();
        state = edit->selectedText() + QString::number(edit->cursorPosition());
        QTest::keyClicks(edit, QStringLiteral("3\r"));
    });
    EXPECT_EQ(messages.input("Skriv veckor i formen 45-5", "Bokning flera veckor", "50-"), "50-3");
    EXPECT_EQ(state, QStringLiteral("3")); // nothing selected, the cursor at the end
    // Shown text has plain line breaks (the round trip of every byte is tested below).
    EXPECT_EQ(toDisplay("Kan inte \xF6ppna x.sal.\r\nRedigera"), q("Kan inte \xF6ppna x.sal.\nRedigera"));
    // A field takes what the file can hold, and no control character of any kind.
    Cp1252Validator validator;
    const std::pair<QString, bool> typed[] = {{q("Prov \xC5\xC4\xD6"), true},
                                              {QStringLiteral("a\tb"), false},
                                              {QStringLiteral("a\u007F"), false},
                                              {QStringLiteral("a\u0090"), false},
                                              {QStringLiteral("\u2603"), false}};
    for (auto [text, acceptable] : typed) {
        int pos = 0;
        EXPECT_EQ(validator.validate(text, pos) == QValidator::Acceptable, acceptable) << text.toStdString();
    }
    // The save dialog says which file type was chosen, besides the name.
    TempDir dir;
    QTimer::singleShot(50, [] {
        auto* files = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        files->selectNameFilter(QStringLiteral("Kalkylblad (*.csv)"));
        files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(QStringLiteral("b14"));
        static_cast<QDialog*>(files)->accept(); // what "Spara" does
    });
    const SaveChoice chosen = messages.saveFile(dir.path().string(), "Kalender|*.ics|Kalkylblad|*.csv");
    EXPECT_EQ(chosen.name + "|" + std::to_string(chosen.filter), dir.file("b14") + "|1");
    // Qt's own dialogs speak Swedish too.
    SwedishQt ours;
    QCoreApplication::installTranslator(&ours);
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    EXPECT_EQ(dialog.labelText(QFileDialog::LookIn) + dialog.labelText(QFileDialog::Reject),
              QStringLiteral("Leta i:Avbryt"));
    QCoreApplication::removeTranslator(&ours);
}

// The printer keeps the user's orientation from job to job: a week sheet turns only its own
// pages, and the pages after it, and the next job, are as the user chose them.
TEST(PrinterOutput, AWeekSheetTurnsOnlyItsOwnPagesAndEachJobKeepsTheUsersOrientation) {
    TempDir dir;
    for (auto chosen : {QPageLayout::Portrait, QPageLayout::Landscape}) {
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageOrientation(chosen);
        PrinterOutput output(printer);
        std::string sizes;
        for (int job = 1; job <= 2; ++job) {
            const QString file = QString::fromStdString(dir.file("jobb" + std::to_string(job) + ".pdf"));
            printer.setOutputFileName(file);
            output.print([job](PrintSurface& surface) {
                surface.writeLine("Lista");
                if (job == 1) { // a list, then a week sheet
                    surface.newPage();
                    surface.setLandscape(true);
                    surface.writeLine("Vecko\xF6versikt");
                }
                surface.endDoc();
                return true;
            });
            QProcess pdfinfo;
            pdfinfo.start(QStringLiteral("pdfinfo"), {QStringLiteral("-f"), QStringLiteral("1"),
                                                      QStringLiteral("-l"), QStringLiteral("2"), file});
            pdfinfo.waitForFinished();
            const std::string info = pdfinfo.readAllStandardOutput().toStdString();
            const std::regex page("Page +[0-9]+ size: +([0-9]+ x [0-9]+)");
            for (std::sregex_iterator m(info.begin(), info.end(), page); m != std::sregex_iterator(); ++m) {
                sizes += (*m)[1].str() + "|";
            }
        }
        EXPECT_EQ(sizes, chosen == QPageLayout::Portrait ? "595 x 842|842 x 595|595 x 842|"
                                                         : "842 x 595|842 x 595|842 x 595|");
    }
}

using std::chrono::milliseconds;

// Copies of earlier versions lock through QLockFile with a note of the user beside the
// lock: each reads the other's lock as a live one, names its holder and waits for it.
TEST(BookingLock, CopiesThatLockThroughQtAndThisVersionRespectEachOthersLocks) {
    TempDir dir;
    RealDisk disk;
    const std::string lockFile = dir.file("Bokningar.bok.lock");
    FileBookingLock anna(disk, "anna");
    ASSERT_EQ(anna.tryLock(lockFile, milliseconds(0)), LockResult::Taken);
    QLockFile earlier(QString::fromStdString(lockFile));
    EXPECT_FALSE(earlier.tryLock(0));
    qint64 pid = 0;
    QString host;
    QString application;
    ASSERT_TRUE(earlier.getLockInfo(&pid, &host, &application));
    EXPECT_EQ(pid, QCoreApplication::applicationPid());
    EXPECT_EQ(host, QSysInfo::machineHostName());
    EXPECT_EQ(application, QFileInfo(QCoreApplication::applicationFilePath()).fileName());
    anna.unlock();

    ASSERT_TRUE(earlier.tryLock(0));
    writeBytes(lockFile + ".user", std::to_string(QCoreApplication::applicationPid()) + "\ncecilia\n");
    FileBookingLock bo(disk, "bo");
    EXPECT_EQ(bo.tryLock(lockFile, milliseconds(50)), LockResult::HeldByOther);
    EXPECT_EQ(bo.holder().user + " " + bo.holder().host,
              "cecilia " + QSysInfo::machineHostName().toStdString());
    earlier.unlock();
    EXPECT_EQ(bo.tryLock(lockFile, milliseconds(0)), LockResult::Taken);
}

} // namespace
} // namespace tivra::test

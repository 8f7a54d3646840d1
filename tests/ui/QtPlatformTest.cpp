// The Qt side of the platform below the windows: the message boxes, the text conversion
// and translation, the print surface and its PDF file, the booking file's lock, and the
// Arkiv commands' file choice.
#include "core/BookingFixture.h"
#include "support/Fakes.h"
#include "ui/ArkivCommands.h"
#include "ui/Convert.h"
#include "ui/PrintOutput.h"
#include "ui/QtBookingLock.h"
#include "ui/QtMessages.h"
#include "ui/QtPrintSurface.h"
#include "ui/StartedWindow.h"
#include "ui/SwedishQt.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QSysInfo>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <filesystem>

namespace tivra::test {
namespace {

// Answers the next message box by the caption of one of its buttons, noting all captions.
void answer(const char* caption, QStringList& seen) {
    QTimer::singleShot(0, [caption, &seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen.clear();
        for (QAbstractButton* b : box->buttons()) {
            seen << b->text();
        }
        box->buttons()[seen.indexOf(QLatin1String(caption))]->click();
    });
}

TEST(QtMessages, QuestionsCarrySwedishButtonsAndEnterTakesTheDefault) {
    QtMessages messages;
    QStringList seen;
    answer("Ja", seen);
    EXPECT_TRUE(messages.ask("Vill du ers\xE4tta befintlig fil?", "Spara bokningar"));
    EXPECT_EQ(joined(seen), "Ja|Nej");
    answer("Nej", seen);
    EXPECT_FALSE(messages.ask("Fr\xE5ga", "Boka"));
    answer("OK", seen);
    messages.show("Skriv din signatur.", "Boka", Icon::Exclamation);
    EXPECT_EQ(joined(seen), "OK");
    // Yes for most questions, No before booking over a lesson.
    for (bool lesson : {false, true}) {
        QTimer::singleShot(0, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Return); });
        EXPECT_EQ(lesson ? messages.askNo("Lektion?", "Boka") : messages.ask("Ers\xE4tta?", "Spara"),
                  !lesson);
    }
}

TEST(QtMessages, TheInputBoxPutsTheCursorAfterItsDefault) {
    QtMessages messages;
    QString selected = QStringLiteral("?");
    int cursor = -1;
    QTimer::singleShot(50, [&] {
        auto* edit = QApplication::activeModalWidget()->findChild<QLineEdit*>();
        selected = edit->selectedText();
        cursor = edit->cursorPosition();
        QTest::keyClicks(edit, QStringLiteral("3"));
        QTest::keyClick(edit, Qt::Key_Return);
    });
    EXPECT_EQ(messages.input("Skriv veckor i formen 45-5", "Bokning flera veckor", "50-"), "50-3");
    EXPECT_EQ(selected, QString());
    EXPECT_EQ(cursor, 3);
}

// The round trip of every byte is tested below the window; shown text has plain line breaks.
TEST(Convert, DisplayedTextHasPlainLineBreaks) {
    EXPECT_EQ(toDisplay("Kan inte \xF6ppna x.sal.\r\nRedigera"), q("Kan inte \xF6ppna x.sal.\nRedigera"));
}

TEST(SwedishQt, QtsOwnDialogsSpeakSwedish) {
    SwedishQt ours;
    QCoreApplication::installTranslator(&ours);
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    EXPECT_EQ(dialog.labelText(QFileDialog::LookIn), QStringLiteral("Leta i:"));
    EXPECT_EQ(dialog.labelText(QFileDialog::Reject), QStringLiteral("Avbryt"));
    QPrinter printer;
    QPrintPreviewDialog preview(&printer);
    QStringList actions;
    for (QAction* action : preview.findChildren<QAction*>()) {
        actions << action->text();
    }
    EXPECT_TRUE(actions.contains(toQString("N\xE4sta sida"))) << actions.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(actions.contains(toQString("Utskriftsformat")));
    QCoreApplication::removeTranslator(&ours);
}

// What a poppler tool prints for the file.
std::string poppler(const char* tool, const std::string& pdf, const QStringList& more = {}) {
    QProcess process;
    process.start(QLatin1String(tool), QStringList{QString::fromStdString(pdf)} + more);
    process.waitForFinished();
    return fromQString(QString::fromUtf8(process.readAllStandardOutput())).value_or("?");
}

TEST(QtPrintSurface, APdfKeepsItsTextSearchableAndEndsWithoutAnEmptyPage) {
    TempDir dir;
    const std::string pdf = dir.file("Bokningar.pdf");
    {
        auto writer = makePdfWriter(QString::fromStdString(pdf));
        QtPrintSurface surface(*writer);
        surface.setFontName("Times New Roman");
        surface.setFontSize(14);
        surface.filledBox(0, 0, surface.pageWidth(), 400, 200);
        surface.writeLine("Bokningar av SAL \xC5");
        surface.setLineWidth(3);
        surface.line(0, 1000, 5000, 1000);
        surface.newPage();
        surface.box(5000, 5000, 1000, 1000);
        surface.writeOn("\xC4ndrad ");
        surface.writeLine("\xD6vning");
        surface.newPage();
        surface.endDoc();
        EXPECT_TRUE(surface.ok());
    }
    const std::string info = poppler("pdfinfo", pdf);
    EXPECT_NE(info.find("Pages:           2"), std::string::npos) << info;
    EXPECT_NE(info.find("595 x 842 pts (A4)"), std::string::npos) << info;
    const std::string text = poppler("pdftotext", pdf, {QStringLiteral("-")});
    EXPECT_NE(text.find("Bokningar av SAL \xC5"), std::string::npos) << text;
    EXPECT_NE(text.find("\xC4ndrad \xD6vning"), std::string::npos) << text;

    // A printout that draws nothing leaves no file.
    const std::string untouched = dir.file("Tom.pdf");
    {
        auto writer = makePdfWriter(QString::fromStdString(untouched));
        QtPrintSurface surface(*writer);
        surface.newPage();
        surface.write("", true);
        surface.endDoc();
    }
    EXPECT_FALSE(std::filesystem::exists(untouched));
}

TEST(QtPrintSurface, MeasuresThePrintableAreaAndTextInTwips) {
    TempDir dir;
    auto writer = makePdfWriter(QString::fromStdString(dir.file("Sida.pdf")));
    QtPrintSurface surface(*writer);
    // A4 less 10 mm on either side, within the point (20 twips) Qt's PDF pages round to.
    EXPECT_NEAR(surface.pageWidth(), 190 / 25.4 * 1440, 20);
    EXPECT_NEAR(surface.pageHeight(), 277 / 25.4 * 1440, 20);
    surface.setFontName("Arial");
    surface.setFontSize(10);
    // 10 points are 200 twips; a line is a little taller than the letters.
    EXPECT_GT(surface.textHeight("Sal"), 200);
    EXPECT_LT(surface.textHeight("Sal"), 280);
    surface.writeOn("Sal 12");
    EXPECT_DOUBLE_EQ(surface.currentX(), surface.textWidth("Sal 12"));
    EXPECT_GT(surface.textWidth("Sal 12 bokad"), surface.currentX());
    surface.writeLine(" bokad");
    EXPECT_EQ(surface.currentX(), 0);
    EXPECT_DOUBLE_EQ(surface.currentY(), surface.textHeight(""));
}

TEST(PdfOutput, AStoppedDocumentLeavesTheOldFileAndNoPartOfTheNew) {
    TempDir dir;
    const std::string path = dir.file("veckan.pdf");
    writeBytes(path, "gammal");
    PdfOutput pdf(QString::fromStdString(path), pdfPageLayout());
    auto draw = [](bool finish) {
        return [finish](PrintSurface& surface) {
            surface.writeLine("Sida 1");
            surface.newPage();
            if (finish) {
                surface.endDoc();
            }
            return finish;
        };
    };
    EXPECT_EQ(pdf.print(draw(false)), PrintResult::Cancelled);
    EXPECT_EQ(readBytes(path), "gammal");
    EXPECT_EQ(pdf.print(draw(true)), PrintResult::Done);
    EXPECT_TRUE(readBytes(path).starts_with("%PDF"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

using std::chrono::milliseconds;

struct BookingLock : ::testing::Test {
    void stamp(std::filesystem::file_time_type::duration age) {
        std::filesystem::last_write_time(lockFile, std::filesystem::file_time_type::clock::now() - age);
    }
    TempDir dir;
    const std::string lockFile = dir.file("Bokningar.bok.lock");
    QtBookingLock bo{QStringLiteral("bo")};
};

TEST_F(BookingLock, ASecondCopyWaitsThenLearnsWhoHoldsTheLock) {
    QtBookingLock anna(QStringLiteral("anna"));
    ASSERT_EQ(anna.tryLock(lockFile, milliseconds(0)), LockResult::Taken);
    auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(bo.tryLock(lockFile, milliseconds(300)), LockResult::HeldByOther);
    EXPECT_GE(std::chrono::steady_clock::now() - started, milliseconds(300));
    EXPECT_EQ(bo.holder().user, "anna");
    EXPECT_EQ(bo.holder().host, QSysInfo::machineHostName().toStdString());
    anna.unlock();
    EXPECT_EQ(bo.tryLock(lockFile, milliseconds(0)), LockResult::Taken);
    bo.unlock();
    EXPECT_TRUE(std::filesystem::is_empty(dir.path())) << "neither the lock nor the note of its user stays";
}

TEST_F(BookingLock, ALockLeftBehindIsBrokenButNotOneThatMayStillBeInUse) {
    // No process has this id (above the kernel's limit), and the lock names this host.
    writeBytes(lockFile, "99999999\ntivra\n" + QSysInfo::machineHostName().toStdString() + "\n");
    EXPECT_EQ(bo.tryLock(lockFile, milliseconds(0)), LockResult::Taken);
    bo.unlock();
    // A copy killed before it wrote into its lock leaves an empty file: abandoned once it
    // is a moment old, but not while its maker may still be writing.
    writeBytes(lockFile, "");
    EXPECT_EQ(bo.tryLock(lockFile, milliseconds(0)), LockResult::HeldByOther);
    stamp(std::chrono::seconds(5));
    EXPECT_EQ(bo.tryLock(lockFile, milliseconds(0)), LockResult::Taken);
    bo.unlock();
    // A host whose clock runs ahead stamps its lock in the future: that is no old lock.
    writeBytes(lockFile, "4242\ntivra\nen-annan-dator\n");
    stamp(-std::chrono::hours(1));
    EXPECT_EQ(bo.tryLock(lockFile, milliseconds(50)), LockResult::HeldByOther);
    stamp(std::chrono::seconds(31));
    EXPECT_EQ(bo.tryLock(lockFile, milliseconds(0)), LockResult::Taken);
    bo.unlock();
}

TEST_F(BookingLock, ALockThatCannotBeMadeIsNoLockHeldBySomebodyElse) {
    EXPECT_EQ(bo.tryLock(dir.file("saknas/Bokningar.bok.lock"), milliseconds(0)), LockResult::Failed);
    std::filesystem::create_directory(lockFile);
    EXPECT_EQ(bo.tryLock(lockFile, milliseconds(0)), LockResult::NotAFile);
}

using ArkivTest = SaveFixture;

TEST_F(ArkivTest, SaveAsGivesTheBookingExtensionAndAsksBeforeReplacing) {
    append("A");
    std::filesystem::create_directory(dir.path() / "a.b");
    const std::pair<const char*, const char*> names[] = {
        {"Nya", "Nya.bok"}, {"Nya.txt", "Nya.bok"}, {"a.b/Ny", "a.b/Ny.bok"}};
    for (const auto& [chosen, saved] : names) {
        std::filesystem::remove(dir.file(saved));
        messages.fileNames.push_back(dir.file(chosen));
        EXPECT_TRUE(arkiv_saveas(table, file, platform)) << chosen;
        EXPECT_EQ(file.aktuellfil + readBytes(dir.file(saved)), dir.file(saved) + savedA) << chosen;
    }
    // No keeps the previous file open and the other untouched.
    const std::string other = dir.file("Annan.bok");
    writeBytes(other, "Antal: 0\r\n");
    messages.fileNames = {other, other};
    messages.answers = {false, true};
    EXPECT_FALSE(arkiv_saveas(table, file, platform));
    EXPECT_EQ(file.aktuellfil + readBytes(other), dir.file("a.b/Ny.bok") + "Antal: 0\r\n");
    EXPECT_EQ(messages.log().back(),
              "Spara bokningar|" + other +
                  ". Bokningar med detta namn finns redan. Vill du ers\xE4tta befintlig fil?");
    EXPECT_TRUE(arkiv_saveas(table, file, platform));
    EXPECT_EQ(file.aktuellfil + readBytes(other), other + savedA);
    // A cancelled dialog leaves no file open, and a save then has nowhere to go.
    EXPECT_FALSE(arkiv_saveas(table, file, platform));
    EXPECT_TRUE(file.aktuellfil.empty());
    EXPECT_FALSE(save());
}

TEST_F(ArkivTest, OpenLoadsTheChosenFileWithoutACopy) {
    const std::string other = dir.file("Annan.bok");
    writeBytes(other, bookingFile({{.objekt = "SAL 9"}}));
    messages.fileNames.push_back(other);
    EXPECT_EQ(arkiv_open(table, file, "", platform), LoadResult::Loaded);
    EXPECT_EQ(file.aktuellfil, other);
    EXPECT_EQ(table.row(table.antalrader).objekt, "SAL 9");
    EXPECT_EQ(messages.log(), Lines{"|.|*.bok|*.bok"});
    EXPECT_FALSE(disk.exists(dir.file("Annan.bk7")));
    EXPECT_EQ(arkiv_open(table, file, "", platform), LoadResult::NoFile);
    EXPECT_TRUE(file.aktuellfil.empty());
}

} // namespace
} // namespace tivra::test

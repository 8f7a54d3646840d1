// The main window's menus, start-up and ways of ending; the Qt dialogs and text conversion.
#include "ui/QtMessages.h"
#include "ui/StartedWindow.h"
#include "ui/SwedishQt.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTimer>

#include <functional>

namespace tivra {
namespace {

using namespace test;

const Date kWednesdayWeek6{2027, 2, 10};

// Each option's caption, with * when chosen and - when it cannot be chosen.
std::string options(const StartedWindow& s) {
    QStringList all;
    for (const char* name : {"Option1", "Option2", "Option3", "Option4"}) {
        auto* o = s.child<QRadioButton>(name);
        all << o->text() + QLatin1String(o->isChecked() ? "*" : "") +
                   QLatin1String(o->isEnabled() ? "" : "-");
    }
    return joined(all);
}

TEST(Form1, TitleMenusAndTheirState) {
    StartedWindow s({}, kWednesdayWeek6);
    EXPECT_EQ(s.form->windowTitle(), QStringLiteral("Tivra"));
    QStringList menu; // each caption with + when enabled, - when not
    for (const char* name : {"arkiv_open", "arkiv_saveas", "Arkiv_ini", "Arkiv_skrivut", "Arkiv_skrivare",
                             "Arkiv_avsluta", "help_help", "help_om"}) {
        auto* action = s.child<QAction>(name);
        ASSERT_NE(action, nullptr);
        menu << action->text() + QLatin1Char(action->isEnabled() ? '+' : '-');
    }
    EXPECT_EQ(joined(menu), "\xD6ppna+|Spara som...+|Tivra.ini+|Skriv ut+|Skrivare+|Avsluta+|"
                            "Hj\xE4lpavsnitt+|Om programmet+");
    EXPECT_EQ(s.child<QPushButton>("Command3")->text(), QStringLiteral("Boka"));
    EXPECT_EQ(s.child<QPushButton>("Command6")->toolTip(), q("T\xF6m rutorna"));
}

TEST(Form1, StartupFillsTheDayWeekAndObjectLists) {
    StartedWindow s(school("0", {}), kWednesdayWeek6);
    EXPECT_EQ(s.items("Combo3"), "M\xC5N|TIS|ONS|TOR|FRE");
    EXPECT_EQ(s.items("Combo2"), "34|35|36|37|38|39|40|41|42|43|44|45|46|47|48|49|50|51|52|"
                                 "1|2|3|4|5|6|7|8|9|10|11|12|13|14|15|16|17|18|19|20|21|22|23|24");
    // February lies in the second calendar year of the period: shown as its own week.
    EXPECT_EQ(s.texts({"Combo3", "Combo2"}), "ONS|6");
    EXPECT_EQ(s.program.selection.valdvecka, 58);
    EXPECT_EQ(s.items("Combo1"), "B14|B12");
    EXPECT_EQ(options(s), "Salar*|Annat|Visa personalscheman|Visa alla bokningar");
    EXPECT_TRUE(s.messages.shown.empty());
}

// Which lists start-up fills is pinned below the window; here, that the single list shows.
TEST(Form1, WithoutRoomsTheObjectsFillASingleList) {
    StartedWindow s({{"Tivra.ini", crlf({"BOKA: Kanon 1", "BOKA: l\xE4rarrummet"})}}, kWednesdayWeek6);
    EXPECT_EQ(options(s), "Salar-|Objekt*|Visa personalscheman-|Visa alla bokningar");
    EXPECT_EQ(s.items("Combo1") + "/" + s.texts({"Combo1"}), "KANON 1|L\xC4RARRUMMET/KANON 1");
}

TEST(Form1, AvslutaMenuButtonAndCloseBoxEndTheProgramWithoutAsking) {
    const std::function<void(StartedWindow&)> ways[] = {
        [](StartedWindow& s) { s.child<QAction>("Arkiv_avsluta")->trigger(); },
        [](StartedWindow& s) { s.click("Command5"); },
        [](StartedWindow& s) { EXPECT_TRUE(s.form->close()); }};
    for (const auto& end : ways) {
        StartedWindow s({}, kWednesdayWeek6);
        end(s);
        EXPECT_FALSE(s.form->isVisible());
        EXPECT_TRUE(s.messages.shown.empty());
    }
}

TEST(Form1, FieldsRefuseCharactersTheFilesCannotHold) {
    StartedWindow s({}, kWednesdayWeek6);
    // U+0142 and U+2192 have no byte in Windows-1252; the characters around them do.
    keys(s.field("Text4"), QString::fromUtf8("\xC3\x85s\xC5\x82"
                                             "a"));
    keys(s.field("Combo1"), QString::fromUtf8("\xE2\x82\xAC\xE2\x86\x92"));
    EXPECT_EQ(s.texts({"Text4", "Combo1"}), "\xC5sa|\x80");
}

// The menu's commands load and save through the file dialogs (their logic is tested below
// the window); a load redraws the week, a cancelled dialog does not.
TEST(Form1, OpenAndSaveAsUseTheChosenFile) {
    StartedWindow s(school("0", {}), kWeek40);
    const std::string other = bookingFile({{"CD", "", "30", "5", "14.00", "B14", "", "40", ""}});
    writeBytes(s.dir.file("annan.bok"), other);
    int redraws = s.form->redrawCount();
    s.messages.fileNames.push_back(s.dir.file("annan.bok"));
    s.child<QAction>("arkiv_open")->trigger();
    EXPECT_EQ(s.form->redrawCount(), redraws + 1);
    ASSERT_NE(s.boxOf(2), nullptr);
    EXPECT_EQ(s.boxOf(2)->caption(), QStringLiteral("CD\n14.00 -14.30\n"));

    s.messages.fileNames.push_back(s.dir.file("kopia.txt"));
    s.child<QAction>("arkiv_saveas")->trigger();
    EXPECT_EQ(readBytes(s.dir.file("kopia.bok")), other);
    s.child<QAction>("arkiv_open")->trigger();
    EXPECT_EQ(s.form->redrawCount(), redraws + 1);
    EXPECT_EQ(s.shown().size(), 2U);
}

// Answers the next message box by the caption of one of its buttons, noting all captions.
void answer(const char* caption, QStringList& seen) {
    QTimer::singleShot(0, [caption, &seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen.clear();
        for (QAbstractButton* b : box->buttons()) {
            seen << b->text();
        }
        if (seen.contains(QLatin1String(caption))) {
            box->buttons()[seen.indexOf(QLatin1String(caption))]->click();
        } else {
            box->reject();
        }
    });
}

TEST(QtMessages, QuestionsCarrySwedishButtonsAndReportTheAnswer) {
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

    // Enter takes the default: Yes for most questions, No before booking over a lesson.
    for (bool lesson : {false, true}) {
        QTimer::singleShot(0, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Return); });
        EXPECT_EQ(lesson ? messages.askNo("Lektion?", "Boka") : messages.ask("Ersätta?", "Spara"), !lesson);
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

// The round trip of every byte is pinned below the window; shown text has plain line breaks.
TEST(Convert, DisplayedTextHasPlainLineBreaks) {
    EXPECT_EQ(toDisplay("Kan inte \xF6ppna x.sal.\r\nRedigera"), q("Kan inte \xF6ppna x.sal.\nRedigera"));
}

} // namespace
} // namespace tivra

namespace tivra {
namespace {

TEST(SwedishQt, QtsOwnDialogsSpeakSwedish) {
    SwedishQt ours;
    QCoreApplication::installTranslator(&ours);
    {
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        EXPECT_EQ(dialog.labelText(QFileDialog::LookIn), QStringLiteral("Leta i:"));
        EXPECT_EQ(dialog.labelText(QFileDialog::Reject), QStringLiteral("Avbryt"));
        EXPECT_EQ(dialog.labelText(QFileDialog::FileName), QStringLiteral("Fil&namn:"));
    }
    {
        QPrinter printer;
        QPrintPreviewDialog preview(&printer);
        QStringList actions;
        for (QAction* action : preview.findChildren<QAction*>()) {
            actions << action->text();
        }
        EXPECT_TRUE(actions.contains(toQString("N\xE4sta sida")))
            << actions.join(QLatin1Char('|')).toStdString();
        EXPECT_TRUE(actions.contains(toQString("Utskriftsformat")));
    }
    QCoreApplication::removeTranslator(&ours);
}

} // namespace
} // namespace tivra

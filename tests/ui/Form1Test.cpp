#include "ui/Form1.h"
#include "config/Program.h"
#include "core/Platform.h"
#include "support/Fakes.h"
#include "ui/Convert.h"
#include "ui/QtMessages.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace tivra {
namespace {

using test::crlf;
using test::FixedClock;
using test::readBytes;
using test::ScriptedMessages;
using test::TempDir;
using test::writeBytes;

// Start-up reads its files from the current folder: run each test inside its own.
class CurrentFolder {
  public:
    explicit CurrentFolder(const std::filesystem::path& folder) : saved_(std::filesystem::current_path()) {
        std::filesystem::current_path(folder);
    }
    ~CurrentFolder() { std::filesystem::current_path(saved_); }
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;

  private:
    std::filesystem::path saved_;
};

// A window started in a fresh folder holding the given files, on a pinned date.
struct Started {
    explicit Started(const std::vector<std::pair<std::string, std::string>>& files, Date today)
        : clock(today) {
        for (const auto& [name, bytes] : files) {
            writeBytes(dir.file(name), bytes);
        }
        inFolder = std::make_unique<CurrentFolder>(dir.path());
        form = std::make_unique<Form1>(program, platform);
    }

    template <typename T> T* child(const char* name) const {
        T* w = form->findChild<T*>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QStringList items(const char* combo) const {
        QStringList out;
        auto* c = child<QComboBox>(combo);
        for (int i = 0; i < c->count(); ++i) {
            out << c->itemText(i);
        }
        return out;
    }

    TempDir dir;
    std::unique_ptr<CurrentFolder> inFolder;
    Program program;
    RealDisk disk;
    FixedClock clock;
    ScriptedMessages messages;
    Platform platform{disk, clock, messages};
    std::unique_ptr<Form1> form;
};

// Types the text character by character, as a keyboard with these letters would.
void type(QWidget* w, const QString& text) {
    for (QChar c : text) {
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

QString q(const char* cp1252) {
    return toQString(cp1252);
}

const Date kWednesdayWeek6{2027, 2, 10};

TEST(Form1, TitleMenusAndTheirState) {
    Started s({}, kWednesdayWeek6);
    EXPECT_EQ(s.form->windowTitle(), QStringLiteral("Tivra"));
    EXPECT_EQ(s.form->objectName(), QStringLiteral("Form1"));

    struct Entry {
        const char* name;
        const char* caption;
        bool enabled;
    };
    const Entry entries[] = {
        {"arkiv_open", "\xD6ppna", true},        {"arkiv_saveas", "Spara som...", true},
        {"Arkiv_ini", "Tivra.ini", false},       {"Arkiv_skrivut", "Skriv ut", false},
        {"Arkiv_skrivare", "Skrivare", false},   {"Arkiv_avsluta", "Avsluta", true},
        {"help_help", "Hj\xE4lpavsnitt", false}, {"help_om", "Om programmet", false},
    };
    for (const Entry& e : entries) {
        auto* action = s.child<QAction>(e.name);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->text(), q(e.caption)) << e.name;
        EXPECT_EQ(action->isEnabled(), e.enabled) << e.name;
    }
    EXPECT_EQ(s.child<QPushButton>("Command3")->text(), QStringLiteral("Boka"));
    EXPECT_EQ(s.child<QPushButton>("Command6")->text(), q("T\xF6m"));
    EXPECT_EQ(s.child<QPushButton>("Command6")->toolTip(), q("T\xF6m rutorna"));
    for (const char* name : {"Text1", "Text2", "Text3", "Text4", "Text5"}) {
        EXPECT_NE(s.child<QLineEdit>(name), nullptr);
    }
}

TEST(Form1, StartupFillsTheDayWeekAndObjectBoxes) {
    // Given a period over the new year, a room list and no timetable files.
    Started s({{"Tivra.ini", crlf({"SCHEMA: skolan.sch", "STARTVECKA:  34", "SLUTVECKA:  76"})},
               {"skolan.sal", crlf({"b12", "A101 Fysiksal", "Aula"})}},
              kWednesdayWeek6);

    EXPECT_EQ(s.items("Combo3"), (QStringList{q("M\xC5N"), QStringLiteral("TIS"), QStringLiteral("ONS"),
                                              QStringLiteral("TOR"), QStringLiteral("FRE")}));
    EXPECT_EQ(s.child<QComboBox>("Combo3")->currentText(), QStringLiteral("ONS"));

    QStringList weeks = s.items("Combo2");
    ASSERT_EQ(weeks.size(), 43);
    EXPECT_EQ(weeks.front(), QStringLiteral("34"));
    EXPECT_EQ(weeks[18], QStringLiteral("52"));
    EXPECT_EQ(weeks[19], QStringLiteral("1"));
    EXPECT_EQ(weeks.back(), QStringLiteral("24"));
    // February lies in the second calendar year of the period: shown as its own week.
    EXPECT_EQ(s.child<QComboBox>("Combo2")->currentText(), QStringLiteral("6"));
    EXPECT_EQ(s.program.val.valdvecka, 58);

    EXPECT_EQ(s.items("Combo1"),
              (QStringList{QStringLiteral("B12"), QStringLiteral("A101"), QStringLiteral("AULA")}));
    EXPECT_EQ(s.child<QComboBox>("Combo1")->currentText(), QStringLiteral("B12"));
    EXPECT_TRUE(s.child<QRadioButton>("Option1")->isEnabled());
    EXPECT_TRUE(s.child<QRadioButton>("Option1")->isChecked());
    EXPECT_EQ(s.child<QRadioButton>("Option2")->text(), QStringLiteral("Annat"));
    // Without lessons there are no staff schedules to show.
    EXPECT_FALSE(s.child<QRadioButton>("Option3")->isEnabled());
    EXPECT_TRUE(s.messages.shown.empty());
}

TEST(Form1, WeekendDaysAndSaturdayShownWithHelg) {
    Started s({{"Tivra.ini", crlf({"HELG: 1"})}}, Date{2027, 2, 13});
    QStringList days = s.items("Combo3");
    ASSERT_EQ(days.size(), 7);
    EXPECT_EQ(days[5], q("L\xD6R"));
    EXPECT_EQ(days[6], q("S\xD6N"));
    EXPECT_EQ(s.child<QComboBox>("Combo3")->currentText(), q("L\xD6R"));

    // Without weekends a Saturday leaves the day box empty.
    Started weekdays({}, Date{2027, 2, 13});
    EXPECT_EQ(weekdays.items("Combo3").size(), 5);
    EXPECT_TRUE(weekdays.child<QComboBox>("Combo3")->currentText().isEmpty());
}

TEST(Form1, EmptyFolderStartsInSingleListModeWithoutMessages) {
    Started s({}, kWednesdayWeek6);
    auto* option1 = s.child<QRadioButton>("Option1");
    auto* option2 = s.child<QRadioButton>("Option2");
    EXPECT_FALSE(option1->isEnabled());
    EXPECT_EQ(option2->text(), QStringLiteral("Objekt"));
    EXPECT_TRUE(option2->isChecked());
    EXPECT_FALSE(option1->isChecked());
    EXPECT_FALSE(s.child<QRadioButton>("Option3")->isEnabled());
    EXPECT_EQ(s.child<QComboBox>("Combo1")->count(), 0);
    EXPECT_EQ(s.items("Combo2").size(), 52);
    EXPECT_EQ(s.child<QComboBox>("Combo2")->currentText(), QStringLiteral("6"));
    EXPECT_TRUE(s.messages.shown.empty());

    // The other objects of the settings fill the single list.
    Started objects({{"Tivra.ini", crlf({"BOKA: Kanon 1", "BOKA: l\xE4rarrummet"})}}, kWednesdayWeek6);
    EXPECT_EQ(objects.items("Combo1"), (QStringList{QStringLiteral("KANON 1"), q("L\xC4RARRUMMET")}));
    EXPECT_EQ(objects.child<QComboBox>("Combo1")->currentText(), QStringLiteral("KANON 1"));
}

TEST(Form1, AvslutaMenuButtonAndCloseBoxEndTheProgramWithoutAsking) {
    for (const char* way : {"menu", "button", "closebox"}) {
        Started s({}, kWednesdayWeek6);
        s.form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(s.form.get()));
        if (std::string(way) == "menu") {
            s.child<QAction>("Arkiv_avsluta")->trigger();
        } else if (std::string(way) == "button") {
            QTest::mouseClick(s.child<QPushButton>("Command5"), Qt::LeftButton);
        } else {
            EXPECT_TRUE(s.form->close());
        }
        EXPECT_FALSE(s.form->isVisible()) << way;
        EXPECT_TRUE(s.messages.shown.empty()) << way;
    }
}

TEST(Form1, FieldsRefuseCharactersTheFilesCannotHold) {
    Started s({}, kWednesdayWeek6);
    auto* signature = s.child<QLineEdit>("Text4");
    signature->setFocus();
    // U+0142 has no byte in Windows-1252; the letters around it do.
    type(signature, QString::fromUtf8("\xC3\x85s\xC5\x82"
                                      "a"));
    EXPECT_EQ(signature->text(), QString::fromUtf8("\xC3\x85s"
                                                   "a"));

    auto* object = s.child<QComboBox>("Combo1");
    type(object->lineEdit(), QString::fromUtf8("\xE2\x82\xAC\xE2\x86\x92"));
    EXPECT_EQ(object->currentText(), QString::fromUtf8("\xE2\x82\xAC"));
    EXPECT_EQ(fromQString(object->currentText()), std::string("\x80"));
}

TEST(Form1, OpenAndSaveAsUseTheChosenBookingFile) {
    const std::string booking =
        crlf({"Antal:  1 ", "AB", "Prov", "60", "3", "08.15", "KANON 1", "", "6", ""});
    Started s({{"Tivra.ini", crlf({"BOKA: Kanon 1"})}, {"annan.bok", booking}}, kWednesdayWeek6);
    ASSERT_TRUE(s.program.fil.aktuellfil.empty());

    s.messages.fileNames.push_back(s.dir.file("annan.bok"));
    s.child<QAction>("arkiv_open")->trigger();
    EXPECT_EQ(s.program.fil.aktuellfil, s.dir.file("annan.bok"));
    ASSERT_EQ(s.program.bokningar.antalrader, 1);
    EXPECT_EQ(s.program.bokningar.row(1).objekt, "KANON 1");
    // No daily copy for a file opened from the menu.
    EXPECT_FALSE(std::filesystem::exists(s.dir.file("annan.bk10")));

    s.messages.fileNames.push_back(s.dir.file("kopia.txt"));
    s.child<QAction>("arkiv_saveas")->trigger();
    EXPECT_EQ(s.program.fil.aktuellfil, s.dir.file("kopia.bok"));
    EXPECT_EQ(readBytes(s.dir.file("kopia.bok")), booking);
}

// Finds the message box that is open and answers it by the caption of one of its buttons.
void answerMessageBox(const QString& caption, QStringList& captionsSeen) {
    QTimer::singleShot(0, [caption, &captionsSeen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        for (QAbstractButton* b : box->buttons()) {
            captionsSeen << b->text();
        }
        for (QAbstractButton* b : box->buttons()) {
            if (b->text() == caption) {
                b->click();
                return;
            }
        }
        box->reject();
    });
}

TEST(QtMessages, QuestionsCarrySwedishButtonsAndReportTheAnswer) {
    QtMessages messages;
    QStringList seen;
    answerMessageBox(QStringLiteral("Ja"), seen);
    EXPECT_TRUE(messages.ask("Vill du ers\xE4tta befintlig fil?", "Spara bokningar"));
    EXPECT_EQ(seen, (QStringList{QStringLiteral("Ja"), QStringLiteral("Nej")}));

    seen.clear();
    answerMessageBox(QStringLiteral("Nej"), seen);
    EXPECT_FALSE(messages.ask("Fr\xE5ga", "Boka"));

    seen.clear();
    answerMessageBox(QStringLiteral("OK"), seen);
    messages.show("Skriv din signatur.", "Boka", Icon::Exclamation);
    EXPECT_EQ(seen, QStringList{QStringLiteral("OK")});
}

TEST(Convert, RoundTripsEveryByteAndRefusesForeignCharacters) {
    std::string all;
    for (int b = 1; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    EXPECT_EQ(fromQString(toQString(all)), all);
    EXPECT_EQ(toQString("\xC5\xC4\xD6\xE5\xE4\xF6"),
              QString::fromUtf8("\xC3\x85\xC3\x84\xC3\x96\xC3\xA5\xC3\xA4\xC3\xB6"));
    EXPECT_EQ(fromQString(QString::fromUtf8("\xE2\x82\xAC")), std::string("\x80"));
    EXPECT_FALSE(fromQString(QString::fromUtf8("\xC5\x82")).has_value());
    EXPECT_EQ(toDisplay("Kan inte \xF6ppna x.sal.\r\nRedigera"), q("Kan inte \xF6ppna x.sal.\nRedigera"));
}

} // namespace
} // namespace tivra

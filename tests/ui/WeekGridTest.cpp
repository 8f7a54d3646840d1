// The week grid on the real window: the controls found by name, driven as a user would,
// with the table and the choice read back from the program state.
#include "support/Fakes.h"
#include "ui/Convert.h"
#include "ui/CurrentFolder.h"
#include "ui/Form1.h"
#include "ui/GridBox.h"
#include "ui/Twips.h"
#include "view/WeekView.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace tivra {
namespace {

using test::crlf;
using test::CurrentFolder;
using test::FixedClock;
using test::ScriptedMessages;
using test::TempDir;
using test::writeBytes;

// Wednesday of week 40 in the school year 2026/27.
const Date kWeek40{2026, 9, 30};

// One booking of the file: signature, comment, length, day, start, object, weeks.
std::vector<std::string> booking(const std::string& sig, const std::string& comment,
                                 const std::string& length, const std::string& day, const std::string& start,
                                 const std::string& object, const std::string& weeks) {
    return {sig, comment, length, day, start, object, "", weeks, ""};
}

std::string bookingFile(const std::vector<std::vector<std::string>>& bookings) {
    std::vector<std::string> lines{"Antal:  " + std::to_string(bookings.size()) + " "};
    for (const auto& b : bookings) {
        lines.insert(lines.end(), b.begin(), b.end());
    }
    return crlf(lines);
}

// A school with rooms B14 and B12, two other objects, a timetable with one lesson and
// two staff members, and a period over the new year (34..76).
struct School {
    explicit School(const std::string& helg = "0",
                    const std::vector<std::vector<std::string>>& bookings = {
                        booking("AB", "M\xF6te", "60", "3", "10.00", "B14", "40"),
                        booking("AB", "Prov", "30", "6", "09.00", "B14", "40"),
                        booking("AB", "Kurs", "90", "1", "13.00", "B12", "40-42"),
                    }) {
        write("Tivra.ini", crlf({"SCHEMA: skolan.sch", "BOKNINGSFIL: skolan.bok", "STARTVECKA:  34",
                                 "SLUTVECKA:  76", "HELG:  " + helg, "BOKA: KANON 1", "BOKA: KANON 2"}));
        write("skolan.sal", crlf({"B14", "B12"}));
        write("skolan.ini", crlf({"L\xC4S\xC5R: 2026/27"}));
        write("skolan.sca", crlf({"Ma1", "NA1a", "ab", "B14", "45 min", "TIS 8.15", ""}));
        write("skolan.sig", crlf({"ab, Anna Berg", "cd, Carl Dahl"}));
        write("skolan.bok", bookingFile(bookings));
        inFolder = std::make_unique<CurrentFolder>(dir.path());
        form = std::make_unique<Form1>(program, platform);
        form->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    void write(const std::string& name, const std::string& bytes) { writeBytes(dir.file(name), bytes); }

    template <typename T> T* child(const char* name) const {
        T* w = form->findChild<T*>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QComboBox* combo(const char* name) const { return child<QComboBox>(name); }
    // Replaces the field's text by typing, one character at a time.
    void typeInto(const char* name, const char* cp1252) const {
        QLineEdit* edit = combo(name)->lineEdit();
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, toQString(cp1252));
    }
    int shownBoxes() const {
        int n = 0;
        for (int i = 0; i <= kBoxPool; ++i) {
            n += form->Label4(i)->isVisible() ? 1 : 0;
        }
        return n;
    }

    TempDir dir;
    std::unique_ptr<CurrentFolder> inFolder;
    Program program;
    RealDisk disk;
    FixedClock clock{kWeek40};
    ScriptedMessages messages;
    Platform platform{disk, clock, messages};
    std::unique_ptr<Form1> form;
};

// The designed geometry, worked out here from the window's width in twips.
struct Designed {
    double windowTwips;
    int days;
    double W() const { return (windowTwips * 0.98 - 3840) / (1.08 * days); }
    double left(int d) const { return 3840 + (d - 1) * 1.08 * W(); }
    // Hours 8 to 16: 480 minutes over the day box's 5370 twips from 330.
    QRect box(int d, int startMinutes, int length) const {
        return pxRect(left(d), 330 + 5370.0 * (startMinutes - 480) / 480, W(), 5370.0 * length / 480);
    }
};

TEST(WeekGrid, RoomViewPlacesLessonsAndBookingsOnTheTimeAxis) {
    School s;
    EXPECT_EQ(s.form->redrawCount(), 1);
    Designed grid{twipsOf(s.form->width()), 5};

    for (int d = 1; d <= 7; ++d) {
        EXPECT_EQ(s.form->Label2(d)->geometry(), pxRect(grid.left(d), 330, grid.W(), 5370)) << d;
        EXPECT_EQ(s.form->Label2(d)->isVisible(), d <= 5) << d;
        EXPECT_EQ(s.form->Label3(d)->geometry(), pxRect(grid.left(d), 30, grid.W(), 210)) << d;
    }
    EXPECT_EQ(s.form->Label2(1)->fill(), QColor(255, 255, 224));
    EXPECT_EQ(s.form->Label3(1)->caption(), toQString("M\xE5n 28 sep"));
    EXPECT_EQ(s.form->Label3(5)->caption(), QStringLiteral("Fre 2 okt"));

    // The lesson on Tuesday 08.15 for 45 minutes, then the booking; Saturday's is not shown.
    GridBox* lesson = s.form->Label4(1);
    EXPECT_TRUE(lesson->isVisible());
    EXPECT_EQ(lesson->geometry(), grid.box(2, 495, 45));
    EXPECT_EQ(lesson->fill(), QColor(255, 128, 128));
    EXPECT_EQ(lesson->tag(), QStringLiteral("1"));
    EXPECT_EQ(lesson->caption(), QStringLiteral("MA1\n08.15 -09.00\nNA1A"));
    GridBox* meeting = s.form->Label4(2);
    EXPECT_EQ(meeting->geometry(), grid.box(3, 600, 60));
    EXPECT_EQ(meeting->fill(), QColor(128, 255, 128));
    EXPECT_EQ(meeting->tag(), QStringLiteral("2"));
    EXPECT_EQ(meeting->caption(), toQString("AB\n10.00 -11.00\nM\xF6te"));
    EXPECT_EQ(s.shownBoxes(), 2);

    // With weekends, seven narrower days fill the same width and Saturday's booking shows.
    School weekend("1");
    Designed seven{twipsOf(weekend.form->width()), 7};
    EXPECT_TRUE(weekend.form->Label2(7)->isVisible());
    EXPECT_EQ(weekend.form->Label2(7)->geometry(), pxRect(seven.left(7), 330, seven.W(), 5370));
    EXPECT_EQ(weekend.shownBoxes(), 3);
    EXPECT_EQ(weekend.form->Label4(3)->geometry(), seven.box(6, 540, 30));
    EXPECT_EQ(weekend.form->Label4(3)->tag(), QStringLiteral("3"));
}

TEST(WeekGrid, StaffViewAndOverviewThroughTheOptions) {
    School s;
    int redraws = s.form->redrawCount();
    s.child<QRadioButton>("Option3")->click();
    EXPECT_EQ(s.form->redrawCount(), redraws + 1);
    EXPECT_EQ(s.combo("Combo1")->currentText(), QStringLiteral("AB Anna Berg"));
    // AB's lesson, the room booking and the first week of the course in B12.
    ASSERT_EQ(s.shownBoxes(), 3);
    EXPECT_EQ(s.form->Label4(3)->caption(), QStringLiteral("B12  AB\n13.00 -14.30\nKurs"));

    QTest::mouseClick(s.child<QPushButton>("Command1"), Qt::LeftButton);
    EXPECT_EQ(s.program.val.valdvecka, 41);
    // A booking over several weeks is shown in the staff view in its first week only.
    EXPECT_EQ(s.shownBoxes(), 1);
    EXPECT_EQ(s.form->Label4(1)->tag(), QStringLiteral("1"));

    s.child<QRadioButton>("Option4")->click();
    EXPECT_TRUE(s.combo("Combo1")->currentText().isEmpty());
    EXPECT_EQ(s.combo("Combo1")->count(), 0);
    ASSERT_EQ(s.shownBoxes(), 1);
    EXPECT_EQ(s.form->Label4(1)->tag(), QStringLiteral("4"));
    EXPECT_TRUE(s.messages.shown.empty());
}

TEST(WeekGrid, FullPoolIsReportedOncePerRedraw) {
    std::vector<std::vector<std::string>> many;
    for (int i = 0; i < 101; ++i) {
        many.push_back(booking("AB", "", "5", std::to_string(i % 5 + 1), "08.00", "KANON 1", "40"));
    }
    School s("0", many);
    EXPECT_TRUE(s.messages.shown.empty());
    s.child<QRadioButton>("Option4")->click();
    ASSERT_EQ(s.messages.log(), std::vector<std::string>{"Visa bokningar|Alla bokningar kunde inte visas."});
    EXPECT_EQ(s.messages.shown[0].icon, Icon::Exclamation);
    EXPECT_EQ(s.shownBoxes(), 100);
    EXPECT_TRUE(s.form->Label4(100)->isVisible());
    EXPECT_FALSE(s.form->Label4(0)->isVisible());

    // The view of the object holds the same rows: one message again, and only one.
    s.messages.shown.clear();
    s.child<QRadioButton>("Option2")->click();
    EXPECT_EQ(s.messages.shown.size(), 1U);
}

TEST(WeekGrid, WeekFieldCorrectsTypedWeeksAndArrowsStayInThePeriod) {
    School s;
    int redraws = s.form->redrawCount();
    QComboBox* week = s.combo("Combo2");
    s.typeInto("Combo2", "5");
    EXPECT_EQ(s.program.val.valdvecka, 57);
    EXPECT_EQ(week->currentText(), QStringLiteral("5"));
    EXPECT_EQ(s.form->redrawCount(), redraws + 1);

    // "3" then "30": week 82 is past the period's end and becomes 76, shown as 24.
    s.typeInto("Combo2", "30");
    EXPECT_EQ(s.program.val.valdvecka, 76);
    EXPECT_EQ(week->currentText(), QStringLiteral("24"));

    auto* next = s.child<QPushButton>("Command1");
    auto* previous = s.child<QPushButton>("Command2");
    redraws = s.form->redrawCount();
    QTest::mouseClick(next, Qt::LeftButton);
    EXPECT_EQ(s.program.val.valdvecka, 76);
    EXPECT_EQ(week->currentText(), QStringLiteral("24"));
    // One redraw per press, also at the end of the period.
    EXPECT_EQ(s.form->redrawCount(), redraws + 1);

    s.typeInto("Combo2", "52");
    redraws = s.form->redrawCount();
    QTest::mouseClick(next, Qt::LeftButton);
    EXPECT_EQ(s.program.val.valdvecka, 53);
    EXPECT_EQ(week->currentText(), QStringLiteral("1"));
    EXPECT_EQ(s.form->redrawCount(), redraws + 1);
    QTest::mouseClick(previous, Qt::LeftButton);
    EXPECT_EQ(s.program.val.valdvecka, 52);

    s.typeInto("Combo2", "34");
    QTest::mouseClick(previous, Qt::LeftButton);
    EXPECT_EQ(s.program.val.valdvecka, 34);
    EXPECT_EQ(week->currentText(), QStringLiteral("34"));
    EXPECT_EQ(s.form->Label3(1)->caption(), toQString("M\xE5n 17 aug"));
}

TEST(WeekGrid, EachListKeepsItsChoiceAndPartialTypingLeavesTheGrid) {
    School s;
    int redraws = s.form->redrawCount();
    s.typeInto("Combo1", "b1");
    EXPECT_EQ(s.form->redrawCount(), redraws);
    QTest::keyClicks(s.combo("Combo1")->lineEdit(), QStringLiteral("2"));
    EXPECT_EQ(s.program.val.valdsal, 2);
    EXPECT_EQ(s.form->redrawCount(), redraws + 1);
    EXPECT_EQ(s.form->Label4(1)->tag(), QStringLiteral("4")); // the course in B12

    s.child<QRadioButton>("Option2")->click();
    EXPECT_EQ(s.form->redrawCount(), redraws + 2);
    QComboBox* object = s.combo("Combo1");
    EXPECT_EQ(object->count(), 2);
    EXPECT_EQ(object->currentText(), QStringLiteral("KANON 1"));
    // A pick from the list.
    object->setCurrentIndex(1);
    EXPECT_EQ(s.program.val.valtobjekt, 2);
    EXPECT_EQ(s.form->redrawCount(), redraws + 3);

    s.child<QRadioButton>("Option1")->click();
    EXPECT_EQ(object->currentText(), QStringLiteral("B12"));
    EXPECT_EQ(s.form->redrawCount(), redraws + 4);
    s.child<QRadioButton>("Option2")->click();
    EXPECT_EQ(object->currentText(), QStringLiteral("KANON 2"));
}

TEST(WeekGrid, DayFieldAndDayHeadersChooseTheDayWithoutRedrawing) {
    School s("1");
    int redraws = s.form->redrawCount();
    s.typeInto("Combo3", "tor");
    EXPECT_EQ(s.program.val.valddag, 4);
    s.typeInto("Combo3", "x");
    EXPECT_EQ(s.program.val.valddag, 4);

    QTest::mouseClick(s.form->Label3(2), Qt::LeftButton);
    EXPECT_EQ(s.combo("Combo3")->currentText(), QStringLiteral("TIS"));
    EXPECT_EQ(s.program.val.valddag, 2);
    // The marking rectangle follows the chosen day: 09.00 to 10.00 (slots 109 to 121).
    s.form->visaShape1(109, 121);
    auto* shape = s.child<GridBox>("Shape1");
    Designed seven{twipsOf(s.form->width()), 7};
    EXPECT_TRUE(shape->isVisible());
    EXPECT_EQ(shape->geometry(), pxRect(seven.left(2) + 0.02 * seven.W(), 330 + 5370.0 * 12 / 96,
                                        0.96 * seven.W(), 5370.0 * 12 / 96));
    // Sunday's header chooses Sunday like the others choose theirs.
    QTest::mouseClick(s.form->Label3(7), Qt::LeftButton);
    EXPECT_EQ(s.combo("Combo3")->currentText(), toQString("S\xD6N"));
    EXPECT_EQ(s.program.val.valddag, 7);
    EXPECT_EQ(s.form->redrawCount(), redraws);
}

TEST(WeekGrid, HoverShowsTheRowsDetailsAndTheBareWindowClearsThem) {
    School s;
    auto* details = s.child<QLabel>("Label5");
    QTest::mouseMove(s.form->Label4(2));
    EXPECT_EQ(details->text(), toQString("AB    10.00 - 11.00   (60 min)   Vecka: 40\nM\xF6te\n\n"));
    QTest::mouseMove(s.form->Label4(1));
    EXPECT_EQ(details->text(), QStringLiteral("MA1    08.15 - 09.00   (45 min)\nNA1A\nAB\n"));

    // The gap between Monday's and Tuesday's boxes is bare window.
    QRect monday = s.form->Label2(1)->geometry();
    QTest::mouseMove(s.form->centralWidget(), QPoint(monday.right() + 3, monday.center().y()));
    EXPECT_TRUE(details->text().isEmpty());
}

TEST(WeekGrid, OpeningAnotherBookingFileRedrawsTheWeek) {
    School s;
    s.write("annan.bok", bookingFile({booking("CD", "", "30", "5", "14.00", "B14", "40")}));
    int redraws = s.form->redrawCount();
    s.messages.fileNames.push_back(s.dir.file("annan.bok"));
    s.child<QAction>("arkiv_open")->trigger();
    EXPECT_EQ(s.form->redrawCount(), redraws + 1);
    ASSERT_EQ(s.shownBoxes(), 2);
    EXPECT_EQ(s.form->Label4(2)->caption(), QStringLiteral("CD\n14.00 -14.30\n"));

    // A cancelled dialog leaves everything as it was.
    s.child<QAction>("arkiv_open")->trigger();
    EXPECT_EQ(s.form->redrawCount(), redraws + 1);
}

} // namespace
} // namespace tivra

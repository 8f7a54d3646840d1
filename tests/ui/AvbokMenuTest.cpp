// The pop-up menu of a booking box on the real window: pressed with the pointer, its
// items chosen with the pointer, the answers scripted.
#include "support/Fakes.h"
#include "ui/Convert.h"
#include "ui/CurrentFolder.h"
#include "ui/Form1.h"
#include "ui/GridBox.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace tivra {
namespace {

using test::crlf;
using test::CurrentFolder;
using test::FixedClock;
using test::readBytes;
using test::ScriptedMessages;
using test::TempDir;
using test::writeBytes;

// Week 40 of a school with the rooms B14 and B12: a lesson on Tuesday (row 1) and one
// booking on Wednesday (row 2), both in B14.
struct Window {
    Window() {
        writeBytes(dir.file("Tivra.ini"), crlf({"SCHEMA: skolan.sch", "BOKNINGSFIL: skolan.bok",
                                                "STARTVECKA:  34", "SLUTVECKA:  76", "HELG:  0"}));
        writeBytes(dir.file("skolan.sal"), crlf({"B14", "B12"}));
        writeBytes(dir.file("skolan.ini"), crlf({"L\xC4S\xC5R: 2026/27"}));
        writeBytes(dir.file("skolan.sca"), crlf({"Ma1", "NA1a", "ab", "B14", "45 min", "TIS 8.15", ""}));
        writeBytes(dir.file("skolan.sig"), crlf({"ab, Anna Berg"}));
        writeBytes(dir.file("skolan.bok"), bookingFile("40"));
        inFolder = std::make_unique<CurrentFolder>(dir.path());
        form = std::make_unique<Form1>(program, platform);
        form->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }

    static std::string bookingFile(const std::string& weeks) {
        return crlf({"Antal:  1 ", "AB", "M\xF6te", "60", "3", "13.00", "B14", "", weeks, ""});
    }
    std::string file() const { return readBytes(dir.file("skolan.bok")); }

    // The visible box that shows row r, if any.
    GridBox* boxOf(int r) const {
        for (int n = 1; n <= kBoxPool; ++n) {
            GridBox* box = form->Label4(n);
            if (box->isVisible() && box->tag() == QString::number(r)) {
                return box;
            }
        }
        return nullptr;
    }
    void press(GridBox* box, Qt::MouseButton button) const {
        QPoint at = box->mapTo(form.get(), box->rect().center());
        QTest::mousePress(form->windowHandle(), button, {}, at);
        QTest::mouseRelease(form->windowHandle(), button, {}, at);
    }
    QMenu* menu() const { return form->findChild<QMenu*>(QStringLiteral("Avbok")); }
    // Opens the menu on row r's box and clicks the item as a user would.
    void choose(int r, const char* item) const {
        GridBox* box = boxOf(r);
        ASSERT_NE(box, nullptr);
        press(box, Qt::RightButton);
        ASSERT_TRUE(menu()->isVisible());
        QAction* action = menu()->findChild<QAction*>(QLatin1String(item));
        ASSERT_NE(action, nullptr) << item;
        QTest::mouseClick(menu(), Qt::LeftButton, {}, menu()->actionGeometry(action).center());
        ASSERT_FALSE(menu()->isVisible());
    }
    QString text(const char* name) const { return form->findChild<QLineEdit*>(QLatin1String(name))->text(); }
    QString comboText(const char* name) const {
        return form->findChild<QComboBox*>(QLatin1String(name))->currentText();
    }

    TempDir dir;
    std::unique_ptr<CurrentFolder> inFolder;
    Program program;
    RealDisk disk;
    FixedClock clock{Date{2026, 9, 30}};
    ScriptedMessages messages;
    Platform platform{disk, clock, messages};
    std::unique_ptr<Form1> form;
};

TEST(AvbokMenu, OnlyARightPressOnABookingOpensTheMenuButEveryPressChoosesTheRow) {
    Window w;
    ASSERT_EQ(w.program.bokningar.antallektioner, 1);
    GridBox* lesson = w.boxOf(1);
    GridBox* booking = w.boxOf(2);
    ASSERT_TRUE(lesson && booking);

    w.press(lesson, Qt::RightButton);
    EXPECT_FALSE(w.menu()->isVisible());
    EXPECT_EQ(w.form->valdrad(), 1);
    w.press(booking, Qt::LeftButton);
    EXPECT_FALSE(w.menu()->isVisible());
    EXPECT_EQ(w.form->valdrad(), 2);
    w.press(lesson, Qt::LeftButton);
    EXPECT_EQ(w.form->valdrad(), 1);

    w.press(booking, Qt::RightButton);
    EXPECT_EQ(w.form->valdrad(), 2);
    ASSERT_TRUE(w.menu()->isVisible());
    QStringList names;
    QStringList texts;
    for (QAction* action : w.menu()->actions()) {
        names << action->objectName();
        texts << action->text();
    }
    EXPECT_EQ(names, (QStringList{QStringLiteral("Redigera"), QStringLiteral("Flera_veckor"),
                                  QStringLiteral("Avboka")}));
    EXPECT_EQ(texts, (QStringList{QStringLiteral("Redigera"), QStringLiteral("Flera veckor"),
                                  QStringLiteral("Avboka")}));
    QTest::keyClick(w.menu(), Qt::Key_Escape);
    EXPECT_FALSE(w.menu()->isVisible());
    EXPECT_TRUE(w.messages.shown.empty());
}

TEST(AvbokMenu, FleraVeckorAndAvbokaActOnTheChosenBookingAndRedraw) {
    Window w;
    w.messages.inputs = {"40-42"};
    w.choose(2, "Flera_veckor");
    EXPECT_EQ(w.file(), Window::bookingFile("40-42"));
    EXPECT_EQ(w.messages.log(),
              std::vector<std::string>{"Bokning flera veckor|Skriv veckor i formen 45-5|40-"});

    w.messages.answers = {false};
    w.choose(2, "Avboka");
    EXPECT_EQ(w.file(), Window::bookingFile("40-42"));
    EXPECT_NE(w.boxOf(2), nullptr);

    w.messages.shown.clear();
    w.messages.answers = {true};
    w.choose(2, "Avboka");
    EXPECT_EQ(w.messages.log(), std::vector<std::string>{"Avboka|\xC4r du s\xE4ker att du vill avboka?"});
    EXPECT_EQ(w.file(), crlf({"Antal:  0 "}));
    EXPECT_EQ(w.boxOf(2), nullptr) << "the box is gone from the week";
    EXPECT_NE(w.boxOf(1), nullptr);
}

TEST(AvbokMenu, RedigeraFillsTheFieldsThroughTheirHandlersAndRemovesTheBooking) {
    Window w;
    w.form->findChild<QComboBox*>(QStringLiteral("Combo3"))->setEditText(QStringLiteral("FRE"));
    w.choose(2, "Redigera");
    EXPECT_TRUE(w.form->findChild<QRadioButton*>(QStringLiteral("Option1"))->isChecked());
    EXPECT_EQ(w.comboText("Combo1"), QStringLiteral("B14"));
    EXPECT_EQ(w.comboText("Combo3"), QStringLiteral("ONS"));
    EXPECT_EQ(w.program.val.valddag, 3) << "the day field's handler ran";
    EXPECT_EQ(w.text("Text1"), QStringLiteral("13.00"));
    EXPECT_EQ(w.text("Text2"), QStringLiteral("60"));
    EXPECT_EQ(w.text("Text5"), QStringLiteral("14.00")) << "the time fields kept in step";
    EXPECT_EQ(w.text("Text3"), toQString("M\xF6te"));
    EXPECT_EQ(w.text("Text4"), QStringLiteral("AB"));
    EXPECT_EQ(w.messages.log(),
              std::vector<std::string>{"Redigera bokningsdata|Redigera bokningsdata och klicka sedan Boka."});
    EXPECT_EQ(w.file(), crlf({"Antal:  0 "}));
    EXPECT_EQ(w.boxOf(2), nullptr);
    EXPECT_FALSE(w.form->findChild<GridBox*>(QStringLiteral("Shape1"))->isVisible());
}

} // namespace
} // namespace tivra

// The pop-up menu of a booking box on the real window: pressed with the pointer, its
// items chosen with the pointer, the answers scripted.
#include "ui/StartedWindow.h"

#include <QAction>
#include <QMenu>

namespace tivra {
namespace {

using namespace test;

// Week 40: a lesson on Tuesday (row 1) and one booking on Wednesday (row 2), both in B14.
struct Window : StartedWindow {
    Window() : StartedWindow(school("0", {meeting("40")}), kWeek40) {}
    static Row meeting(const std::string& weeks) {
        return {"AB", "M\xF6te", "60", "3", "13.00", "B14", "", weeks, ""};
    }
    std::string file() const { return readBytes(dir.file("skolan.bok")); }
    QMenu* menu() const { return child<QMenu>("Avbok"); }
    // Opens the menu on row r's box and clicks the item as a user would.
    void choose(int r, const char* item) const {
        ASSERT_NE(boxOf(r), nullptr);
        press(boxOf(r), Qt::RightButton);
        ASSERT_TRUE(menu()->isVisible());
        auto* action = menu()->findChild<QAction*>(QLatin1String(item));
        ASSERT_NE(action, nullptr) << item;
        QTest::mouseClick(menu(), Qt::LeftButton, {}, menu()->actionGeometry(action).center());
        ASSERT_FALSE(menu()->isVisible());
    }
};

TEST(AvbokMenu, OnlyARightPressOnABookingOpensTheMenuButEveryPressChoosesTheRow) {
    Window w;
    ASSERT_EQ(w.program.bokningar.antallektioner, 1);
    GridBox* lesson = w.boxOf(1);
    GridBox* booking = w.boxOf(2);
    ASSERT_TRUE(lesson && booking);
    // The chosen row, and whether the menu is open.
    auto after = [&] { return std::to_string(w.form->valdrad()) + (w.menu()->isVisible() ? " menu" : ""); };
    w.press(lesson, Qt::RightButton);
    EXPECT_EQ(after(), "1");
    w.press(booking, Qt::LeftButton);
    EXPECT_EQ(after(), "2");
    w.press(lesson, Qt::LeftButton);
    EXPECT_EQ(after(), "1");
    w.press(booking, Qt::RightButton);
    ASSERT_EQ(after(), "2 menu");
    QStringList items;
    for (QAction* action : w.menu()->actions()) {
        items << action->objectName() + QLatin1Char('=') + action->text();
    }
    EXPECT_EQ(joined(items), "Redigera=Redigera|Flera_veckor=Flera veckor|Avboka=Avboka");
    QTest::keyClick(w.menu(), Qt::Key_Escape);
    EXPECT_FALSE(w.menu()->isVisible());
    EXPECT_TRUE(w.messages.shown.empty());
}

TEST(AvbokMenu, FleraVeckorAndAvbokaActOnTheChosenBookingAndRedraw) {
    Window w;
    w.messages.inputs = {"40-42"};
    w.choose(2, "Flera_veckor");
    EXPECT_EQ(w.file(), bookingFile({Window::meeting("40-42")}));
    EXPECT_EQ(w.messages.log(),
              std::vector<std::string>{"Bokning flera veckor|Skriv veckor i formen 45-5|40-"});

    w.messages.answers = {false};
    w.choose(2, "Avboka");
    EXPECT_EQ(w.file(), bookingFile({Window::meeting("40-42")}));
    EXPECT_NE(w.boxOf(2), nullptr);

    w.messages.shown.clear();
    w.messages.answers = {true};
    w.choose(2, "Avboka");
    EXPECT_EQ(w.messages.log(), std::vector<std::string>{"Avboka|\xC4r du s\xE4ker att du vill avboka?"});
    EXPECT_EQ(w.file(), bookingFile({}));
    EXPECT_EQ(w.boxOf(2), nullptr) << "the box is gone from the week";
    EXPECT_NE(w.boxOf(1), nullptr);
}

TEST(AvbokMenu, RedigeraFillsTheFieldsAndTheNextBokaReplacesTheBooking) {
    Window w;
    w.child<QComboBox>("Combo3")->setEditText(QStringLiteral("FRE"));
    w.choose(2, "Redigera");
    EXPECT_TRUE(w.child<QRadioButton>("Option1")->isChecked());
    // The day field's handler ran, and the time fields kept in step.
    EXPECT_EQ(w.program.selection.valddag, 3);
    EXPECT_EQ(w.texts({"Combo1", "Combo3", "Text1", "Text2", "Text5", "Text3", "Text4"}),
              "B14|ONS|13.00|60|14.00|M\xF6te|AB");
    EXPECT_EQ(w.messages.log(),
              std::vector<std::string>{"Redigera bokningsdata|Redigera bokningsdata och klicka sedan Boka."});
    // Nothing is written before "Boka"; the booking's box is outlined meanwhile.
    const std::string before = w.file();
    EXPECT_EQ(before, bookingFile({Window::meeting("40")}));
    ASSERT_NE(w.boxOf(2), nullptr);
    EXPECT_EQ(w.boxOf(2)->border(), 3);
    EXPECT_FALSE(w.shape1()->isVisible());

    w.type("Text4", "cd");
    w.type("Text1", "15.00");
    w.click("Command3");
    EXPECT_EQ(w.file(), bookingFile({{"CD", "M\xF6te", "60", "3", "15.00", "B14", "", "40", ""}}));
    EXPECT_FALSE(w.form->redigerar());

    // "Töm" ends an edit without any change (the new booking is the table's row 3).
    w.choose(3, "Redigera");
    EXPECT_TRUE(w.form->redigerar());
    w.click("Command6");
    EXPECT_FALSE(w.form->redigerar());
    EXPECT_EQ(w.boxOf(3)->border(), 1);
}

} // namespace
} // namespace tivra

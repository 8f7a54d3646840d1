// The booking fields of the main window, driven as a user drives them: the pointer on the
// day boxes (through the window, so Qt's own routing of a drag is what is tested), typing
// into the time fields, "Töm" and "Boka".
#include "ui/StartedWindow.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>

namespace tivra {
namespace {

using namespace test;

// One meeting on Wednesday at 13.00 in B14; the day boxes run from 8 to 16.
struct Window : StartedWindow {
    Window() : StartedWindow(school("0", {meeting()}), kWeek40) {}
    static Row meeting() { return {"AB", "M\xF6te", "60", "3", "13.00", "B14", "", "40", ""}; }
    // Start, end and length, and whether the marking rectangle shows.
    std::string times() const {
        return texts({"Text1", "Text5", "Text2"}) + (shape1()->isVisible() ? " marked" : "");
    }
};

// A day box covers 8 to 16 o'clock: one eighth of it is an hour.
constexpr double hour(double h) {
    return (h - 8) / 8;
}

TEST(BookingFields, ClickPutsTheTimeAndTheDayIntoTheFields) {
    Window w;
    w.type("Text5", "12.00");
    w.type("Text2", "45");
    // Hovering shows the time under the pointer and writes no field.
    w.move(w.at(2, hour(12)));
    EXPECT_EQ(w.child<QLabel>("Label5")->text(), QStringLiteral("12.00"));
    EXPECT_EQ(w.text("Text1"), QString());

    w.press(w.at(2, hour(10)));
    w.release(w.at(2, hour(10)));
    EXPECT_EQ(w.times() + w.texts({"Combo3"}), "10.00||TIS");
    EXPECT_EQ(w.program.selection.valddag, 2);
}

TEST(BookingFields, DragEitherWayMarksTheSameSpanInsideItsBox) {
    Window w;
    w.drag(w.at(3, hour(10)), w.at(3, hour(11.5)));
    EXPECT_EQ(w.times(), "10.00|11.30|90 marked");
    EXPECT_EQ(w.program.selection.valddag, 3);
    QRect box = w.form->Label2(3)->geometry();
    QRect mark = w.shape1()->geometry();
    EXPECT_TRUE(box.contains(mark));
    EXPECT_NEAR(mark.top(), box.top() + box.height() / 4.0, 1.5);
    EXPECT_NEAR(mark.top() + mark.height(), box.top() + box.height() * 3.5 / 8, 1.5);

    // Upwards, ending over Thursday's column: the same span on Wednesday.
    w.drag(w.at(3, hour(11.5)), w.at(3, hour(10), 4));
    EXPECT_EQ(w.times(), "10.00|11.30|90 marked");
    EXPECT_EQ(w.shape1()->geometry(), mark);

    // Beyond the bottom the span ends at the last hour, beyond the top it begins at the first.
    QRect monday = w.form->Label2(1)->geometry();
    w.drag(w.at(1, hour(15)), w.at(1, 1.2));
    EXPECT_EQ(w.times(), "15.00|16.00|60 marked");
    EXPECT_EQ(w.shape1()->geometry().bottom(), monday.bottom());
    w.drag(w.at(1, hour(9)), w.at(1, -0.05));
    EXPECT_EQ(w.times(), "08.00|09.00|60 marked");
    EXPECT_EQ(w.shape1()->geometry().top(), monday.top());
}

TEST(BookingFields, LengthAndEndFieldsFollowEachOther) {
    Window w;
    w.type("Text1", "9.00");
    w.type("Text2", "45");
    ASSERT_EQ(w.times(), "9.00|09.45|45 marked");
    QRect wednesday = w.form->Label2(3)->geometry();
    EXPECT_TRUE(wednesday.contains(w.shape1()->geometry().center()));
    EXPECT_NEAR(w.shape1()->height(), wednesday.height() * 0.75 / 8, 1.5);
    const char* const steps[][3] = {
        {"Text2", "4", "9.00|09.45|4 marked"}, // under five minutes: nothing changes
        {"Text5", "", "9.00||4 marked"},
        {"Text2", "47", "9.00|09.45|45 marked"}, // whole slots: the end rewrites the length
        {"Text1", "23.30", "23.30|09.45|45 marked"},
        {"Text2", "30", "23.30|09.45|30"},          // past the day's last slot
        {"Text2", "25", "23.30|23.55|25"},          // the last slot, outside the day box
        {"Text1", "9.00", "9.00|23.55|895 marked"}, // a new start with a valid end gives the length
        {"Text1", "00.00", "00.00|23.55|1435"},     // nothing is marked from midnight
        {"Text2", "45", "00.00|23.55|45"},
        {"Text1", "9.00", "9.00|23.55|895 marked"},
        {"Text5", "10.30", "9.00|10.30|90 marked"}, // an end after the start gives the length,
        {"Text5", "8.00", "9.00|8.00|90 marked"},   // one before it leaves the length
        {"Text1", "7.30", "7.30|08.00|30 marked"},
    };
    for (const auto& [field, typed, after] : steps) {
        w.type(field, typed);
        EXPECT_EQ(w.times(), after) << field << " " << typed;
    }
}

TEST(BookingFields, TomEmptiesTheTimesAndTheCommentButKeepsSignatureAndDay) {
    Window w;
    w.drag(w.at(2, hour(10)), w.at(2, hour(11)));
    w.type("Text3", "Prov");
    w.type("Text4", "ab");
    ASSERT_EQ(w.times(), "10.00|11.00|60 marked");
    w.click("Command6");
    EXPECT_EQ(w.times() + w.texts({"Text3", "Text4", "Combo3"}), "|||ab|TIS");
}

TEST(BookingFields, BokaBooksTheMarkedSpanInTheCodePageOfTheFile) {
    Window w;
    w.drag(w.at(3, hour(10)), w.at(3, hour(11.5)));
    w.type("Text3", "M\xF6te p\xE5 \xD6land");
    w.type("Text4", "\xE5s\xE4");
    w.click("Command3");
    EXPECT_TRUE(w.messages.shown.empty());
    Row mine{"\xC5S\xC4", "M\xF6te p\xE5 \xD6land", "90", "3", "10.00", "B14", "", "40", ""};
    EXPECT_EQ(readBytes(w.dir.file("skolan.bok")), bookingFile({Window::meeting(), mine}));
    // Drawn as a booking box; the marking is gone, the fields stay for the next booking.
    GridBox* box = w.boxOf(3);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->caption(), q("\xC5S\xC4\n10.00 -11.30\nM\xF6te p\xE5 \xD6land"));
    EXPECT_TRUE(w.form->Label2(3)->geometry().contains(box->geometry().center()));
    EXPECT_EQ(w.times() + w.texts({"Text4"}), "10.00|11.30|90\xE5s\xE4");
}

// A line break would shift every later line of the booking file: no field takes one,
// typed or pasted.
TEST(BookingFields, ALineBreakCannotBeTypedOrPastedIntoAField) {
    Window w;
    auto* comment = w.child<QLineEdit>("Text3");
    QGuiApplication::clipboard()->setText(QStringLiteral("a\nb"));
    comment->paste();
    keys(comment, QStringLiteral("x\ry"));
    EXPECT_EQ(w.text("Text3"), QStringLiteral("xy"));
}

} // namespace
} // namespace tivra

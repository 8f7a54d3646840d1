// The booking fields of the main window, driven as a user drives them: the pointer on the
// day boxes (through the window, so Qt's own routing of a drag is what is tested), typing
// into the fields, "Töm", "Boka" and Enter; the pop-up menu of a booking box and the
// "Lediga salar" window that fill them. The rules of marking, times, booking, cancelling
// and free rooms are tested below the window.
#include "ui/FreeRoomsWindow.h"
#include "ui/StartedWindow.h"

#include <QClipboard>
#include <QDialog>
#include <QGuiApplication>
#include <QListWidget>
#include <QMenu>

namespace tivra {
namespace {

using namespace test;

// Week 40: a lesson on Tuesday (row 1) and a meeting on Wednesday at 13.00 (row 2), both
// in B14; the day boxes run from 8 to 16.
Row meeting(const char* weeks = "40") {
    Row r = booked("M\xF6te", "3", "13.00");
    r.vecka = weeks;
    return r;
}
struct Window : StartedWindow {
    Window() : StartedWindow(school({meeting()})) {}
    // Start, end and length, and whether the marking rectangle shows.
    std::string times() const {
        return texts({"Text1", "Text5", "Text2"}) + (shape1()->isVisible() ? " marked" : "");
    }
    std::string day() const { return texts({"Combo3"}) + std::to_string(program.selection.valddag); }
    QMenu* menu() const { return child<QMenu>("Avbok"); }
    // Opens the pop-up menu on row r's box and clicks the item as a user would.
    void menuItem(int r, const char* item) const {
        ASSERT_NE(boxOf(r), nullptr);
        click(boxOf(r), Qt::RightButton);
        QAction* action = child<QAction>(item, menu());
        QTest::mouseClick(menu(), Qt::LeftButton, {}, menu()->actionGeometry(action).center());
        ASSERT_FALSE(menu()->isVisible());
    }
};

TEST(BookingFields, ThePointerMarksTheTimeAndDayAndBokaAndEnterBookIt) {
    Window w;
    w.type({{"Text5", "12.00"}, {"Text2", "45"}});
    w.move(w.at(2, 12));
    EXPECT_EQ(w.child<QLabel>("Label5")->text() + w.text("Text1"), QStringLiteral("12.00"));
    w.press(w.at(2, 10));
    w.release(w.at(2, 10));
    EXPECT_EQ(w.times() + w.day(), "10.00||TIS2");
    // A day's header chooses the day too, and redraws nothing.
    int redraws = w.form->redrawCount();
    QTest::mouseClick(w.box("Label3", 4), Qt::LeftButton);
    EXPECT_EQ(w.day() + std::to_string(w.form->redrawCount() - redraws), "TOR40");
    w.drag(w.at(3, 10), w.at(3, 11.5));
    EXPECT_EQ(w.times() + w.day(), "10.00|11.30|90 markedONS3");
    EXPECT_TRUE(w.box("Label2", 3)->geometry().contains(w.shape1()->geometry()));
    // Upwards, ending over Thursday's column: the same span on Wednesday.
    w.drag(w.at(3, 11.5), w.at(3, 10, 4));
    EXPECT_EQ(w.times() + w.day(), "10.00|11.30|90 markedONS3");
    // Boka and Enter book the marked span, and the window tells what happened.
    w.type({{"Text3", "M\xF6te p\xE5 \xD6land"}, {"Text4", "\xE5s\xE4"}});
    w.click("Command3");
    EXPECT_EQ(w.file(), bookingFile({meeting(),
                                     {"\xC5S\xC4", "M\xF6te p\xE5 \xD6land", "90", "3", "10.00", "B14", "",
                                      "40", ""}}));
    // Drawn as a booking box; the marking is gone, the fields stay for the next booking.
    ASSERT_NE(w.boxOf(3), nullptr);
    EXPECT_EQ(w.times() + w.texts({"Text4"}), "10.00|11.30|90\xE5s\xE4");
    w.drag(w.at(2, 10), w.at(2, 11));
    QTest::keyClick(w.field("Text4"), Qt::Key_Return);
    EXPECT_NE(w.boxOf(4), nullptr);
    EXPECT_EQ(w.child<QLabel>("statusText")->text(), q("Bokat B14 tis 10.00\x96"
                                                       "11.00 vecka 40"));
}

TEST(BookingFields, TypedTimesFollowEachOtherTomEmptiesAndTheFreeRoomsWindowFillsThem) {
    Window w;
    w.type({{"Text3", "Prov"}, {"Text4", "ab"}, {"Text1", "9.00"}, {"Text2", "45"}});
    ASSERT_EQ(w.times(), "9.00|09.45|45 marked");
    const char* const steps[][3] = {
        {"Text5", "", "9.00||45 marked"},
        {"Text2", "47", "9.00|09.45|45 marked"},     // whole slots: the end rewrites the length
        {"Text1", "8.30", "8.30|09.45|75 marked"},   // a new start with a valid end gives the length
        {"Text5", "10.30", "8.30|10.30|120 marked"}, // an end after the start gives the length
    };
    for (const auto& [field, typed, after] : steps) {
        w.type(field, typed);
        EXPECT_EQ(w.times(), after) << field << " " << typed;
    }
    // The signature and the day stay for the next booking.
    w.click("Command6");
    EXPECT_EQ(w.times() + w.texts({"Text3", "Text4", "Combo3"}), "|||ab|ONS");
    // The booking file holds Windows-1252 and one field per line: no field takes a
    // character outside it (U+0142, U+2192) or a line break, typed or pasted.
    keys(w.field("Text4"), QString::fromUtf8("\xC3\x85s\xC5\x82"
                                             "a"));
    QGuiApplication::clipboard()->setText(QStringLiteral("a\nb"));
    w.field("Text3")->paste();
    keys(w.field("Text3"), QString::fromUtf8("\xE2\x82\xAC\xE2\x86\x92x\ry"));
    EXPECT_EQ(w.texts({"Text4", "Text3"}), "ab\xC5sa|\x80xy");
    // The free-rooms window lists the rooms (B14 has its lesson on Tuesday 08.15-09.00, B12
    // is free), and a double click makes the next Boka book the chosen one.
    w.type({{"Text3", ""}, {"Combo3", "TIS"}, {"Text1", "8.30"}, {"Text2", "30"}, {"Text4", "xy"}});
    w.click("Command7");
    auto* window = w.child<QDialog>("FreeRoomsWindow");
    EXPECT_FALSE(window->isModal());
    EXPECT_EQ(window->windowTitle(), q("Lediga salar vecka 40, TIS 08.30\x96"
                                       "09.00"));
    auto* free = w.child<QListWidget>("freeList");
    ASSERT_EQ(free->count(), 1);
    // Headed, twelve rows tall at least, and beside the day boxes rather than over them.
    EXPECT_EQ(w.child<QLabel>("freeCaption")->text(), QStringLiteral("Lediga"));
    EXPECT_GE(free->viewport()->height(), 12 * free->sizeHintForRow(0));
    QWidget* monday = w.box("Label2", 1);
    EXPECT_FALSE(
        window->frameGeometry().intersects(QRect(monday->mapToGlobal(QPoint(0, 0)), monday->size())));
    EXPECT_EQ(free->item(0)->text() + w.child<QListWidget>("lessonList")->item(0)->text(),
              QStringLiteral("B12B14"));
    QPoint b12 = free->visualItemRect(free->item(0)).center();
    QTest::mouseClick(free->viewport(), Qt::LeftButton, {}, b12);
    QTest::mouseDClick(free->viewport(), Qt::LeftButton, {}, b12);
    EXPECT_EQ(w.texts({"Combo1", "Combo3", "Text1", "Text2", "Text4"}), "B12|TIS|8.30|30|xy");
    // A room that only a lesson blocks is chosen the same way.
    auto* lessons = w.child<QListWidget>("lessonList");
    QPoint b14 = lessons->visualItemRect(lessons->item(0)).center();
    QTest::mouseClick(lessons->viewport(), Qt::LeftButton, {}, b14);
    QTest::mouseDClick(lessons->viewport(), Qt::LeftButton, {}, b14);
    EXPECT_EQ(w.texts({"Combo1"}), "B14");
    QTest::mouseClick(free->viewport(), Qt::LeftButton, {}, b12);
    QTest::mouseDClick(free->viewport(), Qt::LeftButton, {}, b12);
    w.click("Command3");
    EXPECT_EQ(w.file(), bookingFile({meeting(), {"XY", "", "30", "2", "08.30", "B12", "", "40", ""}}));
    w.type("Text1", "8");
    w.click("Command7");
    EXPECT_EQ(w.messages.log().back(), "Lediga salar|Skriv tiden i formen 9.00.");
}

// The free-rooms window goes beside the main window where the screen has room, and
// otherwise into the empty part of the booking column, never wider than that.
TEST(BookingFields, TheFreeRoomsWindowFindsAPlaceBesideTheGrid) {
    const QRect main(200, 50, 1000, 700);
    const QRect spare(200, 400, 260, 350);
    const QSize wanted(340, 320);
    const struct {
        QRect screen;
        QRect expected;
    } cases[] = {
        {{0, 0, 1600, 1000}, {1200, 50, 340, 320}},    // room on the right
        {{-400, 0, 1650, 1000}, {-140, 50, 340, 320}}, // room on the left only
        {{200, 0, 1000, 750}, {200, 400, 260, 320}},   // none: the booking column's spare part
    };
    for (const auto& [screen, expected] : cases) {
        EXPECT_EQ(besideGrid(screen, main, spare, wanted), expected) << screen.width();
    }
}

TEST(AvbokMenu, FleraVeckorAndAvbokaActOnTheChosenBookingAndARefusalShowsOverTheNewOne) {
    Window w;
    w.messages.inputs = {"40-42"};
    w.menuItem(2, "Flera_veckor");
    EXPECT_EQ(w.file(), bookingFile({meeting("40-42")}));
    EXPECT_EQ(fromQString(w.child<QLabel>("statusText")->text()), "Nya veckor f\xF6r B14 ons 13.00\x96"
                                                                  "14.00 veckor 40-42");
    w.messages.answers = {false, true};
    w.menuItem(2, "Avboka");
    EXPECT_EQ(w.file(), bookingFile({meeting("40-42")}));
    w.menuItem(2, "Avboka");
    EXPECT_EQ(w.file(), bookingFile({}));
    EXPECT_TRUE(w.boxOf(2) == nullptr && w.boxOf(1) != nullptr) << "the booking's box is gone from the week";
    // A refusal after the reload shows over the booking that took the time.
    // Another workstation books Tuesday 10.00 in B14 after this window drew the week.
    writeBytes(w.dir.file("skolan.bok"), bookingFile({booked("", "2", "10.00")}));
    w.drag(w.at(2, 10), w.at(2, 11));
    w.type("Text4", "ab");
    bool drawn = false;
    w.messages.onShow = [&] { drawn = w.boxOf(2) != nullptr; };
    w.click("Command3");
    EXPECT_EQ(w.messages.log().back(), "Boka|Angiven tid redan bokad.");
    EXPECT_TRUE(drawn);
}

// Only a right press on a booking opens the menu.
TEST(AvbokMenu, RightPressOpensTheMenuAndRedigeraMakesTheNextBokaReplaceTheBooking) {
    Window w;
    std::string after; // whether the menu is open
    for (const auto& [row, button] : {std::pair{1, Qt::RightButton}, std::pair{2, Qt::LeftButton},
                                      std::pair{1, Qt::LeftButton}, std::pair{2, Qt::RightButton}}) {
        w.click(w.boxOf(row), button);
        after += w.menu()->isVisible() ? "menu " : "- ";
    }
    EXPECT_EQ(after, "- - - menu ");
    // A right press beside the open menu, as a platform that hands it to the menu alone
    // delivers it, opens the menu of the booking under it at once.
    w.click(w.boxOf(1), Qt::LeftButton);
    w.click(w.boxOf(2), Qt::RightButton);
    const QPoint global = w.boxOf(2)->mapToGlobal(QPoint(3, 3));
    QMouseEvent press(QEvent::MouseButtonPress, w.menu()->mapFromGlobal(global), global, Qt::RightButton,
                      Qt::RightButton, {});
    QApplication::sendEvent(w.menu(), &press);
    QApplication::processEvents();
    EXPECT_TRUE(w.menu()->isVisible());
    EXPECT_EQ(w.menu()->pos(), global);
    QTest::keyClick(w.menu(), Qt::Key_Escape);
    w.messages.inputs = {"40-42"};
    w.menuItem(2, "Flera_veckor");
    w.child<QComboBox>("Combo3")->setEditText(QStringLiteral("FRE"));
    w.menuItem(2, "Redigera");
    // The day field's handler ran, and the time fields kept in step.
    EXPECT_EQ(w.texts({"Combo1", "Text1", "Text2", "Text5", "Text3", "Text4"}) + w.day(),
              "B14|13.00|60|14.00|M\xF6te|ABONS3");
    // Nothing is written before "Boka"; the booking's box is outlined meanwhile.
    EXPECT_EQ(w.file(), bookingFile({meeting("40-42")}));
    EXPECT_EQ(w.boxOf(2)->border(), 3);
    // A moved start keeps the booking's length; the new version keeps all its weeks.
    w.type({{"Text4", "cd"}, {"Text1", "15.00"}});
    w.click("Command3");
    EXPECT_EQ(w.file(), bookingFile({{"CD", "M\xF6te", "60", "3", "15.00", "B14", "", "40-42", ""}}));
    EXPECT_EQ(w.child<QLabel>("statusText")->text(), q("\xC4ndrat B14 ons 15.00\x96"
                                                       "16.00 veckor 40-42"));
    // "Töm" ends an edit without any change (the new booking is the table's row 3).
    w.menuItem(3, "Redigera");
    w.click("Command6");
    EXPECT_EQ(w.boxOf(3)->border(), 1);
}

} // namespace
} // namespace tivra

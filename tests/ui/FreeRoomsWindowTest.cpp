// "Lediga salar" through the window's own controls: the rooms listed, a room chosen with
// the fields kept, and "Boka" booking it.
#include "ui/StartedWindow.h"

#include <QDialog>
#include <QListWidget>

namespace tivra {
namespace {

using namespace test;

TEST(FreeRoomsWindow, ListsTheRoomsAndADoubleClickMakesTheNextBokaBookTheChosenOne) {
    // B14 has its lesson on Tuesday 08.15-09.00; B12 is free.
    StartedWindow w(school("0", {}), kWeek40);
    w.type("Combo3", "TIS");
    w.type("Text1", "8.30");
    w.type("Text2", "30");
    w.type("Text4", "xy");
    w.click("Command7");
    ASSERT_TRUE(w.messages.shown.empty());

    auto* window = w.form->findChild<QDialog*>(QStringLiteral("FreeRoomsWindow"));
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(window->isModal());
    EXPECT_EQ(window->windowTitle(), q("Lediga salar vecka 40, TIS 08.30\x96"
                                       "09.00"));
    auto* free = w.child<QListWidget>("freeList");
    ASSERT_EQ(free->count(), 1);
    EXPECT_EQ(free->item(0)->text(), QStringLiteral("B12"));
    EXPECT_EQ(w.child<QListWidget>("lessonList")->item(0)->text(), QStringLiteral("B14"));

    QPoint b12 = free->visualItemRect(free->item(0)).center();
    QTest::mouseClick(free->viewport(), Qt::LeftButton, {}, b12);
    QTest::mouseDClick(free->viewport(), Qt::LeftButton, {}, b12);
    EXPECT_EQ(w.texts({"Combo1", "Combo3", "Text1", "Text2", "Text4"}), "B12|TIS|8.30|30|xy");
    w.click("Command3");
    EXPECT_EQ(readBytes(w.dir.file("skolan.bok")),
              bookingFile({{"XY", "", "30", "2", "08.30", "B12", "", "40", ""}}));

    w.type("Text1", "8");
    w.click("Command7");
    EXPECT_EQ(w.messages.log().back(), "Lediga salar|Skriv tiden i formen 9.00.");
}

} // namespace
} // namespace tivra

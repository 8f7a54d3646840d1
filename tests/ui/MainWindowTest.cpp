// The main window as a user meets it: the week field while typing, messages over a grid
// that is up to date, readable boxes.
#include "ui/GridBox.h"
#include "ui/StartedWindow.h"
#include "ui/Twips.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QKeySequence>
#include <QLabel>

namespace tivra {
namespace {

using namespace test;

struct Window : StartedWindow {
    Window() : StartedWindow(school("0", {}), kWeek40) {}
};

TEST(MainWindow, AClearedWeekFieldWaitsForTheWeekTyped) {
    Window w;
    QLineEdit* week = w.field("Combo2");
    week->setFocus();
    week->selectAll();
    QTest::keyClick(week, Qt::Key_Backspace);
    EXPECT_EQ(week->text(), QString());
    keys(week, QStringLiteral("44"));
    EXPECT_EQ(week->text(), QStringLiteral("44"));
    EXPECT_EQ(w.program.selection.valdvecka, 44);
}

TEST(MainWindow, ARefusalAfterTheReloadShowsOverTheBookingThatTookTheTime) {
    Window w;
    // Another workstation books Tuesday 10.00 in B14 after this window drew the week.
    writeBytes(w.dir.file("skolan.bok"), bookingFile({{"XY", "", "60", "2", "10.00", "B14", "", "40", ""}}));
    w.drag(w.at(2, 2.0 / 8), w.at(2, 3.0 / 8)); // 10.00 to 11.00 of 8 to 16
    w.type("Text4", "ab");
    bool drawn = false;
    w.messages.onShow = [&] { drawn = w.boxOf(2) != nullptr; };
    w.click("Command3");
    EXPECT_EQ(w.messages.log(), (std::vector<std::string>{"Boka|Angiven tid redan bokad."}));
    EXPECT_TRUE(drawn);
}

TEST(MainWindow, EnterBooksAndTheTitleAndStatusLineTellWhatHappened) {
    Window w;
    EXPECT_EQ(w.form->windowTitle(), q("Tivra \x96 skolan.bok"));
    EXPECT_EQ(w.child<QLabel>("statusFile")->text(), QStringLiteral("skolan.bok"));
    w.drag(w.at(2, 2.0 / 8), w.at(2, 3.0 / 8));
    w.type("Text4", "ab");
    QTest::keyClick(w.field("Text4"), Qt::Key_Return);
    EXPECT_EQ(w.child<QLabel>("statusText")->text(), q("Bokat B14 tis 10.00\x96"
                                                       "11.00 vecka 40"));
    GridBox* box = w.boxOf(2);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->toolTip(), box->caption());
    // Page Down and Page Up step the week; the menus carry their keys.
    QTest::keyClick(w.form.get(), Qt::Key_PageDown);
    EXPECT_EQ(w.program.selection.valdvecka, 41);
    QTest::keyClick(w.form.get(), Qt::Key_PageUp);
    EXPECT_EQ(w.program.selection.valdvecka, 40);
    EXPECT_EQ(w.child<QAction>("arkiv_open")->shortcut(), QKeySequence(QKeySequence::Open));
    EXPECT_EQ(w.child<QAction>("Arkiv_skrivut")->shortcut(), QKeySequence(QKeySequence::Print));
}

TEST(MainWindow, ABookingAnotherWorkstationWritesAppearsWithoutAnyAction) {
    Window w;
    w.type("Text3", "Mitt utkast");
    writeBytes(w.dir.file("skolan.bok"), bookingFile({{"XY", "", "60", "4", "10.00", "B14", "", "40", ""}}));
    for (int waited = 0; waited < 6000 && w.boxOf(2) == nullptr; waited += 100) {
        QTest::qWait(100);
    }
    EXPECT_NE(w.boxOf(2), nullptr);
    EXPECT_EQ(w.text("Text3"), QStringLiteral("Mitt utkast"));
    EXPECT_TRUE(w.messages.shown.empty());
}

TEST(MainWindow, TheGridFollowsTheWindowsSizeWithItsHourScaleAndToday) {
    StartedWindow w(school("0", {{"AB", "", "60", "3", "10.00", "B14", "", "40", ""}}), kWeek40);
    // Today is Wednesday of week 40, the week shown.
    EXPECT_TRUE(w.form->Label3(3)->fill().isValid());
    EXPECT_FALSE(w.form->Label3(2)->fill().isValid());
    QRect before = w.form->Label2(1)->geometry();
    w.form->resize(w.form->width() + 300, w.form->height() + 200);
    QApplication::processEvents();
    QRect after = w.form->Label2(1)->geometry();
    EXPECT_GT(after.width(), before.width());
    EXPECT_GT(after.height(), before.height());
    const GridGeometry& grid = *w.form->gridGeometry();
    Rect booked = *placeBox(grid, grid.axis(8, 16), 3, 121, 60);
    EXPECT_EQ(w.boxOf(2)->geometry(), pxRect(booked.left, booked.top, booked.width, booked.height));
    auto* eight = w.child<QLabel>("hour(8)");
    EXPECT_TRUE(eight->isVisible());
    EXPECT_EQ(eight->text(), QStringLiteral("8.00"));
    EXPECT_NEAR(eight->geometry().center().y(), after.top(), 2);
    EXPECT_LE(eight->geometry().right(), after.left());
}

TEST(MainWindow, TheDetailsLineGoesWithTheGridItDescribes) {
    StartedWindow w(school("0", {{"AB", "Prov", "60", "3", "10.00", "B14", "", "40", ""}}), kWeek40);
    // The pointer rests on the booking's box, the last of those shown.
    w.form->Label4_MouseMove(static_cast<int>(w.shown().size()));
    auto* details = w.child<QLabel>("Label5");
    ASSERT_FALSE(details->text().isEmpty());
    w.click("Command1"); // the next week
    EXPECT_TRUE(details->text().isEmpty());
}

TEST(MainWindow, CapitalsWithRingsAndDotsStayClearOfTheBoxBorder) {
    GridBox box;
    box.setFill(Qt::white);
    box.setBorder(1);
    box.setCaption(q("\xC5\xC4\xD6\xC5\xC4\xD6\xC5\xC4\xD6"));
    box.resize(160, 40);
    QImage image = box.grab().toImage();
    for (int x = 2; x < image.width() - 2; ++x) {
        ASSERT_EQ(image.pixelColor(x, 1), QColor(Qt::white)) << "column " << x;
    }
}

} // namespace
} // namespace tivra

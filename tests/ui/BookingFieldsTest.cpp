// The booking fields of the main window, driven as a user drives them: the pointer on the
// day boxes (through the window, so Qt's own routing of a drag is what is tested), typing
// into the time fields, "Töm" and "Boka". With TIVRA_SHOT_DIR set, the demo school's drag
// and booking are also saved there as PNGs.
#include "support/Fakes.h"
#include "ui/Convert.h"
#include "ui/CurrentFolder.h"
#include "ui/Form1.h"
#include "ui/GridBox.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
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

// A window on a school with the rooms B14 and B12 and one booking, Wednesday of week 40;
// the day boxes run from 8 to 16. With `demo`, on a copy of the demo school instead.
struct Window {
    explicit Window(bool demo = false) : clock(demo ? Date{2026, 12, 2} : Date{2026, 9, 30}) {
        if (demo) {
            std::filesystem::copy(std::filesystem::path(TIVRA_SOURCE_DIR) / "examples" / "demo-skola",
                                  dir.path(), std::filesystem::copy_options::recursive);
        } else {
            write("Tivra.ini", crlf({"SCHEMA: skolan.sch", "BOKNINGSFIL: skolan.bok", "STARTVECKA:  34",
                                     "SLUTVECKA:  76", "HELG:  0"}));
            write("skolan.sal", crlf({"B14", "B12"}));
            write("skolan.ini", crlf({"L\xC4S\xC5R: 2026/27"}));
            write("skolan.sca", crlf({"Ma1", "NA1a", "ab", "B14", "45 min", "TIS 8.15", ""}));
            write("skolan.sig", crlf({"ab, Anna Berg"}));
            write("skolan.bok",
                  crlf({"Antal:  1 ", "AB", "M\xF6te", "60", "3", "13.00", "B14", "", "40", ""}));
        }
        inFolder = std::make_unique<CurrentFolder>(dir.path());
        form = std::make_unique<Form1>(program, platform);
        form->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    void write(const std::string& name, const std::string& bytes) { writeBytes(dir.file(name), bytes); }

    QLineEdit* edit(const char* name) const {
        auto* w = form->findChild<QLineEdit*>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QString text(const char* name) const { return edit(name)->text(); }
    void type(const char* name, const char* cp1252) const {
        QLineEdit* e = edit(name);
        e->setFocus();
        e->selectAll();
        // One key per character, Å Ä Ö too (QTest::keyClicks knows ASCII only).
        for (QChar c : toQString(cp1252)) {
            QTest::sendKeyEvent(QTest::Click, e, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
        }
    }
    QComboBox* day() const { return form->findChild<QComboBox*>(QStringLiteral("Combo3")); }
    GridBox* shape1() const { return form->findChild<GridBox*>(QStringLiteral("Shape1")); }
    void click(const char* button) const {
        QTest::mouseClick(form->findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
    }

    // A point in the window at `fraction` of day box d's height (beyond the box outside
    // 0..1), across the middle of column `column` (the box's own by default).
    QPoint at(int d, double fraction, int column = 0) const {
        GridBox* box = form->Label2(d);
        GridBox* across = form->Label2(column == 0 ? d : column);
        int y = static_cast<int>(std::lround(fraction * box->height()));
        return QPoint(across->mapTo(form.get(), QPoint(across->width() / 2, 0)).x(),
                      box->mapTo(form.get(), QPoint(0, y)).y());
    }
    void press(QPoint p) const { QTest::mousePress(form->windowHandle(), Qt::LeftButton, {}, p); }
    void move(QPoint p) const { QTest::mouseMove(form->windowHandle(), p); }
    void release(QPoint p) const { QTest::mouseRelease(form->windowHandle(), Qt::LeftButton, {}, p); }
    void drag(QPoint from, QPoint to) const {
        press(from);
        move(QPoint((from.x() + to.x()) / 2, (from.y() + to.y()) / 2));
        move(to);
        release(to);
    }
    void shot(const char* name) const {
        QByteArray folder = qgetenv("TIVRA_SHOT_DIR");
        if (!folder.isEmpty()) {
            form->grab().save(QString::fromLocal8Bit(folder) + QLatin1Char('/') + QLatin1String(name));
        }
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
    EXPECT_EQ(w.form->findChild<QLabel*>(QStringLiteral("Label5"))->text(), QStringLiteral("12.00"));
    EXPECT_EQ(w.text("Text1"), QString());

    QPoint tuesday10 = w.at(2, hour(10));
    w.press(tuesday10);
    w.release(tuesday10);
    EXPECT_EQ(w.text("Text1"), QStringLiteral("10.00"));
    EXPECT_EQ(w.text("Text2"), QString());
    EXPECT_EQ(w.text("Text5"), QString());
    EXPECT_FALSE(w.shape1()->isVisible());
    EXPECT_EQ(w.day()->currentText(), QStringLiteral("TIS"));
    EXPECT_EQ(w.program.val.valddag, 2);
}

TEST(BookingFields, DragEitherWayMarksTheSameSpanInsideItsBox) {
    Window w;
    w.drag(w.at(3, hour(10)), w.at(3, hour(11.5)));
    EXPECT_EQ(w.text("Text1"), QStringLiteral("10.00"));
    EXPECT_EQ(w.text("Text5"), QStringLiteral("11.30"));
    EXPECT_EQ(w.text("Text2"), QStringLiteral("90"));
    EXPECT_EQ(w.program.val.valddag, 3);
    QRect box = w.form->Label2(3)->geometry();
    QRect mark = w.shape1()->geometry();
    EXPECT_TRUE(w.shape1()->isVisible());
    EXPECT_TRUE(box.contains(mark));
    EXPECT_NEAR(mark.top(), box.top() + box.height() / 4.0, 1.5);
    EXPECT_NEAR(mark.top() + mark.height(), box.top() + box.height() * 3.5 / 8, 1.5);
    EXPECT_NEAR(mark.width(), 0.95 * box.width(), 1.5);

    // Upwards, and wandering over Thursday's column on the way: the same span on Wednesday.
    w.press(w.at(3, hour(11.5)));
    w.move(w.at(3, hour(10.5), 4));
    w.move(w.at(3, hour(10), 4));
    w.release(w.at(3, hour(10), 4));
    EXPECT_EQ(w.text("Text1"), QStringLiteral("10.00"));
    EXPECT_EQ(w.text("Text5"), QStringLiteral("11.30"));
    EXPECT_EQ(w.text("Text2"), QStringLiteral("90"));
    EXPECT_EQ(w.shape1()->geometry(), mark);
    EXPECT_EQ(w.program.val.valddag, 3);

    // Beyond the bottom the span ends at the last hour, beyond the top it begins at the first.
    w.drag(w.at(1, hour(15)), w.at(1, 1.2));
    EXPECT_EQ(w.text("Text1"), QStringLiteral("15.00"));
    EXPECT_EQ(w.text("Text5"), QStringLiteral("16.00"));
    EXPECT_EQ(w.shape1()->geometry().bottom(), w.form->Label2(1)->geometry().bottom());
    w.drag(w.at(1, hour(9)), w.at(1, -0.05));
    EXPECT_EQ(w.text("Text1"), QStringLiteral("08.00"));
    EXPECT_EQ(w.text("Text5"), QStringLiteral("09.00"));
    EXPECT_EQ(w.text("Text2"), QStringLiteral("60"));
    EXPECT_EQ(w.shape1()->geometry().top(), w.form->Label2(1)->geometry().top());
}

TEST(BookingFields, LengthAndEndFieldsFollowEachOther) {
    Window w;
    // Only a real change notifies: setting the text a field holds raises nothing.
    QSignalSpy changes(w.edit("Text5"), &QLineEdit::textChanged);
    w.edit("Text5")->setText(QStringLiteral("x"));
    w.edit("Text5")->setText(QStringLiteral("x"));
    EXPECT_EQ(changes.count(), 1);
    w.edit("Text5")->clear();

    w.type("Text1", "9.00");
    w.type("Text2", "4");
    EXPECT_EQ(w.text("Text5"), QString());
    EXPECT_FALSE(w.shape1()->isVisible());
    w.type("Text2", "45");
    EXPECT_EQ(w.text("Text5"), QStringLiteral("09.45"));
    ASSERT_TRUE(w.shape1()->isVisible());
    QRect wednesday = w.form->Label2(3)->geometry();
    EXPECT_TRUE(wednesday.contains(w.shape1()->geometry().center()));
    EXPECT_NEAR(w.shape1()->height(), wednesday.height() * 0.75 / 8, 1.5);
    // Whole slots only: 47 minutes end at 09.45, and the end rewrites the length.
    w.edit("Text5")->clear();
    w.type("Text2", "47");
    EXPECT_EQ(w.text("Text5"), QStringLiteral("09.45"));
    EXPECT_EQ(w.text("Text2"), QStringLiteral("45"));

    // The end of the day is 23.55; a start of 00.00 marks nothing.
    w.type("Text1", "23.30");
    w.type("Text2", "25");
    EXPECT_EQ(w.text("Text5"), QStringLiteral("23.55"));
    w.type("Text1", "9.00");
    w.type("Text2", "45");
    w.type("Text1", "23.30");
    w.type("Text2", "30");
    EXPECT_FALSE(w.shape1()->isVisible());
    w.type("Text1", "00.00");
    w.type("Text2", "45");
    EXPECT_FALSE(w.shape1()->isVisible());

    // An end after the start gives the length; one before it leaves the length.
    w.type("Text1", "9.00");
    w.type("Text5", "10.30");
    EXPECT_EQ(w.text("Text2"), QStringLiteral("90"));
    w.type("Text5", "8.00");
    EXPECT_EQ(w.text("Text2"), QStringLiteral("90"));
    // A new start with that end gives the length anew.
    w.type("Text1", "7.30");
    EXPECT_EQ(w.text("Text2"), QStringLiteral("30"));
}

TEST(BookingFields, TomEmptiesTheTimesAndTheCommentButKeepsSignatureAndDay) {
    Window w;
    w.drag(w.at(2, hour(10)), w.at(2, hour(11)));
    w.type("Text3", "Prov");
    w.type("Text4", "ab");
    ASSERT_TRUE(w.shape1()->isVisible());
    w.click("Command6");
    for (const char* field : {"Text1", "Text2", "Text5", "Text3"}) {
        EXPECT_EQ(w.text(field), QString()) << field;
    }
    EXPECT_EQ(w.text("Text4"), QStringLiteral("ab"));
    EXPECT_EQ(w.day()->currentText(), QStringLiteral("TIS"));
    EXPECT_FALSE(w.shape1()->isVisible());
}

TEST(BookingFields, BokaBooksTheMarkedSpanInTheCodePageOfTheFile) {
    Window w;
    w.drag(w.at(3, hour(10)), w.at(3, hour(11.5)));
    w.type("Text3", "M\xF6te p\xE5 \xD6land");
    w.type("Text4", "\xE5s\xE4");
    // Without a signature: refused, nothing written, nothing redrawn.
    w.edit("Text4")->clear();
    int redraws = w.form->redrawCount();
    w.click("Command3");
    ASSERT_EQ(w.messages.log(), (std::vector<std::string>{"Boka|Skriv din signatur."}));
    EXPECT_EQ(w.messages.shown[0].icon, Icon::Exclamation);
    EXPECT_EQ(w.form->redrawCount(), redraws);
    EXPECT_TRUE(w.shape1()->isVisible());

    w.type("Text4", "\xE5s\xE4");
    w.click("Command3");
    EXPECT_EQ(w.messages.shown.size(), 1u);
    EXPECT_EQ(readBytes(w.dir.file("skolan.bok")),
              crlf({"Antal:  2 ", "AB", "M\xF6te", "60", "3", "13.00", "B14", "", "40", "", "\xC5S\xC4",
                    "M\xF6te p\xE5 \xD6land", "90", "3", "10.00", "B14", "", "40", ""}));
    // Drawn as a booking box; the marking is gone, the fields stay for the next booking.
    bool drawn = false;
    for (int n = 1; n <= kBoxPool; ++n) {
        GridBox* box = w.form->Label4(n);
        if (box->isVisible() &&
            box->caption() == toQString("\xC5S\xC4\n10.00 -11.30\nM\xF6te p\xE5 \xD6land")) {
            drawn = true;
            EXPECT_TRUE(w.form->Label2(3)->geometry().contains(box->geometry().center()));
        }
    }
    EXPECT_TRUE(drawn);
    EXPECT_FALSE(w.shape1()->isVisible());
    EXPECT_EQ(w.text("Text1"), QStringLiteral("10.00"));
    EXPECT_EQ(w.text("Text4"), toQString("\xE5s\xE4"));
}

TEST(BookingFields, DemoSchoolDragAndBooking) {
    Window w(true);
    // Thursday in the first room, between two lessons, from 12.00 for an hour and a half
    // of the 8 to 17 day.
    auto at = [&](double h) { return w.at(4, (h - 8) / 9); };
    w.press(at(12));
    w.move(at(13));
    w.move(at(13.5));
    w.shot("marking.png");
    w.release(at(13.5));
    EXPECT_EQ(w.text("Text1"), QStringLiteral("12.00"));
    EXPECT_EQ(w.text("Text2"), QStringLiteral("90"));
    w.type("Text3", "\xC5k till \xD6rebro");
    w.type("Text4", "eh");
    w.click("Command3");
    EXPECT_TRUE(w.messages.shown.empty()) << w.messages.log().front();
    EXPECT_FALSE(w.shape1()->isVisible());
    w.shot("booked.png");
}

} // namespace
} // namespace tivra

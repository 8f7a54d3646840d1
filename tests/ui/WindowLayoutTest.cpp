// The main window as a person sees it at its default size, on the demo school: nothing
// overlaps, no caption is cut, the grid sits right of the booking fields and the details
// line under the grid; a span marked and booked there. With TIVRA_SHOT_DIR set, each view
// is also saved there as a PNG.
#include "ui/StartedWindow.h"

#include <QAbstractButton>
#include <QLabel>

namespace tivra {
namespace {

using namespace test;

// The demo school is opened on Wednesday of week 49 of 2026; with weekends, on a copy of
// its settings that shows them.
const Date kDemoDay{2026, 12, 2};
Files withHelg() {
    std::string ini = readBytes((demoSchool() / "Tivra.ini").string());
    return {{"Tivra.ini", ini.replace(ini.find("HELG:  0"), 8, "HELG:  1")}};
}

// A control's rectangle in the client area's coordinates.
QRect inClient(const Form1& form, const QWidget* w) {
    return QRect(w->mapTo(form.centralWidget(), QPoint(0, 0)), w->size());
}

// The visible controls of the booking column and the details line, each whole and apart.
void expectNothingOverlaps(const Form1& form) {
    QWidget* client = form.centralWidget();
    QList<QWidget*> controls;
    for (QWidget* w : client->findChildren<QWidget*>()) {
        bool control =
            qobject_cast<QLabel*>(w) != nullptr || qobject_cast<QAbstractButton*>(w) != nullptr ||
            qobject_cast<QComboBox*>(w) != nullptr ||
            (qobject_cast<QLineEdit*>(w) != nullptr && qobject_cast<QComboBox*>(w->parent()) == nullptr);
        if (control && w->isVisible()) {
            controls << w;
        }
    }
    ASSERT_GT(controls.size(), 20);
    QRect days = inClient(form, form.Label3(1)).united(inClient(form, form.Label2(5)));
    for (int i = 0; i < controls.size(); ++i) {
        QRect a = inClient(form, controls[i]);
        std::string name = controls[i]->objectName().toStdString();
        EXPECT_TRUE(client->rect().contains(a) && !a.intersects(days)) << name;
        for (int j = i + 1; j < controls.size(); ++j) {
            EXPECT_FALSE(a.intersects(inClient(form, controls[j])))
                << name << " " << controls[j]->objectName().toStdString();
        }
        // A caption on one line must not be cut.
        auto* label = qobject_cast<QLabel*>(controls[i]);
        if (label != nullptr && !label->wordWrap()) {
            EXPECT_LE(label->sizeHint().width(), label->width()) << name;
        }
    }
    QRect details = inClient(form, form.findChild<QLabel*>(QStringLiteral("Label5")));
    EXPECT_GE(details.top(), days.bottom());
    EXPECT_GE(details.left(), inClient(form, form.Label2(1)).left());
    EXPECT_TRUE(client->rect().contains(days));
}

TEST(WindowLayout, DemoSchoolViewsFitTheDefaultWindow) {
    StartedWindow s({}, kDemoDay, true);
    expectNothingOverlaps(*s.form);
    // Thursday in the first room, between two lessons, from 12.00 for an hour and a half
    // of the 8 to 17 day: marked, then booked.
    auto at = [&](double h) { return s.at(4, (h - 8) / 9); };
    s.press(at(12));
    s.move(at(13));
    s.move(at(13.5));
    s.shot("marking.png");
    s.release(at(13.5));
    EXPECT_EQ(s.texts({"Text1", "Text2"}), "12.00|90");
    s.type("Text3", "\xC5k till \xD6rebro");
    s.type("Text4", "eh");
    s.click("Command3");
    EXPECT_TRUE(s.messages.shown.empty()) << s.messages.log().front();
    EXPECT_FALSE(s.shape1()->isVisible());
    s.shot("booked.png");

    s.type("Combo1", "A102");
    EXPECT_EQ(s.program.selection.valdsal, 2);
    QTest::mouseMove(s.form->Label4(1));
    s.shot("room.png");

    s.choose("Option3");
    s.type("Combo1", "jp");
    s.shot("staff.png");
    s.choose("Option4");
    s.shot("overview.png");
    expectNothingOverlaps(*s.form);
    EXPECT_TRUE(s.messages.shown.empty());

    StartedWindow weekend(withHelg(), kDemoDay, true);
    EXPECT_TRUE(weekend.form->Label2(7)->isVisible());
    weekend.type("Combo1", "A102");
    expectNothingOverlaps(*weekend.form);
    weekend.shot("room-helg.png");
}

} // namespace
} // namespace tivra

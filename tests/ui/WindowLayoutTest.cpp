// The main window as a person sees it at its default size, on the demo school: nothing
// overlaps, no caption is cut, the grid sits right of the booking fields and the details
// line under the grid. With TIVRA_SHOT_DIR set, each view is also saved there as a PNG.
#include "support/Fakes.h"
#include "ui/Convert.h"
#include "ui/CurrentFolder.h"
#include "ui/Form1.h"
#include "ui/GridBox.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace tivra {
namespace {

using test::CurrentFolder;
using test::FixedClock;
using test::ScriptedMessages;
using test::TempDir;

// The demo school copied to a fresh folder, opened on Wednesday of week 49 of 2026.
struct DemoSchool {
    explicit DemoSchool(bool weekend) {
        std::filesystem::copy(std::filesystem::path(TIVRA_SOURCE_DIR) / "examples" / "demo-skola", dir.path(),
                              std::filesystem::copy_options::recursive);
        if (weekend) {
            std::string ini = test::readBytes(dir.file("Tivra.ini"));
            std::string from = "HELG:  0";
            ini.replace(ini.find(from), from.size(), "HELG:  1");
            test::writeBytes(dir.file("Tivra.ini"), ini);
        }
        inFolder = std::make_unique<CurrentFolder>(dir.path());
        form = std::make_unique<Form1>(program, platform);
        form->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }

    void type(const char* combo, const char* cp1252) const {
        QLineEdit* edit = form->findChild<QComboBox*>(QLatin1String(combo))->lineEdit();
        edit->selectAll();
        QTest::keyClicks(edit, toQString(cp1252));
    }
    void choose(const char* option) const { form->findChild<QRadioButton*>(QLatin1String(option))->click(); }
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
    FixedClock clock{Date{2026, 12, 2}};
    ScriptedMessages messages;
    Platform platform{disk, clock, messages};
    std::unique_ptr<Form1> form;
};

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
        EXPECT_TRUE(client->rect().contains(a)) << controls[i]->objectName().toStdString();
        EXPECT_FALSE(a.intersects(days)) << controls[i]->objectName().toStdString();
        for (int j = i + 1; j < controls.size(); ++j) {
            EXPECT_FALSE(a.intersects(inClient(form, controls[j])))
                << controls[i]->objectName().toStdString() << " " << controls[j]->objectName().toStdString();
        }
        // A caption on one line must not be cut.
        auto* label = qobject_cast<QLabel*>(controls[i]);
        if (label != nullptr && !label->wordWrap()) {
            EXPECT_LE(label->sizeHint().width(), label->width()) << label->objectName().toStdString();
        }
    }
    QRect details = inClient(form, form.findChild<QLabel*>(QStringLiteral("Label5")));
    EXPECT_GE(details.top(), days.bottom());
    EXPECT_GE(details.left(), inClient(form, form.Label2(1)).left());
    EXPECT_TRUE(client->rect().contains(days));
}

TEST(WindowLayout, DemoSchoolViewsFitTheDefaultWindow) {
    DemoSchool s(false);
    expectNothingOverlaps(*s.form);
    s.type("Combo1", "A102");
    EXPECT_EQ(s.program.val.valdsal, 2);
    QTest::mouseMove(s.form->Label4(1));
    s.shot("room.png");

    s.choose("Option3");
    s.type("Combo1", "jp");
    s.shot("staff.png");
    s.choose("Option4");
    s.shot("overview.png");
    expectNothingOverlaps(*s.form);
    EXPECT_TRUE(s.messages.shown.empty());

    DemoSchool weekend(true);
    EXPECT_TRUE(weekend.form->Label2(7)->isVisible());
    weekend.type("Combo1", "A102");
    expectNothingOverlaps(*weekend.form);
    weekend.shot("room-helg.png");
}

} // namespace
} // namespace tivra

// The week grid on the real window: where its boxes go, what each choice control shows
// and redraws, the details line, and the window's layout. The rules behind them (geometry,
// views, weeks, the pool of boxes) are tested below the window; here the window must
// follow them.
#include "ui/StartedWindow.h"

#include <QAbstractButton>

namespace tivra {
namespace {

using namespace test;

// A meeting on Wednesday and an exam on Saturday in B14, a course in B12 over weeks 40-42.
const std::vector<Row> kThree{booked("M\xF6te", "3", "10.00"),
                              booked("Prov", "6", "09.00", "30"),
                              {"AB", "Kurs", "90", "1", "13.00", "B12", "", "40-42", ""}};

// The visible controls of the booking column and the details line at the default size:
// each whole, inside the window, apart from each other and from the grid.
void expectNothingOverlaps(const StartedWindow& s) {
    QWidget* client = s.form->centralWidget();
    auto at = [client](const QWidget* w) { return QRect(w->mapTo(client, QPoint(0, 0)), w->size()); };
    QRect days = at(s.box("Label3", 1)).united(at(s.box("Label2", 5)));
    EXPECT_TRUE(client->rect().contains(days));
    QList<QWidget*> controls;
    for (QWidget* w : client->findChildren<QWidget*>()) {
        if (w->isVisible() &&
            (qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) ||
             (qobject_cast<QLineEdit*>(w) && !qobject_cast<QComboBox*>(w->parent())))) {
            std::string name = w->objectName().toStdString();
            EXPECT_TRUE(client->rect().contains(at(w)) && !at(w).intersects(days)) << name;
            for (QWidget* other : controls) {
                EXPECT_FALSE(at(w).intersects(at(other))) << name << " " << other->objectName().toStdString();
            }
            auto* label = qobject_cast<QLabel*>(w);
            EXPECT_TRUE(!label || label->wordWrap() || label->sizeHint().width() <= label->width()) << name;
            controls << w;
        }
    }
}

TEST(WeekGrid, BoxesGoWhereTheLayoutPutsThemAndFollowTheFile) {
    StartedWindow s(school(kThree));
    // Today is Wednesday; no weekend.
    EXPECT_TRUE(s.box("Label3", 3)->fill().isValid() && !s.box("Label3", 2)->fill().isValid());
    EXPECT_FALSE(s.box("Label2", 6)->isVisible());
    // The lesson, then the booking, each in its colour; Saturday's is not shown.
    ASSERT_EQ(s.captions(), "MA1\n08.15 -09.00\nNA1A|AB\n10.00 -11.00\nM\xF6te");
    EXPECT_EQ(QList<QColor>({s.boxOf(1)->fill(), s.boxOf(2)->fill()}),
              QList<QColor>({QColor(255, 128, 128), QColor(128, 255, 128)}));
    QRect before = s.box("Label2", 1)->geometry();
    s.form->resize(s.form->width() + 300, s.form->height() + 200);
    QApplication::processEvents();
    QRect after = s.box("Label2", 1)->geometry();
    EXPECT_TRUE(after.width() > before.width() && after.height() > before.height());
    // The grid fills the window's height but for the details line under it.
    QWidget* details = s.child<QLabel>("Label5");
    EXPECT_LE(s.form->centralWidget()->height() - after.bottom(), details->minimumHeight() + 40);
    // The hour scale beside the grid, from the first hour line to the last.
    EXPECT_EQ(s.child<QLabel>("hour(8)")->text(), QStringLiteral("8.00"));
    QLabel* last = s.child<QLabel>("hour(16)");
    EXPECT_TRUE(last->isVisible() && !s.child<QLabel>("hour(17)")->isVisible());
    EXPECT_NEAR(last->geometry().center().y(), after.bottom(), 2);
    // With weekends, seven days show, Saturday's booking too, and still nothing overlaps.
    StartedWindow weekend(school(kThree, "1"));
    expectNothingOverlaps(weekend);
    EXPECT_TRUE(weekend.box("Label2", 7)->isVisible());
    EXPECT_NE(weekend.boxOf(3), nullptr);
}

// The details line follows the pointer in the week shown; each choice control redraws
// once, showing the view or the week it chooses.
TEST(WeekGrid, TheDetailsLineAndEachChoiceControlFollowTheUser) {
    StartedWindow s(school(kThree));
    auto* details = s.child<QLabel>("Label5");
    QTest::mouseMove(s.boxOf(2));
    EXPECT_EQ(details->text(), q("AB    10.00 - 11.00   (60 min)   Vecka: 40\nM\xF6te\n\n"));
    // Another week takes the box's details away.
    s.click("Command1");
    EXPECT_TRUE(details->text().isEmpty());
    s.click("Command2");
    int redraws = s.form->redrawCount();
    // Each step redraws once (a part of a name typed leaves the grid): the list, its text
    // and the boxes shown after it.
    const std::pair<std::function<void()>, const char*> steps[] = {
        {[&] { s.type("Combo1", "b12"); }, "B14|B12/b12/AB\n13.00 -14.30\nKurs"},
        {[&] { s.choose("Option2"); }, "KANON 1|KANON 2/KANON 1/"},
        {[&] { s.child<QComboBox>("Combo1")->setCurrentIndex(1); }, "KANON 1|KANON 2/KANON 2/"},
        {[&] { s.choose("Option1"); }, "B14|B12/B12/AB\n13.00 -14.30\nKurs"},
        {[&] { s.choose("Option3"); }, "AB Anna Berg|CD Carl Dahl/AB Anna Berg/MA1\n08.15 -09.00\nNA1A|"
                                       "B14  AB\n10.00 -11.00\nM\xF6te|B12  AB\n13.00 -14.30\nKurs"},
        {[&] { s.choose("Option4"); }, "//B14  AB\n10.00 -11.00\nM\xF6te|B12  AB\n13.00 -14.30\nKurs"}};
    for (const auto& [step, after] : steps) {
        step();
        EXPECT_EQ(s.form->redrawCount(), ++redraws) << after;
        EXPECT_EQ(s.items("Combo1") + "/" + s.texts({"Combo1"}) + "/" + s.captions(), after);
    }
    const std::pair<std::function<void()>, const char*> weekSteps[] = {
        {[&] { s.type("Combo2", "5"); }, "57 5"},
        {[&] { s.click("Command1"); }, "58 6"},
        {[&] { s.click("Command2"); }, "57 5"},
        {[&] { QTest::keyClick(s.form.get(), Qt::Key_PageDown); }, "58 6"},
        {[&] { QTest::keyClick(s.form.get(), Qt::Key_PageUp); }, "57 5"}};
    for (const auto& [step, after] : weekSteps) {
        step();
        EXPECT_EQ(s.form->redrawCount(), ++redraws) << after;
        EXPECT_EQ(std::to_string(s.program.selection.valdvecka) + " " + s.texts({"Combo2"}), after);
    }
    EXPECT_EQ(s.box("Label3", 1)->caption(), q("M\xE5n 1 feb"));
    // A cleared field waits for the week typed.
    s.type("Combo2", "");
    EXPECT_EQ(s.text("Combo2") + QString::number(s.program.selection.valdvecka), QStringLiteral("57"));
}

// The topmost row holding ink in a box rendered with `caption`; the box's height when none.
int topInk(const QFont& font, const QString& caption) {
    GridBox box;
    box.setFont(font);
    box.setFill(Qt::white);
    box.setBorder(1);
    box.setCaption(caption);
    box.resize(160, 40);
    QImage image = box.grab().toImage();
    // Below the border: the border itself is ink.
    for (int y = 1; y < image.height() - 1; ++y) {
        for (int x = 1; x < image.width() - 1; ++x) {
            if (qGray(image.pixel(x, y)) < 160) {
                return y;
            }
        }
    }
    return image.height();
}

// The ring and dots of Å Ä Ö on a box's first line show, at the grid's size and at a
// smaller and a larger one, and keep clear of the top border.
TEST(WeekGrid, CapitalsWithRingsAndDotsShowInsideTheBox) {
    QFont grid = QApplication::font();
    grid.setPointSizeF(grid.pointSizeF() * 0.85);
    for (double points : {grid.pointSizeF(), 7.0, 12.0}) {
        QFont font = grid;
        font.setPointSizeF(points);
        int marks = topInk(font, q("\xC5\xC4\xD6"));
        int capitals = topInk(font, QStringLiteral("EEE"));
        EXPECT_LE(marks + 2, capitals) << points << " pt";
        EXPECT_GE(marks, 2) << points << " pt";
    }
}

} // namespace
} // namespace tivra

// The week grid on the real window: the controls found by name, driven as a user would,
// with the table and the choice read back from the program state.
#include "ui/StartedWindow.h"
#include "ui/Twips.h"

#include <QLabel>

namespace tivra {
namespace {

using namespace test;

// A meeting on Wednesday and an exam on Saturday in B14, a course in B12 over weeks 40-42.
const std::vector<Row> kThree{{"AB", "M\xF6te", "60", "3", "10.00", "B14", "", "40", ""},
                              {"AB", "Prov", "30", "6", "09.00", "B14", "", "40", ""},
                              {"AB", "Kurs", "90", "1", "13.00", "B12", "", "40-42", ""}};
struct School : StartedWindow {
    explicit School(const std::string& helg = "0", const std::vector<Row>& bookings = kThree)
        : StartedWindow(school(helg, bookings), kWeek40) {}
};

// Where the layout below the window puts a box (its rules are tested there), in pixels:
// the window must place its widgets there, through the twips conversion.
QRect px(const Rect& r) {
    return pxRect(r.left, r.top, r.width, r.height);
}

// The captions of the boxes shown, in the order of the pool.
std::string captions(const StartedWindow& s) {
    QStringList all;
    for (GridBox* box : s.shown()) {
        all << box->caption();
    }
    return joined(all);
}

TEST(WeekGrid, RoomViewPlacesLessonsAndBookingsOnTheTimeAxis) {
    School s;
    EXPECT_EQ(s.form->redrawCount(), 1);
    const GridGeometry& grid = *s.form->gridGeometry();
    const TimeAxis kAxis = grid.axis(8, 16);
    for (int d = 1; d <= 7; ++d) {
        EXPECT_EQ(s.form->Label2(d)->geometry(), px(grid.dayBox(d))) << d;
        EXPECT_EQ(s.form->Label2(d)->isVisible(), d <= 5) << d;
        EXPECT_EQ(s.form->Label3(d)->geometry(), px(grid.header(d))) << d;
    }
    EXPECT_EQ(s.form->Label3(1)->caption(), q("M\xE5n 28 sep"));
    // The lesson on Tuesday 08.15 for 45 minutes, then the booking; Saturday's is not shown.
    ASSERT_EQ(captions(s), "MA1\n08.15 -09.00\nNA1A|AB\n10.00 -11.00\nM\xF6te");
    EXPECT_EQ(s.boxOf(1)->geometry(), px(*placeBox(grid, kAxis, 2, 100, 45))); // 08.15 is slot 100
    EXPECT_EQ(s.boxOf(1)->fill(), QColor(255, 128, 128));
    EXPECT_EQ(s.boxOf(2)->geometry(), px(*placeBox(grid, kAxis, 3, 121, 60)));
    EXPECT_EQ(s.boxOf(2)->fill(), QColor(128, 255, 128));

    // With weekends, seven narrower days fill the same width and Saturday's booking shows.
    School weekend("1");
    const GridGeometry& seven = *weekend.form->gridGeometry();
    EXPECT_EQ(seven.dayCount(), 7);
    EXPECT_EQ(weekend.form->Label2(7)->geometry(), px(seven.dayBox(7)));
    EXPECT_TRUE(weekend.form->Label2(7)->isVisible());
    ASSERT_EQ(weekend.shown().size(), 3U);
    EXPECT_EQ(weekend.boxOf(3)->geometry(), px(*placeBox(seven, seven.axis(8, 16), 6, 109, 30)));
}

// Which rows each view shows is pinned below the window; here each option draws its view.
TEST(WeekGrid, StaffViewAndOverviewThroughTheOptions) {
    School s;
    int redraws = s.form->redrawCount();
    s.choose("Option3");
    EXPECT_EQ(s.form->redrawCount(), redraws + 1);
    EXPECT_EQ(s.texts({"Combo1"}), "AB Anna Berg");
    EXPECT_EQ(captions(s),
              "MA1\n08.15 -09.00\nNA1A|B14  AB\n10.00 -11.00\nM\xF6te|B12  AB\n13.00 -14.30\nKurs");
    s.choose("Option4");
    EXPECT_EQ(s.items("Combo1") + s.texts({"Combo1"}), "");
    EXPECT_EQ(captions(s), "B14  AB\n10.00 -11.00\nM\xF6te|B12  AB\n13.00 -14.30\nKurs");
    EXPECT_TRUE(s.messages.shown.empty());
}

TEST(WeekGrid, FullPoolIsReportedOncePerRedraw) {
    std::vector<Row> many;
    for (int i = 0; i < 101; ++i) {
        many.push_back(Row{"AB", "", "5", std::to_string(i % 5 + 1), "08.00", "KANON 1", "", "40", ""});
    }
    School s("0", many);
    EXPECT_TRUE(s.messages.shown.empty());
    s.choose("Option4");
    ASSERT_EQ(s.messages.log(), std::vector<std::string>{"Visa bokningar|Alla bokningar kunde inte visas."});
    EXPECT_EQ(s.messages.shown[0].icon, Icon::Exclamation);
    EXPECT_EQ(s.shown().size(), 100U);
    EXPECT_FALSE(s.form->Label4(0)->isVisible());
}

// The week rules are pinned below the window; here the week field and both arrows redraw.
TEST(WeekGrid, WeekFieldAndArrowsChooseTheWeek) {
    School s;
    const char* const steps[][3] = {{"5", "", "57 5"}, {"", "Command1", "58 6"}, {"", "Command2", "57 5"}};
    for (const auto& [typed, button, after] : steps) {
        int redraws = s.form->redrawCount();
        if (*typed != '\0') {
            s.type("Combo2", typed);
        } else {
            s.click(button);
        }
        EXPECT_EQ(s.form->redrawCount(), redraws + 1) << typed << button;
        EXPECT_EQ(std::to_string(s.program.selection.valdvecka) + " " + s.texts({"Combo2"}), after)
            << typed << button;
    }
    EXPECT_EQ(s.form->Label3(1)->caption(), q("M\xE5n 1 feb"));
}

TEST(WeekGrid, EachListKeepsItsChoiceAndPartialTypingLeavesTheGrid) {
    School s;
    int redraws = s.form->redrawCount();
    s.type("Combo1", "b1");
    EXPECT_EQ(s.form->redrawCount(), redraws);
    keys(s.field("Combo1"), QStringLiteral("2"));
    EXPECT_EQ(s.program.selection.valdsal, 2);
    EXPECT_EQ(s.form->redrawCount(), redraws + 1);
    EXPECT_NE(s.boxOf(4), nullptr); // the course in B12

    s.choose("Option2");
    EXPECT_EQ(s.form->redrawCount(), redraws + 2);
    EXPECT_EQ(s.items("Combo1") + "/" + s.texts({"Combo1"}), "KANON 1|KANON 2/KANON 1");
    s.child<QComboBox>("Combo1")->setCurrentIndex(1); // a pick from the list
    EXPECT_EQ(s.program.selection.valtobjekt, 2);
    EXPECT_EQ(s.form->redrawCount(), redraws + 3);

    s.choose("Option1");
    EXPECT_EQ(s.text("Combo1"), QStringLiteral("B12"));
    EXPECT_EQ(s.form->redrawCount(), redraws + 4);
    s.choose("Option2");
    EXPECT_EQ(s.text("Combo1"), QStringLiteral("KANON 2"));
}

TEST(WeekGrid, DayFieldAndDayHeadersChooseTheDayWithoutRedrawing) {
    School s("1");
    int redraws = s.form->redrawCount();
    s.type("Combo3", "tor");
    EXPECT_EQ(s.program.selection.valddag, 4);

    QTest::mouseClick(s.form->Label3(2), Qt::LeftButton);
    EXPECT_EQ(s.text("Combo3"), QStringLiteral("TIS"));
    EXPECT_EQ(s.program.selection.valddag, 2);
    // The marking rectangle follows the chosen day: 09.00 to 10.00 (slots 109 to 121).
    s.form->visaShape1(109, 121);
    const GridGeometry& seven = *s.form->gridGeometry();
    EXPECT_TRUE(s.shape1()->isVisible());
    EXPECT_EQ(s.shape1()->geometry(), px(*visaShape1(seven, seven.axis(8, 16), 2, 109, 121)));
    EXPECT_EQ(s.form->redrawCount(), redraws);
}

TEST(WeekGrid, HoverShowsTheRowsDetailsAndTheBareWindowClearsThem) {
    School s;
    auto* details = s.child<QLabel>("Label5");
    QTest::mouseMove(s.form->Label4(2));
    EXPECT_EQ(details->text(), q("AB    10.00 - 11.00   (60 min)   Vecka: 40\nM\xF6te\n\n"));
    QTest::mouseMove(s.form->Label4(1));
    EXPECT_EQ(details->text(), QStringLiteral("MA1    08.15 - 09.00   (45 min)\nNA1A\nAB\n"));
    // The gap between Monday's and Tuesday's boxes is bare window.
    QRect monday = s.form->Label2(1)->geometry();
    QTest::mouseMove(s.form->centralWidget(), QPoint(monday.right() + 3, monday.center().y()));
    EXPECT_TRUE(details->text().isEmpty());
}

} // namespace
} // namespace tivra

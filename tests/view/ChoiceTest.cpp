#include "view/Choice.h"

#include "view/ViewFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tivra {
namespace {

TEST(Choice, TypedWeekIsBroughtIntoThePeriodAndTheArrowsStopAtItsEnds) {
    // Period 34 to 76: week 34 this year to week 24 next year, shown as the calendar week.
    auto typed = [](const char* text) { return correctedWeek(text, 34, 76); };
    EXPECT_EQ(typed("40"), 40);
    EXPECT_EQ(typed("5"), 57);
    EXPECT_EQ(typed("24"), 76);
    EXPECT_EQ(typed("30"), 76); // 82 is past the end
    EXPECT_EQ(typed(" 12.9"), 64);
    EXPECT_EQ(typed("v12"), 52); // no number: 0 + 52
    EXPECT_EQ(typed("99999999999"), 76);
    EXPECT_EQ(typed("-99999999999"), -32768 + 52);
    EXPECT_EQ(nextWeek(52, 76), 53);
    EXPECT_EQ(nextWeek(76, 76), 76);
    EXPECT_EQ(previousWeek(53, 34), 52);
    EXPECT_EQ(previousWeek(34, 34), 34);
}

TEST(Choice, ObjectFieldFindsWholeNamesAndEachListKeepsItsChoice) {
    test::ViewProgram p;
    Program& prog = p.program;
    prog.settings.bokaobjekt = {"PROJEKTOR", "AULA"};
    prog.timetable.personal = {"ABC Abel Cruz", "AB Anna Berg", "CD Carl Dahl"};

    ObjectField rooms = chooseView(prog, ViewKind::Salar);
    EXPECT_EQ(rooms.entries, prog.salar);
    EXPECT_EQ(rooms.text, "B1");
    EXPECT_TRUE(rooms.redraw);
    EXPECT_TRUE(chooseObject(prog, "b14"));
    EXPECT_FALSE(chooseObject(prog, "B1 ")); // partial or padded names change nothing
    EXPECT_FALSE(chooseObject(prog, "B"));
    EXPECT_EQ(prog.selection.valdsal, 3);

    EXPECT_EQ(chooseView(prog, ViewKind::Annat).text, "PROJEKTOR");
    EXPECT_TRUE(chooseObject(prog, "aula"));
    EXPECT_EQ(prog.selection.valtobjekt, 2);
    EXPECT_EQ(chooseView(prog, ViewKind::Salar).text, "B14");
    EXPECT_EQ(chooseView(prog, ViewKind::Annat).text, "AULA");

    chooseView(prog, ViewKind::Personal);
    EXPECT_TRUE(chooseObject(prog, "ab"));
    EXPECT_EQ(prog.selection.valdperson, 2);
    EXPECT_TRUE(chooseObject(prog, "cd,Carl"));
    EXPECT_FALSE(chooseObject(prog, "A"));
    EXPECT_EQ(prog.selection.valdperson, 3);

    EXPECT_TRUE(chooseView(prog, ViewKind::AllaBokningar).redraw);
    EXPECT_FALSE(chooseObject(prog, "B14"));
    // An empty list: the grid stays as it was.
    prog.timetable.personal.clear();
    EXPECT_FALSE(chooseView(prog, ViewKind::Personal).redraw);
}

TEST(Choice, DayFieldAndHeaders) {
    std::vector<std::string> days{"M\xC5N", "TIS", "ONS", "TOR", "FRE", "L\xD6R", "S\xD6N"};
    Selection val;
    EXPECT_TRUE(chooseDay(val, days, "fre"));
    EXPECT_FALSE(chooseDay(val, days, "TI"));
    EXPECT_FALSE(chooseDay(val, {days.begin(), days.begin() + 5}, "L\xD6R"));
    EXPECT_EQ(val.valddag, 5);
    // Sunday's header chooses Sunday like every other header chooses its day.
    EXPECT_EQ(dayHeaderChoice(1), "M\xC5N");
    EXPECT_EQ(dayHeaderChoice(7), "S\xD6N");
    EXPECT_EQ(dayHeaderChoice(0) + dayHeaderChoice(8), "");
}

} // namespace
} // namespace tivra

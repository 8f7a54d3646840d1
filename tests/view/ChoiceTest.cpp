#include "view/Choice.h"

#include "view/ViewFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tivra {
namespace {

TEST(Choice, TypedWeekIsBroughtIntoThePeriod) {
    // Period 34 to 76: week 34 this year to week 24 next year.
    auto typed = [](const char* text) { return correctedWeek(text, 34, 76); };
    EXPECT_EQ(typed("40"), 40);
    EXPECT_EQ(typed("5"), 57);
    EXPECT_EQ(shownWeek(57), "5");
    EXPECT_EQ(typed("30"), 76); // 82 is past the end
    EXPECT_EQ(shownWeek(76), "24");
    EXPECT_EQ(typed("24"), 76);
    EXPECT_EQ(typed(" 12.9"), 64);
    EXPECT_EQ(typed("v12"), 52); // no number: 0 + 52
    EXPECT_EQ(typed("99999999999"), 76);
    EXPECT_EQ(typed("-99999999999"), -32768 + 52);
    EXPECT_EQ(shownWeek(52), "52");
    EXPECT_EQ(shownWeek(53), "1");
}

TEST(Choice, ArrowsStopAtThePeriodsEnds) {
    EXPECT_EQ(nextWeek(52, 76), 53);
    EXPECT_EQ(shownWeek(nextWeek(52, 76)), "1");
    EXPECT_EQ(nextWeek(76, 76), 76);
    EXPECT_EQ(previousWeek(34, 34), 34);
    EXPECT_EQ(previousWeek(53, 34), 52);
}

TEST(Choice, ObjectFieldFindsWholeNamesInTheCurrentList) {
    test::ViewProgram p;
    p.program.settings.bokaobjekt = {"PROJEKTOR", "AULA"};
    p.program.timetable.personal = {"ABC Abel Cruz", "AB Anna Berg", "CD Carl Dahl"};
    Program& prog = p.program;

    ObjectField rooms = chooseView(prog, Vy::Salar);
    EXPECT_EQ(rooms.entries, prog.salar);
    EXPECT_EQ(rooms.text, "B1");
    EXPECT_TRUE(rooms.redraw);
    EXPECT_EQ(prog.val.valdsal, 1);

    EXPECT_TRUE(chooseObject(prog, "b14"));
    EXPECT_EQ(prog.val.valdsal, 3);
    EXPECT_FALSE(chooseObject(prog, "B1 ")); // partial or padded names change nothing
    EXPECT_FALSE(chooseObject(prog, "B"));
    EXPECT_EQ(prog.val.valdsal, 3);

    ObjectField others = chooseView(prog, Vy::Annat);
    EXPECT_EQ(others.text, "PROJEKTOR");
    EXPECT_TRUE(chooseObject(prog, "aula"));
    EXPECT_EQ(prog.val.valtobjekt, 2);
    EXPECT_EQ(prog.val.valdsal, 3);
    // Back to the rooms: the room chosen before.
    EXPECT_EQ(chooseView(prog, Vy::Salar).text, "B14");

    chooseView(prog, Vy::Personal);
    EXPECT_TRUE(chooseObject(prog, "ab"));
    EXPECT_EQ(prog.val.valdperson, 2);
    EXPECT_TRUE(chooseObject(prog, "cd,Carl"));
    EXPECT_EQ(prog.val.valdperson, 3);
    EXPECT_FALSE(chooseObject(prog, "A"));
    EXPECT_EQ(prog.val.valdperson, 3);

    ObjectField overview = chooseView(prog, Vy::AllaBokningar);
    EXPECT_TRUE(overview.entries.empty());
    EXPECT_EQ(overview.text, "");
    EXPECT_TRUE(overview.redraw);
    EXPECT_FALSE(chooseObject(prog, "B14"));

    // An empty list: the grid stays as it was.
    prog.timetable.personal.clear();
    ObjectField nobody = chooseView(prog, Vy::Personal);
    EXPECT_FALSE(nobody.redraw);
    EXPECT_TRUE(nobody.entries.empty());
}

TEST(Choice, DayFieldAndHeaders) {
    std::vector<std::string> weekdays{"M\xC5N", "TIS", "ONS", "TOR", "FRE"};
    Selection val;
    val.valddag = 2;
    EXPECT_TRUE(chooseDay(val, weekdays, "fre"));
    EXPECT_EQ(val.valddag, 5);
    EXPECT_TRUE(chooseDay(val, weekdays, "m\xE5n"));
    EXPECT_EQ(val.valddag, 1);
    EXPECT_FALSE(chooseDay(val, weekdays, "L\xD6R"));
    EXPECT_FALSE(chooseDay(val, weekdays, "TI"));
    EXPECT_EQ(val.valddag, 1);

    std::vector<std::string> allDays = weekdays;
    allDays.insert(allDays.end(), {"L\xD6R", "S\xD6N"});
    EXPECT_EQ(dayHeaderChoice(1), "M\xC5N");
    // Sunday's header chooses Sunday like every other header chooses its day.
    EXPECT_EQ(dayHeaderChoice(7), "S\xD6N");
    EXPECT_TRUE(chooseDay(val, allDays, dayHeaderChoice(7)));
    EXPECT_EQ(val.valddag, 7);
    EXPECT_EQ(dayHeaderChoice(0), "");
    EXPECT_EQ(dayHeaderChoice(8), "");
}

} // namespace
} // namespace tivra

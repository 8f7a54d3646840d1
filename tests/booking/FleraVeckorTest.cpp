#include "booking/FleraVeckor.h"
#include "BokaFixture.h"

namespace tivra::test {
namespace {

class FleraVeckorTest : public BokaTest {
  protected:
    // Answers the weeks question for row `valdrad` with `answer`.
    std::string extend(int valdrad, const std::string& answer) {
        messages.inputs = {answer};
        return said(fleraVeckor(program, valdrad, env));
    }
    void schoolYear() {
        program.settings.startvecka = 34;
        program.settings.slutvecka = 76;
    }
    // The weeks question, and the answer it offers.
    static std::string asked(const std::string& offered) {
        return ": Bokning flera veckor|Skriv veckor i formen 45-5|" + offered;
    }
    const std::string invalid = ": Bokning flera veckor|Ange giltiga veckor.";
    static Row mine(const std::string& vecka) { return booked("AB", "SAL 1", "2", "10.00", "60", vecka); }
};

TEST_F(FleraVeckorTest, TheAnswerBecomesTheWeekFieldInSchoolYearNumbers) {
    program.selection.valdvecka = 45;
    use({mine("45")});
    auto check = [&](const char* answer, const std::string& ended, const char* week) {
        EXPECT_EQ(extend(1, answer), ended) << answer;
        EXPECT_EQ(file(), bookingFile({mine(week)})) << answer;
    };
    // Refusals of the answer come before the file is even locked.
    check("48-45", "Refused" + asked("45-") + invalid, "45");
    check("45-5", "Refused" + asked("45-") + invalid, "45"); // week 5 of this year lies before 45
    check("", "Unchanged" + asked("45-"), "45");
    EXPECT_EQ(lock.taken, 0);
    check("45-48", "Saved" + asked("45-"), "45-48");
    check("45", "Saved" + asked("45-"), "45");

    // Weeks after New Year count on from 53; the default shows the calendar week.
    schoolYear();
    program.selection.valdvecka = 57;
    check("45-5", "Saved" + asked("5-"), "45-57");
    check("45-30", "Refused" + asked("5-") + invalid, "45-57"); // 45-82 passes slutvecka 76

    // One week that is not the booking's own moves it: asked first, No keeps it.
    const std::string move = asked("5-") + ": Bokning flera veckor|Flytta bokningen till vecka 3?";
    messages.answers = {false};
    check("3", "Declined" + move, "45-57");
    messages.answers = {true};
    check("3", "Saved" + move, "55");

    // A reload that fails extends nothing.
    writeBytes(program.bookingFile.aktuellfil, "Antal: 2\r\nbara\r\n");
    const std::string reloadFailed = extend(1, "45-50");
    EXPECT_TRUE(reloadFailed.starts_with("Refused") &&
                reloadFailed.ends_with(": Avboka|\xC4ndringarna ej sparade."))
        << reloadFailed;
}

TEST_F(FleraVeckorTest, ABookingInOneWeekRefusesTheWholeRangeNamingItsCalendarWeek) {
    schoolYear();
    use({mine("45"), booked("X", "SAL 1", "2", "10.30", "30", "57")});
    const std::string before = file();
    EXPECT_EQ(extend(1, "45-6"), "Refused" + asked("10-") + ": Boka|Angiven tid redan bokad vecka 5.");
    EXPECT_EQ(file(), before);

    // The old week need not be in the range.
    EXPECT_EQ(extend(1, "46-4"), "Saved" + asked("10-"));
    EXPECT_EQ(program.bokningar.row(1).vecka, "46-56");
}

TEST_F(FleraVeckorTest, ALessonIsAskedAboutOncePerWeekItRunsInOfTheRange) {
    schoolYear();
    program.selection.valdvecka = 45;
    addLesson("SAL 2 SAL 1", "10.30", "45", "46-47 2"); // calendar weeks 46, 47 and 2
    addLesson("SAL 1", "09.00", "60", "48");            // ends as the booking starts
    use({mine("45")});
    const std::string lesson = std::string(": Boka|") + kLessonQuestion;

    messages.answers = {true, true, true};
    EXPECT_EQ(extend(3, "45-3"), "Saved" + asked("45-") + lesson + lesson + lesson);
    EXPECT_EQ(file(), bookingFile({mine("45-55")}));
    messages.answers = {true, false};
    EXPECT_EQ(extend(3, "45-3"), "Declined" + asked("45-") + lesson + lesson);
    EXPECT_EQ(file(), bookingFile({mine("45-55")}));
}

// A range is a booking of each of its weeks: it may not reach outside the object's
// booking period any more than "Boka" may.
TEST_F(FleraVeckorTest, TheRangeStaysInsideTheObjectsBookingPeriod) {
    Row datorsal = booked("AB", "DATORSAL", "1", "08.00", "60", "12");
    use({datorsal});
    EXPECT_EQ(extend(1, "12-21"),
              "Refused" + asked("10-") + ": Boka|DATORSAL kan bara bokas veckorna 12-20.");
    EXPECT_EQ(lock.taken, 0);
    EXPECT_EQ(extend(1, "12-20"), "Saved" + asked("10-"));
    datorsal.vecka = "12-20";
    EXPECT_EQ(file(), bookingFile({datorsal}));
}

} // namespace
} // namespace tivra::test

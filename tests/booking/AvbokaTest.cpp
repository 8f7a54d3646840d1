#include "booking/Avboka.h"
#include "BokaFixture.h"
#include "booking/FleraVeckor.h"

namespace tivra::test {
namespace {

class AvbokaTest : public BokaTest {
  protected:
    ChangeResult cancel(int valdrad, bool redigering = false) {
        return avboka(program, valdrad, redigering, env);
    }
    std::optional<Bokning> edit(int valdrad) {
        return redigera(program, valdrad, messages, [this](const EditFields& f) { filled.push_back(f); });
    }
    std::vector<EditFields> filled;

    // The confirmation as shown, for the booking it names: its start, then its end and weeks.
    static std::string question(const std::string& start, const std::string& end) {
        return ": Avboka|" + start + "\x96" + end + "\r\n" + kCancelQuestion;
    }
    const Row a = booked("A", "SAL 1", "1", "08.00", "60", "10");
    const Row b = booked("B", "SAL 2", "2", "09.00", "30", "10-12");
    const Row c = booked("C", "KAMERA", "3", "10.00", "45", "11");
};

// All weeks of a booking go at once, so the question names them as the week grid counts
// them, with the booking's object, day and time; nothing is locked before the answer.
TEST_F(AvbokaTest, TheCancelQuestionNamesTheBookingAndEveryWeekOfIt) {
    schoolYear();
    use({a, b, booked("AB", "KAMERA", "5", "13.00", "47", "50-54"),
         booked("AB", "SAL 12", "7", "09.05", "90", "57")});
    const std::string before = file();
    messages.answers = {false, false, false, false};
    const std::pair<const char*, const char*> named[] = {{"SAL 1 M\xC5N 08.00", "09.00, vecka 10"},
                                                         {"SAL 2 TIS 09.00", "09.30, veckor 10-12"},
                                                         {"KAMERA FRE 13.00", "13.45, veckor 50-2"},
                                                         {"SAL 12 S\xD6N 09.05", "10.35, vecka 5"}};
    for (int r = 1; r <= 4; ++r) {
        EXPECT_EQ(said(cancel(r)), "Declined" + question(named[r - 1].first, named[r - 1].second));
    }
    EXPECT_EQ(lock.taken, 0);
    EXPECT_EQ(file(), before);
}

// Of two identical bookings the first goes; a booking another copy removed meanwhile is
// left alone, and nothing is said.
TEST_F(AvbokaTest, ConfirmedCancelEmptiesTheRowAndRemovesTheBookingFromTheFile) {
    addLesson("SAL 2", "09.00", "45"); // row 1
    use({a, b, a, c});                 // rows 2 to 5
    messages.answers = {true};
    EXPECT_EQ(cancel(4), ChangeResult::Saved);
    EXPECT_EQ(file(), bookingFile({b, a, c}));
    EXPECT_TRUE(program.bokningar.row(2).sameBooking(Bokning{})) << "the first one, emptied in place";
    use({b, a, c});

    // A lesson box's row is no booking; during an edit nothing is asked.
    messages.shown.clear();
    EXPECT_EQ(said(cancel(1)), "Unchanged");
    EXPECT_EQ(said(cancel(4, true)), "Saved");
    EXPECT_EQ(file(), bookingFile({b, a}));

    writeBytes(program.bookingFile.aktuellfil, bookingFile({b}));
    messages.answers = {true};
    EXPECT_EQ(said(cancel(3)), "Unchanged" + question("SAL 1 M\xC5N 08.00", "09.00, vecka 10"));
    EXPECT_EQ(file(), bookingFile({b}));
    EXPECT_EQ(program.bokningar.antalrader, 2) << "the table holds the file as it is now";
}

// Redigera fills the fields and writes nothing; "Boka" then leaves alone an edited booking
// that another copy removed meanwhile.
TEST_F(AvbokaTest, RedigeraFillsTheFieldsAndBokaLeavesABookingGoneMeanwhile) {
    const Row kamera{"AB", "M\xF6te", "90", "3", "13.00", "KAMERA", "", "45-50"};
    use({kamera, booked("Y", "GAMMAL SAL", "1", "08.00", "60", "10")});
    const std::string before = file();
    std::optional<Bokning> original = edit(1);
    ASSERT_TRUE(original && filled.size() == 1U);
    const EditFields& f = filled[0];
    EXPECT_EQ((Lines{f.objekt, f.dag, f.starttid, f.langd, f.kommentar, f.signatur}),
              (Lines{"KAMERA", "ONS", "13.00", "90", "M\xF6te", "AB"}));
    EXPECT_EQ(f.viewKind, ViewKind::Annat);
    EXPECT_EQ(messages.log(), Lines{"Redigera bokningsdata|Redigera bokningsdata och klicka sedan Boka."});

    // An object in neither list: nothing at all happens.
    messages.shown.clear();
    EXPECT_FALSE(edit(2));
    EXPECT_EQ(filled.size(), 1U);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(file(), before);

    // Gone from the file meanwhile: nothing written, nothing said, as "Avboka" does.
    const std::string theirs = bookingFile({a});
    writeBytes(program.bookingFile.aktuellfil, theirs);
    EXPECT_EQ(said(boka(program, fields("8.00"), env, original)), "Unchanged");
    EXPECT_EQ(file(), theirs);
}

// The edited booking keeps every week it had, whatever week is shown, and its new version
// must be free in each of them: of bookings, of lessons (asked about) and of the object's
// booking period.
TEST_F(AvbokaTest, AnEditKeepsTheBookingsWeeksAndIsCheckedInEachOfThem) {
    program.selection.valdvecka = 19;
    const Row mine{"AB", "M\xF6te", "60", "2", "12.00", "SAL 1", "", "19-21"};
    const Row later = booked("X", "SAL 1", "2", "13.00", "60", "20");
    addLesson("SAL 1", "15.00", "60", "21"); // row 1
    use({mine, later});                      // rows 2, 3
    const std::string before = file();
    std::optional<Bokning> original = edit(2);
    ASSERT_TRUE(original);
    messages.shown.clear();
    auto replace = [&](BookingFields f) {
        f.kommentar = "Prov";
        return said(boka(program, f, env, original));
    };

    EXPECT_EQ(replace(fields("12.30")), "Refused: Boka|Angiven tid redan bokad vecka 20.");
    messages.answers = {false};
    EXPECT_EQ(replace(fields("14.30")), std::string("Declined: Boka|") + kLessonQuestion);
    EXPECT_EQ(replace({"DATORSAL", ViewKind::Annat, 2, "12.00", "60", "", "abc"}),
              "Refused: Boka|DATORSAL kan bara bokas veckorna 12-20.");
    EXPECT_EQ(file(), before);

    // Only the comment changed: the same weeks, even with another week shown.
    program.selection.valdvecka = 30;
    EXPECT_EQ(replace(fields("12.00")), "Saved");
    EXPECT_EQ(file(), bookingFile({later, {"ABC", "Prov", "60", "2", "12.00", "SAL 1", "", "19-21"}}));

    // A damaged week field reaching far past the school year is checked within it, at once.
    use({{"AB", "M\xF6te", "60", "3", "12.00", "SAL 1", "", "19-2000000000"}});
    original = edit(2);
    ASSERT_TRUE(original);
    messages.shown.clear();
    EXPECT_EQ(replace(fields("12.00")), "Saved");
}

class FleraVeckorTest : public BokaTest {
  protected:
    // Answers the weeks question for row `valdrad` with `answer`.
    std::string extend(int valdrad, const std::string& answer) {
        messages.inputs = {answer};
        return said(fleraVeckor(program, valdrad, env));
    }
    // The weeks question, and the answer it offers.
    static std::string asked(const std::string& offered) {
        return ": Bokning flera veckor|Skriv veckor i formen 45-5|" + offered;
    }
    const std::string invalid = ": Bokning flera veckor|Ange giltiga veckor.";
    static Row mine(const std::string& vecka) { return booked("AB", "SAL 1", "2", "10.00", "60", vecka); }
};

TEST_F(FleraVeckorTest, TheAnswerBecomesTheWeekFieldInSchoolYearNumbersUnlessABookingIsInTheWay) {
    program.selection.valdvecka = 45;
    use({mine("45")});
    auto check = [&](const char* answer, const std::string& ended, const char* week) {
        EXPECT_EQ(extend(1, answer), ended) << answer;
        EXPECT_EQ(file(), bookingFile({mine(week)})) << answer;
    };
    // Answers refused or left empty.
    check("45-5", "Refused" + asked("45-") + invalid, "45"); // week 5 of this year lies before 45
    check("", "Unchanged" + asked("45-"), "45");
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

    // A booking in one week of the range refuses it all, naming that calendar week.
    use({mine("45"), booked("X", "SAL 1", "2", "10.30", "30", "57")});
    const std::string before = file();
    EXPECT_EQ(extend(1, "45-6"), "Refused" + asked("5-") + ": Boka|Angiven tid redan bokad vecka 5.");
    EXPECT_EQ(file(), before);

    // A reload that fails extends nothing.
    writeBytes(program.bookingFile.aktuellfil, "Antal: 2\r\nbara\r\n");
    const std::string reloadFailed = extend(1, "45-50");
    EXPECT_TRUE(reloadFailed.starts_with("Refused") &&
                reloadFailed.ends_with(": Avboka|\xC4ndringarna ej sparade."))
        << reloadFailed;
}

TEST_F(FleraVeckorTest, ALessonIsAskedAboutOncePerWeekItRunsInOfTheRange) {
    schoolYear();
    program.selection.valdvecka = 45;
    addLesson("SAL 2 SAL 1", "10.30", "45", "46-47 2"); // calendar weeks 46, 47 and 2
    use({mine("45")});
    const std::string lesson = std::string(": Boka|") + kLessonQuestion;

    messages.answers = {true, true, true};
    EXPECT_EQ(extend(2, "45-3"), "Saved" + asked("45-") + lesson + lesson + lesson);
    EXPECT_EQ(file(), bookingFile({mine("45-55")}));
}

// A range is a booking of each of its weeks: it may not reach outside the object's
// booking period any more than "Boka" may.
TEST_F(FleraVeckorTest, TheRangeStaysInsideTheObjectsBookingPeriod) {
    use({booked("AB", "DATORSAL", "1", "08.00", "60", "12")});
    EXPECT_EQ(extend(1, "12-21"),
              "Refused" + asked("10-") + ": Boka|DATORSAL kan bara bokas veckorna 12-20.");
    EXPECT_EQ(extend(1, "12-20"), "Saved" + asked("10-"));
}

} // namespace
} // namespace tivra::test

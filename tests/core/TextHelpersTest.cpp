#include "core/TextHelpers.h"

#include "support/Fakes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tivra {
namespace {

TEST(TextHelpers, NormaliseraUpperCasesRepairsDosLettersAndBlanksCommas) {
    // A comma, a lower-case ö and the DOS byte of ä.
    EXPECT_EQ(normalisera("b\xF6rje,\x84rlig"), "B\xD6RJE \xC4RLIG");
    // All six DOS bytes of å, Å, ä, Ä, ö, Ö.
    EXPECT_EQ(normalisera("\x86\x8F\x84\x8E\x94\x99"), "\xC5\xC5\xC4\xC4\xD6\xD6");
    EXPECT_EQ(normalisera("sal 12, \xE5k"), "SAL 12  \xC5K");
    EXPECT_EQ(normalisera(""), "");
}

TEST(TextHelpers, DelaordSplitsFirstWordFromRest) {
    struct Case {
        std::string text, ord1, ordrest;
    };
    const std::vector<Case> cases{
        {"  AB, CD EF", "AB", "CD EF"},
        {"ABC", "ABC", ""},
        {"AB,CD", "AB", "CD"},
        {"AB ,, CD ", "AB", "CD"},
        {"AB CD,EF", "AB", "CD,EF"},
        {",AB", "", "AB"},
        {"AB ,,,", "AB", ""},
        {"   ", "", ""},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        Delat d = delaord(c.text);
        EXPECT_EQ(d.ord1, c.ord1) << "[" << c.text << "]";
        EXPECT_EQ(d.ordrest, c.ordrest) << "[" << c.text << "]";
    }
}

TEST(TextHelpers, TidtextWritesTwoDigitHoursAndMinutes) {
    EXPECT_EQ(tidtext(1), "00.00");
    EXPECT_EQ(tidtext(109), "09.00");
    EXPECT_EQ(tidtext(115), "09.30");
    EXPECT_EQ(tidtext(166), "13.45");
    EXPECT_EQ(tidtext(289), "24.00");
    // Out-of-range slots still give five characters and never fail.
    EXPECT_EQ(tidtext(0).size(), 5U);
    EXPECT_EQ(tidtext(-2147483647 - 1).size(), 5U);
    EXPECT_EQ(tidtext(2147483647).size(), 5U);
}

TEST(TextHelpers, TidslotReadsMinutesAfterThePoint) {
    struct Case {
        std::string time;
        int slot;
    };
    const std::vector<Case> cases{
        {"9.30", 115}, {"9.00", 109},  {"09.00", 109}, {"9.3", 110},   {"9.32", 115}, {"9.33", 116},
        {"0.00", 1},   {"24.00", 289}, {" 8.15", 100}, {"13.45", 166}, {"9.", 109},
    };
    for (const Case& c : cases) {
        test::ScriptedMessages messages;
        EXPECT_EQ(tidslot(c.time, messages), c.slot) << c.time;
        EXPECT_EQ(tidslotTyst(c.time), c.slot) << c.time;
        EXPECT_TRUE(messages.shown.empty()) << c.time;
    }
}

TEST(TextHelpers, TidslotRefusesTextWithoutPointAfterFirstCharacter) {
    for (std::string time : {"915", ".30", "", "abc"}) {
        test::ScriptedMessages messages;
        EXPECT_EQ(tidslot(time, messages), 0) << time;
        ASSERT_EQ(messages.shown.size(), 1U) << time;
        EXPECT_EQ(messages.shown[0].text, "Felaktigt tidsformat.");
        EXPECT_EQ(messages.shown[0].title, "");
        EXPECT_EQ(messages.shown[0].icon, Icon::Exclamation);
        EXPECT_EQ(tidslotTyst(time), 0) << time;
    }
}

TEST(TextHelpers, TidslotOfHugeNumbersStaysOutOfRangeInsteadOfWrapping) {
    // 5461.20 would wrap to a small slot in 16 bits; it must stay beyond the day.
    EXPECT_EQ(tidslotTyst("5461.20"), 32767);
    EXPECT_EQ(tidslotTyst("99999999999999999999.99"), 32767);
    EXPECT_EQ(tidslotTyst("-99999999999.0"), -32768);
    EXPECT_EQ(tidslotTyst("-1.00"), -11);
}

TEST(TextHelpers, TidtextOfTidslotRoundTrips) {
    test::ScriptedMessages messages;
    EXPECT_EQ(tidtext(tidslot("8.15", messages)), "08.15");
    for (int slot = 1; slot <= 289; ++slot) {
        EXPECT_EQ(tidslot(tidtext(slot), messages), slot);
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST(TextHelpers, GallerveckaReadsSingleWeeksAndRanges) {
    struct Case {
        std::string veckor;
        int week;
        bool runs;
    };
    const std::vector<Case> cases{
        {"", 17, true},
        // A range over the new year, school-year weeks above 52 read as next year's.
        {"50-3", 50, true},
        {"50-3", 51, true},
        {"50-3", 52, true},
        {"50-3", 1, true},
        {"50-3", 2, true},
        {"50-3", 3, true},
        {"50-3", 53, true},
        {"50-3", 54, true},
        {"50-3", 55, true},
        {"50-3", 4, false},
        {"50-3", 56, false},
        {"50-3", 49, false},
        {"2-4 8-11 15", 9, true},
        {"2-4 8-11 15", 15, true},
        {"2-4 8-11 15", 2, true},
        {"2-4 8-11 15", 11, true},
        {"2-4 8-11 15", 5, false},
        {"2-4 8-11 15", 1, false},
        {"2-4 8-11 15", 12, false},
        {"2-4 8-11 15", 67, true},
        // A single week matches only as a whole number.
        {"15", 5, false},
        {"15", 1, false},
        {"1 15", 1, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(gallervecka(c.week, c.veckor), c.runs) << c.veckor << " week " << c.week;
    }
}

TEST(TextHelpers, GallerveckaSurvivesDashesAtTheEdges) {
    for (std::string veckor : {"-", "-5", "5-", "--", "a-b", "-1-2-", " - ", "7-", "12-4-"}) {
        for (int week : {-5, 0, 1, 5, 52, 53, 2147483647, -2147483647 - 1}) {
            (void)gallervecka(week, veckor);
        }
    }
    EXPECT_TRUE(gallervecka(3, "-5")); // nothing before the dash reads as 0
    EXPECT_TRUE(gallervecka(7, "5-")); // nothing after: a new-year range from 5
    EXPECT_FALSE(gallervecka(6, "-5"));
}

} // namespace
} // namespace tivra

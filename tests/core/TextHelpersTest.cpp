#include "core/TextHelpers.h"

#include "support/Fakes.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace tivra {
namespace {

TEST(TextHelpers, NormaliseraUpperCasesRepairsDosLettersAndBlanksCommas) {
    EXPECT_EQ(normalisera("b\xF6rje,\x84rlig"), "B\xD6RJE \xC4RLIG");
    // All six DOS bytes of å, Å, ä, Ä, ö, Ö.
    EXPECT_EQ(normalisera("\x86\x8F\x84\x8E\x94\x99"), "\xC5\xC5\xC4\xC4\xD6\xD6");
    EXPECT_EQ(normalisera("sal 12, \xE5k"), "SAL 12  \xC5K");
}

TEST(TextHelpers, DelaordSplitsFirstWordFromRest) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"  AB, CD EF", "AB", "CD EF"}, {"ABC", "ABC", ""}, {"AB,CD", "AB", "CD"}, {"AB ,, CD ", "AB", "CD"},
        {"AB CD,EF", "AB", "CD,EF"},    {",AB", "", "AB"},  {"AB ,,,", "AB", ""},  {"   ", "", ""}};
    for (const auto& [text, ord1, ordrest] : cases) {
        Delat d = delaord(text);
        EXPECT_EQ(d.ord1, ord1) << "[" << text << "]";
        EXPECT_EQ(d.ordrest, ordrest) << "[" << text << "]";
    }
}

TEST(TextHelpers, TidtextAndTidslotRoundTripOverTheDay) {
    EXPECT_EQ(tidtext(1), "00.00");
    EXPECT_EQ(tidtext(115), "09.30");
    EXPECT_EQ(tidtext(289), "24.00");
    // Out-of-range slots still give five characters and never fail.
    for (int slot : {0, -2147483647 - 1, 2147483647}) {
        EXPECT_EQ(tidtext(slot).size(), 5U) << slot;
    }
    test::ScriptedMessages messages;
    for (int slot = 1; slot <= 289; ++slot) {
        EXPECT_EQ(tidslot(tidtext(slot), messages), slot);
        EXPECT_EQ(tidslotTyst(tidtext(slot)), slot);
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST(TextHelpers, TidslotReadsMinutesAfterThePointAndRefusesOtherText) {
    const std::pair<const char*, int> cases[] = {{"9.30", 115},  {"9.3", 110}, {"9.32", 115}, {"9.33", 116},
                                                 {" 8.15", 100}, {"9.", 109},  {"915", 0},    {".30", 0},
                                                 {"", 0},        {"abc", 0},   {"-1.00", -11}};
    for (const auto& [time, slot] : cases) {
        test::ScriptedMessages messages;
        EXPECT_EQ(tidslotTyst(time), slot) << time;
        if (slot > 0 && slot < 300) {
            EXPECT_EQ(tidslot(time, messages), slot) << time;
            EXPECT_TRUE(messages.shown.empty()) << time;
        } else if (slot == 0) {
            EXPECT_EQ(tidslot(time, messages), 0) << time;
            ASSERT_EQ(messages.log(), std::vector<std::string>{"|Felaktigt tidsformat."}) << time;
            EXPECT_EQ(messages.shown[0].icon, Icon::Exclamation);
        }
    }
    // Huge numbers stay out of range instead of wrapping (5461.20 would wrap in 16 bits).
    EXPECT_EQ(tidslotTyst("5461.20"), 32767);
    EXPECT_EQ(tidslotTyst("99999999999999999999.99"), 32767);
    EXPECT_EQ(tidslotTyst("-99999999999.0"), -32768);
}

TEST(TextHelpers, GallerveckaReadsSingleWeeksAndRangesOverTheNewYear) {
    struct Case {
        const char* veckor;
        std::vector<int> runs, idle;
    };
    // School-year weeks above 52 read as next year's; a missing end of a range reads as 0.
    const Case cases[] = {{"", {17}, {}},
                          {"50-3", {50, 52, 1, 3, 53, 55}, {49, 4, 56}},
                          {"2-4 8-11 15", {2, 11, 15, 67}, {1, 5, 12}},
                          {"15", {}, {1, 5}}, // a single week matches only as a whole number
                          {"1 15", {1}, {}},
                          {"-5", {3}, {6}},
                          {"5-", {7}, {}}};
    for (const Case& c : cases) {
        for (int week : c.runs) {
            EXPECT_TRUE(gallervecka(week, c.veckor)) << c.veckor << " week " << week;
        }
        for (int week : c.idle) {
            EXPECT_FALSE(gallervecka(week, c.veckor)) << c.veckor << " week " << week;
        }
    }
    // Dashes at the edges and extreme weeks never fail.
    for (std::string veckor : {"-", "-5", "5-", "--", "a-b", "-1-2-", " - ", "12-4-"}) {
        for (int week : {-5, 0, 1, 53, 2147483647, -2147483647 - 1}) {
            (void)gallervecka(week, veckor);
        }
    }
}

} // namespace
} // namespace tivra

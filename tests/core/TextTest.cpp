// Numbers, texts, paths, clock times and week lists as the whole program reads them.
#include "core/Number.h"
#include "core/Path.h"
#include "core/Text1252.h"
#include "core/TextHelpers.h"

#include "support/Fakes.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace tivra {
namespace {

TEST(Number, TextvardeSkipsBlanksAndStopsAtFirstNonNumberAndRoundingHalvesToEven) {
    const std::pair<const char*, double> cases[] = {{" 12 ", 12},  {"1 5", 15},   {"9,30", 9},
                                                    {"45min", 45}, {"abc", 0},    {"7.75", 7.75},
                                                    {".5", 0.5},   {"36-39", 36}, {" -\t2.5x", -2.5}};
    for (const auto& [text, value] : cases) {
        EXPECT_DOUBLE_EQ(textvarde(text), value) << text;
    }
    // Rounding halves to even, the whole part rounds down, the print form has a blank before a
    // number that is not negative.
    const std::pair<double, long long> rounded[] = {
        {2.5, 2}, {3.5, 4}, {-2.5, -2}, {-3.5, -4}, {2.51, 3}, {-0.5, 0}, {1e300, 9000000000000000000LL}};
    for (const auto& [value, whole] : rounded) {
        EXPECT_EQ(avrunda(value), whole) << value;
    }
    EXPECT_EQ(std::pair(heltal(7.75), heltal(-0.5)), std::pair(7LL, -1LL));
    EXPECT_FALSE(int16Of(32768).has_value());
    EXPECT_EQ(int16Of(-32768).value(), -32768);
    EXPECT_EQ(printform(0LL) + printform(-3LL) + printform(45.5), " 0-3 45.5");
    EXPECT_EQ(decimaltext(45.0) + "|" + decimaltext(0.1), "45|0.1");
}

TEST(Text1252, RoundTripsEveryByteAndRefusesWhatItCannotHold) {
    std::string all;
    for (int b = 1; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    EXPECT_EQ(fromUtf8(toUtf8(all)).value(), all);
    EXPECT_EQ(toUtf8("\xC5\xC4\xD6"), "ÅÄÖ");
    EXPECT_EQ(fromUtf8("åäö €").value(), "\xE5\xE4\xF6 \x80");
    EXPECT_FALSE(fromUtf8("Ω") || fromUtf8("\xC3"));
    EXPECT_EQ(upper("g\xE5ng \xF6vning \x9A\xFF\xDF"), "G\xC5NG \xD6VNING \x8A\x9F\xDF");
    EXPECT_EQ(trim("  a b  ") + "|" + trim("   "), "a b|");
}

TEST(Path, UtantillaggCutsOnlyInTheFileNameAndFilnamnTakesEitherSeparator) {
    std::string cut;
    for (const char* path : {"D:\\data\\schema.ini", "D:\\a.b\\nya", "schema.2024.ini", "/srv/a.b/nya.bok",
                             "D:\\a.b/c.d\\e", "D:/a.b\\c.d", ".bok"}) {
        cut += utantillagg(path) + "|";
    }
    EXPECT_EQ(cut, "D:\\data\\schema|D:\\a.b\\nya|schema|/srv/a.b/nya|D:\\a.b/c.d\\e|D:/a.b\\c||");
    EXPECT_EQ(filnamn("\\\\server\\bok\\Bokningar.bok") + "|" + filnamn("/srv/bok\\x.bok") + "|" +
                  filnamn("x.bok") + "|" + filnamn("D:\\Backup\\"),
              "Bokningar.bok|x.bok|x.bok|");
    EXPECT_TRUE(slutarMedAvskiljare("D:\\Backup\\") && slutarMedAvskiljare("/backup/"));
    EXPECT_FALSE(slutarMedAvskiljare("D:\\Backup") || slutarMedAvskiljare(""));
}

TEST(TextHelpers, NormaliseraUpperCasesRepairsDosLettersAndBlanksCommasAndDelaordSplitsTheFirstWord) {
    EXPECT_EQ(normalisera("b\xF6rje,\x84rlig"), "B\xD6RJE \xC4RLIG");
    // All six DOS bytes of å, Å, ä, Ä, ö, Ö.
    EXPECT_EQ(normalisera("\x86\x8F\x84\x8E\x94\x99 12, \xE5k"), "\xC5\xC5\xC4\xC4\xD6\xD6 12  \xC5K");
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"  AB, CD EF", "AB", "CD EF"}, {"ABC", "ABC", ""}, {"AB,CD", "AB", "CD"}, {"AB ,, CD ", "AB", "CD"},
        {"AB CD,EF", "AB", "CD,EF"},    {",AB", "", "AB"},  {"AB ,,,", "AB", ""},  {"   ", "", ""}};
    for (const auto& [text, ord1, ordrest] : cases) {
        Delat d = delaord(text);
        EXPECT_EQ(d.ord1 + "|" + d.ordrest, std::string(ord1) + "|" + ordrest) << text;
    }
}

TEST(TextHelpers, TidtextAndTidslotRoundTripOverTheDayAndRefuseOtherText) {
    EXPECT_EQ(tidtext(1) + tidtext(115) + tidtext(289), "00.0009.3024.00");
    for (int slot : {0, -2147483647 - 1, 2147483647}) {
        EXPECT_EQ(tidtext(slot).size(), 5U) << slot; // out of range: still five characters
    }
    test::ScriptedMessages messages;
    for (int slot = 1; slot <= 289; ++slot) {
        EXPECT_EQ(tidslot(tidtext(slot), messages), slot);
    }
    EXPECT_TRUE(messages.shown.empty());
    // Minutes after the point round to the slot; huge numbers stay out of range instead of
    // wrapping (5461.20 would wrap in 16 bits).
    const std::pair<const char*, int> cases[] = {
        {"9.3", 110}, {"9.32", 115},  {"9.33", 116},      {" 8.15", 100},
        {"9.", 109},  {"-1.00", -11}, {"915", 0},         {".30", 0},
        {"", 0},      {"abc", 0},     {"5461.20", 32767}, {"-99999999999.0", -32768}};
    for (const auto& [time, slot] : cases) {
        EXPECT_EQ(tidslotTyst(time), slot) << time;
    }
    EXPECT_EQ(tidslotTyst(std::string(20, '9') + ".99"), 32767);
    EXPECT_EQ(tidslot("915", messages), 0);
    ASSERT_EQ(messages.log(), std::vector<std::string>{"|Felaktigt tidsformat."});
    EXPECT_EQ(messages.shown[0].icon, Icon::Exclamation);
}

TEST(TextHelpers, GallerveckaReadsSingleWeeksAndRangesOverTheNewYear) {
    // School-year weeks above 52 read as next year's; a missing end of a range reads as 0; a
    // single week matches only as a whole number.
    const std::tuple<const char*, std::vector<int>, std::vector<int>> cases[] = {
        {"", {17}, {}},
        {"50-3", {50, 52, 1, 3, 53, 55}, {49, 4, 56}},
        {"2-4 8-11 15", {2, 11, 15, 67}, {1, 5, 12}},
        {"15", {}, {1, 5}},
        {"1 15", {1}, {}},
        {"-5", {3}, {6}},
        {"5-", {7}, {}},
        {"--", {}, {1, 2147483647, -2147483647 - 1}}};
    for (const auto& [veckor, runs, idle] : cases) {
        for (int week : runs) {
            EXPECT_TRUE(gallervecka(week, veckor)) << veckor << " week " << week;
        }
        for (int week : idle) {
            EXPECT_FALSE(gallervecka(week, veckor)) << veckor << " week " << week;
        }
    }
}

} // namespace
} // namespace tivra

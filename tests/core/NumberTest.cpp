#include "core/Number.h"
#include "core/Text1252.h"

#include <gtest/gtest.h>

#include <utility>

namespace tivra {
namespace {

TEST(Number, TextvardeSkipsBlanksAndStopsAtFirstNonNumber) {
    const std::pair<const char*, double> cases[] = {{" 12 ", 12},       {"1 5", 15}, {"9,30", 9},
                                                    {"45min", 45},      {"abc", 0},  {"7.75", 7.75},
                                                    {" -\t2.5x", -2.5}, {".5", 0.5}, {"36-39", 36}};
    for (const auto& [text, value] : cases) {
        EXPECT_DOUBLE_EQ(textvarde(text), value) << text;
    }
}

TEST(Number, RoundingHalvesToEvenWholePartDownAndPrintFormHasBlankBeforeNonNegative) {
    const std::pair<double, long long> rounded[] = {
        {2.5, 2}, {3.5, 4}, {-2.5, -2}, {2.51, 3}, {1e300, 9000000000000000000LL}};
    for (const auto& [value, whole] : rounded) {
        EXPECT_EQ(avrunda(value), whole) << value;
    }
    EXPECT_EQ(heltal(7.75), 7);
    EXPECT_EQ(heltal(-0.5), -1);
    EXPECT_FALSE(int16Of(32768).has_value());
    EXPECT_EQ(int16Of(-32768).value(), -32768);
    EXPECT_EQ(printform(0LL), " 0");
    EXPECT_EQ(printform(-3LL), "-3");
    EXPECT_EQ(printform(45.5), " 45.5");
    EXPECT_EQ(decimaltext(45.0), "45");
    EXPECT_EQ(decimaltext(0.1), "0.1");
}

TEST(Text1252, RoundTripsEveryByteAndRefusesWhatItCannotHold) {
    std::string all;
    for (int b = 1; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    EXPECT_EQ(fromUtf8(toUtf8(all)).value(), all);
    EXPECT_EQ(toUtf8("\xC5\xC4\xD6"), "ÅÄÖ");
    EXPECT_EQ(fromUtf8("åäö €").value(), "\xE5\xE4\xF6 \x80");
    EXPECT_FALSE(fromUtf8("Ω").has_value());
    EXPECT_FALSE(fromUtf8("\xC3").has_value());
    EXPECT_EQ(upper("g\xE5ng \xF6vning \x9A\xFF\xDF"), "G\xC5NG \xD6VNING \x8A\x9F\xDF");
    EXPECT_EQ(trim("  a b  "), "a b");
    EXPECT_EQ(trim("   "), "");
}

} // namespace
} // namespace tivra

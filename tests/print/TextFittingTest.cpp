#include "print/TextFitting.h"
#include "support/RecordingSurface.h"

#include <gtest/gtest.h>

namespace tivra::test {
namespace {

// At size 10 every character is 100 twips; an A4 page keeps 0.003 W = 36 twips spare.
TEST(TextFitting, DelaradBreaksAtCrLfThenAtTheLastBlankThatFitsThenBeforeTheOverflow) {
    struct Case {
        std::string text;
        std::string line;
        std::string rest;
        double width = 1000;
    };
    const Case cases[] = {
        {"", "", ""},
        {"Kort", "Kort", ""},
        {"Ett\r\nTv\xE5", "Ett", "Tv\xE5"},
        {"ett tv\xE5 tre fyra", "ett tv\xE5", "tre fyra"},               // nine characters fit; blank at 8
        {"ABCDEFGHIJKLMNOP", "ABCDEFGH", "IJKLMNOP"},                    // no blank: one short of the nine
        {"ett tv\xE5 tre fyra\r\nfem", "ett tv\xE5", "tre fyra\r\nfem"}, // the tail follows the rest
        {"tio tecken", "tio", "tecken"}, // 1000 wide does not leave the margin
        {"ABCDEF", "A", "BCDEF", 10},    // not even one character fits: the text still shortens
    };
    RecordingSurface surface;
    for (const Case& c : cases) {
        Delat parts = delarad(surface, c.text, c.width);
        EXPECT_EQ(parts.ord1, c.line) << c.text;
        EXPECT_EQ(parts.ordrest, c.rest) << c.text;
    }
}

TEST(TextFitting, KortatextCutsOnceInProportion) {
    RecordingSurface surface;
    EXPECT_EQ(kortatext(surface, "ABCDEFGHIJ", 1000), "ABCDEFGHIJ");
    EXPECT_EQ(kortatext(surface, "ABCDEFGHIJK", 950), "ABCDEFGHI"); // 11 × 950 / 1100 = 9.5
    EXPECT_EQ(kortatext(surface, "ABC", -5), "");
}

} // namespace
} // namespace tivra::test

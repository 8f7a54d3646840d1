#include "print/TextFitting.h"
#include "support/RecordingSurface.h"

#include <gtest/gtest.h>

namespace tivra::test {
namespace {

// At size 10 a capital is 130 twips, a small letter 100, i and the blank 40; an A4 page
// keeps 0.003 W = 36 twips spare.
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
        {"ett tv\xE5 tre fyra", "ett tv\xE5", "tre fyra"},               // 640 fits, with " tre" 980 not
        {"ABCDEFGHIJKLMNOP", "ABCDEF", "GHIJKLMNOP"},                    // no blank: one short of the seven
        {"ett tv\xE5 tre fyra\r\nfem", "ett tv\xE5", "tre fyra\r\nfem"}, // the tail follows the rest
        {"tio teckena", "tio", "teckena"},                               // 980 wide does not leave the margin
        {"ABCDEF", "A", "BCDEF", 10}, // not even one character fits: the text still shortens
    };
    RecordingSurface surface;
    for (const Case& c : cases) {
        WordSplit parts = delarad(surface, c.text, c.width);
        EXPECT_EQ(parts.ord1, c.line) << c.text;
        EXPECT_EQ(parts.ordrest, c.rest) << c.text;
    }
}

// A cut text fits by measure even where capitals are wider than the average character.
TEST(TextFitting, KortatextAndShortenedNameCutUntilTheTextFits) {
    RecordingSurface surface;
    const struct {
        std::string text;
        double width;
        std::string cut;
        std::string named;
    } cases[] = {
        {"ABCDEFGHIJ", 1300, "ABCDEFGHIJ", "ABCDEFGHIJ"}, {"iiiiiWWWWW", 900, "iiiiiWWWW", "iiiiiWWW\x85"},
        {"WWWWWiiiii", 900, "WWWWWii", "WWWWW\x85"}, // in proportion nine would go
        {"Lilla salen", 500, "Lilla ", "Lilla\x85"},      {"ABC", -5, "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(kortatext(surface, c.text, c.width), c.cut) << c.text;
        EXPECT_EQ(shortenedName(surface, c.text, c.width), c.named) << c.text;
        EXPECT_LE(surface.textWidth(shortenedName(surface, c.text, c.width)), std::max(0.0, c.width));
    }
}

} // namespace
} // namespace tivra::test

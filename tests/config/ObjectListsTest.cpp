#include "config/ObjectLists.h"

#include "support/Fakes.h"

#include <gtest/gtest.h>

namespace tivra {
namespace {

using test::crlf;
using Lines = std::vector<std::string>;

struct Files {
    test::TempDir dir;
    test::FaultyDisk disk;
    std::string put(const std::string& name, const std::string& bytes) {
        test::writeBytes(dir.file(name), bytes);
        return dir.file(name);
    }
};

TEST(RoomList, KeepsTheFirstWordNormalisedAndSkipsEmptyLines) {
    // Given a room list with descriptions, lower case, DOS letters, blank lines, bare line
    // feeds and a last line without line end. Expect each room once, in file order.
    Files f;
    auto salar = lasSalar(
        f.put("s.sal", "A 101 Fysiksal\r\nb12\n\r\n   \n  sl\x94jd  verkstad\r\nm,\x8Flarsal\nC3"), f.disk);
    EXPECT_EQ(salar, (Lines{"A", "B12", "SL\xD6JD", "M", "C3"}));
}

TEST(RoomList, FailsWhenMissingUnreadableOrOverTwoHundredRooms) {
    Files f;
    EXPECT_FALSE(lasSalar(f.dir.file("saknas.sal"), f.disk));
    Lines lines{""}; // empty lines do not count as rooms
    for (int i = 1; i <= 200; ++i) {
        lines.push_back("R" + std::to_string(i));
    }
    EXPECT_EQ(lasSalar(f.put("full.sal", crlf(lines)), f.disk).value_or(Lines{}).size(), 200u);
    lines.push_back("R201");
    EXPECT_FALSE(lasSalar(f.put("over.sal", crlf(lines)), f.disk));
    f.disk.onRead = [](const std::string&) {
        return std::optional<std::optional<std::string>>(std::in_place); // the read fails
    };
    EXPECT_FALSE(lasSalar(f.dir.file("full.sal"), f.disk));
}

TEST(LegacyObjectFile, NormalisesWholeLinesAndSkipsBlankOnes) {
    Files f;
    auto objekt = lasObjektfil(f.put("obj.txt", crlf({"Kanon 1", "", "   ", "dator,vagn", " tv "})), f.disk);
    EXPECT_EQ(objekt, (Lines{"KANON 1", "DATOR VAGN", " TV "}));
    Lines lines(200, "X");
    EXPECT_TRUE(lasObjektfil(f.put("lang.txt", crlf(lines)), f.disk));
    lines.push_back("X");
    EXPECT_FALSE(lasObjektfil(f.put("lang.txt", crlf(lines)), f.disk));
    EXPECT_FALSE(lasObjektfil(f.dir.file("saknas.txt"), f.disk));
}

// The period of each object in the list, "-" for none, each followed by ",".
std::string periods(const Lines& perioder, const Lines& objects) {
    std::string out;
    for (const std::string& objekt : objects) {
        out += periodFor(perioder, objekt).value_or("-") + ",";
    }
    return out;
}

TEST(Periods, RestrictOnlyTheirObjectToTheirWeeks) {
    // The first of two entries counts; KANON is the first word of KANON 1, whose entry is no
    // period of KANON; blanks around the dash; a room whose name ends in a number; entries
    // that are no week or range restrict nothing.
    const Lines perioder{"DATASAL 36-39", "DATOR VAGN 40", "DATASAL 10-12", "KANON 1 36-39", "KANON 45"};
    EXPECT_EQ(periods(perioder, {"DATASAL", "DATOR VAGN", "DATOR", "KANON 1", "KANON", "B12"}),
              "36-39,40,-,36-39,45,-,");
    EXPECT_EQ(periods({"KANON 1 36-39", "DATASAL 36 - 39", "SAL 1 12-20", "DATASAL36-39"},
                      {"KANON", "DATASAL", "SAL 1", "DATASAL36"}),
              "-,36-39,12-20,-,");
    EXPECT_EQ(periods({"DATASAL HT", "DATASAL 36-", "DATASAL -39", "DATASAL"}, {"DATASAL"}), "-,");

    // A range over the new year is written in school-year weeks.
    EXPECT_FALSE(periodRefusal(perioder, "DATASAL", 36) || periodRefusal(perioder, "DATASAL", 39) ||
                 periodRefusal(perioder, "B12", 1) || periodRefusal({"AULA 50-55"}, "AULA", 54));
    EXPECT_EQ(periodRefusal(perioder, "DATASAL", 35), "DATASAL kan bara bokas veckorna 36-39.");
    EXPECT_EQ(periodRefusal(perioder, "DATASAL", 11), periodRefusal(perioder, "DATASAL", 35));
    EXPECT_EQ(periodRefusal(perioder, "DATOR VAGN", 41), "DATOR VAGN kan bara bokas vecka 40.");
    EXPECT_TRUE(periodRefusal({"AULA 50-3"}, "AULA", 51));
}

} // namespace
} // namespace tivra

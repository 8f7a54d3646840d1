#include "config/ObjectLists.h"

#include "support/Fakes.h"

#include <gtest/gtest.h>

namespace tivra {
namespace {

using test::crlf;
using test::TempDir;
using test::writeBytes;

TEST(RoomList, KeepsTheFirstWordNormalisedAndSkipsEmptyLines) {
    // Given a room list with descriptions, lower case, DOS letters and blank lines
    TempDir dir;
    std::string path = dir.file("skola.sal");
    writeBytes(path, crlf({"A 101 Fysiksal", "b12", "", "   ", "  sl\x94jd  verkstad", "m,\x8Flarsal"}) +
                         "C3"); // a last line without line end
    test::FaultyDisk disk;

    // Expect each room once, in file order
    auto salar = lasSalar(path, disk);
    ASSERT_TRUE(salar);
    EXPECT_EQ(*salar, (std::vector<std::string>{"A", "B12", "SL\xD6JD", "M", "C3"}));
}

TEST(RoomList, AcceptsBareLineFeeds) {
    TempDir dir;
    writeBytes(dir.file("s.sal"), "A1\nA2\r\nA3\n");
    test::FaultyDisk disk;
    auto salar = lasSalar(dir.file("s.sal"), disk);
    ASSERT_TRUE(salar);
    EXPECT_EQ(*salar, (std::vector<std::string>{"A1", "A2", "A3"}));
}

TEST(RoomList, FailsWhenMissingUnreadableOrOverTwoHundredRooms) {
    TempDir dir;
    test::FaultyDisk disk;
    EXPECT_FALSE(lasSalar(dir.file("saknas.sal"), disk));

    std::vector<std::string> lines;
    for (int i = 1; i <= 200; ++i) {
        lines.push_back("R" + std::to_string(i));
    }
    lines.push_back(""); // empty lines do not count as rooms
    writeBytes(dir.file("full.sal"), crlf(lines));
    auto full = lasSalar(dir.file("full.sal"), disk);
    ASSERT_TRUE(full);
    EXPECT_EQ(full->size(), 200u);

    lines.push_back("R201");
    writeBytes(dir.file("over.sal"), crlf(lines));
    EXPECT_FALSE(lasSalar(dir.file("over.sal"), disk));

    disk.onRead = [](const std::string&) {
        return std::optional<std::optional<std::string>>(std::in_place); // the read fails
    };
    EXPECT_FALSE(lasSalar(dir.file("full.sal"), disk));
}

TEST(LegacyObjectFile, NormalisesWholeLinesAndSkipsBlankOnes) {
    TempDir dir;
    test::FaultyDisk disk;
    writeBytes(dir.file("obj.txt"), crlf({"Kanon 1", "", "   ", "dator,vagn", " tv "}));
    auto objekt = lasObjektfil(dir.file("obj.txt"), disk);
    ASSERT_TRUE(objekt);
    EXPECT_EQ(*objekt, (std::vector<std::string>{"KANON 1", "DATOR VAGN", " TV "}));

    std::vector<std::string> lines(201, "X");
    writeBytes(dir.file("lang.txt"), crlf(lines));
    EXPECT_FALSE(lasObjektfil(dir.file("lang.txt"), disk));
    lines.pop_back();
    writeBytes(dir.file("lang.txt"), crlf(lines));
    EXPECT_TRUE(lasObjektfil(dir.file("lang.txt"), disk));
    EXPECT_FALSE(lasObjektfil(dir.file("saknas.txt"), disk));
}

TEST(Periods, RestrictOnlyTheirObjectToTheirWeeks) {
    std::vector<std::string> perioder{"DATASAL 36-39", "DATOR VAGN 40", "DATASAL 10-12"};

    EXPECT_EQ(periodFor(perioder, "DATASAL"), "36-39"); // the first of two counts
    EXPECT_EQ(periodFor(perioder, "DATOR VAGN"), "40");
    EXPECT_FALSE(periodFor(perioder, "DATOR"));
    EXPECT_FALSE(periodFor(perioder, "B12"));

    EXPECT_FALSE(periodRefusal(perioder, "DATASAL", 36));
    EXPECT_FALSE(periodRefusal(perioder, "DATASAL", 39));
    EXPECT_EQ(periodRefusal(perioder, "DATASAL", 35), "DATASAL kan bara bokas veckorna 36-39.");
    EXPECT_EQ(periodRefusal(perioder, "DATASAL", 11), "DATASAL kan bara bokas veckorna 36-39.");
    EXPECT_FALSE(periodRefusal(perioder, "DATOR VAGN", 40));
    EXPECT_EQ(periodRefusal(perioder, "DATOR VAGN", 41), "DATOR VAGN kan bara bokas vecka 40.");
    EXPECT_FALSE(periodRefusal(perioder, "B12", 1));
}

TEST(Periods, AnObjectDoesNotTakeThePeriodOfALongerNameItBegins) {
    // KANON is the first word of KANON 1; the entry of KANON 1 is not a period of KANON.
    std::vector<std::string> perioder{"KANON 1 36-39", "KANON 45"};
    EXPECT_EQ(periodFor(perioder, "KANON 1"), "36-39");
    EXPECT_EQ(periodFor(perioder, "KANON"), "45");
    EXPECT_EQ(periodRefusal(perioder, "KANON", 36), "KANON kan bara bokas vecka 45.");
    EXPECT_FALSE(periodFor({"KANON 1 36-39"}, "KANON"));
    // Entries that are no week or range restrict nothing.
    EXPECT_FALSE(periodFor({"DATASAL HT", "DATASAL 36-", "DATASAL -39", "DATASAL"}, "DATASAL"));
    // A range over the new year is written in school-year weeks.
    EXPECT_FALSE(periodRefusal({"AULA 50-55"}, "AULA", 54));
    EXPECT_TRUE(periodRefusal({"AULA 50-3"}, "AULA", 51));
}

} // namespace
} // namespace tivra

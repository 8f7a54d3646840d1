#include "core/BookingWrite.h"

#include "BookingFixture.h"

#include <gtest/gtest.h>

namespace tivra::test {
namespace {

class WriteTest : public BookingFixture {
  protected:
    const std::string old = fileBytes("Antal:  1 ", {bookingLines("GAMMAL", "SAL 1", "36")});
    const std::vector<Lines> bookings{bookingLines("\xD6VA", "SAL 2", "37"),
                                      bookingLines("BO", "SAL 3", "38")};
    const Lines rad = fileLines("", bookings); // rad[1..18]
    const std::string expected = fileBytes("Antal:  2 ", bookings);

    WriteTest() { writeBytes(file.aktuellfil, old); }

    void expectFatalAndOldFileWhole() {
        clock.pauses.clear();
        disk.writes.clear();
        EXPECT_THROW(skrivfil(file.aktuellfil, 2, rad, platform), ProgramEnded);
        EXPECT_EQ(messages.log(), Lines{"Allvarligt fel|Fel vid skrivning av " + file.aktuellfil +
                                        ". Meddela administrat\xF6ren. Programmet avslutas."});
        EXPECT_EQ(clock.pauses, std::vector<std::chrono::milliseconds>(4, std::chrono::milliseconds(200)));
        EXPECT_EQ(disk.writes.size(), 4U);
        EXPECT_EQ(readBytes(file.aktuellfil), old);
        EXPECT_TRUE(leftovers().empty());
    }
};

TEST_F(WriteTest, ReadOnlyBookingFileEndsTheProgramAfterFourAttempts) {
    disk.onWritable = [&](const std::string& path) {
        return path == file.aktuellfil ? std::optional<bool>(false) : std::nullopt;
    };
    expectFatalAndOldFileWhole();
}

TEST_F(WriteTest, WriteStoppingHalfWayLeavesTheOldFileWhole) {
    disk.onWrite = [&](const std::string& path, std::string_view bytes) {
        RealDisk().writeAll(path, bytes.substr(0, bytes.size() / 2));
        return std::optional<bool>(false);
    };
    expectFatalAndOldFileWhole();
}

TEST_F(WriteTest, ReadBackThatDiffersIsRetried) {
    // One differing field, then a count line that announces another count
    std::string differing = expected;
    differing.replace(differing.find("BO"), 2, "B0");
    Lines faults{differing, "Antal:  3 " + expected.substr(10)};
    disk.onRead = [&](const std::string&) -> std::optional<std::optional<std::string>> {
        if (faults.empty()) {
            return std::nullopt;
        }
        std::string bytes = faults.front();
        faults.erase(faults.begin());
        return std::optional<std::string>(bytes);
    };
    ASSERT_TRUE(skrivfil(file.aktuellfil, 2, rad, platform));
    EXPECT_EQ(clock.pauses.size(), 2U);
    EXPECT_EQ(readBytes(file.aktuellfil), expected);
    EXPECT_TRUE(leftovers().empty());

    disk.onRead = [](const std::string&) { return std::make_optional(std::optional<std::string>()); };
    writeBytes(file.aktuellfil, old);
    expectFatalAndOldFileWhole();
}

TEST_F(WriteTest, RefusedReplaceFailsTheAttemptAndABackupFailsQuietly) {
    disk.onReplace = [](const std::string&, const std::string&) { return std::optional<bool>(false); };
    const std::string backup = dir.file("Bokningar.bk7");
    EXPECT_FALSE(skrivfil(backup, 2, rad, platform, WriteRole::Backup));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(clock.pauses.size(), 4U);
    EXPECT_FALSE(disk.exists(backup));
    EXPECT_TRUE(leftovers().empty());

    // The role decides, not the name: a booking file in a ".bk" folder is no backup
    std::filesystem::create_directory(dir.path() / "arkiv.bk");
    file.aktuellfil = dir.file("arkiv.bk/Bokningar.bok");
    writeBytes(file.aktuellfil, old);
    expectFatalAndOldFileWhole();
}

TEST_F(WriteTest, WritesThroughATemporaryFileAndAGuardedWriteLeavesAFileThatChangedMeanwhile) {
    EXPECT_EQ(writeIfUnchanged(file.aktuellfil, 2, rad, old, platform), GuardedWrite::Written);
    EXPECT_EQ(readBytes(file.aktuellfil), expected);
    ASSERT_EQ(disk.writes.size(), 1U);
    EXPECT_NE(disk.writes[0].find(".tmp"), std::string::npos) << "the target is never truncated in place";
    EXPECT_EQ(antalrad(0), "Antal:  0 ");

    const std::string theirs = fileBytes("Antal:  1 ", {bookingLines("ANNAN", "SAL 9", "40")});
    writeBytes(file.aktuellfil, theirs);
    EXPECT_EQ(writeIfUnchanged(file.aktuellfil, 2, rad, old, platform), GuardedWrite::Overtaken);
    EXPECT_EQ(readBytes(file.aktuellfil), theirs);
    ASSERT_TRUE(skrivfil(file.aktuellfil, 2, rad, platform));
    EXPECT_EQ(readBytes(file.aktuellfil), expected);
    EXPECT_TRUE(leftovers().empty());
    EXPECT_TRUE(clock.pauses.empty()) << "another writer is not a failed write";
    EXPECT_TRUE(messages.shown.empty());
}

} // namespace
} // namespace tivra::test

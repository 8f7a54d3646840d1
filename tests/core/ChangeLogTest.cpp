// The change log's file: what a line holds, a writer killed half-way through a line, a
// log grown too large, and a log of another version.
#include "core/ChangeLog.h"

#include "support/Fakes.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>

namespace tivra::test {
namespace {

const std::string kHeader = "TIVRA-LOGG 1\r\n";
const std::string kNoBooking = "\t\t\t\t\t\t\t\t\t";

LogEntry cancelled(const std::string& tid) {
    LogEntry entry{tid, "Avbokat", "AB", "anna", "dator-7", {}, {}};
    entry.before = {"AB", "Prov", "60", "2", "10.00", "SAL 1", "", "36-38", "", ""};
    return entry;
}

const std::string kCancelledLine = "2025-03-04 12:00:00\tAvbokat\tAB\tanna\tdator-7\t"
                                   "AB\tProv\t60\t2\t10.00\tSAL 1\t\t36-38\t\t" +
                                   kNoBooking + ".\r\n";

// The log of demo.bok in a fresh folder, on a disk a test can make fail.
class ChangeLogTest : public ::testing::Test {
  protected:
    TempDir dir;
    FaultyDisk disk;
    const std::string log = dir.file("demo.logg");
    // Appends an entry to the log; the reason it could not, or empty.
    std::string append(const LogEntry& entry = cancelled("2025-03-04 12:00:00")) {
        return appendToLog(dir.file("demo.bok"), entry, disk);
    }
};

TEST_F(ChangeLogTest, NamesTheLogAfterTheBookingFile) {
    const std::pair<std::string, std::string> cases[] = {
        {"/skola/demo.bok", "/skola/demo.logg"},
        {"C:\\Bok.v2\\Bokningar", "C:\\Bok.v2\\Bokningar.logg"},
        {"\\\\server\\dela\\bok\\Sal\xC5.BOK", "\\\\server\\dela\\bok\\Sal\xC5.logg"},
    };
    for (const auto& [booking, log] : cases) {
        EXPECT_EQ(logFileName(booking), log) << booking;
    }
}

TEST_F(ChangeLogTest, AFirstEntryCreatesTheLogWithItsHeaderAndLaterOnesFollowOneLineEach) {
    // Given a user and host name with control characters, which a line cannot hold.
    LogEntry odd = cancelled("2025-03-04 12:00:01");
    odd.user = "anna\tb";
    odd.computer = "dator\r\n7";
    EXPECT_EQ(append(), "");
    EXPECT_EQ(append(odd), "");
    std::string second = kCancelledLine;
    second.replace(0, 19, "2025-03-04 12:00:01");
    second.replace(second.find("anna\tdator-7"), 12, "anna b\tdator  7");
    EXPECT_EQ(readBytes(log), kHeader + kCancelledLine + second);
    LogContent read = readLogFile(log, disk);
    ASSERT_EQ(read.entries.size(), 2U);
    EXPECT_EQ(read.entries[1].user, "anna b");
    EXPECT_EQ(read.entries[0].before.vecka, "36-38");
    EXPECT_EQ(read.entries[0].after.objekt, "");
}

TEST_F(ChangeLogTest, ATornLastLineIsSkippedAndTheNextEntryStartsALineOfItsOwn) {
    // Given writers killed after part of a line, and between its CR and LF.
    for (const std::string& torn : {std::string("2025-03-04 11:00:00\tBok"), kCancelledLine.substr(0, 60),
                                    kCancelledLine.substr(0, kCancelledLine.size() - 1)}) {
        writeBytes(log, kHeader + kCancelledLine + torn);
        EXPECT_EQ(readLogFile(log, disk).entries.size(), 1U) << torn;
        EXPECT_EQ(append(), "");
        EXPECT_EQ(readBytes(log), kHeader + kCancelledLine + torn + "\r\n" + kCancelledLine) << torn;
        LogContent read = readLogFile(log, disk);
        EXPECT_EQ(read.entries.size(), 2U) << torn;
        EXPECT_EQ(read.error, "");
    }
}

TEST_F(ChangeLogTest, ALogOverTenMegabytesBecomesTheOnePreviousAtTheNextChange) {
    writeBytes(log + ".1", "the one before");
    std::string big = kHeader;
    while (big.size() <= 10 * 1024 * 1024) {
        big += kCancelledLine;
    }
    writeBytes(log, big);
    EXPECT_EQ(append(), "");
    EXPECT_EQ(readBytes(log), kHeader + kCancelledLine);
    EXPECT_EQ(readBytes(log + ".1"), big);
    // Exactly ten megabytes is not over.
    std::string limit = big.substr(0, 10 * 1024 * 1024);
    writeBytes(log, limit);
    EXPECT_EQ(append(), "");
    EXPECT_EQ(readBytes(log), limit + (limit.ends_with("\r\n") ? "" : "\r\n") + kCancelledLine);
}

// A log that cannot be made at all is told by the change that wrote it (ChangeLogEntriesTest).
TEST_F(ChangeLogTest, AnEntryThatCannotBeAddedSaysWhyAndLeavesTheLogAsItWas) {
    EXPECT_EQ(append(), "");
    disk.onAppend = [](const std::string&) { return std::make_error_code(std::errc::no_space_on_device); };
    EXPECT_EQ(append(), "Disken \xE4r full.");
    EXPECT_EQ(readBytes(log), kHeader + kCancelledLine);
}

TEST_F(ChangeLogTest, ALogOfAnotherFormatOrVersionIsAClearErrorWithNoEntries) {
    const std::pair<std::string, std::string> cases[] = {
        {"TIVRA-LOGG 2\r\n" + kCancelledLine,
         "\xC4ndringsloggen \xE4r av en ok\xE4nd version (TIVRA-LOGG 2). Den kan l\xE4sas av en nyare "
         "version av programmet."},
        {"Antal: 0\r\n", "Filen \xE4r ingen \xE4ndringslogg."},
        {kHeader + kCancelledLine, ""},
    };
    for (const auto& [bytes, error] : cases) {
        LogContent read = readLogBytes(bytes);
        EXPECT_EQ(read.error, error);
        EXPECT_EQ(read.entries.size(), error.empty() ? 1U : 0U);
    }
}

} // namespace
} // namespace tivra::test

#include "core/BookingFile.h"
#include "core/BookingWrite.h"

#include "BookingFixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <random>
#include <tuple>

namespace tivra::test {
namespace {

class LoadTest : public BookingFixture {
  protected:
    // Three lesson rows come first, as after a timetable import.
    LoadTest() { table.antallektioner = table.antalrader = 3; }
};

TEST_F(LoadTest, LoadsBookingsAfterLessonsAndWritesThemBackByteForByte) {
    const std::string bytes =
        bookingFile({{.signatur = "\xC5SA"},
                     {"BO", "Fika f\xF6r personalen", "60", "5", "14.00", "ALLA", "", "45-57", ""}});
    writeBytes(file.aktuellfil, bytes);
    ASSERT_EQ(load(), LoadResult::Loaded);
    EXPECT_EQ(table.antalrader, 5);
    EXPECT_EQ(table.row(4).signatur, "\xC5SA");
    EXPECT_EQ(table.row(5).kommentar, "Fika f\xF6r personalen");
    EXPECT_TRUE(messages.shown.empty());
    ASSERT_TRUE(save());
    EXPECT_EQ(readBytes(file.aktuellfil), bytes);
}

TEST_F(LoadTest, AcceptsShortCountFormBareLineEndsNoFinalLineEndAndTrailingEmptyLines) {
    const Row test{.signatur = "A", .kommentar = "Prov i fysik", .objekt = "B", .vecka = "9"};
    const std::pair<std::string, std::optional<Row>> cases[] = {
        {"Antal: 0\r\n", std::nullopt},
        {"  Antal: 1\nA\nProv i fysik\n45\n2\n08.15\nB\n\n9\nNot",
         Row{.signatur = "A", .kommentar = "Prov i fysik", .objekt = "B", .vecka = "9", .notering = "Not"}},
        {"Antal: 1\r\nA\rProv i fysik\r\n45\r\n2\r\n08.15\r\nB\r\n\r\n9\r\n\r\n", test}, // a bare CR too
        {bookingFile({test}) + "\r\n  \r\n", test}};
    for (const auto& [bytes, booking] : cases) {
        SCOPED_TRACE(bytes);
        writeBytes(file.aktuellfil, bytes);
        file.forstalasning = true;
        ASSERT_EQ(load(), LoadResult::Loaded);
        ASSERT_EQ(table.antalrader, booking ? 4 : 3);
        EXPECT_TRUE(!booking || table.row(4).sameBooking(*booking));
        if (!booking) {
            EXPECT_FALSE(disk.exists(dir.file("Bokningar.bk7"))) << "no copy of an empty file";
        }
    }
}

TEST_F(LoadTest, FileNotStartingWithAntalEndsTheProgram) {
    writeBytes(file.aktuellfil, bookingFile({{}}, "antal: 1"));
    EXPECT_THROW(load(), ProgramEnded);
    EXPECT_EQ(
        messages.log(),
        Lines{"\xD6ppna bokningar|Fel i bokningsfil! Meddela administrat\xF6ren. Programmet avslutas."});
}

TEST_F(LoadTest, ReadErrorsSetLasfelShowNoBookingAndKeepTheFirstLoadPending) {
    const Lines readError{
        "\xD6ppna bokningar|Fel vid inl\xE4sning av " + file.aktuellfil +
        ". Starta om programmet eller f\xF6rs\xF6k igen. Meddela vid behov administrat\xF6ren."};
    const std::string two = bookingFile({{}, {}}, "Antal: 2");
    const std::tuple<const char*, std::optional<std::string>, int> cases[] = {
        {"missing file", std::nullopt, 3},
        {"short file: 17 lines after the count", two.substr(0, two.size() - 2), 3},
        {"lines beyond the count, which a save would drop", bookingFile({{}, {}}, "Antal: 1"), 3},
        {"empty file", "", 3},
        {"count beyond 16 bits", "Antal: 32768\r\n", 3},
        {"negative count", "Antal: -1\r\n", 3},
        {"image overflow", bookingFile(std::vector<Row>(kMaxBookingsInFile + 1), "Antal: 5556"), 3},
        {"table overflow: its 20000 rows hold lessons and bookings together", two, kMaxRows - 1}};
    for (const auto& [what, bytes, lessons] : cases) {
        SCOPED_TRACE(what);
        if (bytes) {
            writeBytes(file.aktuellfil, *bytes);
        }
        messages.shown.clear();
        table.antallektioner = lessons;
        table.antalrader = 99;
        file.forstalasning = true;
        EXPECT_EQ(load(), LoadResult::Failed);
        EXPECT_TRUE(file.lasfel && file.forstalasning);
        EXPECT_EQ(table.antalrader, lessons);
        ASSERT_EQ(messages.log(), readError);
        EXPECT_EQ(messages.shown[0].icon, Icon::Exclamation);
    }
    EXPECT_FALSE(disk.exists(dir.file("Bokningar.bk7"))) << "no copy of a file that failed to load";
    table.antallektioner = kMaxRows - 2;
    EXPECT_EQ(load(), LoadResult::Loaded);
    EXPECT_FALSE(file.lasfel || file.forstalasning) << "a good load clears both";
    EXPECT_EQ(table.antalrader, kMaxRows);
}

TEST(BackupName, CutsTheExtensionFromTheFileNameOnly) {
    const std::string server = "\\\\server\\bok\\Bokningar.bok";
    EXPECT_EQ(backupnamn(server, "D:\\Backup\\", 7), "D:\\Backup\\Bokningar.bk7");
    EXPECT_EQ(backupnamn(server, "D:\\Backup\\", 17), "D:\\Backup\\Bokningar.bk17");
    EXPECT_EQ(backupnamn(server, "", 7), "\\\\server\\bok\\Bokningar.bk7");
    EXPECT_EQ(backupnamn("D:\\a.b\\Nya", "", 31), "D:\\a.b\\Nya.bk31");
    EXPECT_EQ(backupnamn("/srv/a.b/Bok.2024.bok", "/backup/", 1), "/backup/Bok.bk1");
}

using BackupTest = BookingFixture;

TEST_F(BackupTest, FirstLoadOfTheDayWritesTheBackupOnceAndAFailedCopyIsQuiet) {
    const std::string backupmapp = dir.file("backup") + "/", copy = backupmapp + "Bokningar.bk7";
    const std::string bytes = bookingFile({{.signatur = "\xC5SA"}}),
                      changed = bookingFile({{.signatur = "NY"}});
    std::filesystem::create_directory(dir.path() / "backup");
    writeBytes(file.aktuellfil, bytes);
    auto firstLoad = [&](std::optional<Date> copyDate) {
        disk.onModificationDate = [copyDate](const std::string&) { return std::make_optional(copyDate); };
        file.forstalasning = true;
        ASSERT_EQ(load(backupmapp), LoadResult::Loaded);
    };
    // A copy that cannot be written is passed over in silence, after the usual attempts
    disk.onWritable = [&](const std::string& path) {
        return path == copy ? std::optional<bool>(false) : std::nullopt;
    };
    firstLoad(std::nullopt);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(disk.exists(copy));
    EXPECT_EQ(clock.pauses.size(), 4U);
    EXPECT_TRUE(leftovers().empty());
    disk.onWritable = nullptr;

    firstLoad(std::nullopt);
    EXPECT_EQ(readBytes(copy), bytes);
    // A later load of the same run makes no copy
    writeBytes(file.aktuellfil, changed);
    ASSERT_EQ(load(backupmapp), LoadResult::Loaded);
    EXPECT_EQ(readBytes(copy), bytes);
    // A second start the same day leaves today's copy alone
    firstLoad(Date{2024, 5, 7});
    EXPECT_EQ(readBytes(copy), bytes);
    // A copy from another day with the same day number is replaced, and so is one of no known date
    firstLoad(Date{2024, 4, 7});
    EXPECT_EQ(readBytes(copy), changed);
    writeBytes(copy, "old");
    firstLoad(std::nullopt);
    EXPECT_EQ(readBytes(copy), changed);
}

class WriteTest : public BookingFixture {
  protected:
    const std::string old = bookingFile({{.signatur = "GAMMAL"}});
    const std::vector<Row> bookings{{.signatur = "\xD6VA"}, {.signatur = "BO"}};
    const Lines rad = fileLines(bookings); // rad[1..18]
    const std::string expected = bookingFile(bookings);

    WriteTest() { writeBytes(file.aktuellfil, old); }
};

TEST_F(WriteTest, EveryFailedAttemptIsRetriedThenTheProgramEndsWithTheOldFileWhole) {
    const std::function<void()> faults[] = {
        [&] { // the booking file is read-only
            disk.onWritable = [&](const std::string& path) {
                return path == file.aktuellfil ? std::optional<bool>(false) : std::nullopt;
            };
        },
        [&] { // the write stops half-way
            disk.onWrite = [](const std::string& path, std::string_view bytes) {
                RealDisk().writeAll(path, bytes.substr(0, bytes.size() / 2));
                return std::optional<bool>(false);
            };
        },
        [&] { // nothing reads back
            disk.onRead = [](const std::string&) { return std::make_optional(std::optional<std::string>()); };
        },
        [&] { // the rename is refused, for a booking file in a ".bk" folder: the role decides, not the name
            disk.onReplace = [](const std::string&, const std::string&) {
                return std::optional<bool>(false);
            };
            std::filesystem::create_directory(dir.path() / "arkiv.bk");
            file.aktuellfil = dir.file("arkiv.bk/Bokningar.bok");
            writeBytes(file.aktuellfil, old);
        }};
    for (const auto& fault : faults) {
        disk.onWritable = nullptr, disk.onWrite = nullptr, disk.onRead = nullptr, disk.onReplace = nullptr;
        messages.shown.clear(), clock.pauses.clear(), disk.writes.clear();
        fault();
        EXPECT_THROW(skrivfil(file.aktuellfil, 2, rad, platform), ProgramEnded);
        EXPECT_EQ(messages.log(), Lines{"Allvarligt fel|Fel vid skrivning av " + file.aktuellfil +
                                        ". Meddela administrat\xF6ren. Programmet avslutas."});
        EXPECT_EQ(clock.pauses, std::vector<std::chrono::milliseconds>(4, std::chrono::milliseconds(200)));
        EXPECT_EQ(disk.writes.size(), 4U);
        EXPECT_EQ(readBytes(file.aktuellfil), old);
        EXPECT_TRUE(leftovers().empty());
    }
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
}

TEST_F(WriteTest, WritesThroughATemporaryFileAndAGuardedWriteLeavesAFileThatChangedMeanwhile) {
    EXPECT_EQ(writeIfUnchanged(file.aktuellfil, 2, rad, old, platform), GuardedWrite::Written);
    EXPECT_EQ(readBytes(file.aktuellfil), expected);
    ASSERT_EQ(disk.writes.size(), 1U);
    EXPECT_NE(disk.writes[0].find(".tmp"), std::string::npos) << "the target is never truncated in place";

    const std::string theirs = bookingFile({{.signatur = "ANNAN"}});
    writeBytes(file.aktuellfil, theirs);
    EXPECT_EQ(writeIfUnchanged(file.aktuellfil, 2, rad, old, platform), GuardedWrite::Overtaken);
    EXPECT_EQ(readBytes(file.aktuellfil), theirs);
    EXPECT_TRUE(leftovers().empty());
    EXPECT_TRUE(clock.pauses.empty()) << "another writer is not a failed write";
    EXPECT_TRUE(messages.shown.empty());
}

using SaveTest = SaveFixture;

TEST_F(SaveTest, CancelledBookingIsLeftOutAndTheRowsBelowMoveUp) {
    append("A"), append("B"), append("C");
    table.row(4).cancel();
    ASSERT_TRUE(save());
    EXPECT_EQ(readBytes(file.aktuellfil), bookingFile({{.signatur = "A"}, {.signatur = "C"}}));
}

TEST_F(SaveTest, RefusesMoreLiveBookingsThanTheFileHoldsAndAppendRefusesAFullTable) {
    writeBytes(file.aktuellfil, "Antal: 0\r\n");
    for (int i = 0; i < kMaxBookingsInFile; ++i) {
        append("A");
    }
    append("B");
    EXPECT_FALSE(save());
    ASSERT_EQ(
        messages.log(),
        Lines{"Spara bokningar|Bokningsfilen rymmer h\xF6gst 5555 bokningar. \xC4ndringarna ej sparade."});
    EXPECT_EQ(messages.shown[0].icon, Icon::Exclamation);
    EXPECT_EQ(readBytes(file.aktuellfil), "Antal: 0\r\n");

    // A cancelled row does not count
    table.row(3).cancel();
    EXPECT_TRUE(save());
    ASSERT_EQ(load(), LoadResult::Loaded);
    EXPECT_EQ(table.antalrader, 2 + kMaxBookingsInFile);
    EXPECT_EQ(table.row(table.antalrader).signatur, "B");

    messages.shown.clear();
    table.antalrader = kMaxRows - 1;
    append("C"); // the last row
    EXPECT_FALSE(laggTillRad(table, Row{.signatur = "D"}, messages));
    EXPECT_EQ(table.antalrader, kMaxRows);
    EXPECT_EQ(messages.log(),
              Lines{"Boka|Bokningstabellen \xE4r full (h\xF6gst 20000 rader). Bokningen sparades inte."});
}

// The fast paths of the booking file (line cutting a word at a time, cells compared and
// copied in fixed-size pieces) at every length around the piece sizes.
TEST(BookingLines, SplitLinesCutsAtEveryLineEndAndNowhereElse) {
    // Bytes near the line ends (0x0A, 0x0D), NUL and high code page letters, which must not be
    // taken for line ends when eight bytes are tested at once; CR LF, a bare CR or LF end a line.
    const std::string alphabet("aZ \x0B\x0C\x8A\x8D\xC5\xFF\x09\0", 11);
    const Lines ends = {"\r\n", "\n", "\r"};
    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        Lines lines(random() % 13);
        std::string bytes;
        for (std::string& line : lines) {
            for (auto i = random() % 21; i > 0; --i) {
                line += alphabet[random() % alphabet.size()];
            }
            bytes += line + (line.empty() ? "\r\n" : ends[random() % ends.size()]);
        }
        if (random() % 2 == 0) {
            lines.emplace_back("tail"), bytes += "tail";
        }
        Lines got;
        for (std::string_view line : splitLines(bytes)) {
            got.emplace_back(line);
        }
        ASSERT_EQ(got, lines) << "round " << round;
    }
}

using ReloadTest = BookingFixture;

TEST_F(ReloadTest, AReloadReplacesEveryCellThatDiffersInOneByteAndWritesTheSameBytes) {
    // Fields of every length from 0 to 20, then the same with one byte changed at each place:
    // a reload that skipped a changed cell would keep the old byte.
    Lines before{""}, after{""}; // the count line, then the file image rad[1..9N]
    for (std::size_t length = 0; length <= 20; ++length) {
        for (std::size_t at = 0; at < std::max<std::size_t>(length, 1); ++at) {
            before.emplace_back(length, static_cast<char>('a' + length));
            after.push_back(before.back());
            if (length > 0) {
                after.back()[at] = '#';
            }
        }
    }
    while (before.size() % 9 != 1) {
        before.emplace_back("x"), after.emplace_back("y");
    }
    const int count = static_cast<int>(after.size() / 9);
    before[0] = after[0] = antalrad(count);
    for (const Lines& lines : {before, after}) {
        writeBytes(file.aktuellfil, crlf(lines));
        ASSERT_EQ(load(), LoadResult::Loaded);
    }
    ASSERT_EQ(table.antalrader, count);
    for (std::size_t k = 1; k < after.size(); ++k) {
        const auto r = static_cast<int>((k - 1) / 9) + 1, j = static_cast<int>((k - 1) % 9) + 1;
        ASSERT_EQ(table.row(r).field(j), after[k]) << k;
        ASSERT_EQ(file.rad.at(k), after[k]) << k;
    }
    ASSERT_TRUE(save());
    EXPECT_EQ(readBytes(file.aktuellfil), crlf(after));
}

} // namespace
} // namespace tivra::test

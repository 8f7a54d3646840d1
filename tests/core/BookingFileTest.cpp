#include "core/BookingFile.h"

#include "BookingFixture.h"

#include <gtest/gtest.h>

#include <optional>
#include <tuple>

namespace tivra::test {
namespace {

class LoadTest : public BookingFixture {
  protected:
    // Three lesson rows come first, as after a timetable import.
    LoadTest() { table.antallektioner = table.antalrader = 3; }
};

TEST_F(LoadTest, LoadsBookingsAfterLessonsAndWritesThemBackByteForByte) {
    // Given a file in the form the program writes, with letters of the code page
    const std::string bytes = fileBytes(
        "Antal:  2 ", {bookingLines("\xC5SA", "SAL 12", "36"),
                       {"BO", "Fika f\xF6r personalen", "60", "5", "14.00", "ALLA", "", "45-57", ""}});
    writeBytes(file.aktuellfil, bytes);

    ASSERT_EQ(load(), LoadResult::Loaded);
    EXPECT_EQ(table.antalrader, 5);
    EXPECT_EQ(table.row(4).signatur, "\xC5SA");
    EXPECT_EQ(table.row(5).kommentar, "Fika f\xF6r personalen");
    EXPECT_TRUE(messages.shown.empty());

    // Expect the save to give back the very same bytes
    ASSERT_TRUE(save());
    EXPECT_EQ(readBytes(file.aktuellfil), bytes);
}

TEST_F(LoadTest, AcceptsShortCountFormBareLineEndsAndNoFinalLineEnd) {
    writeBytes(file.aktuellfil, "Antal: 0\r\n");
    file.forstalasning = true;
    ASSERT_EQ(load(), LoadResult::Loaded);
    EXPECT_EQ(table.antalrader, 3);
    EXPECT_FALSE(disk.exists(dir.file("Bokningar.bk7"))) << "no copy of an empty file";

    writeBytes(file.aktuellfil, "  Antal: 1\nA\nProv i fysik\n45\n2\n08.15\nB\n\n9\nNot");
    ASSERT_EQ(load(), LoadResult::Loaded);
    EXPECT_EQ(table.antalrader, 4);
    EXPECT_EQ(table.row(4).kommentar, "Prov i fysik");
    EXPECT_EQ(table.row(4).notering, "Not");

    // A bare CR ends a line too: it never reaches a field
    writeBytes(file.aktuellfil, "Antal: 1\r\nA\rProv i fysik\r\n45\r\n2\r\n08.15\r\nB\r\n\r\n9\r\n\r\n");
    ASSERT_EQ(load(), LoadResult::Loaded);
    EXPECT_TRUE(table.row(4).sameBooking(bookingRow("A", "B", "9")));
}

TEST_F(LoadTest, FileNotStartingWithAntalEndsTheProgram) {
    writeBytes(file.aktuellfil, fileBytes("antal: 1", {bookingLines("A", "B", "9")}));
    EXPECT_THROW(load(), ProgramEnded);
    EXPECT_EQ(
        messages.log(),
        Lines{"\xD6ppna bokningar|Fel i bokningsfil! Meddela administrat\xF6ren. Programmet avslutas."});
}

TEST_F(LoadTest, ReadErrorsSetLasfelAndShowNoBooking) {
    const Lines readError{
        "\xD6ppna bokningar|Fel vid inl\xE4sning av " + file.aktuellfil +
        ". Starta om programmet eller f\xF6rs\xF6k igen. Meddela vid behov administrat\xF6ren."};
    const std::string two = fileBytes("Antal: 2", {bookingLines("A", "B", "9"), bookingLines("C", "D", "9")});
    const std::vector<Lines> many(kMaxBookingsInFile + 1, bookingLines("A", "B", "9"));
    const std::tuple<const char*, std::optional<std::string>, int> cases[] = {
        {"missing file", std::nullopt, 3},
        {"short file: 17 lines after the count", two.substr(0, two.size() - 2), 3},
        {"empty file", "", 3},
        {"count beyond 16 bits", "Antal: 32768\r\n", 3},
        {"negative count", "Antal: -1\r\n", 3},
        {"image overflow", fileBytes("Antal: 5556", many), 3},
        {"table overflow: its 20000 rows hold lessons and bookings together", two, kMaxRows - 1}};
    for (const auto& [what, bytes, lessons] : cases) {
        SCOPED_TRACE(what);
        if (bytes) {
            writeBytes(file.aktuellfil, *bytes);
        }
        messages.shown.clear();
        table.antallektioner = lessons;
        table.antalrader = 99;
        EXPECT_EQ(load(), LoadResult::Failed);
        EXPECT_TRUE(file.lasfel);
        EXPECT_EQ(table.antalrader, lessons);
        ASSERT_EQ(messages.log(), readError);
        EXPECT_EQ(messages.shown[0].icon, Icon::Exclamation);
    }
    table.antallektioner = kMaxRows - 2;
    EXPECT_EQ(load(), LoadResult::Loaded);
    EXPECT_FALSE(file.lasfel) << "a good load clears the flag";
    EXPECT_EQ(table.antalrader, kMaxRows);
}

TEST(BackupName, CutsTheExtensionFromTheFileNameOnly) {
    const std::string server = "\\\\server\\bok\\Bokningar.bok";
    EXPECT_EQ(backupnamn(server, "D:\\Backup\\", 7), "D:\\Backup\\Bokningar.bk7");
    EXPECT_EQ(backupnamn(server, "D:\\Backup\\", 17), "D:\\Backup\\Bokningar.bk17");
    EXPECT_EQ(backupnamn(server, "", 7), "\\\\server\\bok\\Bokningar.bk7");
    EXPECT_EQ(backupnamn("D:\\a.b\\Nya.bok", "", 7), "D:\\a.b\\Nya.bk7");
    EXPECT_EQ(backupnamn("D:\\a.b\\Nya", "", 31), "D:\\a.b\\Nya.bk31");
    EXPECT_EQ(backupnamn("/srv/a.b/Bok.2024.bok", "/backup/", 1), "/backup/Bok.bk1");
}

class BackupTest : public BookingFixture {
  protected:
    std::string backupmapp = dir.file("backup") + "/";
    std::string copy = backupmapp + "Bokningar.bk7";
    std::string bytes = fileBytes("Antal:  1 ", {bookingLines("\xC5SA", "SAL 12", "36")});

    BackupTest() {
        std::filesystem::create_directory(dir.path() / "backup");
        writeBytes(file.aktuellfil, bytes);
    }

    void firstLoad() {
        file.forstalasning = true;
        ASSERT_EQ(load(backupmapp), LoadResult::Loaded);
        EXPECT_FALSE(file.forstalasning);
    }
    void copyDated(std::optional<Date> date) {
        disk.onModificationDate = [date](const std::string&) { return std::make_optional(date); };
    }
};

TEST_F(BackupTest, FirstLoadOfTheDayWritesTheCopyOnce) {
    firstLoad();
    EXPECT_EQ(readBytes(copy), bytes);

    // A later load of the same run makes no copy
    writeBytes(file.aktuellfil, fileBytes("Antal: 1", {bookingLines("NY", "SAL 12", "36")}));
    ASSERT_EQ(load(backupmapp), LoadResult::Loaded);
    EXPECT_EQ(readBytes(copy), bytes);

    // A second start the same day leaves today's copy alone
    copyDated(Date{2024, 5, 7});
    firstLoad();
    EXPECT_EQ(readBytes(copy), bytes);

    // A copy from another day with the same day number is replaced, in the program's own form
    const std::string changed = fileBytes("Antal:  1 ", {bookingLines("NY", "SAL 12", "36")});
    copyDated(Date{2024, 4, 7});
    firstLoad();
    EXPECT_EQ(readBytes(copy), changed);

    // ... and so is one whose date cannot be read
    writeBytes(copy, "old");
    copyDated(std::nullopt);
    firstLoad();
    EXPECT_EQ(readBytes(copy), changed);
}

TEST_F(BackupTest, FailedCopyIsQuietAndFailedLoadKeepsTheFirstLoadPending) {
    disk.onWritable = [&](const std::string& path) {
        return path == copy ? std::optional<bool>(false) : std::nullopt;
    };
    firstLoad();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(disk.exists(copy));
    EXPECT_EQ(clock.pauses.size(), 4U);
    EXPECT_TRUE(leftovers().empty());

    disk.onWritable = nullptr;
    file.forstalasning = true;
    writeBytes(file.aktuellfil, "Antal: 3\r\n");
    EXPECT_EQ(load(backupmapp), LoadResult::Failed);
    EXPECT_TRUE(file.forstalasning);
    writeBytes(file.aktuellfil, bytes);
    firstLoad();
    EXPECT_EQ(readBytes(copy), bytes);
}

} // namespace
} // namespace tivra::test

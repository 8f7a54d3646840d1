#include "core/BookingFile.h"

#include "BookingFixture.h"
#include "core/BookingSave.h"

#include <gtest/gtest.h>

namespace tivra::test {
namespace {

const std::string kReadError = "\xD6ppna bokningar|Fel vid inl\xE4sning av ";

class LoadTest : public BookingFixture {
  protected:
    // Three lesson rows come first, as after a timetable import.
    LoadTest() { table.antallektioner = table.antalrader = 3; }
};

TEST_F(LoadTest, LoadsBookingsAfterLessonsAndWritesThemBackByteForByte) {
    // Given a file in the form the program writes, with letters of the code page
    const std::string bytes = crlf(fileLines(
        "Antal:  2 ", {bookingLines("\xC5SA", "SAL 12", "36"),
                       {"BO", "Fika f\xF6r personalen", "60", "5", "14.00", "ALLA", "", "45-57", ""}}));
    writeBytes(file.aktuellfil, bytes);

    ASSERT_EQ(oppnabokningar(table, file, "", platform), LoadResult::Loaded);
    EXPECT_FALSE(file.lasfel);
    EXPECT_EQ(table.antalrader, 5);
    EXPECT_EQ(table.row(4).signatur, "\xC5SA");
    EXPECT_EQ(table.row(5).kommentar, "Fika f\xF6r personalen");
    EXPECT_EQ(table.row(5).vecka, "45-57");
    EXPECT_EQ(file.rad.at(10), "BO");
    EXPECT_TRUE(messages.shown.empty());

    // Expect the save to give back the very same bytes
    ASSERT_TRUE(sparabokningar(table, file, platform));
    EXPECT_EQ(readBytes(file.aktuellfil), bytes);
}

TEST_F(LoadTest, AcceptsShortCountFormBareLineFeedsAndNoFinalLineEnd) {
    writeBytes(file.aktuellfil, "Antal: 0\r\n");
    file.forstalasning = true;
    ASSERT_EQ(oppnabokningar(table, file, "", platform), LoadResult::Loaded);
    EXPECT_EQ(table.antalrader, 3);
    EXPECT_FALSE(disk.exists(dir.file("Bokningar.bk7"))) << "no copy of an empty file";

    auto noted = bookingLines("A", "B", "9");
    noted[8] = "Not";
    std::string lf;
    for (const auto& line : fileLines("  Antal: 1", {noted})) {
        lf += line + "\n";
    }
    lf.pop_back(); // the last line ends without a line end
    writeBytes(file.aktuellfil, lf);
    ASSERT_EQ(oppnabokningar(table, file, "", platform), LoadResult::Loaded);
    EXPECT_EQ(table.antalrader, 4);
    EXPECT_EQ(table.row(4).kommentar, "Prov i fysik");
    EXPECT_EQ(table.row(4).notering, "Not");

    // A bare CR ends a line too: it never reaches a field
    writeBytes(file.aktuellfil, "Antal: 1\r\nA\rProv i fysik\r\n45\r\n2\r\n08.15\r\nB\r\n\r\n9\r\n\r\n");
    ASSERT_EQ(oppnabokningar(table, file, "", platform), LoadResult::Loaded);
    EXPECT_TRUE(table.row(4).sameBooking(bookingRow("A", "B", "9")));
}

TEST_F(LoadTest, FileNotStartingWithAntalEndsTheProgram) {
    writeBytes(file.aktuellfil, crlf(fileLines("antal: 1", {bookingLines("A", "B", "9")})));
    EXPECT_THROW(oppnabokningar(table, file, "", platform), ProgramEnded);
    ASSERT_EQ(messages.shown.size(), 1U);
    EXPECT_EQ(messages.log()[0],
              "\xD6ppna bokningar|Fel i bokningsfil! Meddela administrat\xF6ren. Programmet avslutas.");
}

TEST_F(LoadTest, ReadErrorsSetLasfelAndShowNoBooking) {
    const std::string full =
        kReadError + file.aktuellfil +
        ". Starta om programmet eller f\xF6rs\xF6k igen. Meddela vid behov administrat\xF6ren.";
    auto expectReadError = [&](const std::string& what) {
        SCOPED_TRACE(what);
        messages.shown.clear();
        table.antalrader = 99;
        EXPECT_EQ(oppnabokningar(table, file, "", platform), LoadResult::Failed);
        EXPECT_TRUE(file.lasfel);
        EXPECT_EQ(table.antalrader, table.antallektioner);
        ASSERT_EQ(messages.shown.size(), 1U);
        EXPECT_EQ(messages.log()[0], full);
        EXPECT_EQ(messages.shown[0].icon, Icon::Exclamation);
    };

    expectReadError("missing file");

    auto two = fileLines("Antal: 2", {bookingLines("A", "B", "9"), bookingLines("C", "D", "9")});
    two.pop_back(); // 17 lines after the count
    writeBytes(file.aktuellfil, crlf(two));
    expectReadError("short file");

    writeBytes(file.aktuellfil, "");
    expectReadError("empty file");

    writeBytes(file.aktuellfil, crlf({"Antal: 32768"}));
    expectReadError("count beyond 16 bits");

    writeBytes(file.aktuellfil, crlf({"Antal: -1"}));
    expectReadError("negative count");

    std::vector<std::vector<std::string>> many(kMaxBookingsInFile + 1, bookingLines("A", "B", "9"));
    writeBytes(file.aktuellfil, crlf(fileLines("Antal: 5556", many)));
    expectReadError("image overflow");

    // The table's 20000 rows hold lessons and bookings together
    writeBytes(file.aktuellfil,
               crlf(fileLines("Antal: 2", {bookingLines("A", "B", "9"), bookingLines("C", "D", "9")})));
    table.antallektioner = kMaxRows - 1;
    expectReadError("table overflow");
    table.antallektioner = kMaxRows - 2;
    EXPECT_EQ(oppnabokningar(table, file, "", platform), LoadResult::Loaded);
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
    std::string bytes = crlf(fileLines("Antal:  1 ", {bookingLines("\xC5SA", "SAL 12", "36")}));

    BackupTest() {
        std::filesystem::create_directory(dir.path() / "backup");
        writeBytes(file.aktuellfil, bytes);
    }

    void firstLoad() {
        file.forstalasning = true;
        ASSERT_EQ(oppnabokningar(table, file, backupmapp, platform), LoadResult::Loaded);
        EXPECT_FALSE(file.forstalasning);
    }
};

TEST_F(BackupTest, FirstLoadOfTheDayWritesTheCopyOnce) {
    firstLoad();
    EXPECT_EQ(readBytes(copy), bytes);

    // A later load of the same run makes no copy
    writeBytes(file.aktuellfil, crlf(fileLines("Antal: 1", {bookingLines("NY", "SAL 12", "36")})));
    ASSERT_EQ(oppnabokningar(table, file, backupmapp, platform), LoadResult::Loaded);
    EXPECT_EQ(readBytes(copy), bytes);

    // A second start the same day leaves today's copy alone
    disk.onModificationDate = [](const std::string&) {
        return std::optional<std::optional<Date>>(Date{2024, 5, 7});
    };
    firstLoad();
    EXPECT_EQ(readBytes(copy), bytes);

    // A copy from another day with the same day number is replaced
    disk.onModificationDate = [](const std::string&) {
        return std::optional<std::optional<Date>>(Date{2024, 4, 7});
    };
    firstLoad();
    EXPECT_EQ(readBytes(copy), crlf(fileLines("Antal:  1 ", {bookingLines("NY", "SAL 12", "36")})));

    // ... and so is one whose date cannot be read
    writeBytes(copy, "old");
    disk.onModificationDate = [](const std::string&) { return std::make_optional(std::optional<Date>()); };
    firstLoad();
    EXPECT_NE(readBytes(copy), "old");
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
    EXPECT_EQ(oppnabokningar(table, file, backupmapp, platform), LoadResult::Failed);
    EXPECT_TRUE(file.forstalasning);
    writeBytes(file.aktuellfil, bytes);
    firstLoad();
    EXPECT_EQ(readBytes(copy), bytes);
}

} // namespace
} // namespace tivra::test

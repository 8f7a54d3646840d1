#include "core/BookingSave.h"

#include "BookingFixture.h"
#include "core/BookingFileCommands.h"

#include <gtest/gtest.h>

namespace tivra::test {
namespace {

class SaveTest : public BookingFixture {
  protected:
    SaveTest() { table.antallektioner = table.antalrader = 2; }

    void append(const Bokning& b) { ASSERT_TRUE(laggTillRad(table, b, messages)); }
};

TEST_F(SaveTest, CancelledBookingIsLeftOutAndTheRowsBelowMoveUp) {
    append(bookingRow("A", "SAL 1", "36"));
    append(bookingRow("B", "SAL 2", "37"));
    append(bookingRow("C", "SAL 3", "38"));
    table.row(4).cancel();
    ASSERT_TRUE(sparabokningar(table, file, platform));
    EXPECT_EQ(readBytes(file.aktuellfil), crlf(fileLines("Antal:  2 ", {bookingLines("A", "SAL 1", "36"),
                                                                        bookingLines("C", "SAL 3", "38")})));

    ASSERT_EQ(oppnabokningar(table, file, "", platform), LoadResult::Loaded);
    EXPECT_EQ(table.antalrader, 4);
    EXPECT_EQ(table.row(4).signatur, "C");
}

TEST_F(SaveTest, RefusesMoreLiveBookingsThanTheFileHolds) {
    writeBytes(file.aktuellfil, "Antal: 0\r\n");
    for (int i = 0; i < kMaxBookingsInFile; ++i) {
        append(bookingRow("A", "SAL 1", "36"));
    }
    append(bookingRow("B", "SAL 2", "37"));
    EXPECT_FALSE(sparabokningar(table, file, platform));
    ASSERT_EQ(messages.shown.size(), 1U);
    EXPECT_EQ(messages.log()[0],
              "Spara bokningar|Bokningsfilen rymmer h\xF6gst 5555 bokningar. \xC4ndringarna ej sparade.");
    EXPECT_EQ(messages.shown[0].icon, Icon::Exclamation);
    EXPECT_EQ(readBytes(file.aktuellfil), "Antal: 0\r\n");

    // A cancelled row does not count
    table.row(3).cancel();
    EXPECT_TRUE(sparabokningar(table, file, platform));
    ASSERT_EQ(oppnabokningar(table, file, "", platform), LoadResult::Loaded);
    EXPECT_EQ(table.antalrader, 2 + kMaxBookingsInFile);
    EXPECT_EQ(table.row(table.antalrader).signatur, "B");
}

TEST_F(SaveTest, AppendRefusesAFullTable) {
    table.antalrader = kMaxRows - 1;
    append(bookingRow("A", "SAL 1", "36"));
    EXPECT_EQ(table.antalrader, kMaxRows);
    EXPECT_FALSE(laggTillRad(table, bookingRow("B", "SAL 1", "36"), messages));
    EXPECT_EQ(table.antalrader, kMaxRows);
    EXPECT_EQ(messages.log(),
              std::vector<std::string>{
                  "Boka|Bokningstabellen \xE4r full (h\xF6gst 20000 rader). Bokningen sparades inte."});
}

TEST_F(SaveTest, SaveAsGivesTheNameTheBookingExtension) {
    append(bookingRow("A", "SAL 1", "36"));
    std::filesystem::create_directory(dir.path() / "a.b");
    const std::string bytes = crlf(fileLines("Antal:  1 ", {bookingLines("A", "SAL 1", "36")}));
    for (const auto& [chosen, saved] :
         std::vector<std::pair<std::string, std::string>>{{"Nya", "Nya.bok"},
                                                          {"Nya.txt", "Nya.bok"},
                                                          {"a.b/Nya", "a.b/Nya.bok"},
                                                          {"a.b/Ny2", "a.b/Ny2.bok"}}) {
        SCOPED_TRACE(chosen);
        std::filesystem::remove(dir.file(saved));
        messages.fileNames.push_back(dir.file(chosen));
        EXPECT_TRUE(arkiv_saveas(table, file, platform));
        EXPECT_EQ(file.aktuellfil, dir.file(saved));
        EXPECT_EQ(readBytes(dir.file(saved)), bytes);
    }
    EXPECT_EQ(messages.shown.back().text, ".|*.bok|*.bok");
    EXPECT_EQ(messages.shown.back().kind, ScriptedMessages::Kind::SaveFile);
}

TEST_F(SaveTest, SaveAsAsksBeforeReplacingAndNoKeepsThePreviousFileOpen) {
    append(bookingRow("A", "SAL 1", "36"));
    const std::string other = dir.file("Annan.bok");
    writeBytes(other, "Antal: 0\r\n");

    messages.fileNames.push_back(other);
    EXPECT_FALSE(arkiv_saveas(table, file, platform));
    EXPECT_EQ(file.aktuellfil, dir.file("Bokningar.bok"));
    EXPECT_EQ(readBytes(other), "Antal: 0\r\n");
    EXPECT_EQ(messages.log().back(),
              "Spara bokningar|" + other +
                  ". Bokningar med detta namn finns redan. Vill du ers\xE4tta befintlig fil?");

    messages.fileNames.push_back(other);
    messages.answers.push_back(true);
    EXPECT_TRUE(arkiv_saveas(table, file, platform));
    EXPECT_EQ(file.aktuellfil, other);
    EXPECT_EQ(readBytes(other), crlf(fileLines("Antal:  1 ", {bookingLines("A", "SAL 1", "36")})));

    // A cancelled dialog leaves no file open; the next save asks for a name again
    EXPECT_FALSE(arkiv_saveas(table, file, platform));
    EXPECT_TRUE(file.aktuellfil.empty());
    messages.fileNames.push_back(dir.file("Tredje"));
    EXPECT_TRUE(sparabokningar(table, file, platform));
    EXPECT_EQ(file.aktuellfil, dir.file("Tredje.bok"));
}

TEST_F(SaveTest, OpenLoadsTheChosenFileWithoutACopy) {
    const std::string other = dir.file("Annan.bok");
    writeBytes(other, crlf(fileLines("Antal: 1", {bookingLines("X", "SAL 9", "40")})));
    messages.fileNames.push_back(other);
    EXPECT_EQ(arkiv_open(table, file, "", platform), LoadResult::Loaded);
    EXPECT_EQ(file.aktuellfil, other);
    EXPECT_EQ(table.antalrader, 3);
    EXPECT_EQ(table.row(3).objekt, "SAL 9");
    EXPECT_EQ(messages.log(), std::vector<std::string>{"|.|*.bok|*.bok"});
    EXPECT_FALSE(disk.exists(dir.file("Annan.bk7")));

    EXPECT_EQ(arkiv_open(table, file, "", platform), LoadResult::NoFile);
    EXPECT_TRUE(file.aktuellfil.empty());
}

} // namespace
} // namespace tivra::test

#include "core/BookingSave.h"

#include "BookingFixture.h"
#include "core/BookingFileCommands.h"

#include <gtest/gtest.h>

namespace tivra::test {
namespace {

class SaveTest : public BookingFixture {
  protected:
    const std::string savedA = fileBytes("Antal:  1 ", {bookingLines("A", "SAL 1", "36")});

    SaveTest() { table.antallektioner = table.antalrader = 2; }

    void append(const std::string& signatur) {
        ASSERT_TRUE(laggTillRad(table, bookingRow(signatur, "SAL 1", "36"), messages));
    }
};

TEST_F(SaveTest, CancelledBookingIsLeftOutAndTheRowsBelowMoveUp) {
    append("A");
    append("B");
    append("C");
    table.row(4).cancel();
    ASSERT_TRUE(save());
    EXPECT_EQ(readBytes(file.aktuellfil),
              fileBytes("Antal:  2 ", {bookingLines("A", "SAL 1", "36"), bookingLines("C", "SAL 1", "36")}));
    ASSERT_EQ(load(), LoadResult::Loaded);
    EXPECT_EQ(table.antalrader, 4);
    EXPECT_EQ(table.row(4).signatur, "C");
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
    EXPECT_FALSE(laggTillRad(table, bookingRow("D", "SAL 1", "36"), messages));
    EXPECT_EQ(table.antalrader, kMaxRows);
    EXPECT_EQ(messages.log(),
              Lines{"Boka|Bokningstabellen \xE4r full (h\xF6gst 20000 rader). Bokningen sparades inte."});
}

TEST_F(SaveTest, SaveAsGivesTheNameTheBookingExtension) {
    append("A");
    std::filesystem::create_directory(dir.path() / "a.b");
    const std::pair<const char*, const char*> names[] = {
        {"Nya", "Nya.bok"}, {"Nya.txt", "Nya.bok"}, {"a.b/Nya", "a.b/Nya.bok"}, {"a.b/Ny2", "a.b/Ny2.bok"}};
    for (const auto& [chosen, saved] : names) {
        SCOPED_TRACE(chosen);
        std::filesystem::remove(dir.file(saved));
        messages.fileNames.push_back(dir.file(chosen));
        EXPECT_TRUE(arkiv_saveas(table, file, platform));
        EXPECT_EQ(file.aktuellfil, dir.file(saved));
        EXPECT_EQ(readBytes(dir.file(saved)), savedA);
    }
    EXPECT_EQ(messages.shown.back().kind, ScriptedMessages::Kind::SaveFile);
}

TEST_F(SaveTest, SaveAsAsksBeforeReplacingAndNoKeepsThePreviousFileOpen) {
    append("A");
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
    EXPECT_EQ(readBytes(other), savedA);

    // A cancelled dialog leaves no file open; the next save asks for a name again
    EXPECT_FALSE(arkiv_saveas(table, file, platform));
    EXPECT_TRUE(file.aktuellfil.empty());
    messages.fileNames.push_back(dir.file("Tredje"));
    EXPECT_TRUE(save());
    EXPECT_EQ(file.aktuellfil, dir.file("Tredje.bok"));
}

TEST_F(SaveTest, OpenLoadsTheChosenFileWithoutACopy) {
    const std::string other = dir.file("Annan.bok");
    writeBytes(other, fileBytes("Antal: 1", {bookingLines("X", "SAL 9", "40")}));
    messages.fileNames.push_back(other);
    EXPECT_EQ(arkiv_open(table, file, "", platform), LoadResult::Loaded);
    EXPECT_EQ(file.aktuellfil, other);
    EXPECT_EQ(table.antalrader, 3);
    EXPECT_EQ(table.row(3).objekt, "SAL 9");
    EXPECT_EQ(messages.log(), Lines{"|.|*.bok|*.bok"});
    EXPECT_FALSE(disk.exists(dir.file("Annan.bk7")));

    EXPECT_EQ(arkiv_open(table, file, "", platform), LoadResult::NoFile);
    EXPECT_TRUE(file.aktuellfil.empty());
}

} // namespace
} // namespace tivra::test

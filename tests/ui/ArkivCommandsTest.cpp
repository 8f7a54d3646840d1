// The Arkiv menu's "Öppna" and "Spara som...", which ask for a booking file.
#include "ui/ArkivCommands.h"

#include "core/BookingFixture.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tivra::test {
namespace {

using ArkivTest = SaveFixture;

TEST_F(ArkivTest, SaveAsGivesTheNameTheBookingExtension) {
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

TEST_F(ArkivTest, SaveAsAsksBeforeReplacingAndNoKeepsThePreviousFileOpen) {
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

    // A cancelled dialog leaves no file open, and a save then has nowhere to go.
    EXPECT_FALSE(arkiv_saveas(table, file, platform));
    EXPECT_TRUE(file.aktuellfil.empty());
    EXPECT_FALSE(save());
}

TEST_F(ArkivTest, OpenLoadsTheChosenFileWithoutACopy) {
    const std::string other = dir.file("Annan.bok");
    writeBytes(other, bookingFile({{.objekt = "SAL 9"}}));
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

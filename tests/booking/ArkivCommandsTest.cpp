// "Spara som" over a booking file that exists: what it asks, and the copy it keeps first.
// The menu's wiring is tested on the window (MenusAndDialogsTest).
#include "booking/ArkivCommands.h"
#include "core/BookingFixture.h"
#include "core/ChangeLog.h"
#include "support/InFolder.h"

namespace tivra::test {
namespace {

namespace fs = std::filesystem;

// Replacing a booking file, by whatever path, asks with its number of bookings (No being
// the default) and first keeps a copy of it, named after it and the moment of the replace,
// in the backup folder or beside it; with no copy nothing is replaced.
using ArkivSaveas = BookingFixture;

TEST_F(ArkivSaveas, ReplacingABookingFileAsksWithItsBookingsAndKeepsACopyFirst) {
    InFolder inside(dir.path());
    fs::create_directory("backup");
    fs::create_directory("sub");
    const std::string ours = bookingFile({{.signatur = "AB"}});
    const std::string theirs = bookingFile({{.signatur = "CD"}, {.signatur = "EF"}, {.signatur = "GH"}});
    writeBytes("skolan.bok", ours);
    writeBytes("annan.bok", theirs);
    clock.date = {2026, 12, 7};
    clock.hour = 14;
    clock.minute = 25;
    clock.second = 1;
    file.aktuellfil = "skolan.bok";
    ASSERT_EQ(load(), LoadResult::Loaded);

    messages.fileNames = {"sub/../annan.txt", "sub/../annan"};
    messages.answers = {false, true};
    EXPECT_FALSE(arkiv_saveas(table, file, "backup/", platform));
    ASSERT_EQ(messages.shown.back().kind, ScriptedMessages::Kind::AskNo);
    EXPECT_EQ(messages.log().back(),
              "Spara bokningar|sub/../annan.bok finns redan och har 3 bokningar. Vill du ers\xE4tta den?");
    EXPECT_EQ(file.aktuellfil, "skolan.bok");
    EXPECT_TRUE(fs::is_empty("backup"));
    EXPECT_TRUE(arkiv_saveas(table, file, "backup/", platform, {"anna", "rum-12"}));
    EXPECT_EQ(readBytes("backup/annan.ersatt-20261207-142501.bok"), theirs);
    EXPECT_EQ(readBytes("annan.bok"), ours);
    // The replaced file's history says so.
    EXPECT_EQ(readBytes("annan.logg"), "TIVRA-LOGG 1\r\n2026-12-07 14:25:01\tFilen ersatt\t\tanna\trum-12\t" +
                                           std::string(18, '\t') + ".\r\n");

    clock.second = 2;
#ifndef _WIN32
    // Through a link, without a backup folder: the copy lies beside the file replaced.
    writeBytes("annan.bok", theirs);
    fs::create_symlink("annan.bok", "l\xC3\xA4nk.bok");
    messages.fileNames = {"l\xE4nk"};
    messages.answers = {true};
    EXPECT_TRUE(arkiv_saveas(table, file, "", platform));
    EXPECT_EQ(readBytes("annan.ersatt-20261207-142502.bok"), theirs);
    EXPECT_EQ(readLogBytes(readBytes("annan.logg")).entries.size(), 2U)
        << "beside the file the link leads to";
    EXPECT_EQ(readBytes("annan.bok"), ours);
    EXPECT_TRUE(fs::is_symlink("l\xC3\xA4nk.bok"));
#endif

    // A copy that cannot be written (the backup folder is a file) replaces nothing.
    writeBytes("annan.bok", theirs);
    writeBytes("fil", "");
    file.aktuellfil = "skolan.bok";
    messages.fileNames = {"annan"};
    messages.answers = {true};
    EXPECT_FALSE(arkiv_saveas(table, file, "fil/", platform));
    EXPECT_EQ(messages.log().back(), "Spara bokningar|En kopia av annan.bok kunde inte sparas som "
                                     "fil/annan.ersatt-20261207-142502.bok. Filen har inte ersatts.");
    EXPECT_EQ(messages.shown.back().icon, Icon::Exclamation);
    EXPECT_EQ(readBytes("annan.bok"), theirs);
    EXPECT_EQ(file.aktuellfil, "skolan.bok");
}

} // namespace
} // namespace tivra::test

// What the command line stores and matches, on the real program run as a process.
#include "app/Process.h"

#include <filesystem>

namespace tivra {
namespace {

using namespace test;

TEST(FileSafetyCommand, ALineBreakInAFieldIsRefusedAndTheFileKeptAsItWas) {
    TempDir dir;
    school(dir, {});
    std::vector<std::string> args = optionsFor(booking("A", 1, 2, 9, 10));
    args.back() = "a\nb";
    EXPECT_EQ(run("book", dir, args).said(),
              "1: Boka: Signatur och kommentar f\xC3\xA5r inte inneh\xC3\xA5lla radbrytningar eller andra "
              "styrtecken.\n");
    EXPECT_EQ(readBytes(dir.file("liten.bok")), bookingFile({}));
}

// With the school year starting in week 34, week 1 is the 53rd of the year's numbering.
TEST(FileSafetyCommand, CancelReadsWeeksAsBookTypesThem) {
    TempDir dir;
    Row range = booking("B", 2, 1, 8, 50);
    range.vecka = "50-54";
    school(dir, {range});
    writeBytes(dir.file("Tivra.ini"),
               crlf({"SCHEMA: liten", "BOKNINGSFIL: liten.bok", "STARTVECKA:  34 ", "SLUTVECKA:  80 "}));
    Row single = booking("A", 1, 2, 9, 1);
    EXPECT_EQ(run("book", dir, optionsFor(single)).said(), "0: ");
    single.vecka = "53";
    EXPECT_EQ(bookingsIn(readBytes(dir.file("liten.bok"))), (std::vector<Row>{single, range}));

    single.vecka = "1";
    EXPECT_EQ(run("cancel", dir, optionsFor(single)).said(), "0: ");
    range.vecka = "50-2";
    EXPECT_EQ(run("cancel", dir, optionsFor(range)).said(), "0: ");
    EXPECT_EQ(readBytes(dir.file("liten.bok")), bookingFile({}));
    range.vecka = "5-2";
    EXPECT_EQ(run("cancel", dir, optionsFor(range)).said(), "1: Avboka: Ange giltiga veckor.\n");
}

TEST(FileSafetyCommand, ALockPathThatIsAFolderIsNamed) {
    TempDir dir;
    school(dir, {});
    std::filesystem::create_directory(dir.file("liten.bok.lock"));
    Outcome said = run("book", dir, optionsFor(booking("A", 1, 2, 9, 10)));
    EXPECT_EQ(said.status, 1);
    EXPECT_NE(said.err.find("liten.bok.lock \xC3\xA4r ingen fil. Meddela administrat\xC3\xB6ren.\n"),
              std::string::npos)
        << said.err;
}

} // namespace
} // namespace tivra

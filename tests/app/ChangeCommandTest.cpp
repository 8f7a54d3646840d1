// `tivra book` and `tivra cancel` run as processes: the options read into the fields of the
// window, the file written through the same change, and the exit status. The rules of a
// booking are tested in tests/booking.
#include "app/Process.h"

#include <filesystem>

namespace tivra {
namespace {

using namespace test;

TEST(BookCommand, BooksInTheCodePageOfTheFileAndRefusesWithStatusOne) {
    TempDir dir;
    school(dir, {});
    auto book = [&](std::vector<std::string> args) {
        args.insert(args.end(), {"--week", "10", "--day", "FRE", "--start", "9.00", "--length", "60",
                                 "--signature", "ab"});
        return run("book", dir, args).said();
    };
    EXPECT_EQ(book({"--object", "R9"}), "1: Boka: V\xC3\xA4lj sal.\n");
    EXPECT_EQ(book({"--object", "R1", "--comment", "\xE6\x97\xA5"}),
              "1: Argumentet till --comment har tecken som bokningsfilen inte kan lagra.\n");
    EXPECT_EQ(book({"--object", "R1", "--comment", "K\xC3\xB6r"}), "0: ");
    EXPECT_EQ(readBytes(dir.file("liten.bok")),
              crlf({"Antal:  1 ", "AB", "K\xF6r", "60", "5", "09.00", "R1", "", "10", ""}));
}

// In a school year from week 34, week 1 is stored as 53 and a range over New Year counts on.
TEST(CancelCommand, FindsTheBookingByOptionsReadAsBookReadsThemOrFailsWithStatusOne) {
    TempDir dir;
    Row range = booking("B", 2, 1, 8, 50);
    range.vecka = "50-54";
    school(dir, {booking("AB", 1, 2, 9, 53), range}, 34);
    // Lower-case object and signature, a day name, a start without its leading zero.
    const std::vector<std::string> typed{"--object",    "r1",       "--day",     "tis",    "--start",
                                         "9.00",        "--length", "30.0",      "--week", "1",
                                         "--signature", "ab",       "--comment", "KAB"};
    EXPECT_EQ(run("cancel", dir, typed).said(), "0: ");
    EXPECT_EQ(readBytes(dir.file("liten.bok")), bookingFile({range}));
    EXPECT_EQ(run("cancel", dir, typed).said(), "1: Avboka: Ingen bokning matchar.\n");
    range.vecka = "5-2";
    EXPECT_EQ(run("cancel", dir, optionsFor(range)).said(), "1: Avboka: Ange giltiga veckor.\n");
    range.vecka = "50-2";
    EXPECT_EQ(run("cancel", dir, optionsFor(range)).said(), "0: ");
    EXPECT_EQ(readBytes(dir.file("liten.bok")), bookingFile({}));
    EXPECT_FALSE(std::filesystem::exists(dir.file("liten.bok.lock")));
    writeBytes(dir.file("liten.bok"), crlf({"Trasig"}));
    EXPECT_EQ(run("cancel", dir, typed).status, 2);
}

// Another copy writes the file, without taking the lock, between this copy's reload and
// its save: the change notices, starts over on the file as it is now, and both changes
// stand. Without the comparison (the control) the other copy's booking is lost.
TEST(CancelCommand, AWriteWithoutTheLockBetweenReloadAndSaveIsNoticedAndTheCancelRunsAgain) {
    for (bool compare : {true, false}) {
        TempDir dir;
        TempDir scratch;
        Row mine = booking("A", 1, 1, 8, 10);
        Row theirs = booking("B", 2, 1, 8, 10);
        school(dir, {mine});
        const std::string pause = scratch.file("pause");
        std::vector<std::string> env{"TIVRA_TEST_PAUSE_BEFORE_SAVE=" + pause,
                                     std::string("TIVRA_TEST_UNSAFE_WRITES=") + (compare ? "0" : "1")};
        pid_t cancel = start("cancel", dir, optionsFor(mine), scratch.file("err"), env);
        ASSERT_TRUE(waitFor(pause)) << "the cancel never reached its save";
        EXPECT_EQ(run("book", dir, optionsFor(theirs), {"TIVRA_TEST_UNSAFE_WRITES=1"}).said(), "0: ");
        ASSERT_EQ(readBytes(dir.file("liten.bok")), bookingFile({mine, theirs}));
        std::filesystem::remove(pause);
        EXPECT_EQ(finish(cancel), 0);
        EXPECT_EQ(readBytes(scratch.file("err")), "");
        EXPECT_EQ(readBytes(dir.file("liten.bok")),
                  bookingFile(compare ? std::vector<Row>{theirs} : std::vector<Row>{}))
            << (compare ? "" : "the control loses the other booking");
    }
}

} // namespace
} // namespace tivra

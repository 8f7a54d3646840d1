// `tivra cancel` and the safety of a change when copies of the program die or misbehave,
// on the real program run as separate processes.
#include "app/Process.h"

#include <filesystem>

namespace tivra {
namespace {

using namespace test;

TEST(CancelCommand, RemovesTheFirstMatchOfTheOptionsReadAsBookReadsThem) {
    TempDir dir;
    Row a = booking("AB", 1, 2, 9, 10);
    Row b = booking("AB", 1, 2, 9, 11);
    school(dir, {a, b, a});
    // Lower-case object and signature, a day name, a start time without its leading zero.
    std::vector<std::string> typed{"--object",    "r1",       "--day",     "tis",    "--start",
                                   "9.00",        "--length", "30.0",      "--week", "10",
                                   "--signature", "ab",       "--comment", "KAB"};
    EXPECT_EQ(run("cancel", dir, typed).said(), "0: ");
    EXPECT_EQ(readBytes(dir.file("liten.bok")), bookingFile({b, a}));
    EXPECT_EQ(run("cancel", dir, typed).said(), "0: ");
    EXPECT_EQ(readBytes(dir.file("liten.bok")), bookingFile({b}));
    EXPECT_EQ(run("cancel", dir, typed).said(), "1: Avboka: Ingen bokning matchar.\n");
    EXPECT_EQ(readBytes(dir.file("liten.bok")), bookingFile({b}));
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
        std::vector<std::string> env{"TIVRA_TEST_PAUSE_BEFORE_SAVE=" + pause};
        if (!compare) {
            env.emplace_back("TIVRA_TEST_UNSAFE_WRITES=1");
        }
        pid_t cancel = start("cancel", dir, optionsFor(mine), scratch.file("err"), env);
        ASSERT_TRUE(waitFor(pause)) << "the cancel never reached its save";
        EXPECT_EQ(run("book", dir, optionsFor(theirs), {"TIVRA_TEST_UNSAFE_WRITES=1"}).said(), "0: ");
        ASSERT_EQ(readBytes(dir.file("liten.bok")), bookingFile({mine, theirs}));
        std::filesystem::remove(pause);
        EXPECT_EQ(finish(cancel), 0);
        EXPECT_EQ(readBytes(scratch.file("err")), "");
        if (compare) {
            EXPECT_EQ(readBytes(dir.file("liten.bok")), bookingFile({theirs}));
        } else {
            EXPECT_EQ(readBytes(dir.file("liten.bok")), bookingFile({}))
                << "the control loses the other booking";
        }
    }
}

} // namespace
} // namespace tivra

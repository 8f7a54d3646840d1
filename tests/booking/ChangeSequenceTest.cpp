#include "BokaFixture.h"

namespace tivra::test {
namespace {

using ChangeSequenceTest = BokaTest;

// Held by another copy, the holder is named; a folder in the lock file's place is named too,
// for no copy of the program holds one.
TEST_F(ChangeSequenceTest, ALockNotTakenRefusesSayingWhyAndChangesNothing) {
    lock.recorded = {"anna", "DATOR7"};
    disk.onRead = [&](const std::string&) -> std::optional<std::optional<std::string>> {
        ADD_FAILURE() << "not even reloaded";
        return std::nullopt;
    };
    const std::string lockFile = program.bookingFile.aktuellfil + ".lock";
    const std::pair<LockResult, std::string> refusals[] = {
        {LockResult::HeldByOther,
         "Boka|Bokningsfilen anv\xE4nds av anna p\xE5 DATOR7. F\xF6rs\xF6k igen om en stund."},
        {LockResult::NotAFile,
         "Boka|L\xE5sfilen " + lockFile + " \xE4r ingen fil. Meddela administrat\xF6ren."},
        {LockResult::Failed, kBokaNotSaved},
    };
    for (const auto& [answer, message] : refusals) {
        lock.answer = answer;
        EXPECT_EQ(said(book(fields())), "Refused: " + message);
    }
    EXPECT_EQ(lock.calls, Lines(3, lockFile + "|10000"));
    EXPECT_TRUE(disk.writes.empty());
}

TEST_F(ChangeSequenceTest, TheLockIsGivenBackBeforeAFatalWriteErrorEndsTheProgram) {
    disk.onWritable = [&](const std::string& path) {
        return path == program.bookingFile.aktuellfil ? std::optional<bool>(false) : std::nullopt;
    };
    EXPECT_THROW(book(fields()), ProgramEnded); // the fixture finds the lock free, also during the message
    EXPECT_EQ(messages.shown.back().kind, ScriptedMessages::Kind::Fatal);
}

// A copy of the program that takes no lock writes the file between this change's reload
// and its replace: the change starts over on the file as that copy left it.
TEST_F(ChangeSequenceTest, AWriteByACopyWithoutTheLockMakesTheChangeStartOver) {
    auto theirs = [](int n) {
        return booked("ANNAN" + std::to_string(n), "SAL 2", "1", "08.00", "60", "10");
    };
    int interruptions = 1;
    int written = 0;
    disk.onWritable = [&](const std::string& path) -> std::optional<bool> {
        if (path == program.bookingFile.aktuellfil && interruptions > 0) {
            --interruptions;
            writeBytes(path, bookingFile({theirs(++written)}));
        }
        return std::nullopt;
    };
    EXPECT_EQ(said(book(fields())), "Saved");
    EXPECT_EQ(file(), bookingFile({theirs(1), {"ABC", "", "60", "2", "10.00", "SAL 1", "", "10", ""}}));
    EXPECT_EQ(lock.taken, 2);

    // A file that changes under every attempt: after three new starts nothing is written.
    interruptions = 100;
    EXPECT_EQ(said(book(fields("12.00"))), "Refused: " + kBokaNotSaved);
    EXPECT_EQ(lock.taken, 2 + 4);
    EXPECT_EQ(written, 1 + 4);
    EXPECT_EQ(file(), bookingFile({theirs(written)}));
    EXPECT_EQ(program.bokningar.antalrader, 1) << "the table holds what the file held";
    EXPECT_TRUE(clock.pauses.empty()) << "a file written meanwhile is no failed write";
}

} // namespace
} // namespace tivra::test

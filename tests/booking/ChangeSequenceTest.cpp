#include "BokaFixture.h"

namespace tivra::test {
namespace {

using ChangeSequenceTest = BokaTest;

TEST_F(ChangeSequenceTest, ALockHeldByAnotherCopyRefusesWithItsHolderAndChangesNothing) {
    lock.answer = LockResult::HeldByOther;
    lock.recorded = {"anna", "DATOR7"};
    disk.onRead = [&](const std::string&) -> std::optional<std::optional<std::string>> {
        ADD_FAILURE() << "not even reloaded";
        return std::nullopt;
    };
    EXPECT_EQ(book(fields()), ChangeResult::Refused);
    EXPECT_EQ(messages.log(),
              Lines{"Boka|Bokningsfilen anv\xE4nds av anna p\xE5 DATOR7. F\xF6rs\xF6k igen om en stund."});
    EXPECT_EQ(messages.shown[0].icon, Icon::Exclamation);
    EXPECT_EQ(lock.calls, Lines{program.bookingFile.aktuellfil + ".lock|10000"});
    EXPECT_TRUE(disk.writes.empty());

    // A folder in the lock file's place is named, for no copy of the program holds one.
    const std::pair<LockResult, std::string> refusals[] = {
        {LockResult::NotAFile, "Boka|L\xE5sfilen " + program.bookingFile.aktuellfil +
                                   ".lock \xE4r ingen fil. Meddela administrat\xF6ren."},
        {LockResult::Failed, kBokaNotSaved},
    };
    for (const auto& [answer, said] : refusals) {
        lock.answer = answer;
        messages.shown.clear();
        EXPECT_EQ(book(fields()), ChangeResult::Refused);
        EXPECT_EQ(messages.log(), Lines{said});
    }
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
    EXPECT_EQ(book(fields()), ChangeResult::Saved);
    EXPECT_EQ(file(), bookingFile({theirs(1), {"ABC", "", "60", "2", "10.00", "SAL 1", "", "10", ""}}));
    EXPECT_EQ(lock.taken, 2);
    EXPECT_TRUE(messages.shown.empty());

    // A file that changes under every attempt: after three new starts nothing is written.
    interruptions = 100;
    EXPECT_EQ(book(fields("12.00")), ChangeResult::Refused);
    EXPECT_EQ(messages.log(), Lines{kBokaNotSaved});
    EXPECT_EQ(lock.taken, 2 + 4);
    EXPECT_EQ(written, 1 + 4);
    EXPECT_EQ(file(), bookingFile({theirs(written)}));
    EXPECT_EQ(program.bokningar.antalrader, 1) << "the table holds what the file held";
    EXPECT_TRUE(clock.pauses.empty()) << "a file written meanwhile is no failed write";
}

} // namespace
} // namespace tivra::test

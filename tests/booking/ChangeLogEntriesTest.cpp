// What the change log records of each change the window and the command line make.
#include "BokaFixture.h"
#include "booking/Avboka.h"
#include "booking/FleraVeckor.h"
#include "core/ChangeLog.h"

namespace tivra::test {
namespace {

class ChangeLogEntriesTest : public BokaTest {
  protected:
    ChangeLogEntriesTest() { env.workstation = {"anna", "rum-12"}; }
    std::string logged() const { return readBytes(dir.file("Bokningar.logg")); }
    // The fields of an entry's booking: nine, tab-ended.
    static std::string stored(const Row& r) {
        return r.signatur + "\t" + r.kommentar + "\t" + r.langd + "\t" + r.dag + "\t" + r.starttid + "\t" +
               r.objekt + "\t" + r.larare + "\t" + r.vecka + "\t" + r.notering + "\t";
    }
    static inline const std::string none = "\t\t\t\t\t\t\t\t\t";
};

TEST_F(ChangeLogEntriesTest, EachSavedChangeAddsOneEntryWithWhoWhenWhereAndTheBookingBeforeAndAfter) {
    const Row first = booked("ABC", "SAL 1", "2", "10.00", "60", "10");
    const Row edited = booked("ABC", "SAL 1", "2", "11.00", "60", "10");
    const Row weeks = booked("ABC", "SAL 1", "2", "11.00", "60", "10-12");
    std::string expected = "TIVRA-LOGG 1\r\n";
    auto step = [&](int second, const std::string& change, ChangeResult result, const std::string& line) {
        EXPECT_EQ(result, ChangeResult::Saved) << change;
        expected += "2025-03-04 12:00:0" + std::to_string(second) + "\t" + line + ".\r\n";
        EXPECT_EQ(logged(), expected) << change;
        EXPECT_EQ(env.logFailure, "") << change;
    };
    clock.second = 1;
    step(1, "book", book(fields()), "Bokat\tABC\tanna\trum-12\t" + none + stored(first));
    clock.second = 2;
    step(2, "edit", boka(program, fields("11.00"), env, snapshotOf(program.bokningar, 1)),
         "\xC4ndrat\tABC\tanna\trum-12\t" + stored(first) + stored(edited));
    clock.second = 3;
    messages.inputs = {"10-12"};
    step(3, "weeks", fleraVeckor(program, program.bokningar.antalrader, env),
         "Flera veckor\tABC\tanna\trum-12\t" + stored(edited) + stored(weeks));
    clock.second = 4;
    messages.answers = {true};
    step(4, "cancel", avboka(program, program.bokningar.antalrader, false, env),
         "Avbokat\tABC\tanna\trum-12\t" + stored(weeks) + none);
}

TEST_F(ChangeLogEntriesTest, ARefusedOrDeclinedChangeLogsNothing) {
    use({booked("X", "SAL 1", "2", "10.00", "60", "10")});
    EXPECT_EQ(said(book(fields())), "Refused: " + kRefusedTaken);
    messages.answers = {false};
    avboka(program, 1, false, env);
    EXPECT_FALSE(std::filesystem::exists(dir.file("Bokningar.logg")));
}

TEST_F(ChangeLogEntriesTest, ALogThatCannotBeWrittenLeavesTheBookingSavedAndSaysWhy) {
    disk.onCreate = [](const std::string& path) -> std::optional<std::error_code> {
        if (path.ends_with(".logg")) {
            return std::make_error_code(std::errc::permission_denied);
        }
        return std::nullopt;
    };
    EXPECT_EQ(said(book(fields())), "Saved");
    EXPECT_EQ(file(), bookingFile({booked("ABC", "SAL 1", "2", "10.00", "60", "10")}));
    EXPECT_EQ(env.logFailure, "\xC4ndringsloggen kunde inte skrivas: \xC5tkomst nekad.");
    EXPECT_FALSE(lock.held);
}

// "Återställ" books a removed booking, or an edit's original, again through the checks of
// "Boka", over all its weeks, and the log says so.
TEST_F(ChangeLogEntriesTest, RestoringPutsABookingBackUnlessItsTimeIsTakenAndLogsIt) {
    const Row removed = booked("AB", "SAL 1", "2", "10.00", "60", "10-12");
    const Row other = booked("CD", "SAL 1", "2", "10.30", "30", "11");
    use({});
    clock.second = 5;
    EXPECT_EQ(said(restoreBooking(program, Bokning(removed), env)), "Saved");
    EXPECT_EQ(file(), bookingFile({removed}));
    EXPECT_EQ(logged(), "TIVRA-LOGG 1\r\n2025-03-04 12:00:05\t\xC5terst\xE4llt\tAB\tanna\trum-12\t" + none +
                            stored(removed) + ".\r\n");

    // Taken in one of its weeks now: refused, nothing written or logged.
    use({other});
    EXPECT_EQ(said(restoreBooking(program, Bokning(removed), env)),
              "Refused: Boka|Angiven tid redan bokad vecka 11.");
    EXPECT_EQ(file(), bookingFile({other}));
    EXPECT_EQ(readLogBytes(logged()).entries.size(), 1U);

    // A lesson in the way is asked about, No being the answer Enter gives.
    use({});
    addLesson("SAL 1", "10.00", "45");
    EXPECT_EQ(said(restoreBooking(program, Bokning(removed), env)),
              "Declined: Boka|" + std::string(kLessonQuestion));
    messages.answers = {true, true, true}; // once for each of its weeks
    EXPECT_EQ(restoreBooking(program, Bokning(removed), env), ChangeResult::Saved);
    EXPECT_EQ(file(), bookingFile({removed}));
    messages.shown.clear();
}

} // namespace
} // namespace tivra::test

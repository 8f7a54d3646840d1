// What the change log records of each change the window and the command line make.
#include "BokaFixture.h"
#include "booking/Avboka.h"
#include "booking/FleraVeckor.h"
#include "core/ChangeLog.h"

namespace tivra::test {
namespace {

class ChangeLogEntriesTest : public BokaTest {
  protected:
    ChangeLogEntriesTest() {
        env.workstation = {"anna", "rum-12"};
        clock.second = 5;
    }
    std::string logged() const { return readBytes(dir.file("Bokningar.logg")); }

    // An entry by anna on rum-12: the change, its signature, then the booking before and after
    // (nine fields each, empty where there was none).
    static std::string entry(const std::string& change, const std::optional<Row>& fore,
                             const std::optional<Row>& efter) {
        std::string line =
            "2025-03-04 12:00:05\t" + change + "\t" + (efter ? efter : fore)->signatur + "\tanna\trum-12";
        for (const std::optional<Row>& booking : {fore, efter}) {
            for (const std::string& field : booking ? booking->lines() : Lines(9)) {
                line += "\t" + field;
            }
        }
        return line + "\t.\r\n";
    }
};

TEST_F(ChangeLogEntriesTest, EachSavedChangeAddsOneEntryWithWhoWhenWhereAndTheBookingBeforeAndAfter) {
    const Row edited = booked("ABC", "SAL 1", "2", "11.00", "60", "10");
    const Row weeks = booked("ABC", "SAL 1", "2", "11.00", "60", "10-12");
    EXPECT_EQ(book(fields()), ChangeResult::Saved);
    EXPECT_EQ(boka(program, fields("11.00"), env, snapshotOf(program.bokningar, 1)), ChangeResult::Saved);
    messages.inputs = {"10-12"};
    EXPECT_EQ(fleraVeckor(program, program.bokningar.antalrader, env), ChangeResult::Saved);
    messages.answers = {true};
    EXPECT_EQ(avboka(program, program.bokningar.antalrader, false, env), ChangeResult::Saved);
    EXPECT_EQ(logged(), "TIVRA-LOGG 1\r\n" + entry("Bokat", {}, tuesday) +
                            entry("\xC4ndrat", tuesday, edited) + entry("Flera veckor", edited, weeks) +
                            entry("Avbokat", weeks, {}));
    EXPECT_EQ(env.logFailure, "");
}

TEST_F(ChangeLogEntriesTest, ALogThatCannotBeWrittenLeavesTheBookingSavedAndSaysWhy) {
    disk.onCreate = [](const std::string& path) -> std::optional<std::error_code> {
        if (path.ends_with(".logg")) {
            return std::make_error_code(std::errc::permission_denied);
        }
        return std::nullopt;
    };
    EXPECT_EQ(said(book(fields())), "Saved");
    EXPECT_EQ(file(), bookingFile({tuesday}));
    EXPECT_EQ(env.logFailure, "\xC4ndringsloggen kunde inte skrivas: \xC5tkomst nekad.");
}

// "Återställ" books a removed booking, or an edit's original, again through the checks of
// "Boka", over all its weeks, and the log says so. What is refused or declined logs nothing.
TEST_F(ChangeLogEntriesTest, RestoringPutsABookingBackUnlessItsTimeIsTakenAndLogsIt) {
    const Row removed = booked("AB", "SAL 1", "2", "10.00", "60", "10-12");
    const Row other = booked("CD", "SAL 1", "2", "10.30", "30", "11");
    EXPECT_EQ(said(restoreBooking(program, Bokning(removed), env)), "Saved");
    EXPECT_EQ(file(), bookingFile({removed}));
    const std::string restored = "TIVRA-LOGG 1\r\n" + entry("\xC5terst\xE4llt", {}, removed);
    EXPECT_EQ(logged(), restored);

    // Taken in one of its weeks now: refused; a cancel declined: nothing written.
    use({other});
    EXPECT_EQ(said(restoreBooking(program, Bokning(removed), env)),
              "Refused: Boka|Angiven tid redan bokad vecka 11.");
    messages.answers = {false};
    EXPECT_EQ(avboka(program, 1, false, env), ChangeResult::Declined);
    EXPECT_EQ(file(), bookingFile({other}));

    // A lesson in the way is asked about, No being the answer Enter gives.
    use({});
    addLesson("SAL 1", "10.00", "45");
    messages.shown.clear();
    EXPECT_EQ(said(restoreBooking(program, Bokning(removed), env)),
              "Declined: Boka|" + std::string(kLessonQuestion));
    EXPECT_EQ(logged(), restored);
}

} // namespace
} // namespace tivra::test

#include "booking/Avboka.h"
#include "BokaFixture.h"

namespace tivra::test {
namespace {

class AvbokaTest : public BokaTest {
  protected:
    ChangeResult cancel(int valdrad, bool redigering = false) {
        return avboka(program, valdrad, redigering, env);
    }
    std::optional<Bokning> edit(int valdrad) {
        return redigera(program, valdrad, messages, [this](const EditFields& f) { filled.push_back(f); });
    }
    std::vector<EditFields> filled;

    const std::string question = std::string(": Avboka|") + kCancelQuestion;
    const Row a = booked("A", "SAL 1", "1", "08.00", "60", "10");
    const Row b = booked("B", "SAL 2", "2", "09.00", "30", "10-12");
    const Row c = booked("C", "KAMERA", "3", "10.00", "45", "11");
};

TEST_F(AvbokaTest, ConfirmedCancelEmptiesTheRowAndRemovesTheBookingFromTheFile) {
    addLesson("SAL 2", "09.00", "45"); // row 1
    use({a, b, c});                    // rows 2, 3, 4

    messages.answers = {false};
    EXPECT_EQ(said(cancel(3)), "Declined" + question);
    EXPECT_EQ(lock.taken, 0) << "nothing is locked before the answer";
    messages.answers = {true};
    EXPECT_EQ(said(cancel(3)), "Saved" + question);
    EXPECT_EQ(file(), bookingFile({a, c}));
    EXPECT_TRUE(program.bokningar.row(3).sameBooking(Bokning{})) << "fields 1 to 9 emptied in place";
    use({a, c});

    // A lesson box's row is no booking; during an edit nothing is asked.
    EXPECT_EQ(said(cancel(1)), "Unchanged");
    EXPECT_EQ(said(cancel(3, true)), "Saved");
    EXPECT_EQ(file(), bookingFile({a}));
}

TEST_F(AvbokaTest, OfTwoIdenticalBookingsTheFirstIsRemovedAndOneRemovedMeanwhileIsLeftAlone) {
    Row x = booked("X", "SAL 1", "4", "12.00", "60", "10");
    use({a, x, a});
    messages.answers = {true};
    EXPECT_EQ(said(cancel(3)), "Saved" + question);
    EXPECT_EQ(file(), bookingFile({x, a}));

    // Another copy removed X meanwhile: nothing is written and nothing is said.
    use({x, b});
    writeBytes(program.bookingFile.aktuellfil, bookingFile({b}));
    messages.answers = {true};
    const std::size_t writes = disk.writes.size();
    EXPECT_EQ(said(cancel(1)), "Unchanged" + question);
    EXPECT_EQ(file(), bookingFile({b}));
    EXPECT_EQ(disk.writes.size(), writes);
    EXPECT_EQ(program.bokningar.antalrader, 1) << "the table holds the file as it is now";
}

TEST_F(AvbokaTest, RedigeraFillsTheFieldsAndWritesNothing) {
    Row kamera{"AB", "M\xF6te", "90", "3", "13.00", "KAMERA", "", "45-50"};
    Row gone = booked("Y", "GAMMAL SAL", "1", "08.00", "60", "10");
    use({a, kamera, gone});

    ASSERT_TRUE(edit(2));
    ASSERT_EQ(filled.size(), 1U);
    const EditFields& f = filled[0];
    EXPECT_EQ((Lines{f.objekt, f.dag, f.starttid, f.langd, f.kommentar, f.signatur}),
              (Lines{"KAMERA", "ONS", "13.00", "90", "M\xF6te", "AB"}));
    EXPECT_EQ(f.vy, Vy::Annat);
    EXPECT_EQ(messages.log(), Lines{"Redigera bokningsdata|Redigera bokningsdata och klicka sedan Boka."});
    EXPECT_EQ(messages.shown[0].icon, Icon::Information);
    EXPECT_EQ(file(), bookingFile({a, kamera, gone}));
    EXPECT_EQ(lock.taken, 0);

    // An object in neither list: nothing at all happens.
    messages.shown.clear();
    EXPECT_FALSE(edit(3));
    EXPECT_EQ(filled.size(), 1U);
    EXPECT_TRUE(messages.shown.empty());
}

// The edited booking is replaced by one change, or stays as it was.
TEST_F(AvbokaTest, BokaReplacesTheEditedBookingOrLeavesItStanding) {
    Row edited = booked("ABC", "SAL 1", "2", "10.00", "60", "10");
    Row other = booked("X", "SAL 1", "2", "13.00", "60", "10");
    use({edited, other});
    std::optional<Bokning> original = edit(1);
    ASSERT_TRUE(original);

    messages.shown.clear();
    auto replace = [&](const char* start) { return said(boka(program, fields(start), env, original)); };

    // A conflict refuses, and the original still stands.
    EXPECT_EQ(replace("12.30"), "Refused: " + kRefusedTaken);
    EXPECT_EQ(file(), bookingFile({edited, other}));

    // Overlapping only itself: moved in one lock, one reload and one save.
    const int locks = lock.taken;
    EXPECT_EQ(replace("10.30"), "Saved");
    EXPECT_EQ(lock.taken, locks + 1);
    const Row moved = booked("ABC", "SAL 1", "2", "10.30", "60", "10");
    EXPECT_EQ(file(), bookingFile({other, moved}));

    // Gone from the file meanwhile: nothing written, nothing said, as "Avboka" does.
    EXPECT_EQ(replace("8.00"), "Unchanged");
    EXPECT_EQ(file(), bookingFile({other, moved}));
}

} // namespace
} // namespace tivra::test

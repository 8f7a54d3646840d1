#include "booking/Avboka.h"
#include "BokaFixture.h"

namespace tivra::test {
namespace {

class AvbokaTest : public BokaTest {
  protected:
    ChangeResult cancel(int valdrad, bool redigering = false) {
        return avboka(program, valdrad, redigering, env);
    }
    ChangeResult edit(int valdrad) {
        return redigera(program, valdrad, env, [this](const EditFields& f) { filled.push_back(f); });
    }
    std::vector<EditFields> filled;

    const std::string question = std::string("Avboka|") + kCancelQuestion;
    const Lines a = booked("A", "SAL 1", "1", "08.00", "60", "10");
    const Lines b = booked("B", "SAL 2", "2", "09.00", "30", "10-12");
    const Lines c = booked("C", "KAMERA", "3", "10.00", "45", "11");
};

TEST_F(AvbokaTest, ConfirmedCancelEmptiesTheRowAndTheRowsBelowMoveUpAtTheNextLoad) {
    addLesson("SAL 2", "09.00", "45"); // row 1
    use({a, b, c});                    // rows 2, 3, 4

    messages.answers = {false};
    EXPECT_EQ(cancel(3), ChangeResult::Declined);
    EXPECT_EQ(messages.log(), Lines{question});
    EXPECT_EQ(lock.taken, 0) << "nothing is locked before the answer";

    messages.answers = {true};
    EXPECT_EQ(cancel(3), ChangeResult::Saved);
    EXPECT_EQ(file(), bookingFile({a, c}));
    EXPECT_TRUE(program.bokningar.row(3).sameBooking(Bokning{})) << "fields 1 to 9 emptied in place";
    use({a, c});
    EXPECT_EQ(program.bokningar.row(3).signatur, "C");
    EXPECT_EQ(program.bokningar.antalrader, 3);

    // A lesson box's row is no booking; during an edit nothing is asked.
    messages.shown.clear();
    EXPECT_EQ(cancel(1), ChangeResult::Unchanged);
    EXPECT_EQ(cancel(3, true), ChangeResult::Saved);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(file(), bookingFile({a}));
}

TEST_F(AvbokaTest, OfTwoIdenticalBookingsTheFirstIsRemovedAndOneRemovedMeanwhileIsLeftAlone) {
    Lines x = booked("X", "SAL 1", "4", "12.00", "60", "10");
    use({a, x, a});
    messages.answers = {true};
    EXPECT_EQ(cancel(3), ChangeResult::Saved);
    EXPECT_EQ(file(), bookingFile({x, a}));

    // Another copy removed X meanwhile: nothing is written and nothing is said.
    use({x, b});
    writeBytes(program.fil.aktuellfil, bookingFile({b}));
    messages.shown.clear();
    messages.answers = {true};
    const std::size_t writes = disk.writes.size();
    EXPECT_EQ(cancel(1), ChangeResult::Unchanged);
    EXPECT_EQ(messages.log(), Lines{question});
    EXPECT_EQ(file(), bookingFile({b}));
    EXPECT_EQ(disk.writes.size(), writes);
    EXPECT_EQ(program.bokningar.antalrader, 1) << "the table holds the file as it is now";
}

TEST_F(AvbokaTest, RedigeraFillsTheFieldsThenRemovesTheBookingWithoutAsking) {
    Lines kamera{"AB", "M\xF6te", "90", "3", "13.00", "KAMERA", "", "45-50", ""};
    Lines gone = booked("Y", "GAMMAL SAL", "1", "08.00", "60", "10");
    use({a, kamera, gone});

    EXPECT_EQ(edit(2), ChangeResult::Saved);
    ASSERT_EQ(filled.size(), 1U);
    const EditFields& f = filled[0];
    EXPECT_EQ((Lines{f.objekt, f.dag, f.starttid, f.langd, f.kommentar, f.signatur}),
              (Lines{"KAMERA", "ONS", "13.00", "90", "M\xF6te", "AB"}));
    EXPECT_EQ(f.vy, Vy::Annat);
    EXPECT_EQ(messages.log(), Lines{"Redigera bokningsdata|Redigera bokningsdata och klicka sedan Boka."});
    EXPECT_EQ(messages.shown[0].icon, Icon::Information);
    EXPECT_EQ(file(), bookingFile({a, gone}));

    // An object in neither list: nothing at all happens.
    messages.shown.clear();
    const int locks = lock.taken;
    EXPECT_EQ(edit(3), ChangeResult::Unchanged);
    EXPECT_EQ(filled.size(), 1U);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(lock.taken, locks);
}

// The invitation to book again comes only when the old booking is really gone; otherwise
// booking the filled fields would make a second copy of a booking that still stands.
TEST_F(AvbokaTest, RedigeraInvitesToBookAgainOnlyWhenTheBookingWasRemoved) {
    use({a});
    writeBytes(program.fil.aktuellfil, bookingFile({}));
    EXPECT_EQ(edit(1), ChangeResult::Unchanged);
    EXPECT_EQ(filled.size(), 1U) << "the fields are filled all the same";
    EXPECT_TRUE(messages.shown.empty());

    use({a});
    writeBytes(program.fil.aktuellfil, kBrokenFile);
    EXPECT_EQ(edit(1), ChangeResult::Refused);
    ASSERT_EQ(messages.log().size(), 2U);
    EXPECT_EQ(messages.log()[0].rfind("\xD6ppna bokningar|Fel vid inl\xE4sning av ", 0), 0U);
    EXPECT_EQ(messages.log()[1], "Avboka|\xC4ndringarna ej sparade.");
    EXPECT_EQ(file(), kBrokenFile);
}

} // namespace
} // namespace tivra::test

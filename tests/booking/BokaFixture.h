#pragma once
// A school of three rooms and two other objects, a few lessons, and a booking file in a
// fresh folder; the lock is a fake that records what happened to it.
#include "booking/Boka.h"
#include "booking/BookingLock.h"
#include "booking/ChangeSequence.h"
#include "config/Program.h"
#include "core/BookingFixture.h"

#include <string>
#include <vector>

namespace tivra::test {

// Counts the dialogs shown while it was held: the sequence must give it back first.
class FakeLock : public BookingLock {
  public:
    explicit FakeLock(const ScriptedMessages& messages) : messages_(messages) {}
    LockResult answer = LockResult::Taken;
    LockHolder recorded;
    bool held = false;
    int taken = 0;
    std::size_t dialogsWhileHeld = 0;
    std::vector<std::string> calls; // "lock file|timeout in ms"

    LockResult tryLock(const std::string& lockFile, std::chrono::milliseconds timeout) override {
        calls.push_back(lockFile + "|" + std::to_string(timeout.count()));
        held = answer == LockResult::Taken;
        taken += held ? 1 : 0;
        shownAtLock_ = messages_.shown.size();
        return answer;
    }
    void unlock() override {
        dialogsWhileHeld += held ? messages_.shown.size() - shownAtLock_ : 0;
        held = false;
    }
    LockHolder holder() const override { return recorded; }
    std::error_code failure() const override { return {}; }

  private:
    const ScriptedMessages& messages_;
    std::size_t shownAtLock_ = 0;
};

inline const std::string kRefusedTaken = "Boka|Angiven tid redan bokad.";
inline const std::string kBokaNotSaved = "Boka|\xC4ndringarna ej sparade.";

// A booking with only these fields filled.
inline Row booked(const std::string& sig, const std::string& objekt, const std::string& dag,
                  const std::string& start, const std::string& langd, const std::string& vecka) {
    return {sig, "", langd, dag, start, objekt, "", vecka};
}

class BokaTest : public PlatformFixture {
  protected:
    FakeLock lock{messages};
    ChangeEnvironment env{platform, lock};
    Program program;
    // What the default fields book in week 10.
    const Row tuesday = booked("ABC", "SAL 1", "2", "10.00", "60", "10");

    BokaTest() {
        program.salar = {"SAL 1", "SAL 12", "SAL 2"};
        program.settings.bokaobjekt = {"KAMERA", "DATORSAL"};
        program.settings.perioder = {"DATORSAL 12-20", "KAMERA 7"};
        program.selection.valdvecka = 10;
        program.bookingFile.aktuellfil = dir.file("Bokningar.bok");
        writeBytes(program.bookingFile.aktuellfil, "Antal: 0\r\n");
    }

    // Every change gives the lock back, and shows no dialog while it holds it.
    void TearDown() override {
        EXPECT_FALSE(lock.held);
        EXPECT_EQ(lock.dialogsWhileHeld, 0U);
    }

    // The booking file holds these bookings, and the table has just loaded them.
    void use(const std::vector<Row>& bookings) {
        writeBytes(program.bookingFile.aktuellfil, bookingFile(bookings));
        ASSERT_EQ(
            oppnabokningar(program.bokningar, program.bookingFile, program.settings.backupmapp, platform),
            LoadResult::Loaded);
    }

    // A school year from week 34 to week 24 of the next calendar year.
    void schoolYear() {
        program.settings.startvecka = 34;
        program.settings.slutvecka = 76;
    }

    // A lesson row: rooms, teachers, weeks as the timetable gives them.
    void addLesson(const std::string& rooms, const std::string& start, const std::string& langd,
                   const std::string& veckor = "") {
        test::addLesson(program.bokningar, {"MA1", "", langd, "2", start, rooms, "AB", "", "", veckor});
    }

    // The fields for a booking on Tuesday, as a user fills them.
    static BookingFields fields(const std::string& start = "10.00", const std::string& langd = "60",
                                const std::string& objekt = "SAL 1") {
        return {objekt, ViewKind::Salar, 2, start, langd, "", "abc"}; // Tuesday, no comment, signed "abc"
    }

    // How a change ended and the dialogs it showed, as "Refused: Boka|Angiven tid redan bokad.".
    // The dialogs are then cleared for the next change.
    std::string said(ChangeResult result) {
        static const char* const names[] = {"Saved", "Refused", "Declined", "Unchanged"};
        std::string out = names[static_cast<int>(result)];
        for (const ScriptedMessages::Shown& d : messages.shown) {
            out += ": " + d.title + "|" + d.text;
        }
        messages.shown.clear();
        return out;
    }

    ChangeResult book(const BookingFields& f) { return boka(program, f, env); }
    std::string file() const { return readBytes(program.bookingFile.aktuellfil); }
};

} // namespace tivra::test

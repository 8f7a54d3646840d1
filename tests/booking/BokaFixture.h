#pragma once
// A school of three rooms and two other objects, a few lessons, and a booking file in a
// fresh folder; the lock is a fake that records what happened to it.
#include "booking/Boka.h"
#include "booking/BookingLock.h"
#include "booking/ChangeSequence.h"
#include "config/Program.h"
#include "support/Fakes.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tivra::test {

class FakeLock : public BookingLock {
  public:
    LockResult answer = LockResult::Taken;
    LockHolder recorded;
    bool held = false;
    int taken = 0;
    std::vector<std::string> files;
    std::vector<std::chrono::milliseconds> waits;

    LockResult tryLock(const std::string& lockFile, std::chrono::milliseconds timeout) override {
        files.push_back(lockFile);
        waits.push_back(timeout);
        if (answer == LockResult::Taken) {
            held = true;
            ++taken;
        }
        return answer;
    }
    void unlock() override { held = false; }
    LockHolder holder() const override { return recorded; }
};

// Records, for every dialog, whether the lock was held while it was on screen.
class LockWatchingMessages : public ScriptedMessages {
  public:
    explicit LockWatchingMessages(const FakeLock& lock) : lock_(lock) {}
    std::vector<bool> heldDuring;

    void show(const std::string& text, const std::string& title, Icon icon) override {
        heldDuring.push_back(lock_.held);
        ScriptedMessages::show(text, title, icon);
    }
    bool ask(const std::string& text, const std::string& title) override {
        heldDuring.push_back(lock_.held);
        return ScriptedMessages::ask(text, title);
    }
    [[noreturn]] void fatal(const std::string& text, const std::string& title) override {
        heldDuring.push_back(lock_.held);
        ScriptedMessages::fatal(text, title);
    }

  private:
    const FakeLock& lock_;
};

// Nine lines of a booking as the file holds it.
inline std::vector<std::string> booked(const std::string& sig, const std::string& objekt,
                                       const std::string& dag, const std::string& start,
                                       const std::string& langd, const std::string& vecka) {
    return {sig, "", langd, dag, start, objekt, "", vecka, ""};
}

inline std::string bookingFile(const std::vector<std::vector<std::string>>& bookings) {
    std::vector<std::string> lines{"Antal:  " + std::to_string(bookings.size()) + " "};
    for (const auto& b : bookings) {
        lines.insert(lines.end(), b.begin(), b.end());
    }
    return crlf(lines);
}

class BokaTest : public ::testing::Test {
  protected:
    TempDir dir;
    FaultyDisk disk;
    FixedClock clock{Date{2025, 3, 4}};
    FakeLock lock;
    LockWatchingMessages messages{lock};
    Platform platform{disk, clock, messages};
    ChangeEnvironment env{platform, lock};
    Program program;

    BokaTest() {
        program.salar = {"SAL 1", "SAL 12", "SAL 2"};
        program.settings.bokaobjekt = {"KAMERA", "DATORSAL"};
        program.settings.perioder = {"DATORSAL 12-20", "KAMERA 7"};
        program.val.valdvecka = 10;
        program.fil.aktuellfil = dir.file("Bokningar.bok");
        writeBytes(program.fil.aktuellfil, "Antal: 0\r\n");
    }

    // A lesson row: rooms, teachers, weeks as the timetable gives them.
    void addLesson(const std::string& rooms, const std::string& dag, const std::string& start,
                   const std::string& langd, const std::string& veckor = "") {
        BookingTable& t = program.bokningar;
        Bokning& row = t.row(t.antallektioner + 1);
        row = Bokning{"MA1", "", langd, dag, start, rooms, "AB", "", "", veckor};
        t.antalrader = ++t.antallektioner;
    }

    // The fields for a booking of SAL 1 on Tuesday, as a user fills them.
    static BookingFields fields(const std::string& start = "10.00", const std::string& langd = "60",
                                const std::string& objekt = "SAL 1") {
        BookingFields f;
        f.objekt = objekt;
        f.vy = Vy::Salar;
        f.valddag = 2;
        f.starttid = start;
        f.langd = langd;
        f.signatur = "abc";
        return f;
    }

    ChangeResult book(const BookingFields& f) { return boka(program, f, env); }

    std::string file() const { return readBytes(program.fil.aktuellfil); }
    const Bokning& lastRow() const { return program.bokningar.row(program.bokningar.antalrader); }
};

} // namespace tivra::test

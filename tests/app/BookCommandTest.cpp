// `tivra book` run as processes: its refusals, and copies booking into one file at once.
#include "app/Process.h"

#include <atomic>
#include <iostream>
#include <thread>

namespace tivra {
namespace {

using namespace test;

// Fifty bookings for each of eight copies of the program, each copy in its own room so no
// booking stands in another's way; sorted.
std::vector<Booking> fourHundred() {
    std::vector<Booking> all;
    for (int i = 0; i < 400; ++i) {
        all.push_back(booking("P" + std::to_string(i / 50), i / 50, i % 5 + 1, i % 50 / 5 + 6, 10));
    }
    std::sort(all.begin(), all.end());
    return all;
}

// The eight copies book their fifty each, all at once, into one file. Returns what they
// wrote on standard error, and how many bookings were refused.
std::string bookAllAtOnce(const TempDir& dir, const std::vector<std::string>& env) {
    const std::vector<Booking> all = fourHundred();
    TempDir scratch;
    std::atomic<int> refused = 0;
    std::vector<std::thread> copies;
    for (int p = 0; p < 8; ++p) {
        copies.emplace_back([&, p] {
            for (int i = p * 50; i < p * 50 + 50; ++i) {
                refused += finish(start("book", dir, optionsFor(all[i]), scratch.file("err"), env)) != 0;
            }
        });
    }
    for (std::thread& copy : copies) {
        copy.join();
    }
    return readBytes(scratch.file("err")) + (refused > 0 ? std::to_string(refused) + " refused" : "");
}

TEST(BookCommand, EightCopiesBookingAtOnceLoseNothingWithTheLock) {
    TempDir dir;
    school(dir, {});
    EXPECT_EQ(bookAllAtOnce(dir, {}), "");
    std::string bytes = readBytes(dir.file("liten.bok"));
    EXPECT_EQ(bytes.substr(0, 14), "Antal:  400 \r\n");
    EXPECT_EQ(bookingsIn(bytes), fourHundred()) << "each of the 400 bookings once";
    EXPECT_FALSE(std::filesystem::exists(dir.file("liten.bok.lock")));
}

// The same without the lock and the comparison, as copies that lack them would write:
// bookings are lost, which shows that the test above would catch their absence. Losing
// needs two copies between reload and replace at once; with eight copies writing some
// hundred times a second that happens many times over in 400 bookings.
TEST(BookCommand, WithoutTheLockCopiesBookingAtOnceLoseBookings) {
    TempDir dir;
    school(dir, {});
    EXPECT_EQ(bookAllAtOnce(dir, {"TIVRA_TEST_UNSAFE_WRITES=1"}), "") << "every copy believes it booked";
    std::size_t kept = bookingsIn(readBytes(dir.file("liten.bok"))).size();
    EXPECT_LT(kept, 400U);
    std::cout << "without the lock " << 400 - kept << " of 400 bookings were lost\n";
}

TEST(BookCommand, TwoCopiesBookingTheSameTimeAtOnceGetItOnce) {
    TempDir dir;
    TempDir scratch;
    school(dir, {});
    std::vector<pid_t> copies;
    for (const char* who : {"A", "B"}) {
        copies.push_back(start("book", dir, optionsFor(booking(who, 1, 2, 9, 10)), scratch.file(who)));
    }
    int a = finish(copies[0]);
    int b = finish(copies[1]);
    EXPECT_TRUE((a == 0 && b == 1) || (a == 1 && b == 0)) << a << b;
    EXPECT_EQ(readBytes(scratch.file(a == 1 ? "A" : "B")), "Boka: Angiven tid redan bokad.\n");
    EXPECT_EQ(bookingsIn(readBytes(dir.file("liten.bok"))).size(), 1U);
}

TEST(BookCommand, StatusAndMessagesOfRefusals) {
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

} // namespace
} // namespace tivra

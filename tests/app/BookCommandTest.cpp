// `tivra book` run as processes: its refusals, and copies booking into one file at once.
#include "app/Process.h"

#include <iostream>

namespace tivra {
namespace {

using namespace test;

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

#include "support/Fakes.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <map>
#include <string>
#include <sys/wait.h>
#include <utility>

namespace tivra {
namespace {

using test::TempDir;

// A school of eight rooms and an empty booking file, without a timetable.
void smallSchool(const TempDir& school) {
    test::writeBytes(school.file("Tivra.ini"), test::crlf({"SCHEMA: liten", "BOKNINGSFIL: liten.bok",
                                                           "STARTVECKA:  1 ", "SLUTVECKA:  52 "}));
    test::writeBytes(school.file("liten.sal"), test::crlf({"R0", "R1", "R2", "R3", "R4", "R5", "R6", "R7"}));
    test::writeBytes(school.file("liten.bok"), test::crlf({"Antal: 0"}));
}

// Runs a shell script; returns its exit status.
int shell(const TempDir& scratch, const std::string& script) {
    std::string path = scratch.file("run.sh");
    test::writeBytes(path, "set -u\nexport QT_QPA_PLATFORM=\nunset DISPLAY WAYLAND_DISPLAY\n" + script);
    int raw = std::system(("sh '" + path + "'").c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

std::string bookCommand(const TempDir& school, const std::string& args) {
    return std::string("'") + TIVRA_EXECUTABLE + "' book --dir '" + school.path().string() + "' " + args;
}

// How often each signature and comment pair is in the booking file.
std::map<std::pair<std::string, std::string>, int> bookingsIn(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(bytes.substr(start, end - start));
    }
    std::map<std::pair<std::string, std::string>, int> count;
    for (std::size_t k = 1; k + 8 < lines.size(); k += 9) {
        ++count[{lines[k], lines[k + 1]}];
    }
    return count;
}

// Eight copies of the program book fifty bookings each, all at once, into one file.
// Every copy books its own room, so no booking stands in another's way.
std::string bookAllAtOnce(const TempDir& school, const TempDir& scratch, bool unsafe, int perCopy) {
    const char* days[] = {"M\xC3\x85N", "TIS", "ONS", "TOR", "FRE"};
    std::string script = unsafe ? "export TIVRA_TEST_UNSAFE_WRITES=1\n" : "";
    for (int p = 0; p < 8; ++p) {
        script += "(\n";
        for (int i = 0; i < perCopy; ++i) {
            std::string args = "--object R" + std::to_string(p) + " --week 10 --day " + days[i % 5] +
                               " --start " + std::to_string(i / 5 % 16 + 6) + "." + (i / 80 ? "30" : "00") +
                               " --length 30 --signature P" + std::to_string(p) + " --comment B" +
                               std::to_string(i);
            script += bookCommand(school, args) + " 2>>'" + scratch.file("err.txt") + "' || echo P" +
                      std::to_string(p) + "B" + std::to_string(i) + " >>'" + scratch.file("refused.txt") +
                      "'\n";
        }
        script += ") &\n";
    }
    script += "wait\n";
    test::writeBytes(scratch.file("refused.txt"), "");
    test::writeBytes(scratch.file("err.txt"), "");
    EXPECT_EQ(shell(scratch, script), 0);
    return test::readBytes(school.file("liten.bok"));
}

TEST(BookCommand, EightCopiesBookingAtOnceLoseNothingWithTheLock) {
    TempDir school;
    TempDir scratch;
    smallSchool(school);
    std::string bytes = bookAllAtOnce(school, scratch, false, 50);
    EXPECT_EQ(test::readBytes(scratch.file("refused.txt")), "");
    EXPECT_EQ(test::readBytes(scratch.file("err.txt")), "");
    EXPECT_EQ(bytes.substr(0, 14), "Antal:  400 \r\n");
    auto count = bookingsIn(bytes);
    for (int p = 0; p < 8; ++p) {
        for (int i = 0; i < 50; ++i) {
            EXPECT_EQ((count[{"P" + std::to_string(p), "B" + std::to_string(i)}]), 1) << p << " " << i;
        }
    }
    EXPECT_FALSE(std::filesystem::exists(school.file("liten.bok.lock")));
}

// The same without the lock and the comparison, as copies that lack them would write:
// bookings are lost, which shows that the test above would catch their absence. Losing
// needs two copies between reload and replace at once; with eight copies writing some
// hundred times a second that happens many times over in 400 bookings.
TEST(BookCommand, WithoutTheLockCopiesBookingAtOnceLoseBookings) {
    TempDir school;
    TempDir scratch;
    smallSchool(school);
    std::string bytes = bookAllAtOnce(school, scratch, true, 50);
    EXPECT_EQ(test::readBytes(scratch.file("refused.txt")), "") << "every copy believes it booked";
    std::size_t kept = bookingsIn(bytes).size();
    EXPECT_LT(kept, 400U);
    std::cout << "without the lock " << 400 - kept << " of 400 bookings were lost\n";
}

TEST(BookCommand, TwoCopiesBookingTheSameTimeAtOnceGetItOnce) {
    TempDir school;
    TempDir scratch;
    smallSchool(school);
    std::string args = "--object R1 --week 10 --day TIS --start 9.00 --length 60 --signature ";
    std::string script;
    for (std::string who : {"A", "B"}) {
        script += "(" + bookCommand(school, args + who) + " 2>'" + scratch.file("err" + who) +
                  "'; echo $? >'" + scratch.file("status" + who) + "') &\n";
    }
    script += "wait\n";
    ASSERT_EQ(shell(scratch, script), 0);
    std::string a = test::readBytes(scratch.file("statusA"));
    std::string b = test::readBytes(scratch.file("statusB"));
    EXPECT_TRUE((a == "0\n" && b == "1\n") || (a == "1\n" && b == "0\n")) << a << b;
    std::string loser = a == "1\n" ? "errA" : "errB";
    EXPECT_EQ(test::readBytes(scratch.file(loser)), "Boka: Angiven tid redan bokad.\n");
    EXPECT_EQ(bookingsIn(test::readBytes(school.file("liten.bok"))).size(), 1U);
}

TEST(BookCommand, StatusAndMessagesOfRefusals) {
    TempDir school;
    TempDir scratch;
    smallSchool(school);
    std::string args = " --week 10 --day FRE --start 9.00 --length 60 --signature ab";
    std::string script = bookCommand(school, "--object R9" + args) + " 2>'" + scratch.file("e1") +
                         "'; echo $? >'" + scratch.file("s1") + "'\n" +
                         bookCommand(school, "--object R1 --comment '\xE6\x97\xA5'" + args) + " 2>'" +
                         scratch.file("e2") + "'; echo $? >'" + scratch.file("s2") + "'\n" +
                         bookCommand(school, "--object R1 --comment 'Kör'" + args) + " 2>'" +
                         scratch.file("e3") + "'; echo $? >'" + scratch.file("s3") + "'\n";
    shell(scratch, script);
    EXPECT_EQ(test::readBytes(scratch.file("s1")), "1\n");
    EXPECT_EQ(test::readBytes(scratch.file("e1")), "Boka: V\xC3\xA4lj sal.\n");
    EXPECT_EQ(test::readBytes(scratch.file("s2")), "1\n");
    EXPECT_EQ(test::readBytes(scratch.file("e2")),
              "Argumentet till --comment har tecken som bokningsfilen inte kan lagra.\n");
    EXPECT_EQ(test::readBytes(scratch.file("s3")), "0\n");
    EXPECT_EQ(test::readBytes(school.file("liten.bok")),
              test::crlf({"Antal:  1 ", "AB", "K\xF6r", "60", "5", "09.00", "R1", "", "10", ""}));
}

} // namespace
} // namespace tivra

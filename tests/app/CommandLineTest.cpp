#include "app/ConsoleMessages.h"
#include "support/Fakes.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/wait.h>

namespace tivra {
namespace {

using test::TempDir;

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the program as its own process, as an administrator would from a shell.
Outcome tivra(const std::string& args, const TempDir& scratch) {
    std::string out = scratch.file("stdout.txt");
    std::string err = scratch.file("stderr.txt");
    std::string command = std::string("env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= '") +
                          TIVRA_EXECUTABLE + "' " + args + " >'" + out + "' 2>'" + err + "'";
    int raw = std::system(command.c_str());
    Outcome r;
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.out = test::readBytes(out);
    r.err = test::readBytes(err);
    return r;
}

// A copy of the demo school: start-up writes the day's backup copy, and the files in the
// repository are never written.
std::string demoSchool(const TempDir& into) {
    std::filesystem::copy(std::string(TIVRA_SOURCE_DIR) + "/examples/demo-skola", into.path(),
                          std::filesystem::copy_options::recursive);
    return into.path().string();
}

TEST(CommandLine, CheckSummarisesTheDemoSchoolWithoutADisplay) {
    TempDir scratch;
    TempDir school;
    Outcome r = tivra("check --dir '" + demoSchool(school) + "'", scratch);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_NE(r.out.find("Salar: "), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Läsår: 2026/27\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Bokningsfil: demo.bok\n"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("Salar: 0\n"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("Lektioner: 0\n"), std::string::npos) << r.out;
}

TEST(CommandLine, CheckAndExportOnAnEmptySettingsFile) {
    TempDir scratch;
    TempDir school;
    test::writeBytes(school.file("Tivra.ini"), "");
    Outcome check = tivra("check --dir '" + school.path().string() + "'", scratch);
    EXPECT_EQ(check.status, 0);
    EXPECT_EQ(check.err, "");
    EXPECT_NE(check.out.find("Salar: 0\n\xC3\x96vriga objekt: 0\nPerioder: 0\nLektioner: 0\nPersonal: 0\n"
                             "L\xC3\xA4s\xC3\xA5r: \nBokningsfil: \nBokningar: 0\nVecka: "),
              std::string::npos)
        << check.out;

    Outcome json = tivra("export --json --dir '" + school.path().string() + "'", scratch);
    EXPECT_EQ(json.status, 0);
    EXPECT_NE(json.out.find("\"starttimme\": 8,"), std::string::npos) << json.out;
    EXPECT_NE(json.out.find("\"font2\": \"Times New Roman\""), std::string::npos);
    EXPECT_NE(json.out.find("\"bookings\": [\n    ]"), std::string::npos);
}

TEST(CommandLine, BrokenBookingFileEndsWithStatusTwoAndTheMessageOnStderr) {
    TempDir scratch;
    TempDir school;
    test::writeBytes(school.file("Tivra.ini"), test::crlf({"BOKNINGSFIL: b.bok"}));
    test::writeBytes(school.file("b.bok"), test::crlf({"antal: 0"}));
    Outcome r = tivra("check --dir '" + school.path().string() + "'", scratch);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "Öppna bokningar: Fel i bokningsfil! Meddela administratören. Programmet avslutas.\n");
}

TEST(CommandLine, MessagesFlattenLineBreaks) {
    EXPECT_EQ(ConsoleMessages::line("\xD6ppna salslista",
                                    "Kan inte \xF6ppna x.sal.\r\nRedigera vid behov Tivra.ini."),
              "Öppna salslista: Kan inte öppna x.sal. / Redigera vid behov Tivra.ini.");
}

} // namespace
} // namespace tivra

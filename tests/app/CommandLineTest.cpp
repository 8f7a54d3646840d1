// `tivra check` and `tivra export --json`, run as processes without a display.
#include "app/ConsoleMessages.h"
#include "app/Process.h"

#include <filesystem>

namespace tivra {
namespace {

using namespace test;

TEST(CommandLine, CheckSummarisesTheDemoSchoolWithoutADisplay) {
    // A copy: start-up writes the day's backup copy, and the files in the repository are never written.
    TempDir school;
    std::filesystem::copy(std::string(TIVRA_SOURCE_DIR) + "/examples/demo-skola", school.path(),
                          std::filesystem::copy_options::recursive);
    Outcome r = run("check", school);
    EXPECT_EQ(r.said(), "0: ");
    EXPECT_NE(r.out.find("Salar: "), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Läsår: 2026/27\nBokningsfil: demo.bok\n"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("Salar: 0\n"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("Lektioner: 0\n"), std::string::npos) << r.out;
}

TEST(CommandLine, CheckAndExportOnAnEmptySettingsFile) {
    TempDir school;
    writeBytes(school.file("Tivra.ini"), "");
    Outcome check = run("check", school);
    EXPECT_EQ(check.said(), "0: ");
    EXPECT_NE(check.out.find("Salar: 0\n\xC3\x96vriga objekt: 0\nPerioder: 0\nLektioner: 0\nPersonal: 0\n"
                             "L\xC3\xA4s\xC3\xA5r: \nBokningsfil: \nBokningar: 0\nVecka: "),
              std::string::npos)
        << check.out;

    Outcome json = run("export", school, {"--json"});
    EXPECT_EQ(json.said(), "0: ");
    EXPECT_NE(json.out.find("\"starttimme\": 8,"), std::string::npos) << json.out;
    EXPECT_NE(json.out.find("\"font2\": \"Times New Roman\""), std::string::npos);
    EXPECT_NE(json.out.find("\"bookings\": [\n    ]"), std::string::npos);
}

TEST(CommandLine, BrokenBookingFileEndsWithStatusTwoAndTheMessageOnStderr) {
    TempDir school;
    writeBytes(school.file("Tivra.ini"), crlf({"BOKNINGSFIL: b.bok"}));
    writeBytes(school.file("b.bok"), crlf({"antal: 0"}));
    EXPECT_EQ(run("check", school).said(),
              "2: Öppna bokningar: Fel i bokningsfil! Meddela administratören. Programmet avslutas.\n");
}

TEST(CommandLine, MessagesFlattenLineBreaks) {
    EXPECT_EQ(ConsoleMessages::line("\xD6ppna salslista",
                                    "Kan inte \xF6ppna x.sal.\r\nRedigera vid behov Tivra.ini."),
              "Öppna salslista: Kan inte öppna x.sal. / Redigera vid behov Tivra.ini.");
}

} // namespace
} // namespace tivra

namespace tivra {
namespace {

// The switches that turn safety off for the process tests live in the test tool only.
TEST(CommandLine, TheProgramCarriesNoTestSwitch) {
    const std::string program = test::readBytes(TIVRA_EXECUTABLE);
    ASSERT_FALSE(program.empty());
    EXPECT_EQ(program.find("TIVRA_TEST_"), std::string::npos);
    EXPECT_NE(test::readBytes(TIVRA_TESTTOOL).find("TIVRA_TEST_"), std::string::npos);
}

} // namespace
} // namespace tivra

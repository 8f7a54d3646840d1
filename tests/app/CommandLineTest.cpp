// The modes that read the school without changing it, run as processes without a display:
// what each prints or writes, and its exit status. What the output holds in detail is
// tested where it is made (tests/config, tests/export, tests/print, tests/booking).
#include "app/ConsoleMessages.h"
#include "app/Process.h"

#include <QProcess>
#include <QStringList>

#include <filesystem>
#include <regex>

namespace tivra {
namespace {

using namespace test;
using std::string;

// How often `part` occurs in `text`.
long count(const string& text, const char* part) {
    const std::regex pattern(part);
    return std::distance(std::sregex_iterator(text.begin(), text.end(), pattern), std::sregex_iterator());
}

TEST(CommandLine, CheckAndJsonExportReadTheSchoolAndABrokenFileEndsWithStatusTwo) {
    TempDir school;
    demoSchool(school);
    Outcome check = run("check", school);
    EXPECT_EQ(check.said(), "0: ");
    EXPECT_NE(check.out.find("Läsår: 2026/27\nBokningsfil: demo.bok\n"), string::npos) << check.out;
    Outcome json = run("export", school, {"--json"});
    EXPECT_EQ(json.said(), "0: ");
    EXPECT_NE(json.out.find("\"font2\": \"Times New Roman\""), string::npos) << json.out;

    writeBytes(school.file("demo.bok"), crlf({"antal: 0"}));
    EXPECT_EQ(run("check", school).said(),
              "2: Öppna bokningar: Fel i bokningsfil! Meddela administratören. Programmet avslutas.\n");
}

TEST(CommandLine, MessagesFlattenLineBreaks) {
    EXPECT_EQ(ConsoleMessages::line("\xD6ppna salslista",
                                    "Kan inte \xF6ppna x.sal.\r\nRedigera vid behov Tivra.ini."),
              "Öppna salslista: Kan inte öppna x.sal. / Redigera vid behov Tivra.ini.");
}

// The switches that turn safety off for the process tests live in the test tool only.
TEST(CommandLine, TheProgramCarriesNoTestSwitch) {
    const string program = readBytes(TIVRA_EXECUTABLE);
    ASSERT_FALSE(program.empty());
    EXPECT_EQ(program.find("TIVRA_TEST_"), string::npos);
    EXPECT_NE(readBytes(TIVRA_TESTTOOL).find("TIVRA_TEST_"), string::npos);
}

TEST(FreeCommand, ListsTheFreeRoomsOnePerLineAndRefusesBadFields) {
    TempDir dir;
    school(dir, {booking("A", 1, 2, 9, 10), booking("B", 3, 2, 9, 11)});
    std::vector<string> tuesdayAtNine{"--week", "10", "--day", "TIS", "--start", "9.00", "--length", "30"};
    Outcome listed = run("free", dir, tuesdayAtNine);
    EXPECT_EQ(listed.said(), "0: ");
    EXPECT_EQ(listed.out, "R0\nR2\nR3\nR4\nR5\nR6\nR7\n");
    tuesdayAtNine[3] = "L\xC3\x96R";
    EXPECT_EQ(run("free", dir, tuesdayAtNine).said(), "1: Lediga salar: V\xC3\xA4lj dag.\n");
}

TEST(ExportCommand, WritesACalendarFileOrASpreadsheetOfWhatTheOptionsChoose) {
    TempDir school;
    TempDir out;
    demoSchool(school);
    const string ics = out.file("c1.ics");
    EXPECT_EQ(
        run("export", school, {"--ics", "--object", "c1", "--lessons", "--weeks", "50", "--out", ics}).said(),
        "0: ");
    const string calendar = readBytes(ics);
    EXPECT_EQ(calendar.substr(0, 17), "BEGIN:VCALENDAR\r\n");
    EXPECT_EQ(count(calendar, "BEGIN:VEVENT"), 15) << "the room's lessons and bookings of week 50";

    Outcome csv = run("export", school, {"--csv", "--person", "dn", "--weeks", "38"});
    EXPECT_EQ(csv.said(), "0: ");
    EXPECT_EQ(count(csv.out, "\r\n"), 2) << csv.out;
    EXPECT_EQ(run("export", school, {"--csv", "--object", "x1"}).said(), "1: Exportera: V\xC3\xA4lj sal.\n");
    EXPECT_EQ(run("export", school, {"--csv"}).status, 2);
}

// What pdfinfo says of a PDF.
string pdfinfo(const string& pdf) {
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {QString::fromStdString(pdf)});
    process.waitForFinished();
    return process.readAllStandardOutput().toStdString();
}

TEST(PrintCommand, WritesTheChosenOverviewListsAndSchedulesToAPdf) {
    TempDir school;
    TempDir out;
    demoSchool(school);
    const string pdf = out.file("veckan.pdf");
    EXPECT_EQ(run("print", school,
                  {"--weeks", "49-50", "--objects", "l\xC3\xA4rarrummet, datorvagn 2", "--lists",
                   "--schedules", "--overview", "--pdf", pdf})
                  .said(),
              "0: ");
    // A landscape week sheet per week, then two objects: a list and two week pages each.
    const string info = pdfinfo(pdf);
    EXPECT_NE(info.find("Pages:           8\n"), string::npos) << info;
    EXPECT_NE(info.find("Page size:       842 x 595 pts (A4)"), string::npos) << info;

    // Refusals write nothing.
    const string nowhere = out.file("saknas/x.pdf");
    const std::pair<std::vector<string>, string> refused[] = {
        {{"--weeks", "50", "--rooms", "B1", "--pdf", pdf}, "1: Inget att skriva ut.\n"},
        {{"--all-rooms", "--page-size", "B9", "--pdf", pdf},
         "2: Okänt pappersformat: B9. Välj A4, A3, A5, Letter eller Legal.\n"},
        {{"--weeks", "50", "--all-rooms", "--pdf", nowhere},
         "1: Filen " + nowhere + " kunde inte skrivas.\n"},
    };
    std::filesystem::remove(pdf);
    for (const auto& [args, said] : refused) {
        EXPECT_EQ(run("print", school, args).said(), said);
        EXPECT_FALSE(std::filesystem::exists(pdf));
    }
}

} // namespace
} // namespace tivra

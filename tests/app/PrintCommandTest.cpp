// `tivra print` run as a process without a display, as a script would run it each week.
#include "app/Process.h"

#include <QProcess>
#include <QString>
#include <QStringList>

#include <filesystem>

namespace tivra {
namespace {

using namespace test;

// What a poppler tool says of a PDF, as UTF-8.
std::string poppler(const char* tool, const std::string& pdf) {
    QProcess process;
    QStringList args{QString::fromStdString(pdf)};
    if (std::string(tool) == "pdftotext") {
        args << QStringLiteral("-");
    }
    process.start(QString::fromLatin1(tool), args);
    process.waitForFinished();
    return process.readAllStandardOutput().toStdString();
}

class PrintCommand : public ::testing::Test {
  protected:
    PrintCommand() {
        std::filesystem::copy(std::string(TIVRA_SOURCE_DIR) + "/examples/demo-skola", school.path(),
                              std::filesystem::copy_options::recursive);
    }
    TempDir school;
    TempDir out;
};

TEST_F(PrintCommand, WritesTheDemoSchoolsOverviewListsAndSchedulesToAPdf) {
    const std::string pdf = out.file("veckan.pdf");
    Outcome r = run("print", school,
                    {"--weeks", "49-50", "--objects", "l\xC3\xA4rarrummet, datorvagn 2", "--lists",
                     "--schedules", "--overview", "--pdf", pdf});
    EXPECT_EQ(r.said(), "0: ");
    // A landscape week sheet per week, then two objects: a list and two week pages each.
    const std::string info = poppler("pdfinfo", pdf);
    EXPECT_NE(info.find("Pages:           8\n"), std::string::npos) << info;
    EXPECT_NE(info.find("Page size:       842 x 595 pts (A4)"), std::string::npos) << info;
    std::string text = poppler("pdftotext", pdf);
    for (const char* shown : {"Sjöängens skola", "Veckoöversikt vecka 49", "Bokningar av LÄRARRUMMET",
                              "Bokningar av DATORVAGN 2 vecka 50", "Mån 7 dec"}) {
        EXPECT_NE(text.find(shown), std::string::npos) << shown;
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(out.path()), {}), 1)
        << "no partial file left";
}

TEST_F(PrintCommand, RefusalsWriteNoFile) {
    struct Case {
        std::vector<std::string> args;
        std::string said;
    };
    const Case cases[] = {
        {{"--weeks", "54", "--all-rooms"}, "1: Skriv ut: Ange vecka/veckor.\n"},
        {{"--weeks", "16-"}, "1: Skriv ut: Ange giltiga veckor.\n"},
        {{"--weeks", "50", "--rooms", "B1"}, "1: Inget att skriva ut.\n"},
        {{"--all-rooms", "--page-size", "B9"},
         "2: Okänt pappersformat: B9. Välj A4, A3, A5, Letter eller Legal.\n"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = c.args;
        args.insert(args.end(), {"--pdf", out.file("x.pdf")});
        EXPECT_EQ(run("print", school, args).said(), c.said);
        EXPECT_FALSE(std::filesystem::exists(out.file("x.pdf")));
    }
    const std::string nowhere = out.file("saknas/x.pdf");
    EXPECT_EQ(run("print", school, {"--weeks", "50", "--all-rooms", "--pdf", nowhere}).said(),
              "1: Filen " + nowhere + " kunde inte skrivas.\n");
}

} // namespace
} // namespace tivra

// Each mode of the command line run as a process without a display: what it prints or
// writes, and its exit status; `tivra book` and `tivra cancel` read their options into the
// fields of the window and write the file through the same change. What the output holds in
// detail, and the rules of a booking, are tested where they are made (tests/config,
// tests/export, tests/print, tests/booking).
#include "app/Process.h"

#include <QProcess>

#include <csignal>
#include <filesystem>
#include <regex>
#include <sys/resource.h>
#include <sys/stat.h>

namespace tivra {
namespace {

using namespace test;
using std::string;

// How often `part` occurs in `text`.
long count(const string& text, const char* part) {
    const std::regex pattern(part);
    return std::distance(std::sregex_iterator(text.begin(), text.end(), pattern), std::sregex_iterator());
}

// `tivra export` reads the school and writes what its options choose, to standard output
// or to --out, --json included.
TEST(CommandLine, ExportWritesWhatItsOptionsChooseToStandardOutputOrToOut) {
    TempDir school;
    demoSchool(school);
    Outcome json = run("export", school, {"--json"});
    EXPECT_EQ(json.said(), "0: ");
    EXPECT_NE(json.out.find("\"font2\": \"Times New Roman\""), string::npos) << json.out;
    const string jsonFile = school.file("allt.json");
    EXPECT_EQ(run("export", school, {"--json", "--out", jsonFile}).said(), "0: ");
    EXPECT_EQ(readBytes(jsonFile), json.out);

    const string ics = school.file("c1.ics");
    EXPECT_EQ(
        run("export", school, {"--ics", "--object", "c1", "--lessons", "--weeks", "50", "--out", ics}).said(),
        "0: ");
    const string calendar = readBytes(ics);
    EXPECT_EQ(count(calendar, "BEGIN:VEVENT"), 15) << "the room's lessons and bookings of week 50";
    Outcome csv = run("export", school, {"--csv", "--person", "dn", "--weeks", "38"});
    EXPECT_EQ(csv.said(), "0: ");
    EXPECT_EQ(count(csv.out, "\r\n"), 2) << csv.out;
    EXPECT_EQ(run("export", school, {"--csv", "--object", "x1"}).said(), "1: Exportera: V\xC3\xA4lj sal.\n");
    EXPECT_EQ(run("export", school, {"--csv"}).said(), "2: Ange --object eller --person.\n");
}

// `tivra check` exits 0 only when every stage of start-up read its files without a
// message, 1 when the program started with messages or without a file of the timetable,
// 2 when start-up ended; the summary is there whenever the program started.
TEST(CheckCommand, ExitsZeroOnlyOnACleanStartOneWhenItStartedWithMessagesTwoWhenStartUpEnded) {
    TempDir school;
    demoSchool(school);
    Outcome clean = run("check", school);
    EXPECT_EQ(clean.said(), "0: ");
    EXPECT_NE(clean.out.find("L\xC3\xA4s\xC3\xA5r: 2026/27\nBokningsfil: demo.bok\n"), string::npos)
        << clean.out;

    std::filesystem::rename(school.file("demo.sca"), school.file("gammal.sca"));
    Outcome unread = run("check", school);
    EXPECT_EQ(unread.said(), "1: demo.sca kunde inte l\xC3\xA4sas.\n");
    EXPECT_NE(unread.out.find("Lektioner: 0\n"), string::npos) << unread.out;
    std::filesystem::rename(school.file("gammal.sca"), school.file("demo.sca"));

    std::filesystem::rename(school.file("demo.sal"), school.file("gammal.sal"));
    EXPECT_EQ(run("check", school).said(),
              "1: \xC3\x96ppna salslista: Kan inte \xC3\xB6ppna demo.sal. / Redigera vid behov Tivra.ini.\n");
    std::filesystem::rename(school.file("gammal.sal"), school.file("demo.sal"));

    writeBytes(school.file("demo.bok"), crlf({"antal: 0"}));
    EXPECT_EQ(run("check", school).said(), "2: \xC3\x96ppna bokningar: Fel i bokningsfil! Meddela "
                                           "administrat\xC3\xB6ren. Programmet avslutas.\n");
}

// The switches that turn safety off for the process tests live in the test tool only.
TEST(CommandLine, TheProgramCarriesNoTestSwitch) {
    const string program = readBytes(TIVRA_EXECUTABLE);
    ASSERT_FALSE(program.empty());
    EXPECT_EQ(program.find("TIVRA_TEST_"), string::npos);
    EXPECT_NE(readBytes(TIVRA_TESTTOOL).find("TIVRA_TEST_"), string::npos);
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
    EXPECT_NE(info.find("Page size:       842 x 595 pts (A4)"), string::npos) << "the sheet lies on its side";

    // A printout with nothing to print writes nothing.
    std::filesystem::remove(pdf);
    EXPECT_EQ(run("print", school, {"--weeks", "50", "--rooms", "D2", "--pdf", pdf}).said(),
              "1: Inget att skriva ut.\n");
    EXPECT_FALSE(std::filesystem::exists(pdf));
}

// The program with its files limited to `bytes`, as a disk that fills up would stop it: the
// limit binds root too, and with its signal ignored the write fails as on a full disk.
Outcome runOnFullDisk(const string& mode, const TempDir& folder, const std::vector<string>& args,
                      rlim_t bytes) {
    TempDir scratch;
    rlimit before{};
    getrlimit(RLIMIT_FSIZE, &before);
    const rlimit small{bytes, before.rlim_max};
    auto* handler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    const pid_t pid = start(mode, folder, args, scratch.file("err"), {}, scratch.file("out"));
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, handler);
    const int status = finish(pid);
    return {status, readBytes(scratch.file("out")), readBytes(scratch.file("err"))};
}

long filesIn(const TempDir& dir) {
    return std::distance(std::filesystem::directory_iterator(dir.path()), {});
}

// A PDF is written whole or not at all, and a failure says why: a place that holds no file
// is refused before anything is written, a full disk leaves the old file as it was, and
// prints to one name at once each leave a whole file.
TEST(PrintCommand, APdfIsWrittenWholeOrNotAtAllAndAFailureSaysWhy) {
    TempDir school;
    TempDir out;
    demoSchool(school);
    auto printTo = [](const string& pdf) {
        return std::vector<string>{"--weeks", "49-50", "--all-rooms", "--schedules", "--pdf", pdf};
    };
    // A pipe, as /dev/full would be: a test must not risk a device of the machine.
    const string pipe = out.file("pipe.pdf");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(run("print", school, printTo(pipe)).said(),
              "1: Filen " + pipe + " kunde inte skrivas. Det är ingen vanlig fil.\n");
    EXPECT_EQ(run("export", school, {"--csv", "--object", "c1", "--out", pipe}).said(),
              "1: Exportera: Filen " + pipe + " kunde inte skrivas. Det är ingen vanlig fil.\n");
    std::filesystem::remove(pipe);

    const string pdf = out.file("veckan.pdf");
    writeBytes(pdf, "gammal");
    EXPECT_EQ(runOnFullDisk("print", school, printTo(pdf), 8192).said(),
              "1: Filen " + pdf + " kunde inte skrivas. Filen blev större än systemet tillåter.\n");
    EXPECT_EQ(readBytes(pdf), "gammal");
    EXPECT_EQ(filesIn(out), 1) << "no part of the new file is left";

    TempDir errors;
    std::vector<pid_t> prints;
    for (int i = 0; i < 4; ++i) {
        prints.push_back(start("print", school, printTo(pdf), errors.file("err")));
    }
    for (pid_t p : prints) {
        EXPECT_EQ(finish(p), 0);
    }
    EXPECT_EQ(readBytes(errors.file("err")), "");
    EXPECT_NE(pdfinfo(pdf).find("Pages:           8\n"), string::npos) << pdfinfo(pdf);
    EXPECT_EQ(filesIn(out), 1);
}

// No output file the user names replaces one of the school's files, by whatever path.
TEST(CommandLine, PrintAndExportNeverWriteOverTheSchoolsFiles) {
    TempDir school;
    demoSchool(school);
    const string bok = school.file("backup/../demo.bok");
    const string before = readBytes(school.file("demo.bok")) + readBytes(school.file("Tivra.ini"));
    EXPECT_EQ(run("print", school, {"--weeks", "50", "--all-rooms", "--pdf", bok}).said(),
              "1: " + bok + " är en av skolans filer och kan inte skrivas över.\n");
    EXPECT_EQ(run("export", school, {"--csv", "--object", "c1", "--out", school.file("Tivra.ini")}).said(),
              "1: Exportera: " + school.file("Tivra.ini") +
                  " är en av skolans filer och kan inte skrivas över.\n");
    EXPECT_EQ(readBytes(school.file("demo.bok")) + readBytes(school.file("Tivra.ini")), before);
}

// `tivra book` stores the booking in the code page of the file, with a decimal point on a
// Swedish workstation too, and refuses with status 1 what the file cannot hold.
TEST(BookCommand, BooksInTheCodePageOfTheFileWithADecimalPointAndRefusesWhatItCannotStore) {
    TempDir dir;
    school(dir, {});
    auto book = [&](const string& comment) {
        return run("book", dir,
                   {"--week", "10", "--day", "FRE", "--start", "9.00", "--length", "45.5", "--object", "R1",
                    "--signature", "ab", "--comment", comment},
                   {"LC_ALL=sv_SE.UTF-8"})
            .said();
    };
    EXPECT_EQ(book("\xE6\x97\xA5"),
              "1: Argumentet till --comment har tecken som bokningsfilen inte kan lagra.\n");
    EXPECT_EQ(readBytes(dir.file("liten.bok")), bookingFile({}));
    EXPECT_EQ(book("K\xC3\xB6r"), "0: ");
    EXPECT_EQ(readBytes(dir.file("liten.bok")),
              crlf({"Antal:  1 ", "AB", "K\xF6r", "45.5", "5", "09.00", "R1", "", "10", ""}));
}

// `book --week 45-47` stores one row over the three weeks and is refused as a whole when
// one of them is taken; in a school year from week 34 week 1 is 53 and a range over New
// Year counts on; `cancel` finds a booking by options read as `book` reads them.
TEST(BookCommand, ARangeIsOneRowRefusedAsAWholeWhenOneOfItsWeeksIsTakenAndCancelFindsItAsTyped) {
    TempDir dir;
    const Row taken = booking("CD", 1, 2, 9, 46);
    const Row newYearsWeek = booking("AB", 1, 2, 9, 53);
    school(dir, {taken, newYearsWeek}, 34, 76);
    const string before = readBytes(dir.file("liten.bok"));
    Row range = booking("AB", 1, 2, 9, 45);
    range.vecka = "45-47";
    EXPECT_EQ(run("book", dir, optionsFor(range)).said(), "1: Boka: Angiven tid redan bokad vecka 46.\n");
    EXPECT_EQ(readBytes(dir.file("liten.bok")), before);

    range.objekt = "R2";
    // Options before the mode too.
    std::vector<string> words{"--dir", dir.path().string()};
    const std::vector<string> options = optionsFor(range);
    words.insert(words.end(), options.begin(), options.begin() + 8);
    words.emplace_back("book");
    words.insert(words.end(), options.begin() + 8, options.end());
    EXPECT_EQ(runWords(words).said(), "0: ");
    Row newYear = booking("B", 3, 2, 9, 50);
    newYear.vecka = "50-2";
    EXPECT_EQ(run("book", dir, optionsFor(newYear)).said(), "0: ");
    newYear.vecka = "50-54";
    EXPECT_EQ(readBytes(dir.file("liten.bok")), bookingFile({taken, newYearsWeek, range, newYear}));
    Outcome free = run("free", dir, {"--week", "45-47", "--day", "TIS", "--start", "9.00", "--length", "30"});
    EXPECT_EQ(free.said(), "0: ");
    EXPECT_EQ(free.out, "R0\nR3\nR4\nR5\nR6\nR7\n") << "R1 is taken in one week of the range";

    // Lower-case object and signature, a day name, a start without its leading zero.
    const std::vector<string> typed{"--object",    "r1",       "--day",     "tis",    "--start",
                                    "9.00",        "--length", "30.0",      "--week", "1",
                                    "--signature", "ab",       "--comment", "KAB"};
    EXPECT_EQ(run("cancel", dir, typed).said(), "0: ");
    EXPECT_EQ(run("cancel", dir, typed).said(), "1: Avboka: Ingen bokning matchar.\n");
    EXPECT_EQ(run("cancel", dir, optionsFor(range)).said(), "0: ");
    newYear.vecka = "50-2";
    EXPECT_EQ(run("cancel", dir, optionsFor(newYear)).said(), "0: ");
    EXPECT_EQ(readBytes(dir.file("liten.bok")), bookingFile({taken}));
}

} // namespace
} // namespace tivra

// The command line as a script meets it: read whole before anything starts, options before
// or after the mode, every mistake refused with its exit status instead of corrected into
// something the script did not ask for.
#include "app/CommandLine.h"
#include "app/Process.h"

#include <filesystem>

namespace tivra {
namespace {

using namespace test;
using std::string;
using Words = std::vector<string>;

QStringList qWords(const Words& words) {
    QStringList out;
    for (const string& w : words) {
        out.append(QString::fromStdString(w));
    }
    return out;
}

// What the reader makes of the words, as "window FOLDER|FILE", "mode NAME" or the answer.
string readAs(const Words& words) {
    CommandCall call = readCommandLine(qWords(words));
    if (const auto* window = std::get_if<WindowCall>(&call)) {
        return "window " + window->start.folder.toStdString() + "|" + window->start.bookingFile.toStdString();
    }
    if (const auto* mode = std::get_if<ModeCall>(&call)) {
        return string("mode ") + mode->mode->name;
    }
    const Answer& answer = std::get<Answer>(call);
    return std::to_string(exitCode(answer.status)) + ": " + answer.text;
}

TEST(CommandLine, ReadsWhereTheWindowStartsOrWhichModeRuns) {
    TempDir school;
    writeBytes(school.file("skola.bok"), "Antal: 0 \r\n");
    const string folder = school.path().string();
    const string file = school.file("skola.bok");
    const std::pair<Words, string> cases[] = {
        {{}, "window |"},
        {{"--dir", folder}, "window " + folder + "|"},
        {{folder}, "window " + folder + "|"},
        {{file}, "window " + folder + "|" + file},
        {{"--dir", folder, "check"}, "mode check"},
        {{"check", "--dir", folder}, "mode check"},
        {{"--week", "10", "book", "--day", "TIS"}, "mode book"},
        {{"book", "--comment", "-h"}, "mode book"}, // a value, not the help
        {{school.file("saknas.bok")},
         "2: Ok\xC3\xA4nt l\xC3\xA4ge eller fil: " + school.file("saknas.bok") + ". Se tivra --help.\n"},
        {{"--dir", file},
         "2: Mappen " + file + " kan inte \xC3\xB6ppnas: Det finns en fil d\xC3\xA4r en mapp skulle vara.\n"},
        {{"--week", "10"},
         "2: Flaggan --week h\xC3\xB6r till ett l\xC3\xA4ge; ange l\xC3\xA4get. Se tivra --help.\n"},
    };
    for (const auto& [words, expected] : cases) {
        EXPECT_EQ(readAs(words), expected) << ::testing::PrintToString(words);
    }
}

// Without a display a mistake is refused in Swedish with status 2 before the school is
// read; options stand before or after the mode; the help says what a script needs.
TEST(CommandLine, AMistakeIsRefusedWithStatusTwoWithoutADisplayAndOptionsMayPrecedeTheMode) {
    TempDir school;
    demoSchool(school);
    const string dir = school.path().string();
    const std::pair<Words, string> cases[] = {
        {{"--dir", dir, "chekc"}, "2: Ok\xC3\xA4nt l\xC3\xA4ge eller fil: chekc. Se tivra --help.\n"},
        {{"--dir", dir, "print", "--pdf"}, "2: V\xC3\xA4rde saknas efter --pdf.\n"},
        {{"--weeks", "--dir", dir, "print"}, "2: V\xC3\xA4rde saknas efter --weeks.\n"},
        {{"export", "--csv", "--object", "c1", "--out"}, "2: V\xC3\xA4rde saknas efter --out.\n"},
        {{"export", "--csv", "--object"}, "2: V\xC3\xA4rde saknas efter --object.\n"},
        {{"check", "--färg"}, "2: Ok\xC3\xA4nd flagga: --f\xC3\xA4rg. Se tivra --help.\n"},
        {{"check", "--week", "10"}, "2: L\xC3\xA4get check har ingen flagga --week. Se tivra --help.\n"},
        {{"check", "--dir", dir, "--dir", dir}, "2: --dir \xC3\xA4r angiven tv\xC3\xA5 g\xC3\xA5nger.\n"},
        {{"--dir", dir + "/saknas", "check"}, "2: Mappen " + dir + "/saknas finns inte.\n"},
        {{"--dir", dir, "print", "--all-rooms", "--page-size", "B9"},
         "2: Ok\xC3\xA4nt pappersformat: B9. V\xC3\xA4lj A4, A3, A5, Letter eller Legal.\n"},
        {{dir + "/ingen.bok"},
         "2: Ok\xC3\xA4nt l\xC3\xA4ge eller fil: " + dir + "/ingen.bok. Se tivra --help.\n"},
        {{"--dir", dir + "/saknas"}, "2: Mappen " + dir + "/saknas finns inte.\n"},
        {{"--dir", dir, "check"}, "0: "},
        {{"check", "--dir", dir}, "0: "},
    };
    for (const auto& [words, said] : cases) {
        EXPECT_EQ(runWords(words).said(), said) << ::testing::PrintToString(words);
    }
    Outcome help = runWords({"--help"});
    EXPECT_EQ(help.said(), "0: ");
    for (const char* part : {"\nL\xC3\xA4gen\n", "\nVeckor\n", "\nSlutstatus\n", "\n  --week VECKA ",
                             "\n  2   Fel p\xC3\xA5 kommandoraden, eller starten avslutade programmet.\n"}) {
        EXPECT_NE(help.out.find(part), string::npos) << part;
    }
}

// The school year 34-76 of a school that books in the autumn and the spring.
void autumnSchool(const TempDir& dir, const std::vector<Row>& bookings) {
    school(dir, bookings, 34);
    writeBytes(dir.file("Tivra.ini"),
               crlf({"SCHEMA: liten", "BOKNINGSFIL: liten.bok", "STARTVECKA: 34", "SLUTVECKA: 76"}));
}

// What the window's week box would correct, and a day it would not find, the command line
// refuses, and the file stays as it was.
TEST(BookCommand, RefusesAWeekOrDayTheWindowWouldCorrectAndLeavesTheFileAsItWas) {
    TempDir dir;
    const Row taken = booking("CD", 2, 2, 10, 40);
    autumnSchool(dir, {taken});
    const string before = readBytes(dir.file("liten.bok"));
    const string week = "1: Boka: Ange vecka/veckor.\n";
    const string day = "1: Boka: Ange giltig veckodag.\n";
    // The options of a booking of R1 on Tuesday at 9 in week 40, with one changed or left out.
    auto with = [](const string& name, const std::optional<string>& value) {
        Words words;
        const std::pair<string, string> all[] = {{"--object", "R1"}, {"--week", "40"},
                                                 {"--day", "TIS"},   {"--start", "9.00"},
                                                 {"--length", "45"}, {"--signature", "AB"}};
        for (const auto& [option, standard] : all) {
            if (option != name) {
                words.insert(words.end(), {option, standard});
            } else if (value) {
                words.insert(words.end(), {option, *value});
            }
        }
        return words;
    };
    const std::tuple<string, Words, string> cases[] = {
        {"book", with("--week", "30"), week}, // after SLUTVECKA, which the window would show
        {"book", with("--week", "abc"), week},
        {"book", with("--week", "0"), week},
        {"book", with("--week", "-1"), week},
        {"book", with("--week", "54"), week},
        {"book", with("--week", "99"), week},
        {"book", with("--week", "4.5"), week},
        {"book", with("--week", "45-"), week},
        {"book", with("--week", "45-30"), week},
        {"book", with("--week", ""), week},
        {"book", with("--week", std::nullopt), week},
        {"book", with("--day", ""), day},
        {"book", with("--day", std::nullopt), day},
        {"book", with("--day", "L\xC3\x96R"), day}, // no weekend in this school
        {"cancel", with("--week", "abc"), "1: Avboka: Ange vecka/veckor.\n"},
        {"cancel", with("--day", "X"), "1: Avboka: Ange giltig veckodag.\n"},
        {"free",
         {"--week", "99", "--day", "TIS", "--start", "9.00", "--length", "45"},
         "1: Lediga salar: Ange vecka/veckor.\n"},
        {"free",
         {"--week", "40", "--start", "9.00", "--length", "45"},
         "1: Lediga salar: Ange giltig veckodag.\n"},
    };
    for (const auto& [mode, words, said] : cases) {
        EXPECT_EQ(run(mode, dir, words).said(), said) << mode << ' ' << ::testing::PrintToString(words);
        EXPECT_EQ(readBytes(dir.file("liten.bok")), before);
    }
}

// Names in --rooms, --objects and --person that name nothing refuse the printout or the
// export, each named, and nothing is written.
TEST(CommandLine, UnknownNamesRefuseThePrintoutAndTheExportAndNothingIsWritten) {
    TempDir school;
    TempDir out;
    demoSchool(school);
    const string pdf = out.file("ut.pdf");
    const std::tuple<string, Words, string> cases[] = {
        {"print",
         {"--weeks", "50", "--rooms", "c1, c99 x1", "--pdf", pdf},
         "1: Ok\xC3\xA4nt objekt: C99\nOk\xC3\xA4nt objekt: X1\n"},
        {"print",
         {"--weeks", "50", "--objects", "datorvagn 2, kanon", "--pdf", pdf},
         "1: Ok\xC3\xA4nt objekt: KANON\n"},
        {"export", {"--csv", "--person", "zz", "--out", pdf}, "1: Ok\xC3\xA4nd person: ZZ\n"},
    };
    for (const auto& [mode, words, said] : cases) {
        Outcome outcome = run(mode, school, words);
        EXPECT_EQ(outcome.said(), said) << ::testing::PrintToString(words);
        EXPECT_EQ(outcome.out, "");
        EXPECT_FALSE(std::filesystem::exists(pdf));
    }
    Outcome stdoutOnly = run("export", school, {"--ics", "--person", "zz"});
    EXPECT_EQ(stdoutOnly.said(), "1: Ok\xC3\xA4nd person: ZZ\n");
    EXPECT_EQ(stdoutOnly.out, "");
}

// `book --week 45-47` stores one row over the three weeks, is refused as a whole when one
// of them is taken, and `cancel --week 45-47` removes that row.
TEST(BookCommand, ARangeIsOneRowRefusedAsAWholeWhenOneOfItsWeeksIsTaken) {
    TempDir dir;
    const Row taken = booking("CD", 1, 2, 9, 46);
    autumnSchool(dir, {taken});
    const string before = readBytes(dir.file("liten.bok"));
    Row range = booking("AB", 1, 2, 9, 45);
    range.vecka = "45-47";
    EXPECT_EQ(run("book", dir, optionsFor(range)).said(), "1: Boka: Angiven tid redan bokad vecka 46.\n");
    EXPECT_EQ(readBytes(dir.file("liten.bok")), before);

    range.objekt = "R2";
    // Options before the mode too; a range over New Year counts on from 53.
    Words words{"--dir", dir.path().string()};
    Words options = optionsFor(range);
    words.insert(words.end(), options.begin(), options.begin() + 8);
    words.emplace_back("book");
    words.insert(words.end(), options.begin() + 8, options.end());
    EXPECT_EQ(runWords(words).said(), "0: ");
    Row newYear = range;
    newYear.objekt = "R3";
    newYear.vecka = "50-2";
    EXPECT_EQ(run("book", dir, optionsFor(newYear)).said(), "0: ");
    newYear.vecka = "50-54";
    EXPECT_EQ(readBytes(dir.file("liten.bok")), bookingFile({taken, range, newYear}));

    EXPECT_EQ(run("cancel", dir, optionsFor(range)).said(), "0: ");
    EXPECT_EQ(readBytes(dir.file("liten.bok")), bookingFile({taken, newYear}));
    Outcome free = run("free", dir, {"--week", "45-47", "--day", "TIS", "--start", "9.00", "--length", "30"});
    EXPECT_EQ(free.said(), "0: ");
    EXPECT_EQ(free.out, "R0\nR2\nR3\nR4\nR5\nR6\nR7\n") << "R1 is taken in one week of the range";
}

} // namespace
} // namespace tivra

// The command line as a script meets it: read whole before anything starts, options before
// or after the mode, every mistake refused with its exit status instead of corrected into
// something the script did not ask for.
#include "app/CommandLine.h"
#include "app/Process.h"

#include <filesystem>
#include <optional>
#include <tuple>

namespace tivra {
namespace {

using namespace test;
using std::string;
using Words = std::vector<string>;

// What the reader makes of the words, as "window FOLDER|FILE", "mode NAME" or the answer.
string readAs(const Words& words) {
    QStringList arguments;
    for (const string& w : words) {
        arguments.append(QString::fromStdString(w));
    }
    CommandCall call = readCommandLine(arguments);
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

// What the window's week box would correct, and a day it would not find, the command line
// refuses, and the file stays as it was.
TEST(BookCommand, RefusesAWeekOrDayTheWindowWouldCorrectAndLeavesTheFileAsItWas) {
    TempDir dir;
    school(dir, {booking("CD", 2, 2, 10, 40)}, 34, 76);
    const string before = readBytes(dir.file("liten.bok"));
    const string week = "1: Boka: Ange vecka/veckor.\n";
    const string day = "1: Boka: Ange giltig veckodag.\n";
    // The options of a booking of R1 on Tuesday at 9 in week 40, with the week or the day
    // given as this text instead, or left out.
    auto with = [](std::size_t at, const std::optional<string>& value) {
        Words words = optionsFor(booking("AB", 1, 2, 9, 40));
        if (value) {
            words[at] = *value;
        } else {
            words.erase(words.begin() + static_cast<std::ptrdiff_t>(at) - 1,
                        words.begin() + static_cast<std::ptrdiff_t>(at) + 1);
        }
        return words;
    };
    const std::size_t atDay = 3;
    const std::size_t atWeek = 9;
    const std::tuple<string, Words, string> cases[] = {
        {"book", with(atWeek, "30"), week}, // after SLUTVECKA, which the window would show
        {"book", with(atWeek, "abc"), week},
        {"book", with(atWeek, "0"), week},
        {"book", with(atWeek, "-1"), week},
        {"book", with(atWeek, "54"), week},
        {"book", with(atWeek, "4.5"), week},
        {"book", with(atWeek, "45-"), week},
        {"book", with(atWeek, ""), week},
        {"book", with(atWeek, std::nullopt), week},
        {"book", with(atDay, ""), day},
        {"book", with(atDay, std::nullopt), day},
        {"book", with(atDay, "L\xC3\x96R"), day}, // no weekend in this school
        {"cancel", with(atWeek, "abc"), "1: Avboka: Ange vecka/veckor.\n"},
        {"cancel", with(atDay, "X"), "1: Avboka: Ange giltig veckodag.\n"},
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
        {"export", {"--ics", "--person", "zz"}, "1: Ok\xC3\xA4nd person: ZZ\n"},
    };
    for (const auto& [mode, words, said] : cases) {
        Outcome outcome = run(mode, school, words);
        EXPECT_EQ(outcome.said(), said) << ::testing::PrintToString(words);
        EXPECT_EQ(outcome.out, "");
        EXPECT_FALSE(std::filesystem::exists(pdf));
    }
}

} // namespace
} // namespace tivra

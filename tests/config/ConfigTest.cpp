// The settings file, its dialog's save, the files of the timetable and the object lists, and
// the start-up that reads them all.
#include "config/ObjectLists.h"
#include "config/Settings.h"
#include "config/SettingsEdit.h"
#include "config/Startup.h"
#include "config/TimetableImport.h"
#include "config/WeekList.h"

#include "core/Path.h"
#include "support/Fakes.h"
#include "support/InFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <tuple>
#include <utility>
#include <vector>
#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tivra::test {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

// A fresh folder that is the current one, as start-up and the dialog read Tivra.ini there.
class SchoolFolder : public ::testing::Test {
  protected:
    test::TempDir dir;
    test::InFolder inside{dir.path()};
    test::ScriptedMessages messages;
    test::FaultyDisk disk;
};

Settings read(const std::string& bytes, SettingsRead expected = SettingsRead::Complete) {
    Settings s;
    EXPECT_EQ(readSettings(bytes, s), expected);
    return s;
}

TEST_F(SchoolFolder,
       SettingsFileReadsKeysAtTheStartOfTheLineAndWritesThemInTheDialogsOrderWithoutTheLegacyObjectFile) {
    // Every key, a lower-case key, a key behind a blank, keys that share their beginning with
    // another, numbers in every form, duplicates (the last wins) and a lone LF.
    Settings s = read(
        crlf({"SCHEMA:  schema\\HT08.SCH ", "BOKNINGSOBJEKT: gamla.txt", "BOKNINGSFIL:bok.bok",
              "BACKUP: \\\\server\\backup", "SKOLA: A\nSKOLA: Norra skolan", " SKOLA: ignored"}) +
        crlf({"skola: ignored", "TONING: 3.5", "TONING LEKTION: -0.5", "FONT1: Verdana", "FONT2:", "NONSENSE",
              "", "STARTTID: 9", "STARTTID: 7.75", "SLUTTID:17", "STARTVECKA:  3 4"}) +
        crlf({"SLUTVECKA: 76", "LINJEBREDD: 2.5", "HELG: 0.6", "BOKA: Kanon 1", "BOKA: dator,vagn",
              "BOKA:   ", "PERIOD: datasal 36-39", "BOKA: \xE5k"}));
    EXPECT_EQ(s.objektfil, "gamla.txt");
    // Values trimmed; the whole part of the hours, the rest rounded to even; blanks inside a
    // number skipped; lists appended, normalised.
    ASSERT_TRUE(writeSettingsFile(s, disk));
    EXPECT_EQ(
        readBytes("Tivra.ini"),
        crlf({"SCHEMA: schema\\HT08.SCH", "BOKNINGSFIL: bok.bok", "STARTTID:  7", "SLUTTID:  17",
              "STARTVECKA:  34", "SLUTVECKA:  76", "SKOLA: Norra skolan", "BACKUP: \\\\server\\backup",
              "FONT1: Verdana", "FONT2: ", "LINJEBREDD:  2", "TONING:  4", "TONING LEKTION:  0", "HELG:  1",
              "PERIOD: DATASAL 36-39", "BOKA: KANON 1", "BOKA: DATOR VAGN", "BOKA: \xC5K"}));
    Settings back;
    EXPECT_EQ(readSettingsFile(disk, back), SettingsRead::Complete);
    EXPECT_EQ(std::tuple(back.objektfil, settingsText(back)), std::tuple("", settingsText(s)));

    // No number reads as 0; weekends are either shown or not.
    EXPECT_EQ(std::tuple(read("SLUTVECKA: x\r\n").slutvecka, read("HELG: 2\r\n").helg,
                         read("HELG: 1\r\nHELG: -1\r\n").helg),
              std::tuple(0, 0, 0));
}

TEST(Settings, AnErrorStopsReadingAndKeepsWhatWasRead) {
    // The 201st BOKA: line: the list keeps 200, later lines are lost.
    Settings s = read(crlf({"SKOLA: before"}) + crlf(Lines(201, "BOKA: O")) + crlf({"SKOLA: after"}),
                      SettingsRead::Stopped);
    EXPECT_EQ(std::tuple(s.bokaobjekt.size(), s.skola), std::tuple(200u, "before"));
    // A number beyond 16 bits is an error at its line, not a wrapped value.
    s = read(crlf({"STARTTID: 9", "SLUTVECKA: 40000", "SLUTTID: 12"}), SettingsRead::Stopped);
    EXPECT_EQ(std::tuple(s.starttimme, s.slutvecka, s.sluttimme), std::tuple(9, 52, 16));
}

// Fields as the dialog fills them from the built-in defaults, with the given changes.
class SettingsEditTest : public SchoolFolder {
  protected:
    Settings running;
    SettingsFields fields = settingsFields(Settings{});

    SettingsSaved save() { return saveSettings(fields, running, disk, messages); }
    // The message of a save that refuses, or "" when it saves.
    std::string refusal() {
        messages.shown.clear();
        return save() == SettingsSaved::Saved ? "" : messages.log().at(0);
    }
};

TEST_F(SettingsEditTest, HoursAndWeeks) {
    // The four fields, the refusal, the hours and weeks taken over.
    const std::tuple<Lines, std::string, std::tuple<int, int, int, int>> cases[] = {
        {{"8", "8", "34", "24"}, "Tivra.ini|Ange giltiga tider.", {0, 0, 0, 0}},
        {{"7.9", "16", "1", "52"}, "", {7, 16, 1, 52}},
        {{"8", "16", "60", "24"}, "Tivra.ini|Ange giltiga veckor.", {8, 16, 0, 0}},
        {{"8", "16", "34", "0"}, "Tivra.ini|Ange giltiga veckor.", {8, 16, 0, 0}},
        {{"0", "24", "34", "24"}, "", {0, 24, 34, 76}}};
    for (const auto& [typed, message, taken] : cases) {
        running.starttimme = running.sluttimme = running.startvecka = running.slutvecka = 0;
        fields.starttid = typed[0], fields.sluttid = typed[1], fields.startvecka = typed[2],
        fields.slutvecka = typed[3];
        EXPECT_EQ(refusal(), message) << typed[0] << " " << typed[1] << " " << typed[2] << " " << typed[3];
        EXPECT_EQ(std::tuple(running.starttimme, running.sluttimme, running.startvecka, running.slutvecka),
                  taken);
    }
    EXPECT_EQ(settingsFields(running).slutvecka, "24"); // shown as the calendar week again
}

TEST_F(SettingsEditTest, PeriodLinesOneRuleForAllAndNoListLongerThanTheProgramHolds) {
    const std::string weeks = "Redigera Tivra.ini|Ange giltiga veckor f\xF6r perioden.";
    // The periods, the objects, the refusal.
    const std::tuple<std::string, std::string, std::string> cases[] = {
        {"Datasal 36-39\r\n\r\n  15 36-37  \r\nSAL 1 12-20\r\nDatasal 36 - 39", "", ""},
        {"Datasal 36-39\r\nDatasal36-39", "",
         "Redigera Tivra.ini|Ange perioder i formen objekt startvecka-slutvecka."},
        {"Datasal 40-36", "", weeks},
        {"Datasal 53", "", weeks},
        {crlf(Lines(101, "SAL 40")), "", "Tivra.ini|H\xF6gst 100 bokningsperioder."},
        {"", crlf(Lines(201, "OBJ")), "Tivra.ini|H\xF6gst 200 bokningsobjekt."}};
    for (const auto& [perioder, objekt, message] : cases) {
        fields.perioder = perioder, fields.objekt = objekt;
        EXPECT_EQ(refusal(), message) << perioder;
    }
}

TEST_F(SettingsEditTest, TakesOverWritesEveryLineAndCreatesTheBookingFile) {
    fields.schema = "D:\\schema\\vt.sch", fields.backup = "backup", fields.bokningsfil = "boka.txt";
    fields.sluttid = "17", fields.startvecka = "34", fields.slutvecka = "24", fields.helg = true;
    fields.perioder = "Datasal 36-39\r\nKANON 1 40", fields.skola = "Sj\xF6\xE4ngens skola";
    fields.linjebredd = "0", fields.toning = "300", fields.toninglektion = "50";
    fields.objekt = "kanon 1\r\n\r\ndator,vagn\r\n";
    EXPECT_EQ(save(), SettingsSaved::Saved);
    EXPECT_EQ(
        messages.log(),
        (Lines{"Redigera ini-fil|Tivra.ini sparad. Starta om programmet f\xF6r att ta v\xE4rdena i bruk."}));
    EXPECT_EQ(readBytes("boka.bok"), "Antal: 0\r\n");
    EXPECT_EQ(readBytes("Tivra.ini"),
              crlf({"SCHEMA: D:\\schema\\vt", "BOKNINGSFIL: boka.bok", "STARTTID:  8", "SLUTTID:  17",
                    "STARTVECKA:  34", "SLUTVECKA:  76", "SKOLA: Sj\xF6\xE4ngens skola", "BACKUP: backup",
                    "FONT1: Arial", "FONT2: Times New Roman", "LINJEBREDD:  4", "TONING:  255",
                    "TONING LEKTION:  100", "HELG:  1", "PERIOD: Datasal 36-39", "PERIOD: KANON 1 40",
                    "BOKA: KANON 1", "BOKA: DATOR VAGN"}));
    // Pointed at a booking file that exists, the dialog leaves it as it is.
    writeBytes("boka.bok", "Antal: 1\r\n");
    running.bokningsfil.clear();
    EXPECT_EQ(save(), SettingsSaved::Saved);
    EXPECT_EQ(readBytes("boka.bok"), "Antal: 1\r\n");
}

TEST_F(SettingsEditTest, AFailedWriteLeavesTheFilesWholeAndSaysWhich) {
    writeBytes("Tivra.ini", "SKOLA: gammal\r\n");
    fields.schema = "ny", fields.starttid = "9", fields.bokningsfil = "ny.bok";
    disk.onWrite = [](const std::string& path, std::string_view) {
        return path == "ny.bok" ? std::optional<bool>(false) : std::nullopt;
    };
    EXPECT_EQ(refusal(), "Tivra.ini|Kan inte skapa bokningsfilen ny.bok.");

    fields.bokningsfil = "";
    disk.onReplace = [](const std::string&, const std::string&) { return std::optional<bool>(false); };
    EXPECT_EQ(save(), SettingsSaved::NotWritten);
    EXPECT_EQ(messages.log().back(), "Spara Tivra.ini|Kunde inte spara Tivra.ini");
    EXPECT_EQ(readBytes("Tivra.ini"), "SKOLA: gammal\r\n");
}

// The files of the timetable and the object lists.
class TimetableFiles : public SchoolFolder {
  protected:
    Timetable timetable;
    BookingTable table;

    std::string put(const std::string& name, const std::string& bytes) {
        writeBytes(name, bytes);
        return name;
    }
    bool ini(const Lines& lines) {
        return readTimetableIni(put("s.ini", crlf(lines)), disk, messages, timetable);
    }
    bool sca(const std::string& bytes) { return readLessons(put("s.sca", bytes), disk, timetable, table); }
    // A row's ten fields, each followed by "|".
    std::string row(int i) const {
        std::string out;
        for (auto field : kBokningFields) {
            out += table.row(i).*field + "|";
        }
        return out;
    }
};

TEST_F(TimetableFiles, IniReadsSchoolYearAndPeriodsInAnyCaseAndRejectsAMalformedYear) {
    EXPECT_TRUE(ini({"[Schema]", "  period: ht=34-51 ", "PERIOD:VT=2-24", "l\xE4s\xE5r: 2008/09",
                     "L\xC4S\xC5R: HT 2009/10", "OTHER: x"}));
    EXPECT_EQ(timetable.schemaperioder, (Lines{"HT=34-51", "VT=2-24"}));
    EXPECT_EQ(timetable.lasar, "2009/10"); // the later line wins; the term before it is cut
    const Lines rejected{"L\xE4s in schemats inifil|Fel form p\xE5 l\xE4s\xE5rsangivelse i schemats inifil."};
    const std::pair<std::string, bool> years[] = {{"08/09", true}, {"2008", true},     {"", true},
                                                  {"8/9", false},  {"1999/00", false}, {"HT 8", false}};
    for (const auto& [year, accepted] : years) {
        messages.shown.clear();
        EXPECT_TRUE(ini({"L\xC4S\xC5R: " + year}));
        EXPECT_EQ(timetable.lasar, accepted ? year : "") << year;
        EXPECT_EQ(messages.log(), accepted ? Lines{} : rejected) << year;
    }

    // The 51st period stops the reading: silent, yet the malformed year must not reach the calendar.
    Lines lines{"L\xC4S\xC5R: 8/9"};
    for (int i = 1; i <= 51; ++i) {
        lines.push_back("PERIOD: P" + std::to_string(i) + "=" + std::to_string(i));
    }
    lines.push_back("L\xC4S\xC5R: 2030/31"); // after the stop: never read
    messages.shown.clear();
    EXPECT_FALSE(ini(lines));
    EXPECT_EQ(std::tuple(timetable.schemaperioder.size(), timetable.lasar, messages.shown.size()),
              std::tuple(50u, "", 0u));
}

TEST_F(TimetableFiles,
       LessonsTakeEveryFieldOfARecordRecordsWithoutAWeekdayAreDroppedAndAnOverfullFileKeepsNone) {
    timetable.schemaperioder = {"HT=34-51"};
    ASSERT_TRUE(sca(crlf({"Ma2c", "na,1b", "ab cd", "B12 B14", "40 min", "M\xC5N 8.15",
                          "NOT: Prov VECKOR: 2-4", "", ""}) +
                    crlf({"Sv1", "Te1", "ef", "A1", "55", "FRE  10.30 ", "VECKOR: HT", ""}) +
                    crlf({"Fy", "x", "y", "C1", "90MIN", "TOR 9.00", "VECKOR: 0834-0851", ""}) +
                    // Dropped: a Saturday, a lower-case day name
                    crlf({"L\xD6R", "g", "ab", "A1", "40 min", "L\xD6R 9.00", ""}) +
                    crlf({"x", "g", "ab", "A1", "40", "m\xE5n 8.00", "NOT: x", "VECKOR: 5", "a", "b", "A2",
                          "40", "ONS 9.00", ""}) +
                    // A long record: its lines after the sixth are read only for notes and weeks.
                    crlf({"Lang", "g", "ab", "A3", "60 min", "ONS 14.00"}) + crlf(Lines(20, "extra")) +
                    crlf({"VECKOR: 7", ""}) +
                    // An empty note; records that end before their sixth line.
                    crlf({"Ma", "g", "ab", "A1", "40", "FRE 8.00", "NOT:", "", "Ma", "", "Sv"})));
    // The fields: signatur, kommentar, langd, dag, starttid, objekt, larare, vecka, notering, veckor;
    // one row for both rooms; only "min" marks the unit.
    ASSERT_EQ(std::tuple(table.antallektioner, table.antalrader), std::tuple(5, 5));
    EXPECT_EQ(row(1), "MA2C|NA 1B|40|1|08.15|B12 B14|AB CD||Prov VECKOR: 2-4|2-4|");
    EXPECT_EQ(row(2), "SV1|TE1|55|5|10.30|A1|EF|||34-51|");
    EXPECT_EQ(row(3), "FY|X|90MIN|4|09.00|C1|Y|||34-51|");
    EXPECT_EQ(row(4), "LANG|G|60|3|14.00|A3|AB|||7|");
    EXPECT_EQ(row(5), "MA|G|40|5|08.00|A1|AB||||");

    // A full table, then one lesson more: nothing kept
    const std::string full = crlf(Lines(kMaxRows, "Ma\r\ng\r\nab\r\nA1\r\n40 min\r\nM\xC5N 8.00\r\n"));
    ASSERT_TRUE(sca(full + crlf({"", "", "x", "", "L\xD6R 8.00"})));
    EXPECT_EQ(std::tuple(table.antallektioner, table.antalrader), std::tuple(kMaxRows, kMaxRows));
    EXPECT_FALSE(sca(full + crlf({"Ma", "g", "ab", "A1", "40 min", "M\xC5N 8.00"})));
    EXPECT_EQ(std::tuple(table.antallektioner, table.antalrader, table.rows.size()), std::tuple(0, 0, 1u));
}

TEST(WeekLists, PeriodNamesBlanksAndFourDigitWeeks) {
    const Lines perioder{"HT=34-51", "VT=2-24", "=9", "X"};
    // Only whole words are replaced, and only the first occurrence.
    const std::pair<const char*, const char*> replaced[] = {{"HT 2-4", "34-51 2-4"}, {"ht", "34-51"},
                                                            {"VT HT", "2-24 34-51"}, {"HTX 5", "HTX 5"},
                                                            {"HT HT", "34-51 HT"},   {"X 9", "X 9"}};
    for (const auto& [text, weeks] : replaced) {
        EXPECT_EQ(ersattperioder(text, perioder), weeks) << text;
    }
    std::string ordered;
    for (const char* text :
         {"  2  -   4   8 ", "2-  4", "   ", "0834-0851  2- 4", "0000 2008 abcd 12345", "50-3", "--", "2-"}) {
        ordered += ordnaveckor(text) + "|";
    }
    EXPECT_EQ(ordered, "2 -4 8|2-4||34-51 2-4|0000 08 abcd 12345|50-3|--|2-|");
}

TEST_F(TimetableFiles, StaffRoomsAndLegacyObjectsNormalisedSkipEmptyLinesAndStopOverTwoHundred) {
    Lines lines{"ab, Anna Berg", "", "   ", "\x8Ek \xC5sa \xD6stlund", "  cd,,Carl D ", "ef"};
    EXPECT_TRUE(readStaff(put("s.sig", crlf(lines)), disk, timetable));
    EXPECT_EQ(timetable.personal, (Lines{"AB Anna Berg", "\xC4K \xC5sa \xD6stlund", "CD Carl D", "EF"}));
    lines.resize(lines.size() + 197, "s Namn"); // 201 entries: the first 200 kept
    EXPECT_FALSE(readStaff(put("s.sig", crlf(lines)), disk, timetable));
    EXPECT_EQ(timetable.personal.size(), 200u);

    // Descriptions, lower case, DOS letters, blank lines, bare line feeds and a last line
    // without line end: each room once, in file order.
    EXPECT_EQ(
        readRooms(put("s.sal", "A 101 Fysiksal\r\nb12\n\r\n   \n  sl\x94jd  verkstad\r\nm,\x8Flarsal\nC3"),
                  disk),
        (Lines{"A", "B12", "SL\xD6JD", "M", "C3"}));
    lines.assign(200, "R");
    lines.emplace_back(); // empty lines do not count as rooms
    EXPECT_EQ(readRooms(put("full.sal", crlf(lines)), disk).value_or(Lines{}).size(), 200u);
    lines.emplace_back("R");
    EXPECT_FALSE(readRooms(put("over.sal", crlf(lines)), disk));
    // A legacy object file keeps whole lines, normalised.
    EXPECT_EQ(readObjectFile(put("obj.txt", crlf({"Kanon 1", "", "   ", "dator,vagn", " tv "})), disk),
              (Lines{"KANON 1", "DATOR VAGN", " TV "}));
    EXPECT_FALSE(readObjectFile(put("lang.txt", crlf(lines)), disk));
}

TEST(Periods, RestrictOnlyTheirObjectToTheirWeeks) {
    // The first of two entries counts; KANON is the first word of KANON 1, whose entry is no
    // period of KANON; entries that are no week or range restrict nothing.
    const Lines perioder{"DATASAL 36-39", "DATOR VAGN 40", "DATASAL 10-12", "KANON 1 36-39", "KANON 45"};
    EXPECT_EQ(periodRefusal(perioder, "KANON 1", 40), "KANON 1 kan bara bokas veckorna 36-39.");
    EXPECT_EQ(periodRefusal(perioder, "KANON", 36), "KANON kan bara bokas vecka 45.");
    EXPECT_FALSE(periodRefusal(perioder, "DATOR", 1) || periodRefusal(perioder, "B12", 1) ||
                 periodRefusal({"DATASAL HT", "DATASAL 36-", "DATASAL -39", "DATASAL"}, "DATASAL", 1));
    // A range over the new year is written in school-year weeks.
    EXPECT_FALSE(periodRefusal(perioder, "DATASAL", 36) || periodRefusal(perioder, "DATASAL", 39) ||
                 periodRefusal(perioder, "B12", 1) || periodRefusal({"AULA 50-55"}, "AULA", 54));
    EXPECT_EQ(periodRefusal(perioder, "DATASAL", 35), "DATASAL kan bara bokas veckorna 36-39.");
    EXPECT_EQ(periodRefusal(perioder, "DATOR VAGN", 41), "DATOR VAGN kan bara bokas vecka 40.");
    EXPECT_TRUE(periodRefusal({"AULA 50-3"}, "AULA", 51));
}

class Startup : public SchoolFolder {
  protected:
    test::FixedClock clock{Date{2024, 9, 11}}; // a Wednesday in calendar week 37
    Platform platform{disk, clock, messages};
    Program program;
    StartupView view;

    void settings(const Lines& lines) { writeBytes("Tivra.ini", crlf(lines)); }
    // Start-up from scratch; the messages it shows.
    Lines run() {
        messages.shown.clear();
        view = startup(program, platform);
        return messages.log();
    }
    // The single-list mode, the staff view and the print dialog's room row.
    std::tuple<bool, bool, bool> modes() const {
        return {view.singleList, view.option3Enabled, view.printRoomRowEnabled};
    }
};

TEST_F(Startup, WeeksDaysAndObjectsFromTheSettingsAndToday) {
    const Lines period{"STARTVECKA: 34", "SLUTVECKA: 76", "BOKA: kanon", "BOKA: vagn"};
    // Settings, today, the week list (first..last/count), today's week and as shown, the number
    // of days and today's, the objects. A period over the new year counts on from 52; with no
    // room list the BOKA: objects are the list; today's Sunday is chosen only with the weekend
    // shown; an empty but sane range is no fault.
    const std::tuple<Lines, Date, std::string, int, std::string, std::size_t, std::string, int, Lines>
        cases[] = {{{}, {2024, 9, 11}, "1..52/52", 37, "37", 5, "ONS", 3, {}},
                   {period, {2024, 2, 14}, "34..24/43", 59, "7", 5, "ONS", 3, {"KANON", "VAGN"}},
                   {{}, {2024, 9, 13}, "1..52/52", 37, "37", 5, "FRE", 5, {}},
                   {{}, {2024, 9, 15}, "1..52/52", 37, "37", 5, "", 0, {}},
                   {{"HELG: 1"}, {2024, 9, 15}, "1..52/52", 37, "37", 7, "S\xD6N", 7, {}},
                   {{"STARTVECKA: 40", "SLUTVECKA: 30"}, {2024, 9, 11}, "", 89, "37", 5, "ONS", 3, {}}};
    for (const auto& [lines, today, weekList, week, weekText, days, dayText, valddag, objects] : cases) {
        SCOPED_TRACE(today.day);
        settings(lines);
        clock.date = today;
        EXPECT_TRUE(run().empty());
        const Lines& w = view.weekList;
        EXPECT_EQ(std::tuple(view.ended,
                             w.empty() ? "" : w.front() + ".." + w.back() + "/" + std::to_string(w.size()),
                             program.selection.valdvecka, view.weekText),
                  std::tuple(false, weekList, week, weekText));
        EXPECT_EQ(std::tuple(view.dayList.size(), view.dayText, program.selection.valddag),
                  std::tuple(days, dayText, valddag));
        EXPECT_EQ(
            std::tuple(modes(), program.selection.viewKind, view.objectList, program.selection.valtobjekt),
            std::tuple(std::tuple(true, false, false), ViewKind::Annat, objects, objects.empty() ? 0 : 1));
    }
}

TEST_F(Startup, HoursThatMakeNoDayAreReplacedAbsurdWeeksEndItAndTheBackupFolderIsCreatedOrReported) {
    for (const Lines& lines :
         {Lines{"STARTTID: 9", "SLUTTID: 9"}, Lines{"SLUTTID: 25"}, Lines{"STARTTID: -1"}}) {
        settings(lines);
        ASSERT_EQ(run().size(), 1u) << lines[0];
        EXPECT_EQ(std::tuple(view.ended, program.settings.starttimme, program.settings.sluttimme,
                             messages.shown[0].title, messages.shown[0].icon),
                  std::tuple(false, 8, 16, "Fel vid programstart", Icon::Exclamation));
    }
    EXPECT_EQ(messages.shown[0].text,
              "Felaktiga tider i Tivra.ini: STARTTID -1 och SLUTTID 16. Tiderna 8 och 16 anv\xE4nds.");
    EXPECT_EQ(readBytes("Tivra.ini"), crlf({"STARTTID: -1"})) << "the file is not rewritten";
    settings({"STARTTID: 0", "SLUTTID: 24"});
    EXPECT_TRUE(run().empty()) << "0 to 24 is a day";

    settings({"STARTVECKA: 1", "SLUTVECKA: 30000", "BOKNINGSFIL: bok.bok", "BOKA: kanon"});
    writeBytes("bok.bok", crlf({"Antal:  0"}));
    EXPECT_EQ(run(),
              Lines{"Fel vid programstart|Felaktiga veckor i Tivra.ini: STARTVECKA 1 och SLUTVECKA 30000."});
    EXPECT_TRUE(view.ended);

    // The folder is created and named with a separator at its end
    settings({"BACKUP: kopior"});
    EXPECT_TRUE(run().empty());
    EXPECT_TRUE(fs::is_directory(dir.path() / "kopior"));
    EXPECT_EQ(program.settings.backupmapp, "kopior" + std::string(1, folderSeparator()));
    // Only the last level is created; the reason is told in Swedish
    settings({"BACKUP: saknas/under"});
    EXPECT_EQ(run(),
              Lines{"Skapa backupmapp|Kan inte skapa saknas/under.\r\nFilen eller mappen finns inte."});
    EXPECT_EQ(std::tuple(messages.shown[0].icon, view.ended, program.settings.backupmapp),
              std::tuple(Icon::Exclamation, false, "saknas/under"));
}

// Colleagues of one group share the school folder (2775) and the booking file (664). The
// first to start, whatever their umask, makes the backup folder and its copies as shared,
// so that another's first start on a later day writes them too; what a copy killed in its
// write left in the backup folder is removed once it is old.
TEST_F(Startup, TheBackupFolderAndItsCopiesAreAsSharedAsTheBookingFile) {
#ifdef _WIN32
    GTEST_SKIP() << "POSIX only: permission bits and groups";
#else
    if (::geteuid() != 0) {
        GTEST_SKIP() << "gives files a group of which the user is no member, as root may";
    }
    constexpr gid_t kStaff = 4242;
    auto share = [](const char* path, mode_t mode) {
        ASSERT_EQ(::chown(path, 0, kStaff), 0);
        ASSERT_EQ(::chmod(path, mode), 0);
    };
    auto sharing = [](const char* path) {
        struct stat s {};
        ::stat(path, &s);
        return std::pair(s.st_mode & 07777, s.st_gid);
    };
    fs::create_directory("delad");
    share("delad", 02775);
    const std::string bytes = crlf({"Antal:  1 ", "AB", "Prov", "60", "2", "10.00", "SAL 1", "", "37", ""});
    writeBytes("delad/bok.bok", bytes);
    share("delad/bok.bok", 0664);
    settings({"BOKNINGSFIL: delad/bok.bok", "BACKUP: delad/backup"});
    const mode_t umask = ::umask(077);
    const Lines said = run();
    ::umask(umask);
    EXPECT_TRUE(said.empty());
    EXPECT_EQ(sharing("delad/backup"), std::pair(02775U, kStaff));
    EXPECT_EQ(sharing("delad/backup/bok.bk11"), std::pair(0664U, kStaff));

    const auto old = fs::file_time_type::clock::now() - std::chrono::minutes(11);
    writeBytes("delad/backup/bok.bk3.tmp0123456789abcdef", "Antal:  1 \r\nA");
    fs::last_write_time("delad/backup/bok.bk3.tmp0123456789abcdef", old);
    writeBytes("delad/backup/bok.bk12.tmpfedcba9876543210", "Antal:  1 \r\n"); // a copy being written now
    clock.date = {2024, 9, 12};
    EXPECT_TRUE(run().empty());
    EXPECT_EQ(readBytes("delad/backup/bok.bk12"), bytes);
    Lines left;
    for (const auto& entry : fs::directory_iterator("delad/backup")) {
        left.push_back(entry.path().filename().string());
    }
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (Lines{"bok.bk11", "bok.bk12", "bok.bk12.tmpfedcba9876543210"}));
#endif
}

TEST_F(Startup, TheTimetableAndBookingFileFillTheChoiceAndEachMissingFileDegradesOnlyItsOwnPart) {
    // Without the room list: reported; one list of the other objects, the timetable kept. Without
    // lessons: silent; no staff view, and the staff file is not read. Without ".ini" or ".sig":
    // silent; no school year and the period name left as it stands, or no staff.
    // What is unreadable, the messages, the three modes, and lessons, lasar, veckor, staff.
    using Stage = std::tuple<Lines, Lines, std::tuple<bool, bool, bool>,
                             std::tuple<int, std::string, std::string, Lines>>;
    const Lines noRooms{"\xD6ppna salslista|Kan inte \xF6ppna HT24.sal.\r\nRedigera vid behov Tivra.ini."};
    const Lines staff{"AB Anna Berg"};
    const Stage stages[] = {{{"HT24.sal"}, noRooms, {true, true, false}, {1, "2024/25", "34-51", staff}},
                            {{"HT24.sca"}, {}, {false, false, true}, {0, "2024/25", "", {}}},
                            {{"HT24.ini"}, {}, {false, true, true}, {1, "", "HT", staff}},
                            {{"HT24.sig"}, {}, {false, true, true}, {1, "2024/25", "34-51", {}}},
                            {{}, {}, {false, true, true}, {1, "2024/25", "34-51", staff}}};
    settings({"SCHEMA: HT24.SCH", "BOKNINGSFIL: bok.bok", "BOKA: kanon"});
    writeBytes("HT24.sal", crlf({"A 101 Fysiksal", "b12", ""}));
    writeBytes("HT24.ini", crlf({"L\xC4S\xC5R: 2024/25", "PERIOD: HT=34-51"}));
    writeBytes("HT24.sca", crlf({"MA1", "9A", "AB", "B12", "60 min", "TIS 9.00", "VECKOR: HT", ""}));
    writeBytes("HT24.sig", crlf({"ab, Anna Berg"}));
    writeBytes("bok.bok", crlf({"Antal:  1", "AB", "Prov", "60", "2", "09.00", "KANON", "", "37", ""}));
    for (const auto& [unreadable, log, modes, timetable] : stages) {
        SCOPED_TRACE(unreadable.empty() ? "none" : unreadable[0]);
        disk.onRead = [&](const std::string& path) -> std::optional<std::optional<std::string>> {
            return std::count(unreadable.begin(), unreadable.end(), path)
                       ? std::make_optional(std::optional<std::string>())
                       : std::nullopt;
        };
        EXPECT_EQ(run(), log);
        EXPECT_EQ(this->modes(), modes);
        EXPECT_EQ(std::tuple(view.objectList, program.selection.viewKind, view.objectText),
                  std::get<0>(modes) ? std::tuple(Lines{"KANON"}, ViewKind::Annat, "KANON")
                                     : std::tuple(Lines{"A", "B12"}, ViewKind::Salar, "A"));
        const BookingTable& table = program.bokningar;
        EXPECT_EQ(std::tuple(table.antallektioner, program.timetable.lasar,
                             table.antallektioner > 0 ? table.row(1).veckor : "", program.timetable.personal),
                  timetable);
        // The bookings are loaded after the lessons
        ASSERT_EQ(std::tuple(view.bookings, table.antalrader),
                  std::tuple(LoadResult::Loaded, table.antallektioner + 1));
    }
}

TEST_F(Startup, LegacyObjectFileReplacesBokaObjectsWithANotice) {
    settings({"BOKNINGSOBJEKT: gamla.txt", "BOKA: kanon"});
    writeBytes("gamla.txt", crlf({"projektor", "", "vagn"}));
    EXPECT_EQ(run(),
              Lines{"Nyhet|Fr\xE5n och med version 1.32 \xE4r listan p\xE5 bokningsobjekt inkluderad i "
                    "Tivra.ini.\r\nSpara om Tivra.ini. gamla.txt kan sedan tas bort."});
    EXPECT_EQ(std::tuple(view.objectList, program.settings.bokaobjekt),
              std::tuple(Lines{"PROJEKTOR", "VAGN"}, Lines{"PROJEKTOR", "VAGN"}));

    // Unreadable: the BOKA: objects stay and there is no notice.
    settings({"BOKNINGSOBJEKT: saknas.txt", "BOKA: kanon"});
    EXPECT_EQ(run(), Lines{"\xD6ppna lista p\xE5 bokningsobjekt|Fel vid l\xE4sning av saknas.txt"});
    EXPECT_EQ(view.objectList, Lines{"KANON"});
}

} // namespace
} // namespace tivra::test

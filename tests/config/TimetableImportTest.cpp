// The files of the timetable and the object lists.
#include "config/TimetableImport.h"

#include "config/ObjectLists.h"
#include "config/WeekList.h"
#include "support/Fakes.h"

#include <tuple>
#include <utility>

#include <gtest/gtest.h>

namespace tivra {
namespace {

using test::crlf;
using Lines = std::vector<std::string>;

struct Fixture {
    test::TempDir dir;
    test::FaultyDisk disk;
    test::ScriptedMessages messages;
    Timetable timetable;
    BookingTable table;

    std::string put(const std::string& name, const std::string& bytes) {
        test::writeBytes(dir.file(name), bytes);
        return dir.file(name);
    }
    bool ini(const Lines& lines) {
        return lasSchemaIni(put("s.ini", crlf(lines)), disk, messages, timetable);
    }
    bool sca(const std::string& bytes) { return lasLektioner(put("s.sca", bytes), disk, timetable, table); }
    // A row's ten fields, each followed by "|".
    std::string row(int i) const {
        std::string out;
        for (auto field : kBokningFields) {
            out += table.row(i).*field + "|";
        }
        return out;
    }
};

TEST(TimetableIni, ReadsSchoolYearAndPeriodsInAnyCaseAndRejectsAMalformedYear) {
    Fixture f;
    EXPECT_TRUE(f.ini({"[Schema]", "  period: ht=34-51 ", "PERIOD:VT=2-24", "l\xE4s\xE5r: 2008/09",
                       "L\xC4S\xC5R: HT 2009/10", "OTHER: x"}));
    EXPECT_EQ(f.timetable.schemaperioder, (Lines{"HT=34-51", "VT=2-24"}));
    EXPECT_EQ(f.timetable.lasar, "2009/10"); // the later line wins; the term before it is cut
    const Lines rejected{"L\xE4s in schemats inifil|Fel form p\xE5 l\xE4s\xE5rsangivelse i schemats inifil."};
    for (const auto& [year, accepted] : {std::pair("08/09", true),
                                         {"2008", true},
                                         {"", true},
                                         {"8/9", false},
                                         {"1999/00", false},
                                         {"HT 8", false}}) {
        f.messages.shown.clear();
        EXPECT_TRUE(f.ini({"L\xC4S\xC5R: " + std::string(year)}));
        EXPECT_EQ(f.timetable.lasar, accepted ? year : "") << year;
        EXPECT_EQ(f.messages.log(), accepted ? Lines{} : rejected) << year;
    }
    EXPECT_EQ(f.messages.shown[0].icon, Icon::Exclamation);

    // The 51st period stops the reading: silent, yet the malformed year must not reach the calendar.
    Lines lines{"L\xC4S\xC5R: 8/9"};
    for (int i = 1; i <= 51; ++i) {
        lines.push_back("PERIOD: P" + std::to_string(i) + "=" + std::to_string(i));
    }
    lines.push_back("L\xC4S\xC5R: 2030/31"); // after the stop: never read
    f.messages.shown.clear();
    EXPECT_FALSE(f.ini(lines));
    EXPECT_EQ(f.timetable.schemaperioder.size(), 50u);
    EXPECT_EQ(f.timetable.lasar, "");
    EXPECT_TRUE(f.messages.shown.empty());
    EXPECT_FALSE(lasSchemaIni(f.dir.file("none.ini"), f.disk, f.messages, f.timetable));
}

TEST(TimetableLessons, ReadsEveryFieldOfARecordAndDropsRecordsWithoutAWeekday) {
    Fixture f;
    f.timetable.schemaperioder = {"HT=34-51"};
    ASSERT_TRUE(f.sca(crlf({"Ma2c", "na,1b", "ab cd", "B12 B14", "40 min", "M\xC5N 8.15",
                            "NOT: Prov VECKOR: 2-4", "", ""}) +
                      crlf({"Sv1", "Te1", "ef", "A1", "55", "FRE  10.30 ", "VECKOR: HT", ""}) +
                      crlf({"Fy", "x", "y", "C1", "90MIN", "TOR 9.00", "VECKOR: 0834-0851", ""}) +
                      // Dropped: a Saturday, a record without a sixth line, a lower-case day name
                      crlf({"L\xD6R", "g", "ab", "A1", "40 min", "L\xD6R 9.00", ""}) +
                      crlf({"Kort", "g", "ab", "A1", "40 min", ""}) +
                      crlf({"x", "g", "ab", "A1", "40", "m\xE5n 8.00", "NOT: x", "VECKOR: 5", "a", "b", "A2",
                            "40", "ONS 9.00", ""}) +
                      // A long record: its lines after the sixth are read only for notes and weeks.
                      crlf({"Lang", "g", "ab", "A3", "60 min", "ONS 14.00"}) + crlf(Lines(20, "extra")) +
                      crlf({"VECKOR: 7", ""}) +
                      // An empty note; records that end before their sixth line.
                      crlf({"Ma", "g", "ab", "A1", "40", "FRE 8.00", "NOT:", "", "Ma", "", "Sv"})));
    // The fields: signatur, kommentar, langd, dag, starttid, objekt, larare, vecka, notering, veckor;
    // one row for both rooms; only "min" marks the unit.
    ASSERT_EQ(std::tuple(f.table.antallektioner, f.table.antalrader), std::tuple(5, 5));
    EXPECT_EQ(f.row(1), "MA2C|NA 1B|40|1|08.15|B12 B14|AB CD||Prov VECKOR: 2-4|2-4|");
    EXPECT_EQ(f.row(2), "SV1|TE1|55|5|10.30|A1|EF|||34-51|");
    EXPECT_EQ(f.row(3), "FY|X|90MIN|4|09.00|C1|Y|||34-51|");
    EXPECT_EQ(f.row(4), "LANG|G|60|3|14.00|A3|AB|||7|");
    EXPECT_EQ(f.row(5), "MA|G|40|5|08.00|A1|AB||||");
}

TEST(TimetableLessons, FailsWithoutLessonsWhenMissingOrOverTheTableSize) {
    Fixture f;
    f.table.antallektioner = 5;
    EXPECT_FALSE(lasLektioner(f.dir.file("none.sca"), f.disk, f.timetable, f.table));
    EXPECT_EQ(std::tuple(f.table.antallektioner, f.table.antalrader), std::tuple(0, 0));
    // A full table, then one lesson more: nothing kept
    const std::string full = crlf(Lines(kMaxRows, "Ma\r\ng\r\nab\r\nA1\r\n40 min\r\nM\xC5N 8.00\r\n"));
    ASSERT_TRUE(f.sca(full + crlf({"", "", "x", "", "L\xD6R 8.00"})));
    EXPECT_EQ(std::tuple(f.table.antallektioner, f.table.antalrader), std::tuple(kMaxRows, kMaxRows));
    EXPECT_FALSE(f.sca(full + crlf({"Ma", "g", "ab", "A1", "40 min", "M\xC5N 8.00"})));
    EXPECT_EQ(std::tuple(f.table.antallektioner, f.table.antalrader, f.table.rows.size()),
              std::tuple(0, 0, 1u));
}

TEST(WeekLists, PeriodNamesBlanksAndFourDigitWeeks) {
    const Lines perioder{"HT=34-51", "VT=2-24", "=9", "X"};
    // Only whole words are replaced, and only the first occurrence.
    const std::pair<const char*, const char*> replaced[] = {{"HT 2-4", "34-51 2-4"},
                                                            {"ht", "34-51"},
                                                            {"VT HT", "2-24 34-51"},
                                                            {"HTX 5", "HTX 5"},
                                                            {"HT HT", "34-51 HT"}};
    for (const auto& [text, weeks] : replaced) {
        EXPECT_EQ(ersattperioder(text, perioder), weeks) << text;
    }
    const std::pair<const char*, const char*> ordered[] = {{"  2  -   4   8 ", "2 -4 8"},
                                                           {"2-  4", "2-4"},
                                                           {"   ", ""},
                                                           {"0834-0851  2- 4", "34-51 2-4"},
                                                           {"0000 2008 abcd 12345", "0000 08 abcd 12345"},
                                                           {"50-3", "50-3"},
                                                           {"--", "--"},
                                                           {"2-", "2-"}};
    for (const auto& [text, weeks] : ordered) {
        EXPECT_EQ(ordnaveckor(text), weeks) << text;
    }
}

TEST(StaffList, SignatureNormalisedNameKeptAndTheTwoHundredFirstStops) {
    Fixture f;
    Lines lines{"ab, Anna Berg", "", "   ", "\x8Ek \xC5sa \xD6stlund", "  cd,,Carl D ", "ef"};
    EXPECT_TRUE(lasPersonal(f.put("s.sig", crlf(lines)), f.disk, f.timetable));
    EXPECT_EQ(f.timetable.personal, (Lines{"AB Anna Berg", "\xC4K \xC5sa \xD6stlund", "CD Carl D", "EF"}));
    lines.resize(lines.size() + 197, "s Namn"); // 201 entries
    EXPECT_FALSE(lasPersonal(f.put("s.sig", crlf(lines)), f.disk, f.timetable));
    EXPECT_EQ(f.timetable.personal.size(), 200u);
    EXPECT_FALSE(lasPersonal(f.dir.file("none.sig"), f.disk, f.timetable));
}

TEST(ObjectLists, RoomsAndLegacyObjectsNormalisedSkipEmptyLinesAndFailOverTwoHundred) {
    // Descriptions, lower case, DOS letters, blank lines, bare line feeds and a last line
    // without line end: each room once, in file order.
    Fixture f;
    EXPECT_EQ(
        lasSalar(f.put("s.sal", "A 101 Fysiksal\r\nb12\n\r\n   \n  sl\x94jd  verkstad\r\nm,\x8Flarsal\nC3"),
                 f.disk),
        (Lines{"A", "B12", "SL\xD6JD", "M", "C3"}));
    Lines lines(200, "R");
    lines.emplace_back(); // empty lines do not count as rooms
    EXPECT_EQ(lasSalar(f.put("full.sal", crlf(lines)), f.disk).value_or(Lines{}).size(), 200u);
    lines.emplace_back("R");
    EXPECT_FALSE(lasSalar(f.put("over.sal", crlf(lines)), f.disk));
    EXPECT_FALSE(lasSalar(f.dir.file("saknas.sal"), f.disk));
    // A legacy object file keeps whole lines, normalised.
    EXPECT_EQ(lasObjektfil(f.put("obj.txt", crlf({"Kanon 1", "", "   ", "dator,vagn", " tv "})), f.disk),
              (Lines{"KANON 1", "DATOR VAGN", " TV "}));
    lines.pop_back();
    EXPECT_EQ(lasObjektfil(f.put("lang.txt", crlf(lines)), f.disk).value_or(Lines{}).size(), 200u);
    lines.emplace_back("R");
    EXPECT_FALSE(lasObjektfil(f.put("lang.txt", crlf(lines)), f.disk));
    EXPECT_FALSE(lasObjektfil(f.dir.file("saknas.txt"), f.disk));
}

// The period of each object in the list, "-" for none, each followed by ",".
std::string periods(const Lines& perioder, const Lines& objects) {
    std::string out;
    for (const std::string& objekt : objects) {
        out += periodFor(perioder, objekt).value_or("-") + ",";
    }
    return out;
}

TEST(Periods, RestrictOnlyTheirObjectToTheirWeeks) {
    // The first of two entries counts; KANON is the first word of KANON 1, whose entry is no
    // period of KANON; entries that are no week or range restrict nothing.
    const Lines perioder{"DATASAL 36-39", "DATOR VAGN 40", "DATASAL 10-12", "KANON 1 36-39", "KANON 45"};
    EXPECT_EQ(periods(perioder, {"DATASAL", "DATOR VAGN", "DATOR", "KANON 1", "KANON", "B12"}),
              "36-39,40,-,36-39,45,-,");
    EXPECT_EQ(periods({"DATASAL HT", "DATASAL 36-", "DATASAL -39", "DATASAL"}, {"DATASAL"}), "-,");

    // A range over the new year is written in school-year weeks.
    EXPECT_FALSE(periodRefusal(perioder, "DATASAL", 36) || periodRefusal(perioder, "DATASAL", 39) ||
                 periodRefusal(perioder, "B12", 1) || periodRefusal({"AULA 50-55"}, "AULA", 54));
    EXPECT_EQ(periodRefusal(perioder, "DATASAL", 35), "DATASAL kan bara bokas veckorna 36-39.");
    EXPECT_EQ(periodRefusal(perioder, "DATASAL", 11), periodRefusal(perioder, "DATASAL", 35));
    EXPECT_EQ(periodRefusal(perioder, "DATOR VAGN", 41), "DATOR VAGN kan bara bokas vecka 40.");
    EXPECT_TRUE(periodRefusal({"AULA 50-3"}, "AULA", 51));
}

} // namespace
} // namespace tivra

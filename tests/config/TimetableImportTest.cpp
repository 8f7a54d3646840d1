#include "config/TimetableImport.h"

#include "config/ObjectLists.h"
#include "core/TextHelpers.h"
#include "support/Fakes.h"

#include <algorithm>
#include <map>
#include <sstream>

#include <gtest/gtest.h>

namespace tivra {
namespace {

using test::crlf;
using test::ScriptedMessages;
using test::TempDir;
using test::writeBytes;

const std::string kFelLasar =
    "L\xE4s in schemats inifil|Fel form p\xE5 l\xE4s\xE5rsangivelse i schemats inifil.";

struct Fixture {
    TempDir dir;
    test::FaultyDisk disk;
    ScriptedMessages messages;
    Timetable timetable;
    BookingTable table;

    std::string put(const std::string& name, const std::string& bytes) {
        writeBytes(dir.file(name), bytes);
        return dir.file(name);
    }
    bool ini(const std::vector<std::string>& lines) {
        return lasSchemaIni(put("s.ini", crlf(lines)), disk, messages, timetable);
    }
    bool sca(const std::string& bytes) { return lasLektioner(put("s.sca", bytes), disk, timetable, table); }
};

TEST(TimetableIni, ReadsSchoolYearAndPeriodsInAnyCase) {
    Fixture f;
    EXPECT_TRUE(f.ini({"[Schema]", "  period: ht=34-51 ", "PERIOD:VT=2-24", "l\xE4s\xE5r: 2008/09",
                       "L\xC4S\xC5R: HT 2009/10", "OTHER: x"}));
    EXPECT_EQ(f.timetable.schemaperioder, (std::vector<std::string>{"HT=34-51", "VT=2-24"}));
    EXPECT_EQ(f.timetable.lasar, "2009/10"); // the later line wins; the term before it is cut
    EXPECT_TRUE(f.messages.shown.empty());

    for (std::string year : {"08/09", "2008", ""}) {
        Fixture g;
        EXPECT_TRUE(g.ini({"L\xC4S\xC5R: " + year}));
        EXPECT_EQ(g.timetable.lasar, year);
        EXPECT_TRUE(g.messages.shown.empty()) << year;
    }
}

TEST(TimetableIni, RejectsAMalformedSchoolYearWithTheMessage) {
    for (std::string year : {"8/9", "1999/00", "HT 8"}) {
        Fixture f;
        EXPECT_TRUE(f.ini({"L\xC4S\xC5R: " + year}));
        EXPECT_EQ(f.timetable.lasar, "") << year;
        ASSERT_EQ(f.messages.shown.size(), 1u) << year;
        EXPECT_EQ(f.messages.log()[0], kFelLasar);
        EXPECT_EQ(f.messages.shown[0].icon, Icon::Exclamation);
    }
}

TEST(TimetableIni, StopsAtTheFiftyFirstPeriodAndWhenMissing) {
    Fixture f;
    std::vector<std::string> lines{"L\xC4S\xC5R: 8/9"};
    for (int i = 1; i <= 51; ++i) {
        lines.push_back("PERIOD: P" + std::to_string(i) + "=" + std::to_string(i));
    }
    lines.push_back("L\xC4S\xC5R: 2030/31"); // after the stop: never read
    EXPECT_FALSE(f.ini(lines));
    ASSERT_EQ(f.timetable.schemaperioder.size(), 50u);
    EXPECT_EQ(f.timetable.schemaperioder.back(), "P50=50");
    // The stage is silent, yet the malformed year must not reach the calendar.
    EXPECT_EQ(f.timetable.lasar, "");
    EXPECT_TRUE(f.messages.shown.empty());

    Fixture missing;
    missing.timetable.lasar = "2008/09";
    EXPECT_FALSE(
        lasSchemaIni(missing.dir.file("none.ini"), missing.disk, missing.messages, missing.timetable));
    EXPECT_EQ(missing.timetable.lasar, "");
    EXPECT_TRUE(missing.timetable.schemaperioder.empty());
}

TEST(TimetableLessons, ReadsEveryFieldOfARecord) {
    Fixture f;
    f.timetable.schemaperioder = {"HT=34-51", "VT=2-24"};
    ASSERT_TRUE(f.sca(crlf({"Ma2c",
                            "na,1b",
                            "ab cd",
                            "B12 B14",
                            "40 min",
                            "M\xC5N 8.15",
                            "NOT: Prov VECKOR: 2-4",
                            "",
                            "", // two empty lines are harmless
                            "Sv1",
                            "Te1",
                            "ef",
                            "A1",
                            "55",
                            "FRE  10.30 ",
                            "VECKOR: HT",
                            "",
                            "Fy",
                            "x",
                            "y",
                            "C1",
                            "90MIN",
                            "TOR 9.00",
                            "VECKOR: 0834-0851  2- 4 "})));
    ASSERT_EQ(f.table.antallektioner, 3);
    EXPECT_EQ(f.table.antalrader, 3);

    const Bokning& a = f.table.row(1);
    EXPECT_EQ(a.signatur, "MA2C");
    EXPECT_EQ(a.kommentar, "NA 1B");
    EXPECT_EQ(a.larare, "AB CD");
    EXPECT_EQ(a.objekt, "B12 B14"); // one row for both rooms
    EXPECT_EQ(a.langd, "40");
    EXPECT_EQ(a.dag, "1");
    EXPECT_EQ(a.starttid, "08.15");
    EXPECT_EQ(a.notering, "Prov VECKOR: 2-4");
    EXPECT_EQ(a.veckor, "2-4");
    EXPECT_EQ(a.vecka, "");

    const Bokning& b = f.table.row(2);
    EXPECT_EQ(b.langd, "55");
    EXPECT_EQ(b.dag, "5");
    EXPECT_EQ(b.starttid, "10.30");
    EXPECT_EQ(b.veckor, "34-51");
    EXPECT_EQ(b.notering, "");

    const Bokning& c = f.table.row(3);
    EXPECT_EQ(c.langd, "90MIN"); // only "min" marks the unit
    EXPECT_EQ(c.dag, "4");
    EXPECT_EQ(c.starttid, "09.00");
    EXPECT_EQ(c.veckor, "34-51 2-4");
}

TEST(TimetableLessons, DropsRecordsWithoutAWeekdayWithoutUsingARow) {
    Fixture f;
    std::vector<std::string> lines{"L\xD6R", "g",         "ab", "A1", "40 min", "L\xD6R 9.00",
                                   "", // Saturday
                                   "Kort",   "g",         "ab", "A1", "40 min",
                                   "", // no sixth line
                                   "Ma",     "g",         "ab", "A1", "40 min", "TIS 13.00",   "",
                                   "x",      "g",         "ab", "A1", "40",     "m\xE5n 8.00",
                                   "", // day names are upper case
                                   "NOT: x", "VECKOR: 5", "a",  "b",  "A2",     "40",          "ONS 9.00",
                                   ""};
    // A long record: its lines after the sixth are read only for notes and weeks.
    std::vector<std::string> lang{"Lang", "g", "ab", "A3", "60 min", "ONS 14.00"};
    for (int i = 0; i < 20; ++i) {
        lang.push_back("extra");
    }
    lang.push_back("VECKOR: 7");
    lines.insert(lines.end(), lang.begin(), lang.end());
    ASSERT_TRUE(f.sca(crlf(lines)));

    ASSERT_EQ(f.table.antallektioner, 2);
    EXPECT_EQ(f.table.row(1).signatur, "MA");
    EXPECT_EQ(f.table.row(1).dag, "2");
    EXPECT_EQ(f.table.row(1).starttid, "13.00");
    EXPECT_EQ(f.table.row(2).signatur, "LANG");
    EXPECT_EQ(f.table.row(2).veckor, "7");
    // Only accepted lessons were written to the table.
    EXPECT_LE(f.table.rows.size(), 3u);
}

TEST(TimetableLessons, ShortRecordsAreDroppedAndAnEmptyNoteStaysEmpty) {
    Fixture f;
    // Records that end before their sixth line have no weekday.
    ASSERT_TRUE(f.sca("Ma\r\n\r\nSv\r\n"));
    EXPECT_EQ(f.table.antallektioner, 0);
    Fixture g;
    ASSERT_TRUE(g.sca(crlf({"Ma", "g", "ab", "A1", "40", "FRE 8.00", "NOT:"})));
    EXPECT_EQ(g.table.row(1).notering, "");
    EXPECT_EQ(g.table.row(1).veckor, "");
}

TEST(TimetableLessons, FailsWithoutLessonsWhenMissingOrOverTheTableSize) {
    Fixture f;
    f.table.antallektioner = 5;
    EXPECT_FALSE(lasLektioner(f.dir.file("none.sca"), f.disk, f.timetable, f.table));
    EXPECT_EQ(f.table.antallektioner, 0);
    EXPECT_EQ(f.table.antalrader, 0);

    auto lessons = [](int count) {
        std::string bytes;
        for (int i = 0; i < count; ++i) {
            bytes += crlf({"Ma", "g", "ab", "A1", "40 min", "M\xC5N 8.00", ""});
        }
        return bytes;
    };
    Fixture full;
    ASSERT_TRUE(full.sca(lessons(kMaxRows) + crlf({"", "", "x", "", "L\xD6R 8.00"})));
    EXPECT_EQ(full.table.antallektioner, kMaxRows);
    EXPECT_EQ(full.table.antalrader, kMaxRows);

    Fixture over;
    EXPECT_FALSE(over.sca(lessons(kMaxRows + 1)));
    EXPECT_EQ(over.table.antallektioner, 0);
    EXPECT_EQ(over.table.antalrader, 0);
    EXPECT_EQ(over.table.rows.size(), 1u);
}

TEST(WeekLists, PeriodNamesAndBlanksAndFourDigitWeeks) {
    std::vector<std::string> perioder{"HT=34-51", "VT=2-24", "=9", "X"};
    EXPECT_EQ(ersattperioder("HT 2-4", perioder), "34-51 2-4");
    EXPECT_EQ(ersattperioder("ht", perioder), "34-51");
    EXPECT_EQ(ersattperioder("VT HT", perioder), "2-24 34-51");
    EXPECT_EQ(ersattperioder("HTX 5", perioder), "HTX 5");    // only whole words
    EXPECT_EQ(ersattperioder("HT HT", perioder), "34-51 HT"); // the first occurrence

    EXPECT_EQ(tabortblanka("  2  -   4   8 "), "2 -4 8");
    EXPECT_EQ(tabortblanka("2-  4"), "2-4");
    EXPECT_EQ(tabortblanka(""), "");
    EXPECT_EQ(tabortblanka("   "), "");

    EXPECT_EQ(ordnaveckor("0834-0851  2- 4"), "34-51 2-4");
    EXPECT_EQ(ordnaveckor("2 -4"), "2 -4");
    EXPECT_EQ(ordnaveckor("0000 2008 abcd 12345"), "0000 08 abcd 12345");
    EXPECT_EQ(ordnaveckor("50-3"), "50-3");
    EXPECT_EQ(ordnaveckor("--"), "--");
    EXPECT_EQ(ordnaveckor("  "), "");
    EXPECT_EQ(ordnaveckor("2-"), "2-");
}

TEST(StaffList, SignatureNormalisedAndNameKept) {
    Fixture f;
    std::vector<std::string> lines{"ab, Anna Berg",
                                   "",
                                   "   ",
                                   "\x8Ek \xC5sa \xD6"
                                   "berg",
                                   "  cd,,Carl D ",
                                   "ef"};
    for (int i = 0; i < 200; ++i) {
        lines.push_back("s" + std::to_string(i) + " Namn");
    }
    EXPECT_FALSE(lasPersonal(f.put("s.sig", crlf(lines)), f.disk, f.timetable));
    ASSERT_EQ(f.timetable.personal.size(), 200u);
    EXPECT_EQ(f.timetable.personal[0], "AB Anna Berg");
    EXPECT_EQ(f.timetable.personal[1], "\xC4K \xC5sa \xD6"
                                       "berg");
    EXPECT_EQ(f.timetable.personal[2], "CD Carl D");
    EXPECT_EQ(f.timetable.personal[3], "EF");
    EXPECT_EQ(f.timetable.personal.back(), "S195 Namn");

    Fixture g;
    EXPECT_TRUE(lasPersonal(g.put("s.sig", crlf({"ab Anna"})), g.disk, g.timetable));
    EXPECT_EQ(g.timetable.personal, (std::vector<std::string>{"AB Anna"}));
    EXPECT_FALSE(lasPersonal(g.dir.file("none.sig"), g.disk, g.timetable));
}

TEST(DemoSchool, TimetableFilesImportWhole) {
    const std::string base = std::string(TIVRA_SOURCE_DIR) + "/examples/demo-skola/demo";
    test::FaultyDisk disk;
    ScriptedMessages messages;
    Timetable timetable;
    BookingTable table;

    auto salar = lasSalar(base + ".sal", disk);
    ASSERT_TRUE(salar);
    EXPECT_EQ(salar->size(), 25u);
    ASSERT_TRUE(lasSchemaIni(base + ".ini", disk, messages, timetable));
    EXPECT_EQ(timetable.lasar, "2026/27");
    EXPECT_EQ(timetable.schemaperioder, (std::vector<std::string>{"HT=34-51", "VT=2-24"}));
    ASSERT_TRUE(lasLektioner(base + ".sca", disk, timetable, table));
    EXPECT_EQ(table.antallektioner, 300);
    ASSERT_TRUE(lasPersonal(base + ".sig", disk, timetable));
    EXPECT_EQ(timetable.personal.size(), 40u);
    EXPECT_TRUE(messages.shown.empty());

    // Every lesson is in listed rooms, taught by listed staff, and no two lessons
    // share a room at the same time.
    std::map<std::string, std::vector<std::pair<int, int>>> taken; // room and day -> spans
    for (int i = 1; i <= table.antallektioner; ++i) {
        const Bokning& lesson = table.row(i);
        std::istringstream rooms(lesson.objekt);
        int start = (tidslotTyst(lesson.starttid) - 1) * 5;
        int end = start + std::stoi(lesson.langd);
        EXPECT_GE(start, 8 * 60) << i;
        EXPECT_LE(end, 16 * 60) << i;
        for (std::string room; rooms >> room;) {
            std::string key = normalisera(room) + " " + lesson.dag;
            EXPECT_NE(std::find(salar->begin(), salar->end(), normalisera(room)), salar->end()) << room;
            for (auto [s, e] : taken[key]) {
                EXPECT_FALSE((s - end) * (e - start) < 0) << key << " " << lesson.starttid;
            }
            taken[key].push_back({start, end});
        }
        std::istringstream teachers(lesson.larare);
        for (std::string sig; teachers >> sig;) {
            auto known = std::find_if(timetable.personal.begin(), timetable.personal.end(),
                                      [&](const std::string& p) { return p.rfind(sig + " ", 0) == 0; });
            EXPECT_NE(known, timetable.personal.end()) << sig;
        }
    }
}

} // namespace
} // namespace tivra

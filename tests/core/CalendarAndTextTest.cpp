// Dates, week numbers, numbers, texts, paths, clock times and week lists as the whole program
// reads them.
#include "core/Calendar.h"
#include "core/Number.h"
#include "core/Path.h"
#include "core/Text1252.h"
#include "core/TextHelpers.h"

#include "support/Fakes.h"

#include <gtest/gtest.h>

#include <chrono>
#include <clocale>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace tivra {
namespace {

namespace chr = std::chrono;
constexpr int kMin = -2147483647 - 1;
constexpr int kMax = 2147483647;

WeekDating lageMed(std::string lasar, Date today = {2026, 3, 10}, int startvecka = 1) {
    return {std::move(lasar), today, startvecka, todaysWeek(today, startvecka)};
}

Date dateOf(chr::sys_days day) {
    chr::year_month_day ymd{day};
    return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

TEST(Calendar, NamesAreWindows1252AndOutOfRangeIsEmpty) {
    std::string names;
    for (int i = 0; i <= 13; ++i) {
        names += (i <= 8 ? dagnamn(i) + "," + dagrubrik(i) + "," : "") + monthName(i) + ";";
    }
    EXPECT_EQ(names, ",,;M\xC5N,M\xE5n,jan;TIS,Tis,feb;ONS,Ons,mar;TOR,Tor,apr;FRE,Fre,maj;L\xD6R,L\xF6r,jun;"
                     "S\xD6N,S\xF6n,jul;,,aug;sep;okt;nov;dec;;");
}

TEST(Calendar, WeekdayAndTodaysWeekFromAStartWeekMatchTheCalendarOfEveryDay) {
    for (chr::sys_days day = chr::year{1890} / 1 / 1; day < chr::sys_days{chr::year{2110} / 1 / 1};
         day += chr::days{1}) {
        Date date = dateOf(day);
        chr::sys_days thursday = day - (chr::weekday{day} - chr::Monday) + chr::days{3};
        int isoYear = static_cast<int>(chr::year_month_day{thursday}.year());
        int isoWeek =
            static_cast<int>((thursday - chr::sys_days{chr::year{isoYear} / 1 / 1}).count() / 7 + 1);
        // The first days that belong to last year's week count as week 0, the last days
        // that belong to next year's week 1 as week 53.
        int week = isoYear < date.year ? 0 : isoYear > date.year ? 53 : isoWeek;
        ASSERT_EQ(dayOfWeek(date), static_cast<int>(chr::weekday{day}.iso_encoding()))
            << date.year << "-" << date.month << "-" << date.day;
        ASSERT_EQ(todaysWeek(date, 0), week) << date.year << "-" << date.month << "-" << date.day;
        // Below the start week of the school year: next year's, from 53 on.
        ASSERT_EQ(todaysWeek(date, 34), week < 34 ? week + 52 : week);
    }
}

TEST(Calendar, DatumMatchesTheCalendarForEveryWeekAndDay) {
    for (int year = 1898; year <= 2102; ++year) {
        // Every week in today's year: nothing is below the start week, today is not in spring.
        WeekDating dating = lageMed("", {year, 3, 1}, 0);
        chr::sys_days jan4 = chr::year{year} / chr::January / 4;
        chr::sys_days week1 = jan4 - (chr::weekday{jan4} - chr::Monday); // holds the first Thursday
        chr::sys_days firstShown = chr::sys_days{chr::year{year} / 1 / 1} - chr::days{7};
        for (int week = 0; week <= 52; ++week) {
            for (int d = 1; d <= 7; ++d) {
                chr::sys_days day = week1 + chr::days{(week - 1) * 7 + d - 1};
                Date date = dateOf(day);
                std::string expected = date.year <= year && day >= firstShown
                                           ? std::to_string(date.day) + " " + monthName(date.month)
                                           : "";
                ASSERT_EQ(datum(week, d, dating), expected) << year << " week " << week << " day " << d;
            }
        }
    }
}

TEST(Calendar, EachHalfOfTheSchoolYearIsDatedFromTheTimetableYearOrElseFromToday) {
    const Date y2030{2030, 3, 1}, spring{2026, 1, 27}, autumn{2025, 9, 3}, summer{2027, 7, 5};
    // The timetable year, today, the start and end week, the week and day, the label. Without a
    // timetable year and a school year from week 34, today in its spring (week 5 of 2026, read as
    // 57) or in its autumn (week 36 of 2025); in the summer after a period of weeks 34 to 76 the
    // coming school year shows. A timetable year names the year of each half; today in 2030 so
    // that a fall-back shows.
    const std::tuple<const char*, Date, int, int, int, int, const char*> cases[] = {
        {"", spring, 34, 0, 57, 1, "26 jan"},       {"", spring, 34, 0, 36, 1, "1 sep"},
        {"", autumn, 34, 0, 36, 1, "1 sep"},        {"", autumn, 34, 0, 5, 1, "26 jan"},
        {"", summer, 34, 76, 36, 1, "6 sep"},       {"", summer, 34, 76, 57, 1, "31 jan"},
        {"25/26", y2030, 1, 0, 36, 1, "1 sep"},     {"25/26", y2030, 1, 0, 5, 1, "26 jan"},
        {"25/26", y2030, 1, 0, 27, 1, "30 jun"},    {"25/26", y2030, 1, 0, 26, 1, "22 jun"},
        {"2025/2026", y2030, 1, 0, 36, 1, "1 sep"}, {"2026", y2030, 1, 0, 5, 1, "26 jan"},
        {"2026", y2030, 1, 0, 36, 1, "31 aug"},     {"2099/00", y2030, 1, 0, 5, 1, "1 feb"},
        {"2099/2100", y2030, 1, 0, 9, 1, "1 mar"},  {"2000", y2030, 1, 0, 9, 1, "28 feb"},
        {"2000", y2030, 1, 0, 9, 2, "29 feb"},      {"2026", {2026, 3, 10}, 1, 0, 53, 4, "1 jan"}};
    for (const auto& [lasar, today, startvecka, slutvecka, week, day, text] : cases) {
        WeekDating dating = lageMed(lasar, today, startvecka);
        dating.slutvecka = slutvecka;
        EXPECT_EQ(datum(week, day, dating), text) << lasar << " " << today.year << " week " << week;
    }
    for (const char* lasar : {"", "garbage", "20", "2026/28", "2026/2028", "2026-27", "20xx", "ab/cd", "2/3",
                              "2026/", "2026/2", "20262"}) {
        EXPECT_EQ(datum(5, 1, lageMed(lasar, y2030)), "28 jan") << lasar;
        EXPECT_EQ(datum(36, 1, lageMed(lasar, y2030)), "2 sep") << lasar;
    }
    // Weeks or days out of range have no date
    for (int week : {kMin, -1, 10, kMax}) {
        for (int d : {kMin, 0, 1, 8, kMax}) {
            EXPECT_EQ(datum(week, d, lageMed("2026")).empty(), week != 10 || d != 1) << week << " " << d;
        }
    }
}

TEST(Number, TextvardeSkipsBlanksAndStopsAtFirstNonNumberAndRoundingHalvesToEven) {
    const std::pair<const char*, double> cases[] = {
        {"1 5", 15}, {"9,30", 9}, {"45min", 45}, {"abc", 0}, {"7.75", 7.75}, {".5", 0.5}, {" -\t2.5x", -2.5}};
    for (const auto& [text, value] : cases) {
        EXPECT_DOUBLE_EQ(textvarde(text), value) << text;
    }
    // Rounding halves to even, the whole part rounds down, the print form has a blank before a
    // number that is not negative.
    const std::pair<double, long long> rounded[] = {
        {2.5, 2}, {3.5, 4}, {-2.5, -2}, {-3.5, -4}, {2.51, 3}, {-0.5, 0}, {1e300, 9000000000000000000LL}};
    for (const auto& [value, whole] : rounded) {
        EXPECT_EQ(roundHalfEven(value), whole) << value;
    }
    EXPECT_EQ(std::pair(wholePart(7.75), wholePart(-0.5)), std::pair(7LL, -1LL));
    EXPECT_FALSE(int16Of(32768).has_value());
    EXPECT_EQ(int16Of(-32768).value(), -32768);
    EXPECT_EQ(printForm(0LL) + printForm(-3LL) + printForm(45.5), " 0-3 45.5");
    EXPECT_EQ(decimalText(45.0) + "|" + decimalText(0.1), "45|0.1");
}

// A Swedish workstation writes decimal commas in its own programs; the files other
// workstations read must keep the point.
TEST(Number, DecimalsKeepThePointUnderASwedishLocale) {
    const char* swedish = nullptr;
    for (const char* name : {"sv_SE.UTF-8", "sv_SE.utf8", "Swedish_Sweden.1252"}) {
        if (std::setlocale(LC_ALL, name) != nullptr) {
            swedish = name;
            break;
        }
    }
    if (swedish == nullptr) {
        GTEST_SKIP() << "no Swedish locale on this machine";
    }
    const std::string written =
        decimalText(45.5) + "|" + printForm(-0.25) + "|" + decimalText(textvarde("7.75"));
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(written, "45.5|-0.25|7.75") << swedish;
}

TEST(Text1252, RoundTripsEveryByteAndRefusesWhatItCannotHold) {
    std::string all;
    for (int b = 1; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    EXPECT_EQ(fromUtf8(toUtf8(all)).value(), all);
    EXPECT_EQ(fromUtf8("åäö €").value(), "\xE5\xE4\xF6 \x80");
    EXPECT_FALSE(fromUtf8("Ω") || fromUtf8("\xC3"));
    EXPECT_EQ(upper("g\xE5ng \xF6vning \x9A\xFF\xDF"), "G\xC5NG \xD6VNING \x8A\x9F\xDF");
    EXPECT_EQ(trim("  a b  ") + "|" + trim("   "), "a b|");
}

TEST(Path, UtantillaggCutsOnlyInTheFileNameAndFilnamnTakesEitherSeparator) {
    std::string cut;
    for (const char* path : {"D:\\data\\schema.ini", "D:\\a.b\\nya", "schema.2024.ini", "/srv/a.b/nya.bok",
                             "D:\\a.b/c.d\\e", "D:/a.b\\c.d", ".bok"}) {
        cut += utantillagg(path) + "|";
    }
    EXPECT_EQ(cut, "D:\\data\\schema|D:\\a.b\\nya|schema|/srv/a.b/nya|D:\\a.b/c.d\\e|D:/a.b\\c||");
    EXPECT_EQ(fileNamePart("\\\\server\\bok\\Bokningar.bok") + "|" + fileNamePart("/srv/bok\\x.bok") + "|" +
                  fileNamePart("x.bok") + "|" + fileNamePart("D:\\Backup\\"),
              "Bokningar.bok|x.bok|x.bok|");
    EXPECT_TRUE(endsWithSeparator("D:\\Backup\\") && endsWithSeparator("/backup/"));
    EXPECT_FALSE(endsWithSeparator("D:\\Backup") || endsWithSeparator(""));
}

TEST(TextHelpers, NormaliseraUpperCasesRepairsDosLettersAndBlanksCommasAndDelaordSplitsTheFirstWord) {
    // All six DOS bytes of å, Å, ä, Ä, ö, Ö.
    EXPECT_EQ(normalisera("\x86\x8F\x84\x8E\x94\x99 12, \xE5k"), "\xC5\xC5\xC4\xC4\xD6\xD6 12  \xC5K");
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"  AB, CD EF", "AB", "CD EF"}, {"ABC", "ABC", ""}, {"AB,CD", "AB", "CD"}, {"AB ,, CD ", "AB", "CD"},
        {"AB CD,EF", "AB", "CD,EF"},    {",AB", "", "AB"},  {"AB ,,,", "AB", ""},  {"   ", "", ""}};
    for (const auto& [text, ord1, ordrest] : cases) {
        WordSplit d = delaord(text);
        EXPECT_EQ(d.ord1 + "|" + d.ordrest, std::string(ord1) + "|" + ordrest) << text;
    }
}

TEST(TextHelpers, TidtextAndTidslotRoundTripOverTheDayAndRefuseOtherText) {
    EXPECT_EQ(tidtext(1) + tidtext(115) + tidtext(289), "00.0009.3024.00");
    for (int slot = 1; slot <= 289; ++slot) {
        EXPECT_EQ(tidslot(tidtext(slot)), slot);
    }
    // Minutes after the point round to the slot; huge numbers stay out of range instead of
    // wrapping (5461.20 would wrap in 16 bits).
    const std::pair<const char*, int> cases[] = {
        {"9.3", 110}, {"9.32", 115},  {"9.33", 116},      {" 8.15", 100},
        {"9.", 109},  {"-1.00", -11}, {"915", 0},         {".30", 0},
        {"", 0},      {"abc", 0},     {"5461.20", 32767}, {"-99999999999.0", -32768}};
    for (const auto& [time, slot] : cases) {
        EXPECT_EQ(tidslot(time), slot) << time;
    }
}

TEST(TextHelpers, GallerveckaReadsSingleWeeksAndRangesOverTheNewYear) {
    // School-year weeks above 52 read as next year's; a missing end of a range reads as 0; a
    // single week matches only as a whole number (15 is no 1 or 5).
    const std::tuple<const char*, std::vector<int>, std::vector<int>> cases[] = {
        {"", {17}, {}},
        {"50-3", {50, 52, 1, 3, 53, 55}, {49, 4, 56}},
        {"2-4 8-11 15", {2, 11, 15, 67}, {1, 5, 12}},
        {"-5", {3}, {6}},
        {"5-", {7}, {}},
        {"--", {}, {1, kMax, kMin}}};
    for (const auto& [veckor, runs, idle] : cases) {
        for (const bool on : {true, false}) {
            for (int week : on ? runs : idle) {
                EXPECT_EQ(gallervecka(week, veckor), on) << veckor << " week " << week;
            }
        }
    }
}

} // namespace
} // namespace tivra

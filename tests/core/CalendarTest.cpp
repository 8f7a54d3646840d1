#include "core/Calendar.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

namespace tivra {
namespace {

namespace chr = std::chrono;

KalenderLage lageMed(std::string lasar, Date today = {2026, 3, 10}, int startvecka = 1) {
    KalenderLage lage;
    lage.lasar = std::move(lasar);
    lage.today = today;
    lage.startvecka = startvecka;
    lage.idagvecka = idagsvecka(today, startvecka);
    return lage;
}

// The label of a date as the grid shows it, from the standard library's calendar.
std::string label(chr::sys_days day) {
    chr::year_month_day ymd{day};
    return std::to_string(static_cast<unsigned>(ymd.day())) + " " +
           manadnamn(static_cast<int>(static_cast<unsigned>(ymd.month())));
}

// The Monday of week 1: the week that holds the year's first Thursday.
chr::sys_days mondayOfWeek1(int year) {
    chr::sys_days jan4 = chr::year{year} / chr::January / 4;
    return jan4 - (chr::weekday{jan4} - chr::Monday);
}

TEST(Calendar, NamesAreWindows1252AndOutOfRangeIsEmpty) {
    EXPECT_EQ(dagnamn(1), "M\xC5N");
    EXPECT_EQ(dagnamn(6), "L\xD6R");
    EXPECT_EQ(dagnamn(7), "S\xD6N");
    EXPECT_EQ(dagrubrik(1), "M\xE5n");
    EXPECT_EQ(dagrubrik(4), "Tor");
    EXPECT_EQ(dagrubrik(7), "S\xF6n");
    EXPECT_EQ(manadnamn(1), "jan");
    EXPECT_EQ(manadnamn(5), "maj");
    EXPECT_EQ(manadnamn(10), "okt");
    EXPECT_EQ(manadnamn(12), "dec");
    for (int bad : {0, 8, -1, 2147483647}) {
        EXPECT_EQ(dagnamn(bad), "");
        EXPECT_EQ(dagrubrik(bad), "");
    }
    EXPECT_EQ(manadnamn(0), "");
    EXPECT_EQ(manadnamn(13), "");
}

TEST(Calendar, LeapYearsFollowTheGregorianRule) {
    EXPECT_FALSE(skottar(1900));
    EXPECT_TRUE(skottar(2000));
    EXPECT_FALSE(skottar(2100));
    EXPECT_TRUE(skottar(2024));
    EXPECT_FALSE(skottar(2025));
    // 1 March 2100 is the 60th day, not the 61st: week 9 begins on it.
    EXPECT_EQ(idagsvecka({2100, 3, 1}, 1), 9);
    // A lasar of another century is not a school year; those years come from today's date.
    EXPECT_EQ(datum(9, 1, lageMed("", {2100, 3, 1})), "1 mar");
    EXPECT_EQ(datum(9, 1, lageMed("2000")), "28 feb");
    EXPECT_EQ(datum(9, 2, lageMed("2000")), "29 feb");
    KalenderLage in1900 = lageMed("", {1900, 3, 1});
    EXPECT_EQ(datum(9, 3, in1900), "28 feb");
    EXPECT_EQ(datum(9, 4, in1900), "1 mar");
}

TEST(Calendar, VeckodagCountsFromMonday) {
    EXPECT_EQ(veckodag({2026, 1, 5}), 1);
    EXPECT_EQ(veckodag({2024, 2, 29}), 4);
    EXPECT_EQ(veckodag({2000, 1, 1}), 6);
    EXPECT_EQ(veckodag({2023, 1, 1}), 7);
    chr::sys_days day = chr::year{1890} / 1 / 1;
    for (; day < chr::sys_days{chr::year{2110} / 1 / 1}; day += chr::days{1}) {
        chr::year_month_day ymd{day};
        Date date{static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
                  static_cast<int>(static_cast<unsigned>(ymd.day()))};
        ASSERT_EQ(veckodag(date), static_cast<int>(chr::weekday{day}.iso_encoding()))
            << date.year << "-" << date.month << "-" << date.day;
    }
}

TEST(Calendar, Week1BeginsOnTheMondayBeforeTheFirstThursday) {
    struct Case {
        int year;
        const char* monday;   // datum(1, 1)
        const char* thursday; // datum(1, 4)
    };
    // One year for each weekday of 1 January, Sunday to Saturday.
    const std::vector<Case> cases{
        {2023, "2 jan", "5 jan"},  {2024, "1 jan", "4 jan"},  {2019, "31 dec", "3 jan"},
        {2025, "30 dec", "2 jan"}, {2026, "29 dec", "1 jan"}, {2027, "4 jan", "7 jan"},
        {2022, "3 jan", "6 jan"},
    };
    for (const Case& c : cases) {
        KalenderLage lage = lageMed(std::to_string(c.year));
        EXPECT_EQ(datum(1, 1, lage), c.monday) << c.year;
        EXPECT_EQ(datum(1, 4, lage), c.thursday) << c.year;
    }
    // Week 0 of a year beginning on a Friday starts on 28 December.
    EXPECT_EQ(datum(0, 1, lageMed("2027")), "28 dec");
    EXPECT_EQ(datum(0, 5, lageMed("2027")), "1 jan");
    EXPECT_EQ(datum(0, 1, lageMed("2022")), "27 dec");
}

TEST(Calendar, DatumMatchesTheCalendarForEveryWeekAndDay) {
    for (int year = 1898; year <= 2102; ++year) {
        // Every week in today's year: nothing is below the start week, today is not in spring.
        KalenderLage lage = lageMed("");
        lage.today = {year, 3, 1};
        lage.startvecka = 0;
        lage.idagvecka = 10;
        chr::sys_days monday = mondayOfWeek1(year);
        for (int week = 0; week <= 52; ++week) {
            for (int d = 1; d <= 7; ++d) {
                chr::sys_days day = monday + chr::days{(week - 1) * 7 + d - 1};
                int dayYear = static_cast<int>(chr::year_month_day{day}.year());
                std::string expected =
                    dayYear > year || day < chr::sys_days{chr::year{year} / 1 / 1} - chr::days{7}
                        ? ""
                        : label(day);
                ASSERT_EQ(datum(week, d, lage), expected) << year << " week " << week << " day " << d;
            }
        }
    }
}

TEST(Calendar, DatumIsEmptyOutsideItsLabels) {
    KalenderLage lage = lageMed("2026");
    EXPECT_EQ(datum(53, 1, lage), datum(1, 1, lage));
    EXPECT_EQ(datum(53, 4, lage), "1 jan");
    // 1 January 2027 a Friday: week 52 runs past the end of the year.
    KalenderLage in2027 = lageMed("2027");
    EXPECT_EQ(datum(52, 5, in2027), "31 dec");
    EXPECT_EQ(datum(52, 6, in2027), "");
    EXPECT_EQ(datum(52, 7, in2027), "");
    for (int week : {-2147483647 - 1, -3, -1, 0, 52, 105, 2147483647}) {
        for (int d : {-2147483647 - 1, -1, 0, 1, 7, 8, 2147483647}) {
            std::string text = datum(week, d, lage);
            if (d < 1 || d > 7) {
                EXPECT_EQ(text, "");
            }
        }
    }
    EXPECT_EQ(datum(-1, 1, lage), "");
}

TEST(Calendar, TodaysWeekAtTheTurnOfTheYear) {
    struct Case {
        Date today;
        int startvecka;
        int week;
    };
    const std::vector<Case> cases{
        {{2024, 3, 15}, 1, 11},                         // day of year 75 in a leap year
        {{2023, 1, 1}, 0, 0},                           // 1 January on a Sunday: week 0
        {{2023, 1, 2}, 1, 1},    {{2023, 1, 1}, 1, 52}, // week 0 read as the last week of the year before
        {{2024, 12, 31}, 1, 53},                        // 1 January 2024 a Monday: 31 December is in week 53
        {{2024, 12, 30}, 1, 53}, {{2024, 12, 29}, 1, 52},
        {{2026, 1, 1}, 1, 1},                             // a Thursday: 1 January is in week 1
        {{2027, 1, 3}, 0, 0},                             // a Friday: the first weekend is week 0
        {{2027, 1, 4}, 1, 1},    {{2026, 1, 27}, 34, 57}, // week 5 with a school year from week 34
        {{2025, 9, 1}, 34, 36},  {{2025, 8, 17}, 34, 85}, // before the start week: read as next year's
    };
    for (const Case& c : cases) {
        EXPECT_EQ(idagsvecka(c.today, c.startvecka), c.week)
            << c.today.year << "-" << c.today.month << "-" << c.today.day;
    }
}

TEST(Calendar, TodaysWeekMatchesTheCalendarWeekOfEveryDay) {
    for (chr::sys_days day = chr::year{1890} / 1 / 1; day < chr::sys_days{chr::year{2110} / 1 / 1};
         day += chr::days{1}) {
        chr::year_month_day ymd{day};
        int year = static_cast<int>(ymd.year());
        chr::sys_days thursday = day - (chr::weekday{day} - chr::Monday) + chr::days{3};
        int isoYear = static_cast<int>(chr::year_month_day{thursday}.year());
        int isoWeek =
            static_cast<int>((thursday - chr::sys_days{chr::year{isoYear} / 1 / 1}).count() / 7 + 1);
        // The first days that belong to last year's week count as week 0, the last days
        // that belong to next year's week 1 as week 53.
        int expected = isoYear < year ? 0 : isoYear > year ? 53 : isoWeek;
        Date date{year, static_cast<int>(static_cast<unsigned>(ymd.month())),
                  static_cast<int>(static_cast<unsigned>(ymd.day()))};
        ASSERT_EQ(idagsvecka(date, 0), expected) << year << "-" << date.month << "-" << date.day;
    }
}

TEST(Calendar, TodaysWeekOfSpringTermDatesItsOwnYear) {
    // Today in calendar week 5 of 2026, a school year from week 34, no timetable year.
    KalenderLage spring = lageMed("", {2026, 1, 27}, 34);
    ASSERT_EQ(spring.idagvecka, 57);
    EXPECT_EQ(datum(57, 1, spring), "26 jan");
    EXPECT_EQ(datum(5, 1, spring), "26 jan");
    // The autumn weeks of the same school year lie in 2025.
    EXPECT_EQ(datum(36, 1, spring), "1 sep");
    EXPECT_EQ(datum(52, 7, spring), "28 dec");

    // Today in the autumn: spring weeks lie in the next year.
    KalenderLage autumn = lageMed("", {2025, 9, 3}, 34);
    ASSERT_EQ(autumn.idagvecka, 36);
    EXPECT_EQ(datum(36, 1, autumn), "1 sep");
    EXPECT_EQ(datum(57, 1, autumn), "26 jan");
    EXPECT_EQ(datum(5, 1, autumn), "26 jan");
}

TEST(Calendar, LasarNamesTheYearOfEachHalf) {
    struct Case {
        std::string lasar;
        int week;
        std::string label;
    };
    // Today in 2030 so that a fall-back to today's year shows.
    const std::vector<Case> cases{
        {"25/26", 36, "1 sep"},
        {"25/26", 5, "26 jan"},
        {"25/26", 57, "26 jan"},
        {"25/26", 27, "30 jun"},
        {"25/26", 26, "22 jun"},
        {"2025/26", 36, "1 sep"},
        {"2025/26", 57, "26 jan"},
        {"2025/2026", 36, "1 sep"},
        {"2025/2026", 5, "26 jan"},
        {"2026", 5, "26 jan"},
        {"2026", 36, "31 aug"},
        {"2099/00", 5, "1 feb"},
        {"2099/2100", 36, "31 aug"},
        // Anything else falls back to today's year (2030, week 5 = 28 jan, week 36 = 2 sep).
        {"", 5, "28 jan"},
        {"garbage", 5, "28 jan"},
        {"20", 5, "28 jan"},
        {"2026/28", 5, "28 jan"},
        {"2026/2028", 36, "2 sep"},
        {"2026-27", 36, "2 sep"},
        {"20xx", 5, "28 jan"},
        {"ab/cd", 5, "28 jan"},
        {"2/3", 5, "28 jan"},
        {"2026/", 5, "28 jan"},
        {"2026/2", 5, "28 jan"},
        {"20262", 5, "28 jan"},
    };
    for (const Case& c : cases) {
        KalenderLage lage = lageMed(c.lasar, {2030, 3, 1}, 1);
        EXPECT_EQ(datum(c.week, 1, lage), c.label) << c.lasar << " week " << c.week;
    }
}

} // namespace
} // namespace tivra

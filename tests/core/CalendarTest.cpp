#include "core/Calendar.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <tuple>

namespace tivra {
namespace {

namespace chr = std::chrono;
constexpr int kMin = -2147483647 - 1;
constexpr int kMax = 2147483647;

KalenderLage lageMed(std::string lasar, Date today = {2026, 3, 10}, int startvecka = 1) {
    return {std::move(lasar), today, startvecka, idagsvecka(today, startvecka)};
}

Date dateOf(chr::sys_days day) {
    chr::year_month_day ymd{day};
    return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

TEST(Calendar, NamesAreWindows1252AndOutOfRangeIsEmpty) {
    std::string days, heads, months;
    for (int d = 0; d <= 8; ++d) {
        days += dagnamn(d) + ",";
        heads += dagrubrik(d) + ",";
    }
    for (int m = 0; m <= 13; ++m) {
        months += manadnamn(m) + ",";
    }
    EXPECT_EQ(days, ",M\xC5N,TIS,ONS,TOR,FRE,L\xD6R,S\xD6N,,");
    EXPECT_EQ(heads, ",M\xE5n,Tis,Ons,Tor,Fre,L\xF6r,S\xF6n,,");
    EXPECT_EQ(months, ",jan,feb,mar,apr,maj,jun,jul,aug,sep,okt,nov,dec,,");
}

TEST(Calendar, LeapYearsFollowTheGregorianRule) {
    for (int year = 1600; year <= 2400; ++year) {
        ASSERT_EQ(skottar(year), chr::year{year}.is_leap()) << year;
    }
}

TEST(Calendar, WeekdayAndTodaysWeekMatchTheCalendarOfEveryDay) {
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
        ASSERT_EQ(veckodag(date), static_cast<int>(chr::weekday{day}.iso_encoding()))
            << date.year << "-" << date.month << "-" << date.day;
        ASSERT_EQ(idagsvecka(date, 0), week) << date.year << "-" << date.month << "-" << date.day;
    }
}

TEST(Calendar, DatumMatchesTheCalendarForEveryWeekAndDay) {
    for (int year = 1898; year <= 2102; ++year) {
        // Every week in today's year: nothing is below the start week, today is not in spring.
        KalenderLage lage = lageMed("", {year, 3, 1}, 0);
        chr::sys_days jan4 = chr::year{year} / chr::January / 4;
        chr::sys_days week1 = jan4 - (chr::weekday{jan4} - chr::Monday); // holds the first Thursday
        chr::sys_days firstShown = chr::sys_days{chr::year{year} / 1 / 1} - chr::days{7};
        for (int week = 0; week <= 52; ++week) {
            for (int d = 1; d <= 7; ++d) {
                chr::sys_days day = week1 + chr::days{(week - 1) * 7 + d - 1};
                Date date = dateOf(day);
                std::string expected = date.year <= year && day >= firstShown
                                           ? std::to_string(date.day) + " " + manadnamn(date.month)
                                           : "";
                ASSERT_EQ(datum(week, d, lage), expected) << year << " week " << week << " day " << d;
            }
        }
    }
}

TEST(Calendar, Week1BeginsOnTheMondayBeforeTheFirstThursdayAndLabelsEndWithTheYear) {
    // A timetable year for each weekday of 1 January, Sunday to Saturday: Monday and Thursday
    // of week 1, and Monday of week 0 (empty before 25 December).
    const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
        {"2023", "2 jan", "5 jan", "26 dec"}, {"2024", "1 jan", "4 jan", "25 dec"},
        {"2019", "31 dec", "3 jan", ""},      {"2025", "30 dec", "2 jan", ""},
        {"2026", "29 dec", "1 jan", ""},      {"2027", "4 jan", "7 jan", "28 dec"},
        {"2022", "3 jan", "6 jan", "27 dec"}};
    for (const auto& [lasar, monday, thursday, week0] : cases) {
        KalenderLage lage = lageMed(lasar);
        EXPECT_EQ(datum(1, 1, lage), monday) << lasar;
        EXPECT_EQ(datum(1, 4, lage), thursday) << lasar;
        EXPECT_EQ(datum(0, 1, lage), week0) << lasar;
    }
    EXPECT_EQ(datum(0, 5, lageMed("2027")), "1 jan");
    KalenderLage lage = lageMed("2026");
    EXPECT_EQ(datum(53, 4, lage), "1 jan");
    // 1 January 2027 a Friday: week 52 runs past the end of the year.
    EXPECT_EQ(datum(52, 5, lageMed("2027")), "31 dec");
    EXPECT_EQ(datum(52, 6, lageMed("2027")), "");
    EXPECT_EQ(datum(-1, 1, lage), "");
    for (int week : {kMin, -1, 0, 105, kMax}) {
        for (int d : {kMin, 0, 1, 7, 8, kMax}) {
            EXPECT_TRUE(datum(week, d, lage).empty() || (d >= 1 && d <= 7)) << week << " " << d;
        }
    }
}

TEST(Calendar, TodaysWeekAtTheTurnOfTheYearAndFromAStartWeek) {
    const std::tuple<Date, int, int> cases[] = {
        {{2023, 1, 1}, 1, 52}, // a Sunday in week 0, read as the last week of the year before
        {{2023, 1, 2}, 1, 1},    {{2024, 12, 30}, 1, 53}, // 1 January 2024 a Monday: its last days in week 53
        {{2026, 1, 1}, 1, 1},                             // a Thursday: 1 January is in week 1
        {{2027, 1, 3}, 1, 52},   {{2027, 1, 4}, 1, 1},    // a Friday: the first weekend is week 0
        {{2026, 1, 27}, 34, 57},                          // week 5 with a school year from week 34
        {{2025, 9, 1}, 34, 36},  {{2025, 8, 17}, 34, 85}, // before the start week: read as next year's
    };
    for (const auto& [today, startvecka, week] : cases) {
        EXPECT_EQ(idagsvecka(today, startvecka), week)
            << today.year << "-" << today.month << "-" << today.day;
    }
}

TEST(Calendar, AStartWeekDatesEachHalfOfTheSchoolYearFromToday) {
    // No timetable year, a school year from week 34; today in its spring (week 5 of 2026,
    // read as 57) or in its autumn (week 36 of 2025).
    const std::tuple<Date, int, int, const char*> cases[] = {
        {{2026, 1, 27}, 57, 1, "26 jan"}, {{2026, 1, 27}, 5, 1, "26 jan"}, {{2026, 1, 27}, 36, 1, "1 sep"},
        {{2026, 1, 27}, 52, 7, "28 dec"}, {{2025, 9, 3}, 36, 1, "1 sep"},  {{2025, 9, 3}, 57, 1, "26 jan"},
        {{2025, 9, 3}, 5, 1, "26 jan"}};
    for (const auto& [today, week, day, text] : cases) {
        EXPECT_EQ(datum(week, day, lageMed("", today, 34)), text) << today.year << " week " << week;
    }
}

TEST(Calendar, AfterTheBookingPeriodTheSummerShowsTheComingSchoolYear) {
    // 5 July 2027, week 27: after a period of weeks 34 to 76, read as week 79.
    KalenderLage summer = lageMed("", {2027, 7, 5}, 34);
    summer.idagvecka = idagsvecka(summer.today, 34);
    summer.slutvecka = 76;
    ASSERT_EQ(summer.idagvecka, 79);
    EXPECT_EQ(datum(36, 1, summer), "6 sep");  // this autumn, not last year's
    EXPECT_EQ(datum(57, 1, summer), "31 jan"); // and the spring after it
}

TEST(Calendar, LasarNamesTheYearOfEachHalf) {
    // Today in 2030 so that a fall-back to today's year shows.
    auto in2030 = [](const char* lasar) { return lageMed(lasar, {2030, 3, 1}, 1); };
    const std::tuple<const char*, int, int, const char*> cases[] = {
        {"25/26", 36, 1, "1 sep"},      {"25/26", 5, 1, "26 jan"},     {"25/26", 57, 1, "26 jan"},
        {"25/26", 27, 1, "30 jun"},     {"25/26", 26, 1, "22 jun"},    {"2025/26", 36, 1, "1 sep"},
        {"2025/26", 57, 1, "26 jan"},   {"2025/2026", 36, 1, "1 sep"}, {"2025/2026", 5, 1, "26 jan"},
        {"2026", 5, 1, "26 jan"},       {"2026", 36, 1, "31 aug"},     {"2099/00", 5, 1, "1 feb"},
        {"2099/2100", 36, 1, "31 aug"}, {"2099/2100", 9, 1, "1 mar"},  {"2000", 9, 1, "28 feb"},
        {"2000", 9, 2, "29 feb"}};
    for (const auto& [lasar, week, day, text] : cases) {
        EXPECT_EQ(datum(week, day, in2030(lasar)), text) << lasar << " week " << week;
    }
    for (const char* lasar : {"", "garbage", "20", "2026/28", "2026/2028", "2026-27", "20xx", "ab/cd", "2/3",
                              "2026/", "2026/2", "20262"}) {
        EXPECT_EQ(datum(5, 1, in2030(lasar)), "28 jan") << lasar;
        EXPECT_EQ(datum(36, 1, in2030(lasar)), "2 sep") << lasar;
    }
}

} // namespace
} // namespace tivra

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
    std::string names;
    for (int i = 0; i <= 13; ++i) {
        names += (i <= 8 ? dagnamn(i) + "," + dagrubrik(i) + "," : "") + manadnamn(i) + ";";
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
        ASSERT_EQ(veckodag(date), static_cast<int>(chr::weekday{day}.iso_encoding()))
            << date.year << "-" << date.month << "-" << date.day;
        ASSERT_EQ(idagsvecka(date, 0), week) << date.year << "-" << date.month << "-" << date.day;
        // Below the start week of the school year: next year's, from 53 on.
        ASSERT_EQ(idagsvecka(date, 34), week < 34 ? week + 52 : week);
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

TEST(Calendar, Week53IsTheNextYearsFirstAndWeeksOrDaysOutOfRangeHaveNoDate) {
    KalenderLage lage = lageMed("2026");
    EXPECT_EQ(datum(53, 4, lage), "1 jan");
    for (int week : {kMin, -1, 10, kMax}) {
        for (int d : {kMin, 0, 1, 8, kMax}) {
            EXPECT_EQ(datum(week, d, lage).empty(), week != 10 || d != 1) << week << " " << d;
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
        {"", spring, 34, 0, 52, 7, "28 dec"},       {"", autumn, 34, 0, 36, 1, "1 sep"},
        {"", autumn, 34, 0, 5, 1, "26 jan"},        {"", summer, 34, 76, 36, 1, "6 sep"},
        {"", summer, 34, 76, 57, 1, "31 jan"},      {"25/26", y2030, 1, 0, 36, 1, "1 sep"},
        {"25/26", y2030, 1, 0, 5, 1, "26 jan"},     {"25/26", y2030, 1, 0, 57, 1, "26 jan"},
        {"25/26", y2030, 1, 0, 27, 1, "30 jun"},    {"25/26", y2030, 1, 0, 26, 1, "22 jun"},
        {"2025/26", y2030, 1, 0, 36, 1, "1 sep"},   {"2025/26", y2030, 1, 0, 57, 1, "26 jan"},
        {"2025/2026", y2030, 1, 0, 36, 1, "1 sep"}, {"2025/2026", y2030, 1, 0, 5, 1, "26 jan"},
        {"2026", y2030, 1, 0, 5, 1, "26 jan"},      {"2026", y2030, 1, 0, 36, 1, "31 aug"},
        {"2099/00", y2030, 1, 0, 5, 1, "1 feb"},    {"2099/2100", y2030, 1, 0, 36, 1, "31 aug"},
        {"2099/2100", y2030, 1, 0, 9, 1, "1 mar"},  {"2000", y2030, 1, 0, 9, 1, "28 feb"},
        {"2000", y2030, 1, 0, 9, 2, "29 feb"}};
    for (const auto& [lasar, today, startvecka, slutvecka, week, day, text] : cases) {
        KalenderLage lage = lageMed(lasar, today, startvecka);
        lage.slutvecka = slutvecka;
        EXPECT_EQ(datum(week, day, lage), text) << lasar << " " << today.year << " week " << week;
    }
    for (const char* lasar : {"", "garbage", "20", "2026/28", "2026/2028", "2026-27", "20xx", "ab/cd", "2/3",
                              "2026/", "2026/2", "20262"}) {
        EXPECT_EQ(datum(5, 1, lageMed(lasar, y2030)), "28 jan") << lasar;
        EXPECT_EQ(datum(36, 1, lageMed(lasar, y2030)), "2 sep") << lasar;
    }
}

} // namespace
} // namespace tivra

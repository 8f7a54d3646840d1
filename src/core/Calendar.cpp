#include "core/Calendar.h"

#include "core/Number.h"
#include "core/Text1252.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

namespace tivra {
namespace {

const std::string& entry(const std::string* table, int size, int index) {
    static const std::string none;
    return index >= 1 && index <= size ? table[index - 1] : none;
}

long long floorDiv(long long a, long long b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

// Days since 1 March of year 0 (proleptic Gregorian), shifted so the arithmetic works
// for any year; only differences and the weekday are used.
long long dayNumber(long long year, long long month, long long day) {
    year -= month <= 2 ? 1 : 0;
    long long era = floorDiv(year, 400);
    long long yearOfEra = year - era * 400;
    long long shiftedMonth = month > 2 ? month - 3 : month + 9;
    long long dayOfYear = (153 * shiftedMonth + 2) / 5 + day - 1;
    long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra;
}

// Monday = 1 .. Sunday = 7; day 0 of dayNumber is a Wednesday.
int weekdayOf(long long days) {
    return static_cast<int>(days + 2 - floorDiv(days + 2, 7) * 7) + 1;
}

// The weekday of 1 January, Sunday = 1 .. Saturday = 7, as the week formulas count.
int newYearsWeekday(long long year) {
    return weekdayOf(dayNumber(year, 1, 1)) % 7 + 1;
}

int monthLength(int month, bool leap) {
    static const std::array<int, 12> lengths{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return lengths.at(static_cast<std::size_t>(month - 1)) + (month == 2 && leap ? 1 : 0);
}

bool digits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int valueOf(std::string_view text) {
    return static_cast<int>(textvarde(text));
}

// The calendar year of school-year week w (1..52) that the timetable's school year names:
// "2026", "25/26", "2026/27" or "2026/2027". Nothing when the text is none of these.
std::optional<int> lasarYear(std::string_view lasar, int w) {
    bool firstHalf = w > 26;
    if (lasar.size() == 5 && lasar[2] == '/' && digits(lasar.substr(0, 2)) && digits(lasar.substr(3))) {
        return 2000 + valueOf(firstHalf ? lasar.substr(0, 2) : lasar.substr(3));
    }
    if (lasar.size() < 4 || lasar.substr(0, 2) != "20" || !digits(lasar.substr(0, 4))) {
        return std::nullopt;
    }
    int first = valueOf(lasar.substr(0, 4));
    if (lasar.size() == 4) {
        return first;
    }
    std::string_view second = lasar.substr(5);
    bool nextYear = lasar[4] == '/' && digits(second) &&
                    ((second.size() == 2 && valueOf(second) == (first + 1) % 100) ||
                     (second.size() == 4 && valueOf(second) == first + 1));
    if (!nextYear) {
        return std::nullopt;
    }
    return firstHalf ? first : first + 1;
}

long long labelYear(int week, int w, const WeekDating& dating) {
    if (std::optional<int> year = lasarYear(trim(dating.lasar), w)) {
        return *year;
    }
    long long year = dating.today.year;
    // The summer after the booking period: its weeks are those of the school year to come.
    if (dating.slutvecka > 0 && dating.idagvecka > dating.slutvecka) {
        return week <= 52 && w >= dating.startvecka ? year : year + 1;
    }
    if (w < dating.startvecka && dating.idagvecka <= 52) {
        return year + 1;
    }
    // Today in the spring of the school year: its autumn weeks lie in last year.
    if (week <= 52 && w >= dating.startvecka && dating.idagvecka > 52) {
        return year - 1;
    }
    return year;
}

// Day n of the year (1 = 1 January; 0 .. -6 = 31 .. 25 December of the year before).
std::optional<Date> dayOfYear(long long n, long long year) {
    if (n < -6) {
        return std::nullopt;
    }
    if (n <= 0) {
        return Date{static_cast<int>(year - 1), 12, static_cast<int>(31 + n)};
    }
    for (int month = 1; month <= 12; ++month) {
        int length = monthLength(month, isLeapYear(year));
        if (n <= length) {
            return Date{static_cast<int>(year), month, static_cast<int>(n)};
        }
        n -= length;
    }
    return std::nullopt;
}

} // namespace

const std::string& dagnamn(int d) {
    static const std::string names[] = {"M\xC5N", "TIS", "ONS", "TOR", "FRE", "L\xD6R", "S\xD6N"};
    return entry(names, 7, d);
}

const std::string& dagrubrik(int d) {
    static const std::string names[] = {"M\xE5n", "Tis", "Ons", "Tor", "Fre", "L\xF6r", "S\xF6n"};
    return entry(names, 7, d);
}

const std::string& monthName(int m) {
    static const std::string names[] = {"jan", "feb", "mar", "apr", "maj", "jun",
                                        "jul", "aug", "sep", "okt", "nov", "dec"};
    return entry(names, 12, m);
}

bool isLeapYear(long long year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

Date plusDays(Date date, int days) {
    for (; days > 0; --days) {
        if (++date.day > monthLength(date.month, isLeapYear(date.year))) {
            date.day = 1;
            if (++date.month > 12) {
                date.month = 1;
                ++date.year;
            }
        }
    }
    return date;
}

int dayOfWeek(const Date& date) {
    return weekdayOf(dayNumber(date.year, date.month, date.day));
}

int todaysWeek(const Date& today, int startvecka) {
    static const std::array<int, 12> daysBefore{0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    int month = std::clamp(today.month, 1, 12);
    long long dayOfYear = daysBefore.at(static_cast<std::size_t>(month - 1)) +
                          (month > 2 && isLeapYear(today.year) ? 1 : 0) + static_cast<long long>(today.day);
    int w1 = newYearsWeekday(today.year);
    long long week = floorDiv(dayOfYear + w1 - 3, 7) + (w1 <= 5 ? 1 : 0);
    if (week < startvecka) {
        week += 52;
    }
    return static_cast<int>(week);
}

std::optional<Date> calendarDate(int week, int weekday, const WeekDating& dating) {
    if (weekday < 1 || weekday > 7) {
        return std::nullopt;
    }
    int w = week > 52 ? week - 52 : week;
    long long year = labelYear(week, w, dating);
    int w1 = newYearsWeekday(year);
    long long start = w1 <= 5 ? 3 - w1 : 10 - w1;
    long long n = start + (static_cast<long long>(w) - 1) * 7 + (weekday - 1);
    return dayOfYear(n, year);
}

std::string datum(int week, int weekday, const WeekDating& dating) {
    std::optional<Date> date = calendarDate(week, weekday, dating);
    return date ? decimalText(static_cast<long long>(date->day)) + " " + monthName(date->month)
                : std::string();
}

std::string shownWeek(double week) {
    return decimalText(week > 52 ? week - 52 : week);
}

} // namespace tivra

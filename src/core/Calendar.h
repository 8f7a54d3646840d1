#pragma once
// Week numbers, weekdays and the date labels of the week grid and the printouts.
#include "core/Clock.h"

#include <optional>
#include <string>

namespace tivra {

// "MÅN".."SÖN" and "Mån".."Sön" (Windows-1252), d = 1 (Monday) .. 7.
const std::string& dagnamn(int d);
const std::string& dagrubrik(int d);
// "jan".."dec", m = 1..12.
const std::string& monthName(int m);

bool isLeapYear(long long year); // the full Gregorian rule
int dayOfWeek(const Date& date); // 1 = Monday .. 7 = Sunday
// The date `days` (0 or more) days later.
Date plusDays(Date date, int days);

// The week as the user counts it, in plain digits: the weeks of the next calendar year,
// stored from 53 on, start again at 1.
std::string shownWeek(double week);

// Today's week in school-year numbers: the week of the date, plus 52 when it is
// below startvecka.
int todaysWeek(const Date& today, int startvecka);

// What datum needs besides the week and weekday.
struct WeekDating {
    std::string lasar; // the timetable's school year, empty when none
    Date today;
    int startvecka = 1;
    int idagvecka = 0;
    int slutvecka = 0; // 0: the end of the booking period is not known
};

// The date of a weekday (1..7) of a school-year week, in the calendar year the week grid
// shows it in; nothing when the day falls outside that year's labels.
std::optional<Date> calendarDate(int week, int weekday, const WeekDating& dating);

// The date label ("5 jan") of calendarDate; empty when there is none.
std::string datum(int week, int weekday, const WeekDating& dating);

} // namespace tivra

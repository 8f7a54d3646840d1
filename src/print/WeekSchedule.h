#pragma once
// The graphical week schedule of one object: one page per week, a column per weekday, a
// time axis, the bookings and the lessons scheduled in the room as grey boxes with their
// texts, and a legend when lessons are drawn.
#include "print/Printout.h"

#include <array>
#include <string>

namespace tivra {

// The page's grid in twips, from the page size and the settings.
struct ScheduleGeometry {
    int n = 5;                     // day columns: 5, or 7 with weekends
    double cw = 0;                 // column width
    double x0 = 0;                 // left edge of the time column
    std::array<double, 8> X{};     // column edges X(0)..X(n)
    double Y0 = 0, Y1 = 0, Y2 = 0; // top, bottom of the day headings, bottom of the grid
    int starttimme = 8;
    int timmar = 8; // hours on the axis; at least 1
    double hpx = 0; // one hour, with its fraction
    // The top of a time given in minutes since midnight, and the height of a length.
    double top(double minutes) const { return Y1 + (minutes - starttimme * 60.0) * hpx / 60.0; }
    double height(double minutes) const { return minutes * hpx / 60.0; }
};

ScheduleGeometry scheduleGeometry(double W, double H, const Settings& settings);

// One page per school-year week forsta..sista, each followed by a request for a new page.
// The document is not ended here.
void skrivut_grafiskt(Printout& out, const std::string& objekt, int forsta, int sista);

} // namespace tivra

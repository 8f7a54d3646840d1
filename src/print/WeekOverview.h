#pragma once
// "Veckoöversikt": what is booked in a week, every room and object on one sheet (or more),
// for the staff room's wall. A landscape table: one row per object, one column per weekday
// shown, in each cell the object's bookings of that day by start time, each with its
// comment wrapped under it, and, when asked for, the lessons in their grey.
#include "print/Printout.h"

#include <array>
#include <string>
#include <vector>

namespace tivra {

struct OverviewEntry {
    std::string head;    // "hh.mm–hh.mm SIGN"; a lesson's course for the signature
    std::string comment; // a booking's comment, a lesson's group
    bool lesson = false;
};

struct OverviewRow {
    std::string objekt;
    std::array<std::vector<OverviewEntry>, 7> cells; // by start time
};

struct OverviewChoice {
    std::vector<std::string> objects; // rooms first, in list order
    bool all = false;                 // every object gets a row, booked or not
    bool lessons = false;             // the lessons in the objects' rooms too
};

// The rows of school-year week `week` over its first `days` weekdays: the objects that
// have something on them, or all of them with `all`; none at all when nothing of the week
// falls on those days, so that such a week prints no sheet.
std::vector<OverviewRow> overviewRows(const Program& program, const OverviewChoice& choice, int week,
                                      int days);

// Whether any week forsta..sista has a sheet to print.
bool overviewHasSheets(const Program& program, const OverviewChoice& choice, int firstWeek, int lastWeek);

// One sheet or more per school-year week forsta..sista that has something to show, the
// heading and the table's head repeated on every sheet, "blad N av M" at its foot. The type
// is as large as lets the week fill one sheet (9 to 12 pt); a row is never split across
// sheets unless it alone is taller than a sheet. The document is not ended here, and its
// pages stay landscape for what follows until the caller turns them back.
void printOverview(Printout& out, const OverviewChoice& choice, int firstWeek, int lastWeek);

} // namespace tivra

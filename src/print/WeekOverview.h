#pragma once
// "Veckoöversikt": what is booked in a week, every room and object on one sheet (or more),
// for the staff room's wall. A landscape table: one row per object, one column per weekday
// shown, in each cell the object's bookings of that day by start time.
#include "print/Printout.h"

#include <array>
#include <string>
#include <vector>

namespace tivra {

struct OverviewRow {
    std::string objekt;
    std::array<std::vector<std::string>, 7> cells; // "hh.mm–hh.mm SIGN kommentar", by start
};

// The rows of school-year week `week`: the objects in the order given that have a booking
// that week, or all of them with `all`.
std::vector<OverviewRow> overviewRows(const Program& program, const std::vector<std::string>& objects,
                                      int week, bool all);

// One sheet or more per school-year week forsta..sista, the heading and the table's head
// repeated on every sheet; a row is never split across sheets unless it alone is taller
// than a sheet. The document is not ended here, and its pages stay landscape for what
// follows until the caller turns them back.
void skrivut_oversikt(Printout& out, const std::vector<std::string>& objects, int forstavecka, int sistavecka,
                      bool all);

} // namespace tivra

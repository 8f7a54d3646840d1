#pragma once
// What stands in the way of a booking: the other rows of its object and day whose time
// overlaps its own, in the weeks asked about. Every operation that books ("Boka", the
// new version of an edited booking, "Flera veckor") asks this one scan.
#include "core/BookingTable.h"

#include <optional>
#include <vector>

namespace tivra {

// A row in the way, and a school-year week in which it is.
struct InTheWay {
    int row = 0;
    long long week = 0;
};

struct Conflicts {
    // The first booking in the way, with the first week it is in the way: it refuses,
    // whatever lessons lie there too.
    std::optional<InTheWay> booking;
    // Every lesson in the way, once for each week it is, in row order: each is asked
    // about unless already answered.
    std::vector<InTheWay> lessons;
};

// The rows, lessons and bookings alike, on the day of `mine` whose time overlaps its own,
// in row order: what may stand in the way of a booking of any object at that time.
std::vector<int> rowsAtTheTime(const BookingTable& table, const Bokning& mine);

// Of those rows, the ones in the way of `mine` (its object named as a whole word) in the
// weeks first to last; the rows `skip` are never in its way. Asked once per object, this
// finds the free ones among many without scanning the table for each.
Conflicts conflictsAmong(const BookingTable& table, const std::vector<int>& rows, const Bokning& mine,
                         long long first, long long last, const std::vector<int>& skip = {});

// The rows in the way of `mine` (its objekt, dag, starttid and langd) in the weeks first
// to last; the rows `skip` (the booking itself, the one it replaces) are never in its way.
// The lessons are only looked for when no booking is in the way.
Conflicts findConflicts(const BookingTable& table, const Bokning& mine, long long first, long long last,
                        const std::vector<int>& skip = {});

} // namespace tivra

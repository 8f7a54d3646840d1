#pragma once
// The one in-memory store of lessons and bookings. Rows are numbered from 1 as the
// booking file and the grid's box tags count them; rows 1..antallektioner are lessons,
// the rows after them up to antalrader are bookings in file order.
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tivra {

inline constexpr int kMaxRows = 20000;

// One row: ten text fields, numbered 1..10 as the file and the views count them.
struct Bokning {
    std::string signatur;  // 1
    std::string kommentar; // 2
    std::string langd;     // 3
    std::string dag;       // 4
    std::string starttid;  // 5
    std::string objekt;    // 6  empty: a cancelled booking
    std::string larare;    // 7
    std::string vecka;     // 8
    std::string notering;  // 9
    std::string veckor;    // 10 lessons only; never stored in the booking file

    std::string& field(int j);
    const std::string& field(int j) const;
    // Fields 1 to 9 become empty; the row stays in place until the next load.
    void cancel();
    bool cancelled() const { return objekt.empty(); }
    // Fields 1..9 equal: the identity of a booking.
    bool sameBooking(const Bokning& other) const;
};

// The ten fields in file order: loops over all of them index this table instead of
// calling field(j) for each cell.
inline constexpr std::array<std::string Bokning::*, 10> kBokningFields{
    &Bokning::signatur, &Bokning::kommentar, &Bokning::langd, &Bokning::dag,      &Bokning::starttid,
    &Bokning::objekt,   &Bokning::larare,    &Bokning::vecka, &Bokning::notering, &Bokning::veckor};

// Puts text into a cell. A reload or a save mostly finds the cell holding that text
// already, and comparing costs less than assigning.
inline void setCell(std::string& cell, std::string_view text) {
    if (std::string_view(cell) != text) {
        cell.assign(text);
    }
}

struct BookingTable {
    std::vector<Bokning> rows = std::vector<Bokning>(1); // rows[0] is never used
    int antallektioner = 0;
    int antalrader = 0;

    // Row i (1..kMaxRows); grows the storage as needed. The first growth reserves room for
    // every row, so the rows never move and a full table is never copied while it fills.
    Bokning& row(int i);
    const Bokning& row(int i) const;
    bool isLesson(int i) const { return i >= 1 && i <= antallektioner; }
    bool isBooking(int i) const { return i > antallektioner && i <= antalrader; }
};

} // namespace tivra

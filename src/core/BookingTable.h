#pragma once
// The one in-memory store of lessons and bookings. Rows are numbered from 1 as the
// booking file and the grid's box tags count them; rows 1..antallektioner are lessons,
// the rows after them up to antalrader are bookings in file order.
#include <array>
#include <cstdint>
#include <cstring>
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

// Fixed-size loads and stores for cells, which are short: a few of them, overlapping
// where the length falls between, cost less than a call to memcmp or memcpy.
namespace cellbytes {
inline std::uint64_t load8(const char* p) {
    std::uint64_t x = 0;
    std::memcpy(&x, p, 8);
    return x;
}
inline std::uint32_t load4(const char* p) {
    std::uint32_t x = 0;
    std::memcpy(&x, p, 4);
    return x;
}
} // namespace cellbytes

// Whether a and b hold the same n bytes.
inline bool sameBytes(const char* a, const char* b, std::size_t n) {
    using namespace cellbytes;
    if (n >= 8 && n <= 16) {
        return ((load8(a) ^ load8(b)) | (load8(a + n - 8) ^ load8(b + n - 8))) == 0;
    }
    if (n >= 4 && n < 8) {
        return ((load4(a) ^ load4(b)) | (load4(a + n - 4) ^ load4(b + n - 4))) == 0;
    }
    if (n < 4) {
        return n == 0 || (a[0] == b[0] && a[n / 2] == b[n / 2] && a[n - 1] == b[n - 1]);
    }
    return std::memcmp(a, b, n) == 0;
}

// Copies n bytes from src to dst (the two apart).
inline void copyBytes(char* dst, const char* src, std::size_t n) {
    using namespace cellbytes;
    if (n >= 8 && n <= 16) {
        std::uint64_t head = load8(src);
        std::uint64_t tail = load8(src + n - 8);
        std::memcpy(dst, &head, 8);
        std::memcpy(dst + n - 8, &tail, 8);
    } else if (n >= 4 && n < 8) {
        std::uint32_t head = load4(src);
        std::uint32_t tail = load4(src + n - 4);
        std::memcpy(dst, &head, 4);
        std::memcpy(dst + n - 4, &tail, 4);
    } else if (n > 0 && n < 4) {
        char first = src[0];
        char middle = src[n / 2];
        char last = src[n - 1];
        dst[0] = first;
        dst[n / 2] = middle;
        dst[n - 1] = last;
    } else if (n > 16) {
        std::memcpy(dst, src, n);
    }
}

// Puts text into a cell. A reload or a save mostly finds the cell holding that text
// already, and comparing costs less than assigning.
inline void setCell(std::string& cell, std::string_view text) {
    if (cell.size() != text.size() || !sameBytes(cell.data(), text.data(), text.size())) {
        cell.assign(text.data(), text.size());
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

#pragma once
// "Lediga salar": which rooms (or other objects) nothing stands in the way of at a time,
// by the very rules "Boka" checks a booking with.
#include "booking/Boka.h"
#include "config/Program.h"

#include <string>
#include <variant>
#include <vector>

namespace tivra {

struct FreeRooms {
    std::vector<std::string> free;        // no booking and no lesson in the way
    std::vector<std::string> lessonsOnly; // only lessons in the way: free if they are moved
};

// The rooms of `salar` (with ViewKind::Annat the objects of `bokaobjekt`), in list order, that
// the fields' day, start time and length could be booked in for `week` (school-year
// numbering) as far as the table and the booking periods tell; or the refusal of the
// fields, as "Boka" words it. The object field and the signature are not read.
std::variant<FreeRooms, std::string> ledigaSalar(const Program& program, const BookingFields& fields,
                                                 int week);

} // namespace tivra

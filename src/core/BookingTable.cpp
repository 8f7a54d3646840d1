#include "core/BookingTable.h"

#include <stdexcept>

namespace tivra {

std::string& Bokning::field(int j) {
    return const_cast<std::string&>(static_cast<const Bokning&>(*this).field(j));
}

const std::string& Bokning::field(int j) const {
    switch (j) {
    case 1:
        return signatur;
    case 2:
        return kommentar;
    case 3:
        return langd;
    case 4:
        return dag;
    case 5:
        return starttid;
    case 6:
        return objekt;
    case 7:
        return larare;
    case 8:
        return vecka;
    case 9:
        return notering;
    case 10:
        return veckor;
    default:
        throw std::out_of_range("Bokning field " + std::to_string(j));
    }
}

void Bokning::cancel() {
    for (int j = 1; j <= 9; ++j) {
        field(j).clear();
    }
}

bool Bokning::sameBooking(const Bokning& other) const {
    for (int j = 1; j <= 9; ++j) {
        if (field(j) != other.field(j)) {
            return false;
        }
    }
    return true;
}

Bokning& BookingTable::row(int i) {
    if (i < 1 || i > kMaxRows) {
        throw std::out_of_range("booking table row " + std::to_string(i));
    }
    if (static_cast<std::size_t>(i) >= rows.size()) {
        rows.resize(static_cast<std::size_t>(i) + 1);
    }
    return rows[static_cast<std::size_t>(i)];
}

const Bokning& BookingTable::row(int i) const {
    static const Bokning empty;
    if (i < 1 || i > kMaxRows) {
        throw std::out_of_range("booking table row " + std::to_string(i));
    }
    return static_cast<std::size_t>(i) < rows.size() ? rows[static_cast<std::size_t>(i)] : empty;
}

} // namespace tivra

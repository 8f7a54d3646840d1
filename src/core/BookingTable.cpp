#include "core/BookingTable.h"

#include <stdexcept>

namespace tivra {

std::string& Bokning::field(int j) {
    return const_cast<std::string&>(static_cast<const Bokning&>(*this).field(j));
}

const std::string& Bokning::field(int j) const {
    if (j < 1 || j > static_cast<int>(kBokningFields.size())) {
        throw std::out_of_range("Bokning field " + std::to_string(j));
    }
    return this->*kBokningFields[static_cast<std::size_t>(j - 1)];
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
        if (rows.capacity() < static_cast<std::size_t>(kMaxRows) + 1) {
            rows.reserve(static_cast<std::size_t>(kMaxRows) + 1);
        }
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

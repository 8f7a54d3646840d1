#pragma once
// One builder for the rows of a booking table and the lines and bytes of a booking file.
#include "core/BookingTable.h"
#include "support/Fakes.h"

#include <gtest/gtest.h>

#include <compare>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace tivra::test {

using Lines = std::vector<std::string>;

// A row in the fields' file order; a field left out is as below: a booking by AB of B14 on
// Tuesday at 08.15 for 45 minutes in week 40.
struct Row {
    std::string signatur = "AB";
    std::string kommentar{};
    std::string langd = "45";
    std::string dag = "2";
    std::string starttid = "08.15";
    std::string objekt = "B14";
    std::string larare{};
    std::string vecka = "40";
    std::string notering{};
    std::string veckor{};

    operator Bokning() const { // NOLINT(google-explicit-constructor): a row stands for one
        return {signatur, kommentar, langd, dag, starttid, objekt, larare, vecka, notering, veckor};
    }
    // Fields 1 to 9: the nine lines a booking file holds.
    Lines lines() const {
        return {signatur, kommentar, langd, dag, starttid, objekt, larare, vecka, notering};
    }
    auto operator<=>(const Row&) const = default;
    friend std::ostream& operator<<(std::ostream& out, const Row& r) {
        for (const std::string& line : r.lines()) {
            out << line << '|';
        }
        return out;
    }
};

// A lesson goes before every booking and has no week of its own; returns its row number.
inline int addLesson(BookingTable& table, Row row) {
    EXPECT_EQ(table.antalrader, table.antallektioner) << "lessons first";
    row.vecka.clear();
    table.row(++table.antalrader) = row;
    return table.antallektioner = table.antalrader;
}
inline int addBooking(BookingTable& table, const Row& row) {
    table.row(++table.antalrader) = row;
    return table.antalrader;
}

// The count line (by default as the program writes it), then nine lines per booking.
inline Lines fileLines(const std::vector<Row>& bookings, const std::optional<std::string>& countLine = {}) {
    Lines lines{countLine.value_or("Antal:  " + std::to_string(bookings.size()) + " ")};
    for (const Row& b : bookings) {
        const Lines nine = b.lines();
        lines.insert(lines.end(), nine.begin(), nine.end());
    }
    return lines;
}
// The same as the bytes of a file, every line ended by CR LF.
inline std::string bookingFile(const std::vector<Row>& bookings,
                               const std::optional<std::string>& countLine = {}) {
    return crlf(fileLines(bookings, countLine));
}

} // namespace tivra::test

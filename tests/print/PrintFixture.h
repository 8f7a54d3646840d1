#pragma once
// A small school for the printout tests: rooms B1, B12, B14 and B2, the other objects
// KANON and KANON 1, a table filled row by row (lessons first), and a recording surface.
#include "config/Program.h"
#include "print/Printout.h"
#include "support/RecordingSurface.h"
#include "support/Rows.h"

#include <gtest/gtest.h>

#include <string>

namespace tivra::test {

class PrintFixture : public ::testing::Test {
  protected:
    PrintFixture() {
        program.running.skola = "Skolan";
        program.salar = {"B1", "B12", "B14", "B2"};
        program.settings.bokaobjekt = {"KANON", "KANON 1"};
    }

    // A lesson without a name; the other fields as given.
    Bokning& lesson(const std::string& objekt, const std::string& dag, const std::string& start,
                    const std::string& langd, const std::string& veckor = "") {
        BookingTable& t = program.bokningar;
        return t.row(addLesson(t, {"", "", langd, dag, start, objekt, "", "", "", veckor}));
    }
    Bokning& booking(const std::string& objekt, const std::string& vecka, const std::string& dag,
                     const std::string& start, const std::string& langd = "60", const std::string& sig = "AB",
                     const std::string& kommentar = "") {
        BookingTable& t = program.bokningar;
        return t.row(addBooking(t, {sig, kommentar, langd, dag, start, objekt, "", vecka}));
    }

    Printout printout() { return Printout{surface, program, Date{2026, 12, 5}, {}, {}}; }

    Program program;
    RecordingSurface surface;
};

} // namespace tivra::test

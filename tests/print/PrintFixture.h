#pragma once
// A small school for the printout tests: rooms B1, B12, B14 and B2, the other objects
// KANON and KANON 1, a table filled row by row (lessons first), and a recording surface.
#include "config/Program.h"
#include "print/Printout.h"
#include "support/RecordingSurface.h"

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

    Bokning& add(const std::string& objekt, const std::string& dag, const std::string& start,
                 const std::string& langd) {
        BookingTable& table = program.bokningar;
        Bokning& row = table.row(++table.antalrader);
        row.objekt = objekt;
        row.dag = dag;
        row.starttid = start;
        row.langd = langd;
        return row;
    }
    // Lessons come before every booking in the table.
    Bokning& lesson(const std::string& objekt, const std::string& dag, const std::string& start,
                    const std::string& langd, const std::string& veckor = "") {
        EXPECT_EQ(program.bokningar.antalrader, program.bokningar.antallektioner) << "lessons first";
        Bokning& row = add(objekt, dag, start, langd);
        row.veckor = veckor;
        program.bokningar.antallektioner = program.bokningar.antalrader;
        return row;
    }
    Bokning& booking(const std::string& objekt, const std::string& vecka, const std::string& dag,
                     const std::string& start, const std::string& langd = "60", const std::string& sig = "AB",
                     const std::string& kommentar = "") {
        Bokning& row = add(objekt, dag, start, langd);
        row.vecka = vecka;
        row.signatur = sig;
        row.kommentar = kommentar;
        return row;
    }

    Printout printout() { return Printout{surface, program, Date{2026, 12, 5}, {}, {}}; }

    Program program;
    RecordingSurface surface;
};

} // namespace tivra::test

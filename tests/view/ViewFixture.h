#pragma once
// A program state built row by row for the week view tests.
#include "config/Program.h"
#include "view/GridGeometry.h"

#include <stdexcept>
#include <string>

namespace tivra::test {

struct RowSpec {
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
};

inline Bokning rowOf(const RowSpec& s) {
    return Bokning{s.signatur, s.kommentar, s.langd, s.dag,      s.starttid,
                   s.objekt,   s.larare,    s.vecka, s.notering, s.veckor};
}

// A school with a period over the new year (34..76), hours 8 to 16 and four rooms.
// Lessons must be added before bookings, as the import puts them first.
struct ViewProgram {
    Program program;
    Date today{2025, 9, 1};

    explicit ViewProgram(int helg = 0) {
        program.settings.starttimme = 8;
        program.settings.sluttimme = 16;
        program.settings.startvecka = 34;
        program.settings.slutvecka = 76;
        program.settings.helg = helg;
        program.salar = {"B1", "B12", "B14", "B14A"};
        program.timetable.lasar = "25/26";
        program.val.valdvecka = 40;
        program.val.idagvecka = 36;
    }

    int lesson(RowSpec s) {
        s.vecka.clear();
        BookingTable& t = program.bokningar;
        if (t.antalrader != t.antallektioner) {
            throw std::logic_error("lessons come before bookings");
        }
        t.row(++t.antalrader) = rowOf(s);
        t.antallektioner = t.antalrader;
        return t.antalrader;
    }
    int booking(const RowSpec& s) {
        BookingTable& t = program.bokningar;
        t.row(++t.antalrader) = rowOf(s);
        return t.antalrader;
    }
    void room(const std::string& name) {
        program.val.vy = Vy::Salar;
        for (std::size_t i = 0; i < program.salar.size(); ++i) {
            if (program.salar[i] == name) {
                program.val.valdsal = static_cast<int>(i) + 1;
            }
        }
    }
    void week(int w) { program.val.valdvecka = w; }
};

// 15000 twips wide: with five days W = (14700 - 3840) / 5.4.
inline GridGeometry gridFor(int helg) {
    return GridGeometry(15000, helg);
}

} // namespace tivra::test

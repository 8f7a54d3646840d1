#pragma once
// A program state built row by row for the week view tests.
#include "config/Program.h"
#include "support/Rows.h"
#include "view/WeekView.h"

#include <algorithm>
#include <string>
#include <vector>

namespace tivra::test {

// A school with a period over the new year (34..76), hours 8 to 16 and four rooms, drawn
// 15000 twips wide.
struct ViewProgram {
    Program program;
    Date today{2025, 9, 1};

    ViewProgram() {
        Settings& s = program.settings;
        s.starttimme = 8, s.sluttimme = 16, s.startvecka = 34, s.slutvecka = 76;
        program.salar = {"B1", "B12", "B14", "B14A"};
        program.timetable.lasar = "25/26";
        program.timetable.personal = {"A Ada", "AB Anna Berg", "CD Carl Dahl"};
        program.selection.valdvecka = 40;
        program.selection.idagvecka = 36;
    }
    int lesson(const Row& r) { return addLesson(program.bokningar, r); }
    int booking(const Row& r) { return addBooking(program.bokningar, r); }
    void room(const std::string& name) {
        program.selection.viewKind = ViewKind::Salar;
        auto at = std::find(program.salar.begin(), program.salar.end(), name);
        program.selection.valdsal = static_cast<int>(at - program.salar.begin()) + 1;
    }
    GridGeometry grid() const { return GridGeometry(15000, program.settings.helg); }
    WeekView view() const { return visasalsschema(program, grid(), today); }
    std::vector<int> shown() const {
        std::vector<int> rows;
        for (const Box& b : view().boxes) {
            rows.push_back(b.rad);
        }
        return rows;
    }
};

} // namespace tivra::test

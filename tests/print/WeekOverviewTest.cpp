#include "print/WeekOverview.h"
#include "print/PrintPlan.h"

#include "PrintFixture.h"
#include "support/Fakes.h"

#include <algorithm>

namespace tivra::test {
namespace {

class WeekOverviewTest : public PrintFixture {
  protected:
    const std::vector<std::string> all{"B1", "B12", "B14", "B2", "KANON", "KANON 1"};
    std::vector<std::string> names(const std::vector<OverviewRow>& rows) {
        std::vector<std::string> out;
        for (const OverviewRow& row : rows) {
            out.push_back(row.objekt);
        }
        return out;
    }
};

// Which objects get a row, what their cells hold, and which weeks have nothing to print.
TEST_F(WeekOverviewTest, RowsForObjectsWithSomethingOnTheShownDaysAndLessonsWhenAsked) {
    lesson("B1 B14", "2", "08.00", "60").signatur = "MA1";
    booking("B12", "10", "2", "10.00", "60", "AB", "Prov");
    booking("B12", "9-11", "2", "08.00", "45", "CD");
    booking("KANON 1", "10", "5", "13.00");
    booking("B14", "11", "1", "13.00");
    booking("B2", "10", "6", "13.00"); // Saturday: no column without weekends
    booking("B2", "10", "3", "13.00").cancel();

    std::vector<OverviewRow> rows = overviewRows(program, {all, false, false}, 10, 5);
    EXPECT_EQ(names(rows), (std::vector<std::string>{"B12", "KANON 1"}));
    ASSERT_EQ(rows[0].cells[1].size(), 2u);
    EXPECT_EQ(rows[0].cells[1][0].head + "|" + rows[0].cells[1][1].head + "|" + rows[0].cells[1][1].comment,
              "08.00\x96"
              "08.45 CD|10.00\x96"
              "11.00 AB|Prov");
    EXPECT_EQ(names(overviewRows(program, {all, true, false}, 10, 5)), all);
    EXPECT_EQ(names(overviewRows(program, {all, false, false}, 10, 7)),
              (std::vector<std::string>{"B12", "B2", "KANON 1"}));
    // With the lessons, the rooms the lesson names show it, in its own kind.
    rows = overviewRows(program, {all, false, true}, 10, 5);
    EXPECT_EQ(names(rows), (std::vector<std::string>{"B1", "B12", "B14", "KANON 1"}));
    EXPECT_TRUE(rows[0].cells[1][0].lesson && rows[0].cells[1][0].head.ends_with(" MA1"));
    // A week with nothing on it has no rows, not even with every object asked for, and a
    // plan of such weeks prints nothing.
    EXPECT_TRUE(overviewRows(program, {all, true, false}, 20, 5).empty());
    ScriptedMessages messages;
    PrintChoice choice;
    choice.veckor = "20-22";
    choice.everyRoom = choice.everyObject = choice.withUnbooked = choice.overview = true;
    choice.lists = false;
    EXPECT_TRUE(planPrintout(program, choice, messages)->empty());
    choice.veckor = "10";
    EXPECT_FALSE(planPrintout(program, choice, messages)->empty());
}

// A busy week: comments stay inside their cells, rows never split, every sheet has its head
// and "blad N av M"; a quiet week fills one sheet in the largest type; lines, head and
// lessons follow the settings.
TEST_F(WeekOverviewTest, SheetsWrapTheirCellsNumberTheirSheetsAndFollowTheLookOfTheSettings) {
    program.running.linjebredd = 3;
    program.running.toning = 200;
    program.running.toninglektion = 240;
    program.salar.clear();
    for (int i = 0; i < 60; ++i) {
        std::string room = "R" + std::to_string(i);
        program.salar.push_back(room);
        // Every tenth row three bookings high, so that some of them meet a sheet's end.
        for (int k = 0; k < (i % 10 == 9 ? 3 : 1); ++k) {
            booking(room, "10", "1", "0" + std::to_string(8 + k) + ".00", "60", "S" + std::to_string(i),
                    "Klass " + std::to_string(i) +
                        " p\xE5 studiebes\xF6k vid museet och sedan lunch i parken WWW");
        }
    }
    Printout out = printout();
    printOverview(out, {program.salar, false, false}, 10, 10);
    EXPECT_TRUE(surface.landscape);
    const int sheets = surface.pages();
    ASSERT_GE(sheets, 2);
    for (int page = 1; page <= sheets; ++page) {
        EXPECT_NE(surface.find("Vecko\xF6versikt vecka 10", page), nullptr) << page;
        EXPECT_NE(surface.find("blad " + std::to_string(page) + " av " + std::to_string(sheets), page),
                  nullptr);
    }
    // Every comment whole on its row's sheet, below the row's name, wrapped over the lines
    // of a day's cell in the smallest type.
    for (int i = 0; i < 60; ++i) {
        const Drawn* name = surface.find("R" + std::to_string(i));
        const Drawn* next = surface.find("R" + std::to_string(i + 1));
        ASSERT_TRUE(name) << i;
        const double below = next && next->page == name->page ? next->y1 : surface.pageHeight();
        std::string said;
        int lines = 0;
        for (const Drawn& d : surface.all(Drawn::Kind::Text, name->page)) {
            if (d.y1 >= name->y1 && d.y1 < below && d.x1 > name->x1 && d.size == 9 &&
                d.text.find('\x96') == std::string::npos) {
                said += d.text + " ";
                ++lines;
                EXPECT_LE(surface.rightOf(d), d.x1 + surface.pageWidth() / 5) << d.text;
            }
        }
        EXPECT_GE(lines, 2) << said;
        EXPECT_NE(said.find("Klass " + std::to_string(i) +
                            " p\xE5 studiebes\xF6k vid museet och sedan lunch i parken WWW"),
                  std::string::npos)
            << said;
    }
    EXPECT_TRUE(
        std::ranges::all_of(surface.all(Drawn::Kind::Line), [](const Drawn& d) { return d.lineWidth == 3; }));
    EXPECT_EQ(surface.all(Drawn::Kind::Fill, 1).front().grey, 200);
    EXPECT_NE(surface.find("   2 mar \x96 6 mar   Endast bokningar"), nullptr);

    // A quiet week with a lesson: one sheet in 12 pt, the lesson on its grey.
    surface = RecordingSurface();
    program.bokningar = BookingTable();
    lesson("R1", "3", "09.00", "60").signatur = "MA1";
    Printout quiet = printout();
    printOverview(quiet, {{"R1", "R2"}, false, true}, 10, 10);
    EXPECT_EQ(surface.pages(), 1);
    EXPECT_NE(surface.find("blad 1 av 1"), nullptr);
    EXPECT_EQ(surface.find("09.00\x96" + std::string("10.00 MA1"))->size, 12);
    EXPECT_TRUE(
        std::ranges::any_of(surface.all(Drawn::Kind::Fill), [](const Drawn& f) { return f.grey == 240; }));
    EXPECT_EQ(surface.find("   2 mar \x96 6 mar   Endast bokningar"), nullptr);
}

TEST_F(WeekOverviewTest, ARowTallerThanASheetGoesOnOverTheNext) {
    for (int k = 0; k < 120; ++k) {
        booking("B1", "10", "1", "08.00", "5", "S" + std::to_string(k));
    }
    Printout out = printout();
    printOverview(out, {{"B1"}, false, false}, 10, 10);
    EXPECT_GE(surface.pages(), 3);
    EXPECT_NE(surface.find("B1", 2), nullptr) << "the name again on the next sheet";
    const std::vector<Drawn> texts = surface.all(Drawn::Kind::Text);
    EXPECT_EQ(std::ranges::count_if(texts, [](const Drawn& d) { return d.text.ends_with(" S119"); }), 1)
        << "nothing lost";
}

} // namespace
} // namespace tivra::test

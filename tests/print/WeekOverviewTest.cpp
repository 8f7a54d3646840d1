#include "print/WeekOverview.h"

#include "PrintFixture.h"

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

TEST_F(WeekOverviewTest, RowsForBookedObjectsInListOrderAndCellsByStartTime) {
    lesson("B1", "2", "08.00", "60");
    booking("B12", "10", "2", "10.00", "60", "AB", "Prov");
    booking("B12", "9-11", "2", "08.00", "45", "CD");
    booking("KANON 1", "10", "5", "13.00");
    booking("B14", "11", "1", "13.00");
    booking("B2", "10", "6", "13.00").cancel();

    std::vector<OverviewRow> rows = overviewRows(program, all, 10, false);
    EXPECT_EQ(names(rows), (std::vector<std::string>{"B12", "KANON 1"}));
    EXPECT_EQ(rows[0].cells[1], (std::vector<std::string>{"08.00\x96"
                                                          "08.45 CD",
                                                          "10.00\x96"
                                                          "11.00 AB Prov"}));
    EXPECT_EQ(names(overviewRows(program, all, 10, true)), all);
}

TEST_F(WeekOverviewTest, LandscapeSheetsRepeatTheHeadAndNeverSplitARowThatFitsASheet) {
    program.salar.clear();
    for (int i = 0; i < 60; ++i) {
        std::string room = "R" + std::to_string(i);
        program.salar.push_back(room);
        // Every tenth row three lines high, so that some of them meet a sheet's end.
        for (int k = 0; k < (i % 10 == 9 ? 3 : 1); ++k) {
            booking(room, "10", "1", "0" + std::to_string(8 + k) + ".00", "60", "S" + std::to_string(i),
                    std::string(80, 'x'));
        }
    }
    Printout out = printout();
    skrivut_oversikt(out, program.salar, 10, 10, false);

    EXPECT_TRUE(surface.landscape);
    ASSERT_GE(surface.pages(), 3);
    const double dayWidth = (16838 - 3 * 90 - 120.0) / 5;
    for (int page = 1; page <= surface.pages(); ++page) {
        EXPECT_NE(surface.find("Vecko\xF6versikt vecka 10", page), nullptr) << page;
        EXPECT_NE(surface.find("M\xE5n 2 mar", page), nullptr) << page;
    }
    for (int i = 0; i < 60; ++i) {
        const Drawn* name = surface.find("R" + std::to_string(i));
        ASSERT_NE(name, nullptr);
        const std::string sign = " S" + std::to_string(i) + " ";
        for (const Drawn& text : surface.drawn) {
            if (text.kind == Drawn::Kind::Text && text.text.find(sign) != std::string::npos) {
                EXPECT_EQ(text.page, name->page) << sign;
                EXPECT_LE(surface.textWidth(text.text), dayWidth - 120) << "cut to its cell";
            }
        }
    }
}

TEST_F(WeekOverviewTest, ARowTallerThanASheetGoesOnOverTheNext) {
    for (int k = 0; k < 120; ++k) {
        booking("B1", "10", "1", "08.00", "5", "S" + std::to_string(k));
    }
    Printout out = printout();
    skrivut_oversikt(out, {"B1"}, 10, 10, false);
    EXPECT_GE(surface.pages(), 3);
    EXPECT_NE(surface.find("B1", 2), nullptr) << "the name again on the next sheet";
}

} // namespace
} // namespace tivra::test

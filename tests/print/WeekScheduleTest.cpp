#include "print/WeekSchedule.h"
#include "PrintFixture.h"

#include <algorithm>
#include <set>
#include <vector>

namespace tivra::test {
namespace {

using WeekSchedule = PrintFixture;

// The hour labels of a page, top to bottom.
std::vector<std::string> hourLabels(const RecordingSurface& surface, int page) {
    std::vector<std::string> labels;
    for (const Drawn& d : surface.all(Drawn::Kind::Text, page)) {
        if (d.text.ends_with(".00") && d.size == 8 && d.x1 < 1548) {
            labels.push_back(d.text);
        }
    }
    return labels;
}

// A page with bookings before or after the day's hours widens its axis to the whole hours
// that cover them, in the same space; a page without keeps the settings' hours (A4
// portrait, 8 to 16), labelled right-aligned left of the first day, none at the day's end.
TEST_F(WeekSchedule, EarlyAndEveningBookingsWidenTheirPagesAxisAndEveryBoxStaysInTheGrid) {
    program.settings.helg = 0;
    booking("B12", "36", "1", "07.30", "60", "TIDIG");
    booking("B12", "36", "2", "15.30", "60", "SEN");
    booking("B12", "36", "3", "20.00", "90", "KV\xC4LL");
    booking("B12", "36", "4", "23.30", "60", "NATT");      // ends after midnight
    booking("B12", "36", "6", "06.00", "60", "L\xD6RDAG"); // no Saturday column: no effect
    booking("B12", "37", "1", "10.00", "60", "N\xC4STA");
    booking("B12", "37", "2", "15.30", "60", "SEN"); // ends 16.30: the axis takes in 16-17
    booking("B12", "36", "5", "10.00", "15", "KORT");
    Printout out = printout();
    skrivut_grafiskt(out, "B12", 36, 38);
    std::vector<std::string> wide;
    for (int h = 7; h < 24; ++h) {
        wide.push_back(std::to_string(h) + ".00");
    }
    EXPECT_EQ(hourLabels(surface, 1), wide);
    EXPECT_EQ(hourLabels(surface, 2), (std::vector<std::string>{"8.00", "9.00", "10.00", "11.00", "12.00",
                                                                "13.00", "14.00", "15.00", "16.00"}));
    EXPECT_EQ(hourLabels(surface, 3), (std::vector<std::string>{"8.00", "9.00", "10.00", "11.00", "12.00",
                                                                "13.00", "14.00", "15.00"}));
    const ScheduleGeometry five = scheduleGeometry(11906, 16838, program.settings);
    for (const Drawn& d : surface.all(Drawn::Kind::Text, 3)) {
        if (d.text.ends_with(".00") && d.size == 8) {
            EXPECT_DOUBLE_EQ(surface.rightOf(d), surface.rightOf(*surface.find("8.00", 3)));
            EXPECT_LT(surface.rightOf(d), five.X[0]);
        }
    }
    // Every day column is closed on its right, the last one too, and headed in its middle.
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(std::ranges::count_if(surface.all(Drawn::Kind::Line, 3),
                                        [x = five.X[i]](const Drawn& d) { return d.x1 == x && d.x2 == x; }),
                  1)
            << i;
    }
    const Drawn* friday = surface.find("Fre 18 sep", 3);
    ASSERT_TRUE(friday);
    EXPECT_DOUBLE_EQ(friday->x1 - five.X[4], five.X[5] - surface.rightOf(*friday));
    EXPECT_EQ(surface.pages(), 3);
    std::vector<Drawn> fills = surface.all(Drawn::Kind::Fill, 1);
    ASSERT_EQ(fills.size(), 5u);
    for (const Drawn& f : fills) {
        EXPECT_TRUE(f.y1 >= 1684 && f.y2 <= 13470 && f.y2 > f.y1) << f.y1 << " " << f.y2;
    }
    EXPECT_GT(fills[0].y1, 1684);         // 07.30 is half an hour below 7.00
    EXPECT_DOUBLE_EQ(fills[3].y2, 13470); // the night's booking cut at midnight
    EXPECT_EQ(fills[1].x1, 1548 + 1905);  // Tuesday's column
    EXPECT_EQ(fills[1].x2, 1548 + 2 * 1905);
    EXPECT_TRUE(surface.find("23.30-24.30")); // the real end of the night's booking
    EXPECT_TRUE(surface.find("10.00-10.15")); // too short for two lines: both times on one

    surface = RecordingSurface();
    program.settings.helg = 1;
    Printout weekend = printout();
    skrivut_grafiskt(weekend, "B12", 36, 36);
    EXPECT_EQ(surface.all(Drawn::Kind::Fill).size(), 6u);
    EXPECT_EQ(hourLabels(surface, 1).front(), "6.00");
}

TEST_F(WeekSchedule, LessonsInTheirRoomsAndWeeksWithTextAndLegend) {
    Bokning& matte = lesson("B12 B14", "1", "08.00", "60", "2-4");
    matte.signatur = "MA1";
    matte.kommentar = "Matte";
    matte.notering = "Not%%dold";
    booking("B14", "3", "1", "08.30", "60", "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    Printout out = printout();
    skrivut_grafiskt(out, "B14", 1, 5);
    ASSERT_EQ(surface.pages(), 5);
    std::set<int> legendPages;
    for (const Drawn& d : surface.all(Drawn::Kind::Text)) {
        if (d.text == "Schemalagd lektion") {
            legendPages.insert(d.page);
        }
    }
    EXPECT_EQ(legendPages, (std::set<int>{2, 3, 4, 5})); // from the first lesson on, lesson or not
    std::vector<Drawn> week3 = surface.all(Drawn::Kind::Fill, 3);
    ASSERT_EQ(week3.size(), 2u + 2u); // the lesson, the booking over it, and the legend's two
    EXPECT_EQ(week3[0].grey, 245);
    EXPECT_EQ(week3[1].grey, 230);
    EXPECT_TRUE(surface.find("Matte", 3) && surface.find("Veckor: 2-4. Not", 3));
    // The signature is cut short of the start time, which ends inside the booking's box.
    const Drawn* start = surface.find("08.30", 3);
    ASSERT_TRUE(start);
    const std::vector<Drawn> drawn = surface.all(Drawn::Kind::Text, 3);
    const auto cut =
        std::ranges::find_if(drawn, [](const Drawn& d) { return d.text.starts_with("ABCDEFGHIJ"); });
    ASSERT_NE(cut, drawn.end());
    EXPECT_LT(cut->text.size(), 26U);
    EXPECT_LE(surface.rightOf(*cut), start->x1);
    EXPECT_LE(surface.rightOf(*start), week3[1].x2);
    EXPECT_TRUE(surface.all(Drawn::Kind::Fill, 5).size() == 2u); // only the legend in week 5
}

TEST_F(WeekSchedule, AnUnreadableStartTimeIsNotedAndDrawnFromTheTop) {
    booking("B12", "36", "1", "8", "60");
    program.settings.sluttimme = program.settings.starttimme; // hours that cannot be
    Printout out = printout();
    skrivut_grafiskt(out, "B12", 36, 36);
    EXPECT_TRUE(out.notes.badStartTime);
    std::vector<Drawn> fills = surface.all(Drawn::Kind::Fill);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_DOUBLE_EQ(fills[0].y1, 1684);
}

} // namespace
} // namespace tivra::test

#include "view/WeekView.h"

#include "support/Fakes.h"
#include "view/ViewFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace tivra {
namespace {

using test::ViewProgram;
using Rows = std::vector<int>;

// Which days show is the grid's rule (a Saturday without weekends places no box).
TEST(WeekView, BoxesCarryRowPlaceCaptionAndColourClippedToTheDay) {
    ViewProgram p;
    int lesson = p.lesson({.signatur = "MA1", .kommentar = "NA1B", .dag = "1", .objekt = "B12 B14"});
    int late = p.lesson({.langd = "60", .dag = "5", .starttid = "15.30"});
    int booking = p.booking({.kommentar = "M\xF6te", .starttid = "10.15"});
    int early = p.booking({.langd = "60", .dag = "1", .starttid = "07.30"});
    p.booking({.langd = "60", .dag = "1", .starttid = "16.00"}); // at the end of the day: no box
    p.booking({.langd = "60", .dag = "6", .starttid = "09.00"});
    p.room("B14");
    WeekView view = p.view();
    EXPECT_EQ(p.shown(), (Rows{lesson, late, booking, early}));
    EXPECT_EQ(view.boxes[0].colour(), (Rgb{255, 128, 128}));
    EXPECT_EQ(view.boxes[0].caption, "MA1\r\n08.15 -09.00\r\nNA1B");
    EXPECT_EQ(view.boxes[2].colour(), (Rgb{128, 255, 128}));
    EXPECT_EQ(view.boxes[2].caption, "AB\r\n10.15 -11.00\r\nM\xF6te");
    // Placed by the grid's rule, which clips it to the day; the caption keeps the real times.
    EXPECT_EQ(view.boxes[3].rect, placeBox(p.grid(), {8, 16}, 1, 91, 60));
    EXPECT_EQ(view.boxes[3].caption, "AB\r\n07.30 -08.30\r\n");
    EXPECT_FALSE(view.overflow || view.unchanged);
    // Week 40 of the school year 25/26: Monday 29 September 2025.
    EXPECT_EQ(view.headers[0], "M\xE5n 29 sep");
    EXPECT_EQ(view.headers[6], "S\xF6n 5 okt");
}

// Rooms match a lesson's rooms by whole word and a booking's object exactly, a booking's
// weeks run over the new year, a lesson keeps to its weeks; staff match
// their lessons by whole word and their bookings by signature, a booking over several weeks
// in its first week only; the overview shows every object's bookings and no lessons.
TEST(WeekView, EachViewShowsTheRowsOfItsObjectOnce) {
    ViewProgram p;
    p.program.settings.bokaobjekt = {"PROJEKTOR"};
    int shared = p.lesson({.signatur = "MA1", .objekt = "B12 B14"});
    int taught = p.lesson({.signatur = "FY1", .objekt = "B12", .larare = "AB CD"});
    int other = p.lesson({.signatur = "KE1", .objekt = "B12", .larare = "ABC"});
    int roomless = p.lesson({.signatur = "MENTOR", .objekt = "", .larare = "CD"});
    int overNewYear = p.lesson({.objekt = "B14A", .veckor = "45-3"});
    int spring = p.lesson({.objekt = "B14A", .veckor = "2-4"});
    int several = p.booking({.kommentar = "Prov", .vecka = "40-42"});
    int byCd = p.booking({.signatur = "CD", .objekt = "B14A"});
    int b12 = p.booking({.objekt = "B12", .vecka = "41"});
    int projector = p.booking({.signatur = "EF", .objekt = "PROJEKTOR"});
    int span = p.booking({.objekt = "B14A", .vecka = "45-57"});
    int later = p.booking({.objekt = "B14A", .vecka = "60"});
    p.booking({.objekt = ""}); // cancelled: never drawn
    auto shown = [&](ViewKind kind, int index, int week) {
        Selection& s = p.program.selection;
        s.viewKind = kind;
        s.valdsal = s.valtobjekt = s.valdperson = index;
        s.valdvecka = week;
        return p.shown();
    };
    using enum ViewKind;
    const std::tuple<ViewKind, int, int, Rows> cases[] = {
        {Salar, 2, 40, {shared, taught, other}},
        {Salar, 3, 40, {shared, several}},
        {Salar, 1, 40, {}},
        {Salar, 4, 40, {byCd}},
        {Salar, 4, 44, {}},
        {Salar, 4, 45, {overNewYear, span}},
        {Salar, 4, 54, {overNewYear, spring, span}}, // week 2
        {Salar, 4, 55, {overNewYear, spring, span}},
        {Salar, 4, 56, {spring, span}},
        {Salar, 4, 57, {span}},
        {Salar, 4, 58, {}},
        {Salar, 4, 60, {later}},
        {Salar, 4, 2, {overNewYear, spring}}, // a lesson's weeks are calendar weeks: 2 as well as 54
        {Salar, 4, 4, {spring}},
        {Annat, 1, 40, {projector}},
        {Annat, 0, 40, {}},
        {Personal, 2, 40, {taught, several}},
        {Personal, 2, 41, {taught, b12}},
        {Personal, 3, 40, {taught, roomless, byCd}},
        {Personal, 1, 40, {}}, // "A" teaches nothing: no part-word matches
        {AllaBokningar, 0, 40, {several, byCd, projector}},
        {AllaBokningar, 0, 41, {several, b12}},
    };
    for (const auto& [kind, index, week, rows] : cases) {
        EXPECT_EQ(shown(kind, index, week), rows) << static_cast<int>(kind) << " " << index << " " << week;
    }
    shown(Personal, 2, 40);
    EXPECT_EQ(p.view().boxes[1].caption, "B14  AB\r\n08.15 -09.00\r\nProv");
    shown(AllaBokningar, 0, 41);
    EXPECT_EQ(p.view().boxes[1].caption, "B12  AB\r\n08.15 -09.00\r\n");
    // Nobody chosen: the grid is left alone. An object past the list, or no rooms at all:
    // an empty grid with fresh headers.
    shown(Personal, 0, 40);
    WeekView untouched = p.view();
    EXPECT_TRUE(untouched.unchanged && untouched.boxes.empty());
    EXPECT_EQ(untouched.headers[0], "");
    shown(Annat, 2, 40);
    WeekView none = p.view();
    EXPECT_TRUE(none.boxes.empty() && !none.unchanged);
    EXPECT_EQ(none.headers[0], "M\xE5n 29 sep");
    p.program.salar.clear();
    EXPECT_EQ(shown(Salar, 1, 40), Rows{});
}

// In the overview, bookings of a day that overlap in time stand side by side, each in an
// equal share of the day's width; one that overlaps nothing keeps the whole width.
TEST(WeekView, OverlappingBookingsOfTheOverviewStandSideBySide) {
    ViewProgram p;
    p.booking({.langd = "60", .starttid = "10.00", .objekt = "B1"});
    p.booking({.langd = "60", .starttid = "10.30", .objekt = "B12"});
    p.booking({.langd = "60", .starttid = "11.00", .objekt = "B14"}); // after the first, beside the second
    p.booking({.langd = "30", .starttid = "13.00", .objekt = "B14A"});
    p.booking({.langd = "30", .starttid = "13.30", .objekt = "B1"}); // only touches the one before
    p.booking({.dag = "3", .starttid = "10.00", .objekt = "B12"});   // another day
    p.program.selection.viewKind = ViewKind::AllaBokningar;
    const std::vector<Box> boxes = p.view().boxes;
    ASSERT_EQ(boxes.size(), 6U);
    const double day = p.grid().dayWidth();
    std::vector<double> widths;
    for (const Box& b : boxes) {
        widths.push_back(b.rect.width / day);
    }
    EXPECT_EQ(widths, (std::vector<double>{0.5, 0.5, 0.5, 1, 1, 1}));
    // The second stands right of the first, the third below the first in the same lane; the
    // later ones have the day to themselves.
    EXPECT_EQ(boxes[1].rect.left, boxes[0].rect.left + boxes[0].rect.width);
    EXPECT_EQ(boxes[2].rect.left, boxes[0].rect.left);
    EXPECT_EQ(boxes[3].rect.left, boxes[0].rect.left);
    EXPECT_GE(boxes[2].rect.top, boxes[0].rect.top + boxes[0].rect.height);
}

TEST(WeekView, EveryViewStopsAtTheHundredFirstBoxAndSaysSoOnce) {
    for (ViewKind viewKind : {ViewKind::Salar, ViewKind::Personal, ViewKind::AllaBokningar}) {
        for (int count : {100, 101}) {
            ViewProgram p;
            p.room("B14");
            p.program.selection.viewKind = viewKind;
            p.program.selection.valdperson = 2;
            for (int i = 0; i < count; ++i) {
                p.booking({.starttid = "17.00"}); // places no box: does not count
                p.booking({.dag = std::to_string(i % 5 + 1), .starttid = "09.00"});
            }
            WeekView view = p.view();
            SCOPED_TRACE(testing::Message() << static_cast<int>(viewKind) << " " << count);
            ASSERT_EQ(view.boxes.size(), 100u);
            EXPECT_EQ(view.boxes.back().rad, 200);
            test::ScriptedMessages messages;
            reportOverflow(view, messages);
            EXPECT_EQ(messages.log(),
                      test::Lines(count - 100, "Visa bokningar|Alla bokningar kunde inte visas."));
        }
    }
}

} // namespace
} // namespace tivra

#include "view/WeekView.h"

#include "support/Fakes.h"
#include "view/ViewFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace tivra {
namespace {

using test::ViewProgram;
using Rows = std::vector<int>;
using Lines = std::vector<std::string>;

TEST(WeekView, BoxesCarryRowPlaceCaptionAndColourClippedToTheDay) {
    for (int helg : {0, 1}) {
        ViewProgram p(helg);
        int lesson = p.lesson({.signatur = "MA1", .kommentar = "NA1B", .dag = "1", .objekt = "B12 B14"});
        int late = p.lesson({.langd = "60", .dag = "5", .starttid = "15.30"});
        int booking = p.booking({.kommentar = "M\xF6te", .starttid = "10.15"});
        int early = p.booking({.langd = "60", .dag = "1", .starttid = "07.30"});
        p.booking({.langd = "60", .dag = "1", .starttid = "16.00"}); // at the end of the day: no box
        int saturday = p.booking({.langd = "60", .dag = "6", .starttid = "09.00"});
        p.room("B14");
        WeekView view = p.view();
        SCOPED_TRACE(helg);
        Rows expected{lesson, late, booking, early};
        if (helg == 1) {
            expected.push_back(saturday);
        }
        EXPECT_EQ(p.shown(), expected);
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
}

TEST(WeekView, RoomsMatchLessonsByWholeWordAndBookingsExactly) {
    ViewProgram p;
    int shared = p.lesson({.objekt = "B12 B14"});
    int b14 = p.booking({});
    int b14a = p.booking({.objekt = "B14A"});
    int projector = p.booking({.objekt = "PROJEKTOR"});
    const std::pair<const char*, Rows> rooms[] = {
        {"B12", {shared}}, {"B14", {shared, b14}}, {"B1", {}}, {"B14A", {b14a}}};
    for (const auto& [room, rows] : rooms) {
        p.room(room);
        EXPECT_EQ(p.shown(), rows) << room;
    }
    // Other objects by their own index; nothing chosen, or an index past the list: an
    // empty grid with fresh headers.
    p.program.settings.bokaobjekt = {"PROJEKTOR"};
    p.program.selection.viewKind = ViewKind::Annat;
    p.program.selection.valtobjekt = 1;
    EXPECT_EQ(p.shown(), Rows{projector});
    p.program.selection.valtobjekt = 2;
    WeekView none = p.view();
    EXPECT_TRUE(none.boxes.empty() && !none.unchanged);
    EXPECT_EQ(none.headers[0], "M\xE5n 29 sep");
    p.program.selection.valtobjekt = 0;
    EXPECT_EQ(p.shown(), Rows{});
    p.program.selection.viewKind = ViewKind::Salar;
    p.program.salar.clear();
    EXPECT_EQ(p.shown(), Rows{});
}

TEST(WeekView, WeekRangesRunOverTheNewYearAndLessonsKeepToTheirWeeks) {
    ViewProgram p;
    int overNewYear = p.lesson({.veckor = "45-3"});
    int spring = p.lesson({.veckor = "2-4"});
    int span = p.booking({.vecka = "45-57"});
    int later = p.booking({.vecka = "60"});
    p.room("B14");
    auto at = [&](int week) {
        p.program.selection.valdvecka = week;
        return p.shown();
    };
    EXPECT_EQ(at(44), Rows{});
    EXPECT_EQ(at(45), (Rows{overNewYear, span}));
    EXPECT_EQ(at(54), (Rows{overNewYear, spring, span})); // week 2
    EXPECT_EQ(at(55), (Rows{overNewYear, spring, span}));
    EXPECT_EQ(at(56), (Rows{spring, span}));
    EXPECT_EQ(at(57), Rows{span});
    EXPECT_EQ(at(58), Rows{});
    EXPECT_EQ(at(60), Rows{later});
    // The lesson lists calendar weeks, so week 2 means 2 as well as 54.
    EXPECT_EQ(at(2), (Rows{overNewYear, spring}));
    EXPECT_EQ(at(4), Rows{spring});
}

TEST(WeekView, StaffViewAndOverviewShowTheirRowsOnce) {
    ViewProgram p;
    int taught = p.lesson({.signatur = "FY1", .objekt = "B12", .larare = "AB CD"});
    p.lesson({.signatur = "KE1", .objekt = "B12", .larare = "ABC"});
    int roomless = p.lesson({.signatur = "MENTOR", .objekt = "", .larare = "CD"});
    int several = p.booking({.kommentar = "Prov", .vecka = "40-42"});
    int byCd = p.booking({.signatur = "CD"});
    int b12 = p.booking({.objekt = "B12", .vecka = "41"});
    p.booking({.objekt = ""}); // cancelled: never drawn
    p.program.selection.viewKind = ViewKind::Personal;

    // Nobody chosen: the grid is left alone.
    WeekView untouched = p.view();
    EXPECT_TRUE(untouched.unchanged && untouched.boxes.empty());
    EXPECT_EQ(untouched.headers[0], "");

    p.program.selection.valdperson = 2;
    EXPECT_EQ(p.shown(), (Rows{taught, several}));
    EXPECT_EQ(p.view().boxes[1].caption, "B14  AB\r\n08.15 -09.00\r\nProv");
    p.program.selection.valdperson = 3;
    EXPECT_EQ(p.shown(), (Rows{taught, roomless, byCd}));
    p.program.selection.valdperson = 1; // "A" teaches nothing: no part-word matches
    EXPECT_EQ(p.shown(), Rows{});
    // A booking over several weeks: the staff view shows it in its first week only.
    p.program.selection.valdvecka = 41;
    p.program.selection.valdperson = 2;
    EXPECT_EQ(p.shown(), (Rows{taught, b12}));

    // The overview: every object's bookings of the week, no lessons.
    p.program.selection.viewKind = ViewKind::AllaBokningar;
    EXPECT_EQ(p.shown(), (Rows{several, b12}));
    EXPECT_EQ(p.view().boxes[1].caption, "B12  AB\r\n08.15 -09.00\r\n");
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
            EXPECT_EQ(messages.log(), Lines(count - 100, "Visa bokningar|Alla bokningar kunde inte visas."));
        }
    }
}

} // namespace
} // namespace tivra

#include "view/WeekView.h"

#include "support/Fakes.h"
#include "view/ViewFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tivra {
namespace {

using test::ViewProgram;

std::vector<int> rowsOf(const WeekView& view) {
    std::vector<int> rows;
    for (const Box& b : view.boxes) {
        rows.push_back(b.rad);
    }
    return rows;
}

std::vector<int> shown(const ViewProgram& p, int helg = 0) {
    return rowsOf(visasalsschema(p.program, test::gridFor(helg), p.today));
}

TEST(WeekView, BoxesCarryRowPlaceCaptionAndColour) {
    ViewProgram p;
    int lesson = p.lesson({.signatur = "MA1",
                           .kommentar = "NA1B",
                           .langd = "60",
                           .dag = "1",
                           .starttid = "09.00",
                           .objekt = "B12 B14",
                           .larare = "AB"});
    int booking = p.booking({.signatur = "AB",
                             .kommentar = "M\xF6te",
                             .langd = "45",
                             .dag = "2",
                             .starttid = "10.15",
                             .objekt = "B14",
                             .vecka = "40"});
    p.room("B14");
    GridGeometry grid = test::gridFor(0);
    WeekView view = visasalsschema(p.program, grid, p.today);

    ASSERT_EQ(view.boxes.size(), 2u);
    const Box& l = view.boxes[0];
    EXPECT_EQ(l.rad, lesson);
    EXPECT_EQ(l.dag, 1);
    EXPECT_EQ(l.kind, BoxKind::Lesson);
    EXPECT_EQ(l.colour(), (Rgb{255, 128, 128}));
    EXPECT_EQ(l.caption, "MA1\r\n09.00 -10.00\r\nNA1B");
    const Box& b = view.boxes[1];
    EXPECT_EQ(b.rad, booking);
    EXPECT_EQ(b.kind, BoxKind::Booking);
    EXPECT_EQ(b.colour(), (Rgb{128, 255, 128}));
    EXPECT_EQ(b.caption, "AB\r\n10.15 -11.00\r\nM\xF6te");
    EXPECT_EQ(b.rect,
              (Rect{grid.dayBox(2).left, 330 + 5370.0 * 135 / 480, grid.dayWidth(), 5370.0 * 45 / 480}));
    EXPECT_FALSE(view.overflow);
    EXPECT_FALSE(view.unchanged);
    // Week 40 of the school year 25/26: Monday 29 September 2025.
    EXPECT_EQ(view.headers[0], "M\xE5n 29 sep");
    EXPECT_EQ(view.headers[6], "S\xF6n 5 okt");
}

TEST(WeekView, ClippingAndWeekendRulesDecideWhatIsDrawn) {
    for (int helg : {0, 1}) {
        ViewProgram p(helg);
        int late = p.lesson({.langd = "60", .dag = "5", .starttid = "15.30", .objekt = "B14"});
        int early = p.booking({.langd = "60", .dag = "1", .starttid = "07.30"});
        p.booking({.langd = "60", .dag = "1", .starttid = "16.00"}); // at SLUTTID: no box
        int saturday = p.booking({.langd = "60", .dag = "6", .starttid = "09.00"});
        int after = p.booking({.langd = "30", .dag = "3", .starttid = "09.00"});
        p.room("B14");
        WeekView view = visasalsschema(p.program, test::gridFor(helg), p.today);
        std::vector<int> expected{late, early};
        if (helg == 1) {
            expected.push_back(saturday);
        }
        expected.push_back(after);
        // The rejected row at 16.00 takes no box: the numbering stays dense.
        EXPECT_EQ(rowsOf(view), expected) << helg;
        EXPECT_DOUBLE_EQ(view.boxes[0].rect.height, 5370.0 * 30 / 480);
        EXPECT_DOUBLE_EQ(view.boxes[0].rect.top + view.boxes[0].rect.height, 330 + 5370.0);
        EXPECT_DOUBLE_EQ(view.boxes[1].rect.top, 330);
        EXPECT_DOUBLE_EQ(view.boxes[1].rect.height, 5370.0 * 30 / 480);
        // The caption keeps the unclipped times.
        EXPECT_EQ(view.boxes[1].caption, "AB\r\n07.30 -08.30\r\n");
    }
}

TEST(WeekView, RoomsMatchLessonsByWholeWordAndBookingsExactly) {
    ViewProgram p;
    int shared = p.lesson({.objekt = "B12 B14"});
    int b14 = p.booking({.objekt = "B14"});
    int b14a = p.booking({.objekt = "B14A"});
    p.room("B12");
    EXPECT_EQ(shown(p), std::vector<int>{shared});
    p.room("B14");
    EXPECT_EQ(shown(p), (std::vector<int>{shared, b14}));
    p.room("B1");
    EXPECT_EQ(shown(p), std::vector<int>{});
    p.room("B14A");
    EXPECT_EQ(shown(p), std::vector<int>{b14a});

    // Other objects by their own index; nothing chosen, or an index past the list: empty
    // grid with fresh headers.
    p.program.settings.bokaobjekt = {"PROJEKTOR"};
    int projector = p.booking({.objekt = "PROJEKTOR"});
    p.program.val.vy = Vy::Annat;
    EXPECT_EQ(shown(p), std::vector<int>{});
    p.program.val.valtobjekt = 1;
    EXPECT_EQ(shown(p), std::vector<int>{projector});
    p.program.val.valtobjekt = 2;
    WeekView none = visasalsschema(p.program, test::gridFor(0), p.today);
    EXPECT_TRUE(none.boxes.empty());
    EXPECT_FALSE(none.unchanged);
    EXPECT_EQ(none.headers[0], "M\xE5n 29 sep");
    p.program.val.vy = Vy::Salar;
    p.program.salar.clear();
    EXPECT_EQ(shown(p), std::vector<int>{});
}

TEST(WeekView, WeekRangesRunOverTheNewYear) {
    ViewProgram p;
    int overNewYear = p.lesson({.objekt = "B14", .veckor = "45-3"});
    int spring = p.lesson({.objekt = "B14", .veckor = "2-4"});
    int span = p.booking({.vecka = "45-57"});
    int later = p.booking({.vecka = "60"});
    p.room("B14");
    auto at = [&](int w) {
        p.week(w);
        return shown(p);
    };
    EXPECT_EQ(at(44), std::vector<int>{});
    EXPECT_EQ(at(45), (std::vector<int>{overNewYear, span}));
    EXPECT_EQ(at(50), (std::vector<int>{overNewYear, span}));
    EXPECT_EQ(at(54), (std::vector<int>{overNewYear, spring, span})); // week 2
    EXPECT_EQ(at(55), (std::vector<int>{overNewYear, spring, span}));
    EXPECT_EQ(at(56), (std::vector<int>{spring, span}));
    EXPECT_EQ(at(57), std::vector<int>{span});
    EXPECT_EQ(at(58), std::vector<int>{});
    EXPECT_EQ(at(60), std::vector<int>{later});
    // The lesson lists calendar weeks, so week 2 means 2 as well as 54.
    EXPECT_EQ(at(2), (std::vector<int>{overNewYear, spring}));
    EXPECT_EQ(at(4), std::vector<int>{spring});
}

TEST(WeekView, CancelledRowsAreNeverDrawn) {
    ViewProgram p;
    p.booking({.objekt = ""});
    Bokning cancelled = test::rowOf({});
    cancelled.cancel();
    p.program.bokningar.row(++p.program.bokningar.antalrader) = cancelled;
    p.program.timetable.personal = {"AB Anna Berg"};
    p.program.val.valdperson = 1;
    p.room("B14");
    for (Vy vy : {Vy::Salar, Vy::Personal, Vy::AllaBokningar}) {
        p.program.val.vy = vy;
        EXPECT_TRUE(visasalsschema(p.program, test::gridFor(0), p.today).boxes.empty());
    }
}

TEST(WeekView, StaffViewShowsTeachersLessonsAndOwnBookingsOnce) {
    ViewProgram p;
    int taught = p.lesson({.signatur = "FY1", .objekt = "B12", .larare = "AB CD"});
    p.lesson({.signatur = "KE1", .objekt = "B12", .larare = "ABC"});
    int roomless = p.lesson({.signatur = "MENTOR", .objekt = "", .larare = "CD"});
    int several = p.booking({.signatur = "AB", .objekt = "B14", .vecka = "40-42"});
    int byCd = p.booking({.signatur = "CD", .objekt = "B14", .vecka = "40"});
    p.program.timetable.personal = {"A Ada", "AB Anna Berg", "CD Carl Dahl"};
    p.program.val.vy = Vy::Personal;
    GridGeometry grid = test::gridFor(0);

    // Nobody chosen: the grid is left alone.
    WeekView untouched = visasalsschema(p.program, grid, p.today);
    EXPECT_TRUE(untouched.unchanged);
    EXPECT_TRUE(untouched.boxes.empty());
    EXPECT_EQ(untouched.headers[0], "");

    p.program.val.valdperson = 2;
    WeekView ab = visasalsschema(p.program, grid, p.today);
    EXPECT_FALSE(ab.unchanged);
    EXPECT_EQ(rowsOf(ab), (std::vector<int>{taught, several}));
    EXPECT_EQ(ab.boxes[0].caption, "FY1\r\n08.15 -09.00\r\n");
    EXPECT_EQ(ab.boxes[1].caption, "B14  AB\r\n08.15 -09.00\r\n");
    p.week(41);
    EXPECT_EQ(rowsOf(visapersschema(p.program, grid, p.today)), std::vector<int>{taught});
    p.room("B14");
    EXPECT_EQ(shown(p), std::vector<int>{several}); // the room shows every week of it

    p.program.val.vy = Vy::Personal;
    p.week(40);
    p.program.val.valdperson = 3;
    EXPECT_EQ(rowsOf(visapersschema(p.program, grid, p.today)), (std::vector<int>{taught, roomless, byCd}));
    p.program.val.valdperson = 1; // "A" teaches nothing: no part-word matches
    EXPECT_EQ(rowsOf(visapersschema(p.program, grid, p.today)), std::vector<int>{});
}

TEST(WeekView, OverviewShowsEveryObjectsBookingsButNoLessons) {
    ViewProgram p;
    p.lesson({.objekt = "B14"});
    int b14 = p.booking({.signatur = "AB", .kommentar = "Prov", .objekt = "B14"});
    int projector = p.booking({.signatur = "CD", .objekt = "PROJEKTOR", .vecka = "38-41"});
    p.booking({.objekt = "B12", .vecka = "41"});
    p.program.val.vy = Vy::AllaBokningar;
    WeekView view = visasalsschema(p.program, test::gridFor(0), p.today);
    EXPECT_EQ(rowsOf(view), (std::vector<int>{b14, projector}));
    EXPECT_EQ(view.boxes[0].caption, "B14  AB\r\n08.15 -09.00\r\nProv");
    EXPECT_EQ(view.boxes[1].caption, "PROJEKTOR  CD\r\n08.15 -09.00\r\n");
    EXPECT_EQ(view.boxes[1].kind, BoxKind::Booking);
}

TEST(WeekView, EveryViewStopsAtTheHundredFirstBox) {
    for (Vy vy : {Vy::Salar, Vy::Personal, Vy::AllaBokningar}) {
        for (int count : {100, 101, 150}) {
            ViewProgram p;
            p.program.timetable.personal = {"AB Anna Berg"};
            p.program.val.valdperson = 1;
            p.room("B14");
            p.program.val.vy = vy;
            for (int i = 0; i < count; ++i) {
                // Rows that place no box do not count towards the pool.
                p.booking({.starttid = "17.00"});
                p.booking({.dag = std::to_string(i % 5 + 1), .starttid = "09.00"});
            }
            WeekView view = visasalsschema(p.program, test::gridFor(0), p.today);
            SCOPED_TRACE(testing::Message() << static_cast<int>(vy) << " " << count);
            ASSERT_EQ(view.boxes.size(), 100u);
            EXPECT_EQ(view.boxes.front().rad, 2);
            EXPECT_EQ(view.boxes.back().rad, 200);
            EXPECT_EQ(view.overflow, count > 100);

            test::ScriptedMessages messages;
            reportOverflow(view, messages);
            if (count > 100) {
                ASSERT_EQ(messages.shown.size(), 1u);
                EXPECT_EQ(messages.shown[0].text, "Alla bokningar kunde inte visas.");
                EXPECT_EQ(messages.shown[0].title, "Visa bokningar");
                EXPECT_EQ(messages.shown[0].icon, Icon::Exclamation);
            } else {
                EXPECT_TRUE(messages.shown.empty());
            }
        }
    }
}

} // namespace
} // namespace tivra

#include "view/GridGeometry.h"

#include <gtest/gtest.h>

namespace tivra {
namespace {

constexpr double kH = kDayBoxHeight;

TEST(GridGeometry, DayColumnsFillTheWindowWidth) {
    for (int helg : {0, 1}) {
        GridGeometry grid(15000, helg);
        int n = helg == 1 ? 7 : 5;
        double w = (15000 * 0.98 - 3840) / (1.08 * n);
        EXPECT_EQ(grid.dayCount(), n);
        EXPECT_DOUBLE_EQ(grid.dayWidth(), w);
        EXPECT_EQ(grid.dayBox(1), (Rect{3840, 330, w, 5370}));
        EXPECT_DOUBLE_EQ(grid.dayBox(3).left, 3840 + 2 * 1.08 * w);
        EXPECT_EQ(grid.header(3), (Rect{grid.dayBox(3).left, 30, w, 210}));
        // The last shown column ends at 98 % of the window less one gap.
        Rect lastBox = grid.dayBox(n);
        EXPECT_NEAR(lastBox.left + lastBox.width, 15000 * 0.98 - 0.08 * w, 1e-6);
        EXPECT_EQ(grid.dayVisible(6), helg == 1);
        EXPECT_EQ(grid.dayVisible(7), helg == 1);
        EXPECT_TRUE(grid.dayVisible(5));
        EXPECT_FALSE(grid.dayVisible(0));
        EXPECT_FALSE(grid.dayVisible(8));
    }
    // Anything but 1 is a week without weekend; a window narrower than the margin gives
    // empty columns rather than negative ones.
    EXPECT_EQ(GridGeometry(15000, -1).dayCount(), 5);
    EXPECT_EQ(GridGeometry(15000, 2).dayCount(), 5);
    EXPECT_EQ(GridGeometry(1000, 0).dayWidth(), 0);
}

TEST(GridGeometry, TimeAxisMapsTheHoursOntoTheDayBox) {
    TimeAxis axis{8, 16};
    EXPECT_DOUBLE_EQ(axis.y(8 * 60), 330);
    EXPECT_DOUBLE_EQ(axis.y(16 * 60), 330 + kH);
    EXPECT_DOUBLE_EQ(axis.y(10 * 60 + 30), 330 + kH * 150 / 480);
    EXPECT_DOUBLE_EQ(axis.height(90), kH * 90 / 480);
    // Hours without span never divide by zero.
    for (TimeAxis bad : {TimeAxis{10, 10}, TimeAxis{16, 8}}) {
        EXPECT_DOUBLE_EQ(bad.y(600), 330);
        EXPECT_DOUBLE_EQ(bad.height(60), 0);
    }
}

TEST(GridGeometry, PlacedBoxesAreClippedToTheDaysHours) {
    GridGeometry grid(15000, 0);
    TimeAxis axis{8, 16};
    double w = grid.dayWidth();
    auto slot = [](int h, int m) { return h * 12 + m / 5 + 1; };

    // Tuesday 10.00 for 90 minutes: exactly the formulas.
    EXPECT_EQ(placeBox(grid, axis, 2, slot(10, 0), 90),
              (Rect{grid.dayBox(2).left, 330 + kH * 120 / 480, w, kH * 90 / 480}));
    // 7.30 to 8.30 starts at the top, 30 minutes high.
    EXPECT_EQ(placeBox(grid, axis, 1, slot(7, 30), 60), (Rect{3840, 330, w, kH * 30 / 480}));
    // Friday 15.30 for 60 minutes ends at the bottom, 30 minutes high.
    EXPECT_EQ(placeBox(grid, axis, 5, slot(15, 30), 60),
              (Rect{grid.dayBox(5).left, 330 + kH * 450 / 480, w, kH * 30 / 480}));
    // Nothing of it inside the hours, or no length: no box.
    EXPECT_FALSE(placeBox(grid, axis, 3, slot(16, 0), 60));
    EXPECT_FALSE(placeBox(grid, axis, 3, slot(7, 0), 60));
    EXPECT_FALSE(placeBox(grid, axis, 3, slot(7, 0), 30));
    EXPECT_FALSE(placeBox(grid, axis, 3, slot(9, 0), 0));
    EXPECT_FALSE(placeBox(grid, axis, 3, slot(9, 0), -30));
    // A malformed start (slot 0) lies before midnight.
    EXPECT_FALSE(placeBox(grid, axis, 3, 0, 60));
    // Weekend rows only on a weekend grid; a day that names no column never.
    EXPECT_FALSE(placeBox(grid, axis, 6, slot(9, 0), 60));
    EXPECT_FALSE(placeBox(grid, axis, 5.5, slot(9, 0), 60));
    GridGeometry weekend(15000, 1);
    EXPECT_EQ(placeBox(weekend, axis, 7, slot(9, 0), 60)->left, weekend.dayBox(7).left);
    EXPECT_EQ(placeBox(weekend, axis, 6, slot(9, 0), 60)->width, weekend.dayWidth());
    for (double day : {0.0, -1.0, 8.0, 0.4}) {
        EXPECT_FALSE(placeBox(weekend, axis, day, slot(9, 0), 60)) << day;
    }
    // An axis without span shows nothing.
    EXPECT_FALSE(placeBox(grid, TimeAxis{12, 12}, 1, slot(12, 0), 60));
    EXPECT_FALSE(placeBox(grid, TimeAxis{14, 9}, 1, slot(10, 0), 60));
}

TEST(GridGeometry, Shape1CoversTheMarkedSlotsOfTheChosenDay) {
    GridGeometry grid(15000, 0);
    TimeAxis axis{8, 16};
    double w = grid.dayWidth();
    // 9.00 (slot 109) to 10.00 (slot 121) on Wednesday.
    EXPECT_EQ(visaShape1(grid, axis, 3, 109, 121),
              (Rect{grid.dayBox(3).left + 0.02 * w, 330 + kH * 12 / 96, 0.96 * w, kH * 12 / 96}));
    // The end is held to the slot of 15.55; the start is not limited.
    Rect late = *visaShape1(grid, axis, 1, 181, 250);
    EXPECT_DOUBLE_EQ(late.top + late.height, 330 + kH * 95 / 96);
    Rect early = *visaShape1(grid, axis, 1, 85, 109);
    EXPECT_DOUBLE_EQ(early.top, 330 - kH * 12 / 96);
    // Hidden: no day, a start past the last slot, hours without span.
    EXPECT_FALSE(visaShape1(grid, axis, 0, 109, 121));
    EXPECT_FALSE(visaShape1(grid, axis, 8, 109, 121));
    EXPECT_FALSE(visaShape1(grid, axis, 2, 193, 205));
    EXPECT_FALSE(visaShape1(grid, TimeAxis{8, 8}, 2, 109, 121));
}

} // namespace
} // namespace tivra

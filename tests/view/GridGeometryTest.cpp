#include "view/GridGeometry.h"

#include <gtest/gtest.h>

#include <tuple>

namespace tivra {
namespace {

constexpr double kH = kDayBoxHeight;

int slot(int h, int m) {
    return h * 12 + m / 5 + 1;
}

// The days share the width beside the hour scale in equal columns, a gap between each
// two, the last one ending inside the window; each heading stands above its own column.
TEST(GridGeometry, DaysShareTheWindowInEqualColumnsWithGapsAndHeadingsAbove) {
    for (int n : {5, 7}) {
        const GridGeometry grid(15000, n == 7 ? 1 : 0);
        EXPECT_EQ(grid.dayCount(), n);
        EXPECT_EQ(grid.dayBox(1).left, kDayBoxLeft);
        for (int d = 1; d <= n; ++d) {
            const Rect box = grid.dayBox(d);
            const Rect head = grid.header(d);
            EXPECT_EQ(std::tuple(box.top, box.height, box.width),
                      std::tuple(kDayBoxTop, kDayBoxHeight, grid.dayWidth()));
            EXPECT_EQ(std::tuple(head.left, head.width), std::tuple(box.left, box.width));
            EXPECT_LT(head.top + head.height, box.top);
            if (d > 1) {
                const Rect before = grid.dayBox(d - 1);
                EXPECT_GT(box.left, before.left + before.width) << d;
            }
        }
        const Rect last = grid.dayBox(n);
        EXPECT_LE(last.left + last.width, 15000);
        EXPECT_GT(last.left + last.width, 15000 * 0.9) << "the days use the width";
        EXPECT_EQ(grid.dayVisible(6), n == 7);
        EXPECT_FALSE(grid.dayVisible(0) || grid.dayVisible(8));
    }
    // Anything but 1 is a week without weekend; a window narrower than the margin gives
    // empty columns rather than negative ones.
    EXPECT_EQ(GridGeometry(15000, 2).dayCount(), 5);
    EXPECT_EQ(GridGeometry(1000, 0).dayWidth(), 0);
}

// A box covers its hours in its day's column, cut to the day's hours; the marking of typed
// times covers the same hours inside the column.
TEST(GridGeometry, BoxesAndTheTypedMarkingCoverTheirHoursClippedToTheDay) {
    const TimeAxis axis{8, 16};
    const GridGeometry grid(15000, 0), weekend(15000, 1);
    const Rect wed = grid.dayBox(3);
    // 10.00 for 90 minutes: a quarter of the way down the day, 3/16 of it high.
    EXPECT_EQ(placeBox(grid, axis, 3, slot(10, 0), 90),
              (Rect{wed.left, 330 + kH / 4, wed.width, kH * 3 / 16}));
    EXPECT_EQ(placeBox(grid, axis, 3, slot(7, 30), 60), placeBox(grid, axis, 3, slot(8, 0), 30));
    EXPECT_EQ(placeBox(grid, axis, 3, slot(15, 30), 60), placeBox(grid, axis, 3, slot(15, 30), 30));
    EXPECT_EQ(placeBox(weekend, axis, 7, slot(9, 0), 60)->left, weekend.dayBox(7).left);
    // Beginning as the day ends, ending as it begins, no length, a malformed start (slot 0
    // lies before midnight), a weekend day without weekends, days that name no column.
    EXPECT_FALSE(placeBox(grid, axis, 3, slot(16, 0), 60));
    EXPECT_FALSE(placeBox(grid, axis, 3, slot(7, 0), 60));
    EXPECT_FALSE(placeBox(grid, axis, 3, slot(9, 0), 0));
    EXPECT_FALSE(placeBox(grid, axis, 3, 0, 60));
    EXPECT_FALSE(placeBox(grid, axis, 6, slot(9, 0), 60));
    EXPECT_FALSE(placeBox(grid, axis, 5.5, slot(9, 0), 60));
    EXPECT_FALSE(placeBox(weekend, axis, 8, slot(9, 0), 60));
    // An axis without span shows nothing.
    EXPECT_FALSE(placeBox(grid, TimeAxis{12, 12}, 1, slot(12, 0), 60));

    // 9.00 to 10.00 on Wednesday, inside the column; the end is held to 15.55, the start is not.
    const Rect marked = *visaShape1(grid, axis, 3, slot(9, 0), slot(10, 0));
    const Rect hour = *placeBox(grid, axis, 3, slot(9, 0), 60);
    EXPECT_EQ(std::tuple(marked.top, marked.height), std::tuple(hour.top, hour.height));
    EXPECT_GT(marked.left, wed.left);
    EXPECT_LT(marked.left + marked.width, wed.left + wed.width);
    Rect late = *visaShape1(grid, axis, 1, slot(15, 0), 250);
    EXPECT_DOUBLE_EQ(late.top + late.height, 330 + kH * 95 / 96);
    EXPECT_LT(visaShape1(grid, axis, 1, slot(7, 0), slot(9, 0))->top, 330);
    // Hidden: no day, a start past the last slot, hours without span.
    EXPECT_FALSE(visaShape1(grid, axis, 0, 109, 121));
    EXPECT_FALSE(visaShape1(grid, axis, 8, 109, 121));
    EXPECT_FALSE(visaShape1(grid, axis, 2, slot(16, 0), slot(17, 0)));
    EXPECT_FALSE(visaShape1(grid, TimeAxis{8, 8}, 2, 109, 121));
}

} // namespace
} // namespace tivra

#include "view/Marking.h"

#include "core/TextHelpers.h"

#include <gtest/gtest.h>

#include <tuple>

namespace tivra {
namespace {

constexpr double kH = kDayBoxHeight;
const TimeAxis kAxis{8, 16};

TEST(Marking, PointerHeightSnapsToTheNearestSlotOfTheAxis) {
    EXPECT_EQ(slotAt(kAxis, kH / 4, kH), 121); // 10.00
    EXPECT_EQ(tidtext(slotAt(kAxis, 0, kH)), "08.00");
    EXPECT_EQ(tidtext(slotAt(kAxis, kH, kH)), "16.00");
    // Half a slot down rounds to the even neighbour: 96.5 -> 96 (08.00), 97.5 -> 98 (08.10).
    EXPECT_EQ(tidtext(slotAt(kAxis, kH / 192, kH)), "08.00");
    EXPECT_EQ(tidtext(slotAt(kAxis, 3 * kH / 192, kH)), "08.10");
    EXPECT_EQ(tidtext(slotAt(TimeAxis{7, 19}, kH / 2, kH)), "13.00");
}

TEST(Marking, DragFollowsThePointerInsideTheBoxAndASmallMoveIsAClick) {
    GridGeometry grid(15600, 0);
    const Rect day = grid.dayBox(3);
    Markering m;
    EXPECT_EQ(pressMarking(m, kAxis, 3, kH / 4), 121);
    EXPECT_EQ(m.markeringY, 1342); // 1342.5, halves to even
    // Upwards: the rectangle runs from the pointer to where the drag began, unsnapped.
    DragSpan up = dragMarking(m, grid, kAxis, 1000.4);
    EXPECT_EQ(std::tuple(up.shape1.top, up.shape1.height), std::tuple(day.top + 1000.4, 1342 - 1000.4));
    EXPECT_TRUE(up.shape1.left > day.left && up.shape1.left + up.shape1.width < day.left + day.width);
    EXPECT_EQ(tidtext(up.startslot), "09.30");
    EXPECT_EQ(up.endslot, 121);
    EXPECT_FALSE(releaseMarking(m));

    // A move of under a hundredth of the box is a click.
    pressMarking(m, kAxis, 1, 1000);
    dragMarking(m, grid, kAxis, 1000 + kH / 100 - 1);
    EXPECT_TRUE(releaseMarking(m));
    EXPECT_FALSE(m.markering);
    pressMarking(m, kAxis, 1, 1000);
    dragMarking(m, grid, kAxis, 1000 + kH / 100 + 1);
    EXPECT_FALSE(releaseMarking(m));
    // A release without a press (it began outside the day boxes) hides nothing.
    EXPECT_FALSE(releaseMarking(m));
}

// The common cases run through the window's fields; these are the edges.
TEST(Marking, TimeFieldsAcceptOnlyRealTimesWithinTheirBounds) {
    EXPECT_EQ(lengthTyped(" 09.00 ", "45").end, "09.45");
    EXPECT_EQ(lengthTyped("00.05", "45").end, "00.50");
    EXPECT_EQ(lengthTyped("23.30", "99999999999999999999999").kind, LengthTyped::Kind::Hide);
    EXPECT_EQ(lengthTyped("9.00", "19.9").kind, LengthTyped::Kind::Nothing);
    EXPECT_EQ(lengthTyped("9.00", "20").kind, LengthTyped::Kind::Show);
    // The length needs a start strictly between 0 and 24 with real minutes and digits.
    for (const char* start : {"00.00", "24.00", "9.60", "9", "a .00", "9:00"}) {
        EXPECT_EQ(lengthTyped(start, "45").kind, LengthTyped::Kind::Hide) << start;
    }
    // The end field admits both ends of the day.
    EXPECT_EQ(lengthFromEnd("00.00", "00.30"), "30");
    EXPECT_EQ(lengthFromEnd("23.00", "24.00"), "60");
    for (const char* end : {"24.30", "10.7", "9.00", "1 .00"}) {
        EXPECT_EQ(lengthFromEnd("9.00", end), std::nullopt) << end;
    }
}

// During an edit a moved start keeps the booking's length; outside one the length follows
// the end. No reversed span is left standing in either case.
TEST(Marking, AMovedStartKeepsTheLengthDuringAnEditAndNeverLeavesTheEndBeforeIt) {
    auto after = [](const char* start, const char* end, const char* length, bool editing) {
        StartTyped t = startTyped(start, end, length, editing);
        static const char* const kinds[] = {"nothing", "length", "end", "end emptied"};
        std::string out = kinds[static_cast<int>(t.kind)];
        if (t.kind == StartTyped::Kind::Length || t.kind == StartTyped::Kind::End) {
            out += " " + t.text;
        }
        if (t.kind == StartTyped::Kind::End) {
            out += " marked " + tidtext(t.startslot) + "-" + tidtext(t.endslot);
        }
        return out;
    };
    const char* const cases[][5] = {
        // start, end, length, editing, what follows
        {"12.30", "13.00", "60", "edit", "end 13.30 marked 12.30-13.30"},
        {"9.00", "13.00", "45", "edit", "end 09.45 marked 09.00-09.45"},
        {"12.30", "13.00", "60", "", "length 30"},
        {"12.30", "09.00", "60", "", "end emptied"},
        {"12.30", "12.30", "60", "", "end emptied"},
        {"23.30", "13.00", "60", "edit", "end emptied"}, // the end cannot follow past the day
        {"12.3", "13.00", "60", "edit", "nothing"},      // still being typed
        {"12.3", "09.00", "60", "", "nothing"},
    };
    for (const auto& [start, end, length, editing, expected] : cases) {
        EXPECT_EQ(after(start, end, length, *editing != '\0'), expected) << start << " " << editing;
    }
}

} // namespace
} // namespace tivra

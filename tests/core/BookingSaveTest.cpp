#include "core/BookingSave.h"

#include "BookingFixture.h"

#include <gtest/gtest.h>

namespace tivra::test {
namespace {

using SaveTest = SaveFixture;

TEST_F(SaveTest, CancelledBookingIsLeftOutAndTheRowsBelowMoveUp) {
    append("A");
    append("B");
    append("C");
    table.row(4).cancel();
    ASSERT_TRUE(save());
    EXPECT_EQ(readBytes(file.aktuellfil),
              fileBytes("Antal:  2 ", {bookingLines("A", "SAL 1", "36"), bookingLines("C", "SAL 1", "36")}));
    ASSERT_EQ(load(), LoadResult::Loaded);
    EXPECT_EQ(table.antalrader, 4);
    EXPECT_EQ(table.row(4).signatur, "C");
}

TEST_F(SaveTest, RefusesMoreLiveBookingsThanTheFileHoldsAndAppendRefusesAFullTable) {
    writeBytes(file.aktuellfil, "Antal: 0\r\n");
    for (int i = 0; i < kMaxBookingsInFile; ++i) {
        append("A");
    }
    append("B");
    EXPECT_FALSE(save());
    ASSERT_EQ(
        messages.log(),
        Lines{"Spara bokningar|Bokningsfilen rymmer h\xF6gst 5555 bokningar. \xC4ndringarna ej sparade."});
    EXPECT_EQ(messages.shown[0].icon, Icon::Exclamation);
    EXPECT_EQ(readBytes(file.aktuellfil), "Antal: 0\r\n");

    // A cancelled row does not count
    table.row(3).cancel();
    EXPECT_TRUE(save());
    ASSERT_EQ(load(), LoadResult::Loaded);
    EXPECT_EQ(table.antalrader, 2 + kMaxBookingsInFile);
    EXPECT_EQ(table.row(table.antalrader).signatur, "B");

    messages.shown.clear();
    table.antalrader = kMaxRows - 1;
    append("C"); // the last row
    EXPECT_FALSE(laggTillRad(table, bookingRow("D", "SAL 1", "36"), messages));
    EXPECT_EQ(table.antalrader, kMaxRows);
    EXPECT_EQ(messages.log(),
              Lines{"Boka|Bokningstabellen \xE4r full (h\xF6gst 20000 rader). Bokningen sparades inte."});
}

} // namespace
} // namespace tivra::test

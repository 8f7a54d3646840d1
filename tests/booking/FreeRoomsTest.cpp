#include "booking/FreeRooms.h"

#include "BokaFixture.h"

#include <numeric>

namespace tivra::test {
namespace {

class FreeRoomsTest : public BokaTest {
  protected:
    static std::string joined(const std::vector<std::string>& names) {
        return std::accumulate(names.begin(), names.end(), std::string(),
                               [](const std::string& s, const std::string& name) { return s + name + ","; });
    }
    // Tuesday at the time asked about, in week 10 unless told: "free,|lessons only," or the refusal.
    std::string free(const std::string& start, const std::string& langd, Vy vy = Vy::Salar, int week = 10) {
        BookingFields f = fields(start, langd);
        f.vy = vy;
        auto found = ledigaSalar(program, f, week);
        const FreeRooms* rooms = std::get_if<FreeRooms>(&found);
        return rooms ? joined(rooms->free) + "|" + joined(rooms->lessonsOnly) : std::get<std::string>(found);
    }
};

TEST_F(FreeRoomsTest, RoomsWithNothingInTheWayInListOrderAndThoseOnlyALessonBlocks) {
    addLesson("SAL 1 SAL 2", "09.00", "60");  // whole words: not SAL 12
    addLesson("SAL 12", "09.00", "60", "11"); // only in calendar week 11
    use({booked("AB", "SAL 2", "2", "08.30", "60", "8-12"),
         booked("CD", "SAL 12", "2", "10.00", "30", "10")});

    EXPECT_EQ(free("9.00", "60"), "SAL 12,|SAL 1,") << "SAL 2 is booked in a range over week 10";
    EXPECT_EQ(free("8.00", "60"), "SAL 1,SAL 12,|") << "ends that touch are free";
    EXPECT_EQ(free("9.30", "60"), "|SAL 1,SAL 2,") << "SAL 12's booking from 10.00 is in the way";
    EXPECT_EQ(free("9.00", "60", Vy::Salar, 11), "|SAL 1,SAL 12,");

    // Other objects only inside their booking periods; the fields are checked as "Boka" checks them.
    EXPECT_EQ(free("9.00", "60", Vy::Annat, 7), "KAMERA,|");
    EXPECT_EQ(free("9.00", "60", Vy::Annat, 12), "DATORSAL,|");
    EXPECT_EQ(free("9", "60"), "Skriv tiden i formen 9.00.");
}

} // namespace
} // namespace tivra::test

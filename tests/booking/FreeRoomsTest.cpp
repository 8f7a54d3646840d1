#include "booking/FreeRooms.h"

#include "BokaFixture.h"

namespace tivra::test {
namespace {

using Names = std::vector<std::string>;

class FreeRoomsTest : public BokaTest {
  protected:
    // Tuesday at the time asked about, in week 10 unless told.
    std::string free(const std::string& start, const std::string& langd, Vy vy = Vy::Salar, int week = 10) {
        BookingFields f = fields(start, langd);
        f.vy = vy;
        auto found = ledigaSalar(program, f, week);
        if (const std::string* refusal = std::get_if<std::string>(&found)) {
            return *refusal;
        }
        const FreeRooms& rooms = std::get<FreeRooms>(found);
        std::string out;
        for (const std::string& name : rooms.free) {
            out += name + ",";
        }
        out += "|";
        for (const std::string& name : rooms.lessonsOnly) {
            out += name + ",";
        }
        return out;
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
}

TEST_F(FreeRoomsTest, BookingPeriodsAndTheFieldsAreCheckedAsBokaChecksThem) {
    EXPECT_EQ(free("9.00", "60", Vy::Annat, 7), "KAMERA,|");
    EXPECT_EQ(free("9.00", "60", Vy::Annat, 12), "DATORSAL,|");
    EXPECT_EQ(free("9", "60"), "Skriv tiden i formen 9.00.");
    EXPECT_EQ(free("", "60"), "Ange starttid f\xF6r bokningen.");
    EXPECT_EQ(free("9.00", "4"), "Ange bokningstidens l\xE4ngd i minuter.");
    BookingFields noDay = fields("9.00", "60");
    noDay.valddag = 0;
    EXPECT_EQ(std::get<std::string>(ledigaSalar(program, noDay, 10)), "V\xE4lj dag.");
}

} // namespace
} // namespace tivra::test

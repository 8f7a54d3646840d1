// `tivra free` on the real program: the list on standard output and the exit status.
#include "app/Process.h"

namespace tivra {
namespace {

using namespace test;

TEST(FreeCommand, ListsTheFreeRoomsOnePerLineAndRefusesBadFields) {
    TempDir dir;
    school(dir, {booking("A", 1, 2, 9, 10), booking("B", 3, 2, 9, 11)});
    const std::vector<std::string> tuesdayAtNine{"--week",  "10",   "--day",    "TIS",
                                                 "--start", "9.00", "--length", "30"};
    Outcome listed = run("free", dir, tuesdayAtNine);
    EXPECT_EQ(listed.said(), "0: ");
    EXPECT_EQ(listed.out, "R0\nR2\nR3\nR4\nR5\nR6\nR7\n");

    std::vector<std::string> saturday = tuesdayAtNine;
    saturday[3] = "L\xC3\x96R";
    EXPECT_EQ(run("free", dir, saturday).said(), "1: Lediga salar: V\xC3\xA4lj dag.\n");
}

} // namespace
} // namespace tivra

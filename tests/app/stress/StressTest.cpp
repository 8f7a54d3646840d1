// The long process test, under the CTest label "stress": many copies of the program
// booking into one file at once.
// scripts/test runs it with the rest; `ctest -LE stress` leaves them out.
#include "app/Process.h"
#include "core/ChangeLog.h"

#include <mutex>
#include <set>
#include <thread>

namespace tivra {
namespace {

using namespace test;

// Sixteen copies book at once into one file, half of them through a link (a second school
// folder whose booking file is a link to the first one's, through a linked folder), two
// copies for every time so that half of the attempts are refused: they take one lock, the
// file holds exactly the bookings reported made, and the change log one entry for each, by
// the copy that made it.
TEST(BookCommand, SixteenCopiesReachingOneFileByTwoPathsKeepAndLogExactlyTheBookingsTheyReportMade) {
    TempDir dir;
    TempDir byLink;
    TempDir scratch;
    school(dir, {});
    std::filesystem::create_directory_symlink(dir.path(), byLink.path() / "delad");
    std::filesystem::create_symlink(byLink.path() / "delad" / "liten.bok", byLink.path() / "liten.bok");
    writeBytes(byLink.file("Tivra.ini"),
               crlf({"SCHEMA: liten", "BOKNINGSFIL: liten.bok", "STARTVECKA: 1", "SLUTVECKA: 52"}));
    std::filesystem::copy_file(dir.file("liten.sal"), byLink.file("liten.sal"));
    std::mutex guard;
    std::vector<Row> made;
    std::vector<std::thread> copies;
    for (int p = 0; p < 16; ++p) {
        copies.emplace_back([&, p] {
            for (int i = 0; i < 10; ++i) {
                const int slot = p % 8 * 10 + i;
                Row b = booking("P" + std::to_string(p), slot / 20, slot % 5 + 1, 8 + slot % 20 / 5, 10);
                const std::string err = scratch.file("err" + std::to_string(p));
                const int status = finish(start("book", p % 2 == 0 ? dir : byLink, optionsFor(b), err));
                const std::lock_guard<std::mutex> hold(guard);
                if (status == 0) {
                    made.push_back(b);
                }
            }
        });
    }
    std::ranges::for_each(copies, [](std::thread& copy) { copy.join(); });
    ASSERT_EQ(made.size(), 80U);
    const std::string bytes = readBytes(dir.file("liten.bok"));
    EXPECT_EQ(bytes.size(), bookingFile(made).size());
    auto key = [](const auto& b) { return b.signatur + " " + b.objekt + " " + b.dag + " " + b.starttid; };
    std::set<std::string> logged;
    const LogContent log = readLogBytes(readBytes(dir.file("liten.logg")));
    for (const LogEntry& e : log.entries) {
        EXPECT_EQ(e.handelse + e.signatur, "Bokat" + e.efter.signatur);
        logged.insert(key(e.efter));
    }
    EXPECT_EQ(std::tuple(log.error, log.entries.size(), logged.size()), std::tuple("", 80U, 80U));
    for (const Row& b : made) {
        EXPECT_NE(bytes.find(crlf(b.lines())), std::string::npos) << b;
        EXPECT_TRUE(logged.contains(key(b))) << b;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.file("liten.bok.lock")));
}

} // namespace
} // namespace tivra

// `tivra export --ics` and `--csv` run as processes on the demo school.
#include "app/Process.h"

#include <filesystem>

namespace tivra {
namespace {

using namespace test;

std::size_t count(const std::string& text, const std::string& part) {
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++n;
    }
    return n;
}

TEST(ExportCommand, TheBusiestRoomsWeekAsACalendarFileAndRefusals) {
    TempDir school;
    TempDir out;
    std::filesystem::copy(std::string(TIVRA_SOURCE_DIR) + "/examples/demo-skola", school.path(),
                          std::filesystem::copy_options::recursive);
    const std::string ics = out.file("c1.ics");
    EXPECT_EQ(
        run("export", school, {"--ics", "--object", "c1", "--lessons", "--weeks", "50", "--out", ics}).said(),
        "0: ");
    const std::string calendar = readBytes(ics);
    EXPECT_EQ(calendar.substr(0, 17), "BEGIN:VCALENDAR\r\n");
    EXPECT_EQ(count(calendar, "BEGIN:VEVENT"), 15u) << "as its week schedule shows them";
    EXPECT_NE(calendar.find("SUMMARY:C1 \xE2\x80\x93 DN: Utvecklingssamtal\r\n"), std::string::npos);

    Outcome csv = run("export", school, {"--csv", "--person", "dn", "--weeks", "38"});
    EXPECT_EQ(csv.said(), "0: ");
    EXPECT_EQ(count(csv.out, "\r\n"), 2u) << csv.out;
    EXPECT_EQ(run("export", school, {"--csv", "--object", "x1"}).said(), "1: Exportera: V\xC3\xA4lj sal.\n");
    EXPECT_EQ(run("export", school, {"--csv"}).status, 2);
}

} // namespace
} // namespace tivra

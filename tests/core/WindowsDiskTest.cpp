// The Windows branches of the disk: what the shared tests cannot show from a POSIX machine.
// Built and run by the Windows build only.
#ifdef _WIN32
#include "core/BookingWrite.h"

#include "BookingFixture.h"

#include <windows.h>

#include <filesystem>
#include <utility>

namespace tivra::test {
namespace {

// A clock whose first pause runs a step, as time passing while the writer waits.
class PausingClock : public FixedClock {
  public:
    using FixedClock::FixedClock;
    std::function<void()> onPause = [] {};
    void pause(std::chrono::milliseconds d) override {
        FixedClock::pause(d), std::exchange(onPause, [] {})();
    }
};

TEST(WindowsDisk, AReplaceRefusedWhileAnotherProgramHoldsTheFileIsRetried) {
    TempDir dir;
    const std::string path = dir.file("Bokningar.bok");
    writeBytes(path, "Antal: 0\r\n");
    // Another program reads the file and lets nobody delete or rename it until the first pause.
    HANDLE held = CreateFileW(std::filesystem::path(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    RealDisk disk;
    PausingClock clock{Date{2026, 12, 7}};
    ScriptedMessages messages;
    Platform platform{disk, clock, messages};
    clock.onPause = [&] { CloseHandle(held); };
    EXPECT_TRUE(skrivfilBytes(path, "Antal:  0 \r\n", platform));
    EXPECT_EQ(clock.pauses.size(), 1u) << "refused once, then written";
    EXPECT_EQ(readBytes(path), "Antal:  0 \r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1) << "no temporary left";
}

TEST(WindowsDisk, NamesWithSwedishLettersAndUncPathsReachTheFileApiWhole) {
    TempDir dir;
    RealDisk disk;
    // Windows-1252 as the settings hold it: "Bokningar åäö ÅÄÖ.bok".
    const std::string name = dir.path().string() + "\\Bokningar \xE5\xE4\xF6 \xC5\xC4\xD6.bok";
    ASSERT_TRUE(disk.writeAll(name, "Antal: 0\r\n"));
    EXPECT_EQ(disk.readAll(name), "Antal: 0\r\n");
    const std::wstring wide = std::filesystem::directory_iterator(dir.path())->path().filename().wstring();
    EXPECT_EQ(wide, L"Bokningar \u00e5\u00e4\u00f6 \u00c5\u00c4\u00d6.bok");
    EXPECT_TRUE(disk.replace(name, dir.path().string() + "/ny.bok")) << "either separator";

    EXPECT_EQ(nativePath("\\\\server\\share\\bok\\Nya.bok"), "\\\\server\\share\\bok\\Nya.bok");
    const std::filesystem::path unc(nativePath("\\\\server\\share\\bok\\Nya.bok"));
    EXPECT_EQ(unc.filename().string(), "Nya.bok");
    EXPECT_EQ(unc.parent_path().string(), "\\\\server\\share\\bok");
}

} // namespace
} // namespace tivra::test
#endif

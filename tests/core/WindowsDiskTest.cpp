// The Windows branches of the disk: what the shared tests cannot show from a POSIX machine.
// Built and run by the Windows build only.
#ifdef _WIN32
#include "core/BookingSave.h"

#include "BookingFixture.h"

#include <windows.h>

#include <filesystem>

namespace tivra::test {
namespace {

using WindowsDisk = BookingFixture;

TEST_F(WindowsDisk, AReplaceRefusedWhileAnotherProgramHoldsTheFileIsRetried) {
    writeBytes(file.aktuellfil, "Antal: 0\r\n");
    // Another program reads the file and lets nobody delete or rename it until the second rename.
    HANDLE held = CreateFileW(std::filesystem::path(file.aktuellfil).c_str(), GENERIC_READ, FILE_SHARE_READ,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    disk.onReplace = [&, n = 0](const std::string&, const std::string&) mutable -> std::optional<bool> {
        if (n++ == 1) {
            CloseHandle(held);
        }
        return std::nullopt;
    };
    EXPECT_TRUE(save());
    EXPECT_EQ(clock.pauses.size(), 1u) << "refused once, then written";
    EXPECT_EQ(readBytes(file.aktuellfil), "Antal:  0 \r\n");
    EXPECT_TRUE(leftovers().empty());
}

// The lock, its note and every temporary file are made new (CREATE_NEW): whatever stands
// at the name refuses, and is left as it was.
TEST_F(WindowsDisk, ANewFileIsMadeOnlyWhereNothingStands) {
    writeBytes(file.aktuellfil, "Antal: 0\r\n");
    EXPECT_EQ(disk.createNew(file.aktuellfil, "4242\n", {}), std::errc::file_exists);
    EXPECT_EQ(readBytes(file.aktuellfil), "Antal: 0\r\n");
    std::filesystem::create_directory(dir.path() / "mapp");
    EXPECT_TRUE(disk.createNew(dir.file("mapp"), "4242\n", {}));
    EXPECT_FALSE(disk.createNew(dir.file("Bokningar.bok.lock"), "4242\n", {}));
    EXPECT_EQ(readBytes(dir.file("Bokningar.bok.lock")), "4242\n");
}

TEST_F(WindowsDisk, NamesWithSwedishLettersAndUncPathsReachTheFileApiWhole) {
    // Windows-1252 as the settings hold it: "Bokningar åäö ÅÄÖ.bok".
    const std::string name = dir.path().string() + "\\Bokningar \xE5\xE4\xF6 \xC5\xC4\xD6.bok";
    ASSERT_FALSE(disk.createNew(name, "Antal: 0\r\n", {}));
    EXPECT_EQ(disk.readAll(name), "Antal: 0\r\n");
    const std::wstring wide = std::filesystem::directory_iterator(dir.path())->path().filename().wstring();
    EXPECT_EQ(wide, L"Bokningar \u00e5\u00e4\u00f6 \u00c5\u00c4\u00d6.bok");
    EXPECT_TRUE(disk.replace(name, dir.path().string() + "/ny.bok")) << "either separator";

    const std::filesystem::path unc(nativePath("\\\\server\\share\\bok\\Nya.bok"));
    EXPECT_EQ(unc.string(), "\\\\server\\share\\bok\\Nya.bok");
}

} // namespace
} // namespace tivra::test
#endif

// The booking file against what ordinary use does to a shared file: hand edits, links,
// colleagues with other permissions, copies killed inside a save, odd files, a power loss.
#include "core/FileReplace.h"

#include "BookingFixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace tivra::test {
namespace {

namespace fs = std::filesystem;

class FileSafetyTest : public SaveFixture {};

TEST_F(FileSafetyTest, PipesDevicesAndHugeFilesAreReadErrorsNotHangs) {
    const std::string huge = dir.file("huge.bok");
    writeBytes(huge, "Antal: 0\r\n");
    fs::resize_file(huge, kMaxReadBytes + 1);
    std::vector<std::string> odd{huge, dir.path().string()};
#ifndef _WIN32
    // Named pipes and devices in the file system are POSIX's.
    const std::string fifo = dir.file("fifo.bok");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    odd.insert(odd.end(), {fifo, "/dev/zero"});
#endif
    for (const std::string& path : odd) {
        SCOPED_TRACE(path);
        file.aktuellfil = path;
        EXPECT_EQ(load(), LoadResult::Failed);
    }
}

// Every step is seen by the disk in the order a power loss cannot tear.
class OrderDisk : public RealDisk {
    using P = const std::string&;

  public:
    std::vector<std::string> steps;
    bool writeAll(P p, std::string_view b) override { return log("write"), RealDisk::writeAll(p, b); }
    bool flush(P p) override { return log("flush"), RealDisk::flush(p); }
    std::optional<std::string> readAll(P p) override { return log("read"), RealDisk::readAll(p); }
    bool replace(P f, P t) override { return log("rename"), RealDisk::replace(f, t); }
    bool flushFolder(P p) override { return log("flush folder"), RealDisk::flushFolder(p); }
    void log(const char* step) { steps.emplace_back(step); }
};

TEST_F(FileSafetyTest, AReplaceWritesFlushesReadsBackRenamesAndFlushesTheFolder) {
    OrderDisk order;
    ASSERT_EQ(replaceWhole(order, file.aktuellfil, "Antal: 0\r\n"), ReplaceOutcome::Replaced);
    EXPECT_EQ(order.steps, (std::vector<std::string>{"write", "flush", "read", "rename", "flush folder"}));
}

TEST_F(FileSafetyTest, ALinkStaysALinkAndTheFileKeepsItsPermissions) {
#ifdef _WIN32
    GTEST_SKIP() << "POSIX only: permission bits and a umask are POSIX's, and a symbolic link on Windows "
                    "needs a privilege a user lacks";
#else
    const std::string real = dir.file("real.bok");
    writeBytes(real, "Antal: 0\r\n");
    fs::permissions(real, fs::perms(0664));
    fs::create_symlink(real, file.aktuellfil);
    const mode_t umask = ::umask(077);
    append("A");
    const bool saved = save();
    ::umask(umask);

    ASSERT_TRUE(saved);
    EXPECT_TRUE(fs::is_symlink(file.aktuellfil));
    EXPECT_EQ(readBytes(real), savedA);
    EXPECT_EQ(fs::status(real).permissions() & fs::perms::all, fs::perms(0664));
    EXPECT_TRUE(leftovers().empty());
#endif
}

TEST_F(FileSafetyTest, OnlyTheFilesOwnStaleTemporariesAreRemoved) {
    writeBytes(file.aktuellfil, savedA);
    ASSERT_EQ(load(), LoadResult::Loaded);
    const auto old = fs::file_time_type::clock::now() - std::chrono::minutes(11);
    auto make = [&](const std::string& name, bool stale) {
        writeBytes(dir.file(name), "x");
        if (stale) {
            fs::last_write_time(dir.file(name), old);
        }
    };
    make("Bokningar.bok.tmp0123456789abcdef", true);  // a killed save: removed
    make("Bokningar.bok.tmpfedcba9876543210", false); // a colleague's save under way
    make("Bokningar.bok.tmp-kopia", true);            // the user's own file
    make("Andra.bok.tmp0123456789abcdef", true);      // another booking file's
    append("B");
    ASSERT_EQ(saveIfUnchanged(table, file, platform), SaveResult::Saved);
    std::vector<std::string> left = leftovers();
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (Lines{"Andra.bok.tmp0123456789abcdef", "Bokningar.bok.tmp-kopia",
                           "Bokningar.bok.tmpfedcba9876543210"}));
}

TEST_F(FileSafetyTest, AFieldWithALineBreakIsNeverWritten) {
    writeBytes(file.aktuellfil, savedA);
    ASSERT_EQ(load(), LoadResult::Loaded);
    Bokning broken = Row{.signatur = "B"};
    broken.kommentar = "a\nb";
    ASSERT_TRUE(laggTillRad(table, broken, messages));
    EXPECT_EQ(saveIfUnchanged(table, file, platform), SaveResult::NotSaved);
    EXPECT_EQ(readBytes(file.aktuellfil), savedA);
    EXPECT_EQ(messages.shown.back().title, "Spara bokningar");
}

TEST(SystemErrorText, CommonCausesInSwedishTheRestAsTheSystemSaysIt) {
    using std::errc;
    const std::pair<errc, std::string> cases[] = {
        {errc::no_such_file_or_directory, "Filen eller mappen finns inte."},
        {errc::permission_denied, "\xC5tkomst nekad."},
        {errc::no_space_on_device, "Disken \xE4r full."},
        {errc::read_only_file_system, "Filsystemet \xE4r skrivskyddat."},
        {errc::not_a_directory, "Det finns en fil d\xE4r en mapp skulle vara."},
        {errc::timed_out, std::make_error_code(errc::timed_out).message()}};
    for (const auto& [error, text] : cases) {
        EXPECT_EQ(systemErrorText(std::make_error_code(error)), text);
    }
    TempDir dir;
    EXPECT_EQ(RealDisk().createFolder(dir.file("saknas/under")), "Filen eller mappen finns inte.");
}

} // namespace
} // namespace tivra::test

// The booking file: its load, daily copy, write and save, and what ordinary use does to a
// shared file: hand edits, links, colleagues with other permissions, copies killed inside a
// save, odd files, a power loss.
#include "core/BookingFile.h"
#include "core/FileReplace.h"

#include "BookingFixture.h"

#include <functional>
#include <optional>
#include <random>
#include <tuple>
#include <utility>
#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace tivra::test {
namespace {

namespace fs = std::filesystem;

// Two lesson rows come first, as after a timetable import.
using LoadTest = SaveFixture;

TEST_F(LoadTest, ReadsBookingsAfterTheLessonsInLooseFormsAndWritesThemBackInTheProgramsForm) {
    const Row test{.signatur = "A", .kommentar = "Prov i fysik", .objekt = "B", .vecka = "9"};
    const Row noted{
        .signatur = "A", .kommentar = "Prov i fysik", .objekt = "B", .vecka = "9", .notering = "Not"};
    const std::vector<Row> own{{.signatur = "\xC5SA"},
                               {"BO", "Fika f\xF6r personalen", "60", "5", "14.00", "ALLA", "", "45-57", ""}};
    // No booking (and no copy of an empty file); the program's own form, letters of the code page
    // included; a short count line, bare line ends and no final line end; trailing empty lines.
    const std::pair<std::string, std::vector<Row>> cases[] = {
        {"Antal: 0\r\n", {}},
        {bookingFile(own), own},
        {"  Antal: 1\nA\nProv i fysik\n45\n2\n08.15\nB\n\n9\nNot", {noted}},
        {bookingFile({test}) + "\r\n  \r\n", {test}}};
    for (const auto& [bytes, bookings] : cases) {
        SCOPED_TRACE(bytes);
        writeBytes(file.aktuellfil, bytes);
        file.forstalasning = true;
        ASSERT_EQ(load(), LoadResult::Loaded);
        EXPECT_EQ(disk.exists(dir.file("Bokningar.bk4")), !bookings.empty());
        ASSERT_EQ(table.antalrader, 2 + static_cast<int>(bookings.size()));
        for (std::size_t i = 0; i < bookings.size(); ++i) {
            EXPECT_TRUE(table.row(3 + static_cast<int>(i)).sameBooking(bookings[i])) << i;
        }
        ASSERT_TRUE(save());
        EXPECT_EQ(readBytes(file.aktuellfil), bookingFile(bookings));
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(LoadTest, ReadErrorsSetLasfelShowNoBookingAndKeepTheFirstLoadPending) {
    const Lines readError{
        "\xD6ppna bokningar|Fel vid inl\xE4sning av " + file.aktuellfil +
        ". Starta om programmet eller f\xF6rs\xF6k igen. Meddela vid behov administrat\xF6ren."};
    const std::string two = bookingFile({{}, {}}, "Antal: 2");
    const std::tuple<const char*, std::optional<std::string>, int> cases[] = {
        {"missing file", std::nullopt, 3},
        {"short file: 17 lines after the count", two.substr(0, two.size() - 2), 3},
        {"lines beyond the count, which a save would drop", bookingFile({{}, {}}, "Antal: 1"), 3},
        {"empty file", "", 3},
        {"count beyond 16 bits", "Antal: 32768\r\n", 3},
        {"image overflow", bookingFile(std::vector<Row>(kMaxBookingsInFile + 1), "Antal: 5556"), 3},
        {"a lone CR in a field of a CR LF file", bookingFile({{.kommentar = "Prov\rfysik"}, {}}), 3},
        {"a lone LF in a field of a CR LF file", bookingFile({{.kommentar = "Prov\nfysik"}, {}}), 3},
        {"table overflow: its 20000 rows hold lessons and bookings together", two, kMaxRows - 1}};
    for (const auto& [what, bytes, lessons] : cases) {
        SCOPED_TRACE(what);
        if (bytes) {
            writeBytes(file.aktuellfil, *bytes);
        }
        messages.shown.clear();
        table.antallektioner = lessons;
        table.antalrader = 99;
        file.forstalasning = true;
        EXPECT_EQ(load(), LoadResult::Failed);
        EXPECT_TRUE(file.lasfel && file.forstalasning);
        EXPECT_EQ(table.antalrader, lessons);
        EXPECT_EQ(messages.log(), readError);
    }
    EXPECT_FALSE(disk.exists(dir.file("Bokningar.bk4"))) << "no copy of a file that failed to load";
    // Pipes, devices, folders and huge files are read errors, not hangs
    const std::string huge = dir.file("huge.bok");
    writeBytes(huge, "Antal: 0\r\n");
    fs::resize_file(huge, kMaxReadBytes + 1);
    std::vector<std::string> odd{huge, dir.path().string()};
#ifndef _WIN32
    ASSERT_EQ(::mkfifo(dir.file("fifo.bok").c_str(), 0600), 0);
    odd.insert(odd.end(), {dir.file("fifo.bok"), "/dev/zero"});
#endif
    for (const std::string& oddFile : odd) {
        file.aktuellfil = oddFile;
        EXPECT_EQ(load(), LoadResult::Failed) << oddFile;
    }
    file.aktuellfil = dir.file("Bokningar.bok");
    table.antallektioner = kMaxRows - 2;
    EXPECT_EQ(load(), LoadResult::Loaded);
    EXPECT_FALSE(file.lasfel || file.forstalasning) << "a good load clears both";
    EXPECT_EQ(table.antalrader, kMaxRows);

    // A file that does not start with the count ends the program
    writeBytes(file.aktuellfil, bookingFile({{}}, "antal: 1"));
    messages.shown.clear();
    EXPECT_THROW(load(), ProgramEnded);
    EXPECT_EQ(
        messages.log(),
        Lines{"\xD6ppna bokningar|Fel i bokningsfil! Meddela administrat\xF6ren. Programmet avslutas."});
}

using BackupTest = BookingFixture;

TEST_F(BackupTest, FirstLoadOfTheDayWritesTheBackupOnceAndAFailedCopyIsQuiet) {
    const std::string backupmapp = dir.file("backup") + "/", copy = backupmapp + "Bokningar.bk4";
    const std::string bytes = bookingFile({{.signatur = "\xC5SA"}}),
                      changed = bookingFile({{.signatur = "NY"}});
    fs::create_directory(dir.path() / "backup");
    writeBytes(file.aktuellfil, bytes);
    auto firstLoad = [&](std::optional<Date> copyDate) {
        disk.onModificationDate = [copyDate](const std::string&) { return std::make_optional(copyDate); };
        file.forstalasning = true;
        ASSERT_EQ(load(backupmapp), LoadResult::Loaded);
    };
    // A copy that cannot be written is passed over in silence, after the usual attempts
    disk.onWritable = [&](const std::string& path) {
        return path == copy ? std::optional<bool>(false) : std::nullopt;
    };
    firstLoad(std::nullopt);
    EXPECT_EQ(std::tuple(messages.shown.size(), disk.exists(copy), clock.pauses.size(), leftovers()),
              std::tuple(0U, false, 4U, Lines{}));
    disk.onWritable = nullptr;

    firstLoad(std::nullopt);
    EXPECT_EQ(readBytes(copy), bytes);
    // A later load of the same run makes no copy
    writeBytes(file.aktuellfil, changed);
    ASSERT_EQ(load(backupmapp), LoadResult::Loaded);
    EXPECT_EQ(readBytes(copy), bytes);
    // A second start the same day leaves today's copy alone
    firstLoad(Date{2025, 3, 4});
    EXPECT_EQ(readBytes(copy), bytes);
    // A copy from another day with the same day number is replaced
    firstLoad(Date{2025, 2, 4});
    EXPECT_EQ(readBytes(copy), changed);
    // Without a backup folder the copy lies beside the file
    EXPECT_EQ(dailyBackupName("/srv/a.b/Bok.2024.bok", "", 1), "/srv/a.b/Bok.bk1");
}

// A link planted in the backup folder at the day's copy leads to the settings: the copy
// replaces the link, and nothing is written through it. A temporary file is always a new
// one: a link (even one leading nowhere), a pipe or a file at its name refuses it.
TEST_F(BackupTest, ALinkAtTheCopysNameIsReplacedAndANewFileNeverOpensWhatStandsAtItsName) {
#ifdef _WIN32
    GTEST_SKIP() << "POSIX only: symbolic links and pipes without a privilege";
#else
    const std::string ini = dir.file("Tivra.ini"), backupmapp = dir.file("backup") + "/";
    const std::string bytes = bookingFile({{.signatur = "AB"}});
    fs::create_directory(backupmapp);
    writeBytes(ini, "SKOLA: Norra\r\n");
    writeBytes(file.aktuellfil, bytes);
    fs::create_symlink(ini, backupmapp + "Bokningar.bk4");
    file.forstalasning = true;
    ASSERT_EQ(load(backupmapp), LoadResult::Loaded);
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(backupmapp + "Bokningar.bk4")));
    EXPECT_EQ(readBytes(backupmapp + "Bokningar.bk4"), bytes);

    fs::create_symlink(ini, dir.file("lank"));
    fs::create_symlink(dir.file("saknas"), dir.file("dinglar"));
    ASSERT_EQ(::mkfifo(dir.file("ror").c_str(), 0666), 0);
    for (const char* name : {"lank", "dinglar", "ror", "Bokningar.bok"}) {
        EXPECT_EQ(disk.createNew(dir.file(name), "Antal: 0\r\n", {}), std::errc::file_exists) << name;
    }
    EXPECT_EQ(readBytes(ini), "SKOLA: Norra\r\n");
    EXPECT_EQ(readBytes(file.aktuellfil), bytes);
    EXPECT_FALSE(fs::exists(dir.file("saknas")));
#endif
}

class WriteTest : public BookingFixture {
  protected:
    const std::string old = bookingFile({{.signatur = "GAMMAL"}});
    const std::vector<Row> bookings{{.signatur = "\xD6VA"}, {.signatur = "BO"}};
    const std::string expected = bookingFile(bookings);

    WriteTest() {
        writeBytes(file.aktuellfil, old);
        for (const Row& booking : bookings) {
            appendRow(table, booking, messages);
        }
    }
};

TEST_F(WriteTest, EveryFailedAttemptIsRetriedThenTheProgramEndsWithTheOldFileWhole) {
    const std::function<void()> faults[] = {
        [&] { // the booking file is read-only
            disk.onWritable = [&](const std::string& path) {
                return path == file.aktuellfil ? std::optional<bool>(false) : std::nullopt;
            };
        },
        [&] { // the write stops half-way
            disk.onWrite = [](const std::string& path, std::string_view bytes) {
                writeBytes(path, std::string(bytes.substr(0, bytes.size() / 2)));
                return std::optional<bool>(false);
            };
        },
        [&] { // the rename is refused, for a booking file in a ".bk" folder: the role decides, not the name
            disk.onReplace = [](const std::string&, const std::string&) {
                return std::optional<bool>(false);
            };
            fs::create_directory(dir.path() / "arkiv.bk");
            file.aktuellfil = dir.file("arkiv.bk/Bokningar.bok");
            writeBytes(file.aktuellfil, old);
        }};
    for (const auto& fault : faults) {
        disk.onWritable = nullptr, disk.onWrite = nullptr, disk.onReplace = nullptr;
        messages.shown.clear(), clock.pauses.clear(), disk.writes.clear();
        fault();
        EXPECT_THROW(save(), ProgramEnded);
        EXPECT_EQ(messages.log(), Lines{"Allvarligt fel|Fel vid skrivning av " + file.aktuellfil +
                                        ". Meddela administrat\xF6ren. Programmet avslutas."});
        EXPECT_EQ(clock.pauses, std::vector<std::chrono::milliseconds>(4, std::chrono::milliseconds(200)));
        EXPECT_EQ(disk.writes.size(), 4U);
        EXPECT_EQ(readBytes(file.aktuellfil), old);
        EXPECT_TRUE(leftovers().empty());
    }
}

TEST_F(WriteTest, AReadBackThatDiffersIsRetriedAndAGuardedWriteLeavesAFileThatChangedMeanwhile) {
    // One differing field, then a count line that announces another count
    std::string differing = expected;
    differing.replace(differing.find("BO"), 2, "B0");
    const Lines faults{differing, "Antal:  3 " + expected.substr(10)};
    disk.onRead = [&, n = 0U](const std::string&) mutable -> std::optional<std::optional<std::string>> {
        return n < faults.size() ? std::make_optional(std::make_optional(faults[n++])) : std::nullopt;
    };
    ASSERT_TRUE(save());
    EXPECT_EQ(clock.pauses.size(), 2U);
    EXPECT_EQ(readBytes(file.aktuellfil), expected);

    // Written through a temporary file; a guarded write leaves a file that changed meanwhile
    writeBytes(file.aktuellfil, old);
    disk.writes.clear(), clock.pauses.clear();
    file.loadedBytes = old;
    EXPECT_EQ(saveIfUnchanged(table, file, platform), SaveResult::Saved);
    EXPECT_EQ(readBytes(file.aktuellfil), expected);
    EXPECT_NE(disk.writes.at(0).find(".tmp"), std::string::npos) << "the target is never truncated in place";

    const std::string theirs = bookingFile({{.signatur = "ANNAN"}});
    writeBytes(file.aktuellfil, theirs);
    EXPECT_EQ(saveIfUnchanged(table, file, platform), SaveResult::Overtaken);
    EXPECT_EQ(readBytes(file.aktuellfil), theirs);
    EXPECT_TRUE(leftovers().empty());
    EXPECT_TRUE(messages.shown.empty()) << "another writer is not a failed write";
}

using SaveTest = SaveFixture;

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
    EXPECT_FALSE(appendRow(table, Row{.signatur = "D"}, messages));
    EXPECT_EQ(table.antalrader, kMaxRows);
    EXPECT_EQ(messages.log(),
              Lines{"Boka|Bokningstabellen \xE4r full (h\xF6gst 20000 rader). Bokningen sparades inte."});
}

using ReloadTest = BookingFixture;

TEST_F(ReloadTest, RandomFilesLoadCellForCellAndAReloadTakesEveryChangedByte) {
    // The fast paths: lines cut a word at a time, cells compared and copied in fixed-size pieces.
    // Fields of every length up to 20 hold bytes near the line ends (0x0A, 0x0D), NUL and high
    // code page letters, which must not be taken for line ends when eight bytes are tested at
    // once; CR LF, a bare CR or a bare LF ends the lines of a file. Each reload changes one byte of one
    // field: a reload that skipped a changed cell would keep the old byte.
    const std::string alphabet("aZ \x0B\x0C\x8A\x8D\xC5\xFF\x09\0", 11);
    const Lines ends{"\r\n", "\n", "\r"};
    std::mt19937 random(7);
    Lines lines(1 + 9 * 12);
    for (std::string& field : lines) {
        for (auto i = random() % 21; i > 0; --i) {
            field += alphabet[random() % alphabet.size()];
        }
    }
    lines[0] = countHeader(12);
    for (std::size_t k = 6; k < lines.size(); k += 9) {
        lines[k] += "B"; // a booking without an object is cancelled and would not be saved
    }
    for (int round = 0; round < 200; ++round) {
        std::string& changed = lines[1 + random() % (lines.size() - 1)];
        if (!changed.empty()) {
            changed[random() % changed.size()] = alphabet[random() % alphabet.size()];
        }
        std::string bytes;
        const std::string& end = ends[random() % ends.size()];
        for (const std::string& line : lines) {
            bytes += line + end;
        }
        writeBytes(file.aktuellfil, bytes);
        ASSERT_EQ(load(), LoadResult::Loaded) << round;
        for (std::size_t k = 1; k < lines.size(); ++k) {
            const auto r = static_cast<int>((k - 1) / 9) + 1, j = static_cast<int>((k - 1) % 9) + 1;
            ASSERT_EQ(table.row(r).field(j), lines[k]) << round << " " << k;
        }
    }
    ASSERT_TRUE(save());
    EXPECT_EQ(readBytes(file.aktuellfil), crlf(lines));
}

using FileSafetyTest = SaveFixture;

// Every step is seen by the disk in the order a power loss cannot tear.
class OrderDisk : public RealDisk {
    using P = const std::string&;

  public:
    std::vector<std::string> steps;
    std::error_code createNew(P p, std::string_view b, P like) override {
        return log("write"), RealDisk::createNew(p, b, like);
    }
    bool flush(P p) override { return log("flush"), RealDisk::flush(p); }
    std::optional<std::string> readAll(P p) override { return log("read"), RealDisk::readAll(p); }
    bool replace(P f, P t) override { return log("rename"), RealDisk::replace(f, t); }
    bool flushFolder(P p) override { return log("flush folder"), RealDisk::flushFolder(p); }
    void log(const char* step) { steps.emplace_back(step); }
};

TEST_F(FileSafetyTest, AReplaceWritesFlushesReadsBackRenamesAndFlushesTheFolder) {
    OrderDisk order;
    ASSERT_EQ(writeWhole(order, file.aktuellfil, "Antal: 0\r\n").outcome, WriteOutcome::Written);
    EXPECT_EQ(order.steps, (std::vector<std::string>{"write", "flush", "read", "rename", "flush folder"}));
}

TEST_F(FileSafetyTest, ALinkStaysALinkAndTheFileKeepsItsPermissions) {
#ifdef _WIN32
    GTEST_SKIP() << "POSIX only: permission bits, a umask and symbolic links without a privilege";
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
    EXPECT_EQ(readBytes(real), bookingFile({{.signatur = "A"}}));
    EXPECT_EQ(fs::status(real).permissions() & fs::perms::all, fs::perms(0664));
#endif
}

TEST_F(FileSafetyTest, ASaveRemovesOnlyTheFilesOwnStaleTemporariesAndNeverWritesAFieldWithALineBreak) {
    writeBytes(file.aktuellfil, bookingFile({{.signatur = "A"}}));
    ASSERT_EQ(load(), LoadResult::Loaded);
    // A killed save's (removed), the user's own file, another booking file's, all eleven
    // minutes old; then a colleague's save under way.
    for (const char* name : {"Bokningar.bok.tmp0123456789abcdef", "Bokningar.bok.tmp-kopia",
                             "Andra.bok.tmp0123456789abcdef", "Bokningar.bok.tmpfedcba9876543210"}) {
        writeBytes(dir.file(name), "x");
        fs::last_write_time(dir.file(name), fs::file_time_type::clock::now() - std::chrono::minutes(11));
    }
    fs::last_write_time(dir.file("Bokningar.bok.tmpfedcba9876543210"), fs::file_time_type::clock::now());
    append("B");
    ASSERT_EQ(saveIfUnchanged(table, file, platform), SaveResult::Saved);
    EXPECT_EQ(leftovers(), (Lines{"Andra.bok.tmp0123456789abcdef", "Bokningar.bok.tmp-kopia",
                                  "Bokningar.bok.tmpfedcba9876543210"}));

    const std::string saved = readBytes(file.aktuellfil);
    Bokning broken = Row{.signatur = "C"};
    broken.kommentar = "a\nb";
    ASSERT_TRUE(appendRow(table, broken, messages));
    EXPECT_EQ(saveIfUnchanged(table, file, platform), SaveResult::NotSaved);
    EXPECT_EQ(readBytes(file.aktuellfil), saved);
    EXPECT_EQ(messages.shown.back().title, "Spara bokningar");
}

TEST(SystemErrorText, CommonCausesInSwedishTheRestAsTheSystemSaysIt) {
    using std::errc;
    const std::pair<errc, std::string> cases[] = {
        {errc::no_such_file_or_directory, "Filen eller mappen finns inte."},
        {errc::permission_denied, "\xC5tkomst nekad."},
        {errc::read_only_file_system, "Filsystemet \xE4r skrivskyddat."},
        {errc::not_a_directory, "Det finns en fil d\xE4r en mapp skulle vara."},
        {errc::file_exists, "Filen finns redan."},
        {errc::too_many_symbolic_link_levels, "F\xF6r m\xE5nga niv\xE5"
                                              "er av symboliska l\xE4nkar."},
        {errc::filename_too_long, "Filnamnet \xE4r f\xF6r l\xE5ngt."},
        {errc::timed_out, std::make_error_code(errc::timed_out).message()}};
    for (const auto& [error, text] : cases) {
        EXPECT_EQ(systemErrorText(std::make_error_code(error)), text);
    }
}

} // namespace
} // namespace tivra::test

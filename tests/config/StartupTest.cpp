#include "config/Startup.h"

#include "core/Path.h"
#include "support/Fakes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace tivra {
namespace {

namespace fs = std::filesystem;
using test::crlf;
using test::writeBytes;
using Strings = std::vector<std::string>;

// The settings file is read by its bare name, so a test runs inside its own folder.
class InFolder {
  public:
    explicit InFolder(const fs::path& folder) : previous_(fs::current_path()) { fs::current_path(folder); }
    ~InFolder() { fs::current_path(previous_); }
    InFolder(const InFolder&) = delete;
    InFolder& operator=(const InFolder&) = delete;

  private:
    fs::path previous_;
};

// 14 February 2024 is a Wednesday in calendar week 7; 11 September 2024 a Wednesday in week 37.
constexpr Date kFebruary{2024, 2, 14};
constexpr Date kSeptember{2024, 9, 11};

class Startup : public ::testing::Test {
  protected:
    test::TempDir dir;
    InFolder inside{dir.path()};
    test::ScriptedMessages messages;
    test::FixedClock clock{kSeptember};
    test::FaultyDisk disk;
    Platform platform{disk, clock, messages};
    Program program;

    void settings(const Strings& lines) { writeBytes("Tivra.ini", crlf(lines)); }
    StartupView run() { return startup(program, platform); }
};

Strings weeks(int from, int to) {
    Strings out;
    for (int w = from; w <= to; ++w) {
        out.push_back(std::to_string(w));
    }
    return out;
}

TEST_F(Startup, AnEmptyFolderStartsWithDefaultsSilently) {
    StartupView view = run();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(view.ended);
    EXPECT_EQ(program.settings.starttimme, 8);
    EXPECT_EQ(program.settings.sluttimme, 16);
    EXPECT_EQ(view.weekList, weeks(1, 52));
    EXPECT_EQ(program.val.valdvecka, 37);
    EXPECT_EQ(program.val.idagvecka, 37);
    EXPECT_EQ(view.weekText, "37");
    EXPECT_EQ(view.dayList, (Strings{"M\xC5N", "TIS", "ONS", "TOR", "FRE"}));
    EXPECT_EQ(view.dayText, "ONS");
    EXPECT_EQ(program.val.valddag, 3);
    // No room list: one list called "Objekt", empty, and no staff view.
    EXPECT_TRUE(view.singleList);
    EXPECT_FALSE(view.option3Enabled);
    EXPECT_FALSE(view.printRoomRowEnabled);
    EXPECT_EQ(program.val.vy, Vy::Annat);
    EXPECT_TRUE(view.objectList.empty());
    EXPECT_EQ(view.objectText, "");
    EXPECT_EQ(program.val.valtobjekt, 0);
    EXPECT_EQ(view.bookings, LoadResult::NoFile);
    EXPECT_EQ(program.fil.aktuellfil, "");
}

TEST_F(Startup, PeriodOverTheNewYearListsBothYearsAndCountsOnFrom52) {
    settings({"STARTVECKA: 34", "SLUTVECKA: 76", "BOKA: kanon", "BOKA: vagn"});
    clock.date = kFebruary;
    StartupView view = run();
    Strings expected = weeks(34, 52);
    for (const auto& w : weeks(1, 24)) {
        expected.push_back(w);
    }
    EXPECT_EQ(view.weekList, expected);
    EXPECT_EQ(program.val.valdvecka, 7 + 52);
    EXPECT_EQ(program.val.idagvecka, 59);
    EXPECT_EQ(view.weekText, "7");
    // The BOKA: objects are the only list; the first one is chosen.
    EXPECT_EQ(view.objectList, (Strings{"KANON", "VAGN"}));
    EXPECT_EQ(view.objectText, "KANON");
    EXPECT_EQ(program.val.valtobjekt, 1);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Startup, WeekendsAddTheirDaysAndTodaysSundayIsShownOnlyWithThem) {
    clock.date = Date{2024, 9, 15}; // a Sunday
    StartupView view = run();
    EXPECT_EQ(view.dayList.size(), 5u);
    EXPECT_EQ(view.dayText, "");
    EXPECT_EQ(program.val.valddag, 0);

    settings({"HELG: 1"});
    view = run();
    EXPECT_EQ(view.dayList.size(), 7u);
    EXPECT_EQ(view.dayList.back(), "S\xD6N");
    EXPECT_EQ(view.dayText, "S\xD6N");
    EXPECT_EQ(program.val.valddag, 7);

    // An unsupported weekend value gives five days rather than a failed start.
    settings({"HELG: 3"});
    view = run();
    EXPECT_FALSE(view.ended);
    EXPECT_EQ(view.dayList.size(), 5u);
}

TEST_F(Startup, BackupFolderIsCreatedAndGetsTheSeparator) {
    settings({"BACKUP: kopior"});
    run();
    EXPECT_TRUE(fs::is_directory(dir.path() / "kopior"));
    EXPECT_EQ(program.settings.backupmapp, std::string("kopior") + mappavskiljare());
    EXPECT_TRUE(messages.shown.empty());

    // A folder already ending in either separator keeps its text.
    settings({"BACKUP: kopior\\"});
    run();
    EXPECT_EQ(program.settings.backupmapp, "kopior\\");
    settings({"BACKUP: kopior/"});
    run();
    EXPECT_EQ(program.settings.backupmapp, "kopior/");
}

TEST_F(Startup, BackupFolderThatCannotBeCreatedIsReportedAndLeftBare) {
    settings({"BACKUP: saknas"});
    disk.onCreateFolder = [](const std::string&) { return std::optional<std::string>("Permission denied"); };
    StartupView view = run();
    EXPECT_FALSE(view.ended);
    EXPECT_EQ(messages.log(), Strings{"Skapa backupmapp|Kan inte skapa saknas.\r\nPermission denied"});
    EXPECT_EQ(messages.shown[0].icon, Icon::Exclamation);
    EXPECT_EQ(program.settings.backupmapp, "saknas");
}

TEST_F(Startup, HoursThatMakeNoDayAreReplacedForThisRun) {
    const Strings cases[] = {
        {"STARTTID: 16", "SLUTTID: 8"}, {"STARTTID: 9", "SLUTTID: 9"}, {"SLUTTID: 25"}, {"STARTTID: -1"}};
    for (const auto& lines : cases) {
        messages.shown.clear();
        settings(lines);
        StartupView view = run();
        EXPECT_FALSE(view.ended);
        EXPECT_EQ(program.settings.starttimme, 8);
        EXPECT_EQ(program.settings.sluttimme, 16);
        ASSERT_EQ(messages.shown.size(), 1u) << lines[0];
        EXPECT_EQ(messages.shown[0].title, "Fel vid programstart");
        EXPECT_EQ(messages.shown[0].icon, Icon::Exclamation);
    }
    EXPECT_EQ(messages.shown[0].text,
              "Felaktiga tider i Tivra.ini: STARTTID -1 och SLUTTID 16. Tiderna 8 och 16 anv\xE4nds.");
    // The file is not rewritten.
    EXPECT_EQ(test::readBytes("Tivra.ini"), crlf({"STARTTID: -1"}));

    messages.shown.clear();
    settings({"STARTTID: 0", "SLUTTID: 24"});
    run();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(program.settings.sluttimme, 24);
}

TEST_F(Startup, AbsurdWeeksEndStartUpWithAMessage) {
    settings({"STARTVECKA: 1", "SLUTVECKA: 30000", "BOKNINGSFIL: bok.bok", "BOKA: kanon"});
    writeBytes("bok.bok", crlf({"Antal:  0"}));
    StartupView view = run();
    EXPECT_TRUE(view.ended);
    EXPECT_EQ(
        messages.log(),
        Strings{"Fel vid programstart|Felaktiga veckor i Tivra.ini: STARTVECKA 1 och SLUTVECKA 30000."});
    // Nothing after the lists was done.
    EXPECT_TRUE(view.weekList.empty());
    EXPECT_EQ(program.fil.aktuellfil, "");
    EXPECT_TRUE(view.objectList.empty());

    // An empty but sane range is not a fault: the list is just empty.
    messages.shown.clear();
    settings({"STARTVECKA: 40", "SLUTVECKA: 30"});
    view = run();
    EXPECT_FALSE(view.ended);
    EXPECT_TRUE(view.weekList.empty());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Startup, BookingFileIsLoadedAtStart) {
    settings({"BOKNINGSFIL: bok.bok", "BOKA: kanon"});
    writeBytes("bok.bok", crlf({"Antal:  1", "AB", "Prov", "60", "2", "09.00", "KANON", "", "37", ""}));
    StartupView view = run();
    EXPECT_EQ(view.bookings, LoadResult::Loaded);
    EXPECT_EQ(program.fil.aktuellfil, "bok.bok");
    EXPECT_FALSE(program.fil.lasfel);
    ASSERT_EQ(program.bokningar.antalrader, 1);
    EXPECT_EQ(program.bokningar.row(1).objekt, "KANON");
    EXPECT_EQ(program.bokningar.row(1).starttid, "09.00");
}

TEST_F(Startup, RoomListAndTimetableFillTheChoice) {
    settings({"SCHEMA: HT24.SCH", "BOKA: kanon"});
    writeBytes("HT24.sal", crlf({"A 101 Fysiksal", "b12", ""}));
    writeBytes("HT24.ini", crlf({"L\xC4S\xC5R: 2024/25"}));
    writeBytes("HT24.sca", crlf({"MA1", "9A", "AB", "B12", "60 min", "TIS 9.00", ""}));
    writeBytes("HT24.sig", crlf({"ab, Anna Berg"}));
    StartupView view = run();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(program.settings.schemafil, "HT24");
    EXPECT_FALSE(view.singleList);
    EXPECT_TRUE(view.option3Enabled);
    EXPECT_TRUE(view.printRoomRowEnabled);
    EXPECT_EQ(view.objectList, (Strings{"A", "B12"}));
    EXPECT_EQ(view.objectText, "A");
    EXPECT_EQ(program.val.vy, Vy::Salar);
    EXPECT_EQ(program.val.valdsal, 1);
    EXPECT_EQ(program.timetable.lasar, "2024/25");
    EXPECT_EQ(program.bokningar.antallektioner, 1);
    EXPECT_EQ(program.timetable.personal, Strings{"AB Anna Berg"});
}

TEST_F(Startup, MissingRoomListGivesOneListButKeepsTheTimetable) {
    settings({"SCHEMA: HT24.SCH", "BOKA: kanon"});
    writeBytes("HT24.sca", crlf({"MA1", "9A", "AB", "B12", "60 min", "TIS 9.00", ""}));
    StartupView view = run();
    EXPECT_EQ(messages.log(),
              Strings{"\xD6ppna salslista|Kan inte \xF6ppna HT24.sal.\r\nRedigera vid behov Tivra.ini."});
    EXPECT_EQ(messages.shown[0].icon, Icon::Exclamation);
    EXPECT_TRUE(view.singleList);
    EXPECT_TRUE(view.option3Enabled);
    EXPECT_FALSE(view.printRoomRowEnabled);
    EXPECT_EQ(view.objectList, Strings{"KANON"});
    EXPECT_EQ(program.val.vy, Vy::Annat);
    EXPECT_EQ(program.bokningar.antallektioner, 1);
}

TEST_F(Startup, MissingLessonsDisableTheStaffViewAndSkipTheStaffFile) {
    settings({"SCHEMA: HT24"});
    writeBytes("HT24.sal", crlf({"B12"}));
    writeBytes("HT24.sig", crlf({"AB Anna Berg"}));
    StartupView view = run();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(view.singleList);
    EXPECT_FALSE(view.option3Enabled);
    EXPECT_EQ(program.bokningar.antallektioner, 0);
    EXPECT_EQ(program.bokningar.antalrader, 0);
    EXPECT_TRUE(program.timetable.personal.empty());
}

TEST_F(Startup, MissingOrUnreadableTimetableSettingsAndStaffAreSilent) {
    settings({"SCHEMA: HT24"});
    writeBytes("HT24.sal", crlf({"B12"}));
    writeBytes("HT24.sca", crlf({"MA1", "9A", "AB", "B12", "60 min", "TIS 9.00", "VECKOR: HT", ""}));
    // Given neither ".ini" nor ".sig": no school year, no periods, no staff, but the
    // lessons load (their period name unreplaced) and the staff view stays on.
    StartupView view = run();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(program.timetable.lasar, "");
    EXPECT_TRUE(program.timetable.schemaperioder.empty());
    ASSERT_EQ(program.bokningar.antallektioner, 1);
    EXPECT_EQ(program.bokningar.antalrader, 1);
    EXPECT_EQ(program.bokningar.row(1).veckor, "HT");
    EXPECT_TRUE(program.timetable.personal.empty());
    EXPECT_TRUE(view.option3Enabled);
    EXPECT_FALSE(view.singleList);

    // Given both files present but failing to read: the same quiet outcome.
    writeBytes("HT24.ini", crlf({"L\xC4S\xC5R: 2024/25", "PERIOD: HT=34-51"}));
    writeBytes("HT24.sig", crlf({"ab, Anna Berg"}));
    disk.onRead = [](const std::string& path) -> std::optional<std::optional<std::string>> {
        if (path == "HT24.ini" || path == "HT24.sig") {
            return std::optional<std::string>();
        }
        return std::nullopt;
    };
    view = run();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(program.timetable.lasar, "");
    EXPECT_EQ(program.bokningar.antallektioner, 1);
    EXPECT_EQ(program.bokningar.row(1).veckor, "HT");
    EXPECT_TRUE(program.timetable.personal.empty());
    EXPECT_TRUE(view.option3Enabled);
}

TEST_F(Startup, LegacyObjectFileReplacesBokaObjectsWithANotice) {
    settings({"BOKNINGSOBJEKT: gamla.txt", "BOKA: kanon"});
    writeBytes("gamla.txt", crlf({"projektor", "", "vagn"}));
    StartupView view = run();
    EXPECT_EQ(
        messages.log(),
        Strings{
            "Nyhet|Fr\xE5n och med version 1.32 \xE4r listan p\xE5 bokningsobjekt inkluderad i Tivra.ini.\r\n"
            "Spara om Tivra.ini. gamla.txt kan sedan tas bort."});
    EXPECT_EQ(messages.shown[0].icon, Icon::Information);
    EXPECT_EQ(view.objectList, (Strings{"PROJEKTOR", "VAGN"}));
    EXPECT_EQ(program.settings.bokaobjekt, view.objectList);

    // Unreadable: the BOKA: objects stay and there is no notice.
    messages.shown.clear();
    settings({"BOKNINGSOBJEKT: saknas.txt", "BOKA: kanon"});
    view = run();
    EXPECT_EQ(messages.log(),
              Strings{"\xD6ppna lista p\xE5 bokningsobjekt|Fel vid l\xE4sning av saknas.txt"});
    EXPECT_EQ(messages.shown[0].icon, Icon::Exclamation);
    EXPECT_EQ(view.objectList, Strings{"KANON"});
}

} // namespace
} // namespace tivra

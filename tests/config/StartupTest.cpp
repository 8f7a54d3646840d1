#include "config/Startup.h"

#include "core/Path.h"
#include "support/Fakes.h"
#include "support/InFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

namespace tivra {
namespace {

namespace fs = std::filesystem;
using test::crlf;
using test::writeBytes;
using Strings = std::vector<std::string>;

using test::InFolder;

const std::string kStart = "Fel vid programstart|";

class Startup : public ::testing::Test {
  protected:
    test::TempDir dir;
    InFolder inside{dir.path()};
    test::ScriptedMessages messages;
    test::FixedClock clock{Date{2024, 9, 11}}; // a Wednesday in calendar week 37
    test::FaultyDisk disk;
    Platform platform{disk, clock, messages};
    Program program;
    StartupView view;

    void settings(const Strings& lines) { writeBytes("Tivra.ini", crlf(lines)); }
    // Start-up from scratch; the messages it shows.
    Strings run() {
        messages.shown.clear();
        view = startup(program, platform);
        return messages.log();
    }
    // The single-list mode, the staff view and the print dialog's room row.
    std::tuple<bool, bool, bool> modes() const {
        return {view.singleList, view.option3Enabled, view.printRoomRowEnabled};
    }
    // The timetable files of HT24: rooms, school year and periods, one lesson, staff.
    void timetable() {
        settings({"SCHEMA: HT24.SCH", "BOKA: kanon"});
        writeBytes("HT24.sal", crlf({"A 101 Fysiksal", "b12", ""}));
        writeBytes("HT24.ini", crlf({"L\xC4S\xC5R: 2024/25", "PERIOD: HT=34-51"}));
        writeBytes("HT24.sca", crlf({"MA1", "9A", "AB", "B12", "60 min", "TIS 9.00", "VECKOR: HT", ""}));
        writeBytes("HT24.sig", crlf({"ab, Anna Berg"}));
    }
};

Strings weeks(int from, int to) {
    Strings out;
    for (int w = from; w <= to; ++w) {
        out.push_back(std::to_string(w));
    }
    return out;
}

TEST_F(Startup, AnEmptyFolderStartsWithDefaultsSilently) {
    EXPECT_TRUE(run().empty());
    EXPECT_FALSE(view.ended);
    EXPECT_EQ(std::tuple(program.settings.starttimme, program.settings.sluttimme), std::tuple(8, 16));
    EXPECT_EQ(view.weekList, weeks(1, 52));
    EXPECT_EQ(std::tuple(program.selection.valdvecka, program.selection.idagvecka, view.weekText),
              std::tuple(37, 37, "37"));
    EXPECT_EQ(view.dayList, (Strings{"M\xC5N", "TIS", "ONS", "TOR", "FRE"}));
    EXPECT_EQ(std::tuple(view.dayText, program.selection.valddag), std::tuple("ONS", 3));
    // No room list: one list called "Objekt", empty, and no staff view.
    EXPECT_EQ(modes(), std::tuple(true, false, false));
    EXPECT_EQ(program.selection.vy, Vy::Annat);
    EXPECT_EQ(std::tuple(view.objectList.size(), view.objectText, program.selection.valtobjekt),
              std::tuple(0u, "", 0));
    EXPECT_EQ(std::tuple(view.bookings, program.bookingFile.aktuellfil), std::tuple(LoadResult::NoFile, ""));
}

TEST_F(Startup, PeriodOverTheNewYearListsBothYearsAndCountsOnFrom52) {
    settings({"STARTVECKA: 34", "SLUTVECKA: 76", "BOKA: kanon", "BOKA: vagn"});
    clock.date = Date{2024, 2, 14}; // a Wednesday in calendar week 7
    EXPECT_TRUE(run().empty());
    Strings expected = weeks(34, 52);
    for (const auto& w : weeks(1, 24)) {
        expected.push_back(w);
    }
    EXPECT_EQ(view.weekList, expected);
    EXPECT_EQ(std::tuple(program.selection.valdvecka, program.selection.idagvecka, view.weekText),
              std::tuple(59, 59, "7"));
    // The BOKA: objects are the only list; the first one is chosen.
    EXPECT_EQ(view.objectList, (Strings{"KANON", "VAGN"}));
    EXPECT_EQ(std::tuple(view.objectText, program.selection.valtobjekt), std::tuple("KANON", 1));
}

TEST_F(Startup, WeekendsAddTheirDaysAndTodaysSundayIsShownOnlyWithThem) {
    clock.date = Date{2024, 9, 15}; // a Sunday
    run();
    EXPECT_EQ(std::tuple(view.dayList.size(), view.dayText, program.selection.valddag),
              std::tuple(5u, "", 0));

    settings({"HELG: 1"});
    run();
    EXPECT_EQ(view.dayList.size(), 7u);
    EXPECT_EQ(std::tuple(view.dayList.back(), view.dayText, program.selection.valddag),
              std::tuple("S\xD6N", "S\xD6N", 7));

    // An unsupported weekend value gives five days rather than a failed start.
    settings({"HELG: 3"});
    run();
    EXPECT_FALSE(view.ended);
    EXPECT_EQ(view.dayList.size(), 5u);
}

TEST_F(Startup, BackupFolderIsCreatedAndGetsTheSeparatorOrIsReportedAndLeftBare) {
    const std::string separator(1, mappavskiljare());
    for (const auto& [line, folder] : std::vector<std::pair<std::string, std::string>>{
             {"kopior", "kopior" + separator}, {"kopior\\", "kopior\\"}, {"kopior/", "kopior/"}}) {
        settings({"BACKUP: " + line});
        EXPECT_TRUE(run().empty());
        EXPECT_TRUE(fs::is_directory(dir.path() / "kopior"));
        EXPECT_EQ(program.settings.backupmapp, folder);
    }

    settings({"BACKUP: saknas"});
    disk.onCreateFolder = [](const std::string&) { return std::optional<std::string>("Permission denied"); };
    EXPECT_EQ(run(), Strings{"Skapa backupmapp|Kan inte skapa saknas.\r\nPermission denied"});
    EXPECT_EQ(messages.shown[0].icon, Icon::Exclamation);
    EXPECT_FALSE(view.ended);
    EXPECT_EQ(program.settings.backupmapp, "saknas");
}

TEST_F(Startup, HoursThatMakeNoDayAreReplacedForThisRun) {
    const Strings cases[] = {
        {"STARTTID: 16", "SLUTTID: 8"}, {"STARTTID: 9", "SLUTTID: 9"}, {"SLUTTID: 25"}, {"STARTTID: -1"}};
    for (const auto& lines : cases) {
        settings(lines);
        ASSERT_EQ(run().size(), 1u) << lines[0];
        EXPECT_FALSE(view.ended);
        EXPECT_EQ(std::tuple(program.settings.starttimme, program.settings.sluttimme), std::tuple(8, 16));
        EXPECT_EQ(std::tuple(messages.shown[0].title, messages.shown[0].icon),
                  std::tuple("Fel vid programstart", Icon::Exclamation));
    }
    EXPECT_EQ(messages.shown[0].text,
              "Felaktiga tider i Tivra.ini: STARTTID -1 och SLUTTID 16. Tiderna 8 och 16 anv\xE4nds.");
    // The file is not rewritten.
    EXPECT_EQ(test::readBytes("Tivra.ini"), crlf({"STARTTID: -1"}));

    settings({"STARTTID: 0", "SLUTTID: 24"});
    EXPECT_TRUE(run().empty());
    EXPECT_EQ(program.settings.sluttimme, 24);
}

TEST_F(Startup, AbsurdWeeksEndStartUpWithAMessage) {
    settings({"STARTVECKA: 1", "SLUTVECKA: 30000", "BOKNINGSFIL: bok.bok", "BOKA: kanon"});
    writeBytes("bok.bok", crlf({"Antal:  0"}));
    EXPECT_EQ(run(), Strings{kStart + "Felaktiga veckor i Tivra.ini: STARTVECKA 1 och SLUTVECKA 30000."});
    EXPECT_TRUE(view.ended);
    // Nothing after the lists was done.
    EXPECT_EQ(std::tuple(view.weekList.size(), program.bookingFile.aktuellfil, view.objectList.size()),
              std::tuple(0u, "", 0u));

    // An empty but sane range is not a fault: the list is just empty.
    settings({"STARTVECKA: 40", "SLUTVECKA: 30"});
    EXPECT_TRUE(run().empty());
    EXPECT_FALSE(view.ended);
    EXPECT_TRUE(view.weekList.empty());
}

TEST_F(Startup, RoomListTimetableAndBookingFileFillTheChoice) {
    timetable();
    settings({"SCHEMA: HT24.SCH", "BOKNINGSFIL: bok.bok", "BOKA: kanon"});
    writeBytes("bok.bok", crlf({"Antal:  1", "AB", "Prov", "60", "2", "09.00", "KANON", "", "37", ""}));
    EXPECT_TRUE(run().empty());
    EXPECT_EQ(program.settings.schemafil, "HT24");
    EXPECT_EQ(modes(), std::tuple(false, true, true));
    EXPECT_EQ(view.objectList, (Strings{"A", "B12"}));
    EXPECT_EQ(std::tuple(view.objectText, program.selection.vy, program.selection.valdsal),
              std::tuple("A", Vy::Salar, 1));
    EXPECT_EQ(program.timetable.lasar, "2024/25");
    EXPECT_EQ(program.timetable.personal, Strings{"AB Anna Berg"});
    EXPECT_EQ(std::tuple(view.bookings, program.bookingFile.aktuellfil, program.bookingFile.lasfel),
              std::tuple(LoadResult::Loaded, "bok.bok", false));
    const BookingTable& table = program.bokningar;
    ASSERT_EQ(std::tuple(table.antallektioner, table.antalrader), std::tuple(1, 2));
    EXPECT_EQ(std::tuple(table.row(1).veckor, table.row(2).objekt, table.row(2).starttid),
              std::tuple("34-51", "KANON", "09.00"));
}

TEST_F(Startup, EachMissingTimetableFileDegradesOnlyItsOwnPart) {
    struct Stage {
        Strings missing, unreadable, log;
        std::tuple<bool, bool, bool> modes;
        std::tuple<int, std::string, std::string, std::size_t> timetable; // lessons, lasar, veckor, staff
    };
    const Strings noRooms{"\xD6ppna salslista|Kan inte \xF6ppna HT24.sal.\r\nRedigera vid behov Tivra.ini."};
    const Stage stages[] = {// No room list: reported; one list of the other objects, the timetable kept.
                            {{"HT24.sal"}, {}, noRooms, {true, true, false}, {1, "2024/25", "34-51", 1}},
                            // No lessons: silent; no staff view, and the staff file is not read.
                            {{"HT24.sca"}, {}, {}, {false, false, true}, {0, "2024/25", "", 0}},
                            // No ".ini" or ".sig", or both unreadable: silent; no school year and the period
                            // name left as it stands, or no staff.
                            {{"HT24.ini"}, {}, {}, {false, true, true}, {1, "", "HT", 1}},
                            {{"HT24.sig"}, {}, {}, {false, true, true}, {1, "2024/25", "34-51", 0}},
                            {{}, {"HT24.ini", "HT24.sig"}, {}, {false, true, true}, {1, "", "HT", 0}}};
    for (const Stage& s : stages) {
        SCOPED_TRACE(s.missing.empty() ? s.unreadable[0] : s.missing[0]);
        timetable();
        for (const auto& name : s.missing) {
            fs::remove(name);
        }
        disk.onRead = [&](const std::string& path) -> std::optional<std::optional<std::string>> {
            if (std::find(s.unreadable.begin(), s.unreadable.end(), path) != s.unreadable.end()) {
                return std::optional<std::string>();
            }
            return std::nullopt;
        };
        EXPECT_EQ(run(), s.log);
        for (const auto& shown : messages.shown) {
            EXPECT_EQ(shown.icon, Icon::Exclamation);
        }
        EXPECT_EQ(modes(), s.modes);
        const bool single = std::get<0>(s.modes);
        EXPECT_EQ(view.objectList, (single ? Strings{"KANON"} : Strings{"A", "B12"}));
        EXPECT_EQ(program.selection.vy, single ? Vy::Annat : Vy::Salar);
        const BookingTable& table = program.bokningar;
        EXPECT_EQ(table.antalrader, table.antallektioner);
        EXPECT_EQ(std::tuple(table.antallektioner, program.timetable.lasar,
                             table.antallektioner > 0 ? table.row(1).veckor : "",
                             program.timetable.personal.size()),
                  s.timetable);
    }
}

TEST_F(Startup, LegacyObjectFileReplacesBokaObjectsWithANotice) {
    settings({"BOKNINGSOBJEKT: gamla.txt", "BOKA: kanon"});
    writeBytes("gamla.txt", crlf({"projektor", "", "vagn"}));
    EXPECT_EQ(run(),
              Strings{"Nyhet|Fr\xE5n och med version 1.32 \xE4r listan p\xE5 bokningsobjekt inkluderad i "
                      "Tivra.ini.\r\nSpara om Tivra.ini. gamla.txt kan sedan tas bort."});
    EXPECT_EQ(messages.shown[0].icon, Icon::Information);
    EXPECT_EQ(view.objectList, (Strings{"PROJEKTOR", "VAGN"}));
    EXPECT_EQ(program.settings.bokaobjekt, view.objectList);

    // Unreadable: the BOKA: objects stay and there is no notice.
    settings({"BOKNINGSOBJEKT: saknas.txt", "BOKA: kanon"});
    EXPECT_EQ(run(), Strings{"\xD6ppna lista p\xE5 bokningsobjekt|Fel vid l\xE4sning av saknas.txt"});
    EXPECT_EQ(messages.shown[0].icon, Icon::Exclamation);
    EXPECT_EQ(view.objectList, Strings{"KANON"});
}

} // namespace
} // namespace tivra

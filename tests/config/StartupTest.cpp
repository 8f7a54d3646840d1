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

class Startup : public ::testing::Test {
  protected:
    test::TempDir dir;
    test::InFolder inside{dir.path()};
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
};

TEST_F(Startup, WeeksDaysAndObjectsFromTheSettingsAndToday) {
    const Strings allDays{"M\xC5N", "TIS", "ONS", "TOR", "FRE", "L\xD6R", "S\xD6N"};
    const Strings period{"STARTVECKA: 34", "SLUTVECKA: 76", "BOKA: kanon", "BOKA: vagn"};
    // Settings, today, the week list (first..last/count), today's week and as shown, the days,
    // today's day, the objects. A period over the new year counts on from 52; with no room list
    // the BOKA: objects are the list; today's Sunday is chosen only with the weekend shown; an
    // empty but sane range is no fault.
    const std::tuple<Strings, Date, const char*, int, const char*, int, std::string, Strings> cases[] = {
        {{}, {2024, 9, 11}, "1..52/52", 37, "37", 5, "ONS", {}},
        {period, {2024, 2, 14}, "34..24/43", 59, "7", 5, "ONS", {"KANON", "VAGN"}},
        {{}, {2024, 9, 15}, "1..52/52", 37, "37", 5, "", {}},
        {{"HELG: 1"}, {2024, 9, 15}, "1..52/52", 37, "37", 7, "S\xD6N", {}},
        {{"STARTVECKA: 40", "SLUTVECKA: 30"}, {2024, 9, 11}, "", 89, "37", 5, "ONS", {}}};
    for (const auto& [lines, today, weekList, week, weekText, days, dayText, objects] : cases) {
        SCOPED_TRACE(today.day);
        settings(lines);
        clock.date = today;
        EXPECT_TRUE(run().empty());
        EXPECT_FALSE(view.ended);
        const Strings& shown = view.weekList;
        EXPECT_EQ(shown.empty() ? ""
                                : shown.front() + ".." + shown.back() + "/" + std::to_string(shown.size()),
                  weekList);
        EXPECT_EQ(std::tuple(program.selection.valdvecka, program.selection.idagvecka, view.weekText),
                  std::tuple(week, week, weekText));
        EXPECT_EQ(view.dayList, Strings(allDays.begin(), allDays.begin() + days));
        const auto day = std::find(allDays.begin(), allDays.end(), dayText);
        EXPECT_EQ(std::tuple(view.dayText, program.selection.valddag),
                  std::tuple(dayText, day == allDays.end() ? 0 : day - allDays.begin() + 1));
        EXPECT_EQ(std::tuple(modes(), program.selection.vy),
                  std::tuple(std::tuple(true, false, false), Vy::Annat));
        EXPECT_EQ(view.objectList, objects);
        const int chosen = objects.empty() ? 0 : 1;
        EXPECT_EQ(std::tuple(view.objectText, program.selection.valtobjekt),
                  std::tuple(chosen ? objects[0] : "", chosen));
        EXPECT_EQ(std::tuple(view.bookings, program.bookingFile.aktuellfil),
                  std::tuple(LoadResult::NoFile, ""));
    }
}

TEST_F(Startup, HoursThatMakeNoDayAreReplacedForThisRunAndAbsurdWeeksEndIt) {
    for (const Strings& lines : {Strings{"STARTTID: 16", "SLUTTID: 8"}, Strings{"STARTTID: 9", "SLUTTID: 9"},
                                 Strings{"SLUTTID: 25"}, Strings{"STARTTID: -1"}}) {
        settings(lines);
        ASSERT_EQ(run().size(), 1u) << lines[0];
        EXPECT_FALSE(view.ended);
        EXPECT_EQ(std::tuple(program.settings.starttimme, program.settings.sluttimme), std::tuple(8, 16));
        EXPECT_EQ(std::tuple(messages.shown[0].title, messages.shown[0].icon),
                  std::tuple("Fel vid programstart", Icon::Exclamation));
    }
    EXPECT_EQ(messages.shown[0].text,
              "Felaktiga tider i Tivra.ini: STARTTID -1 och SLUTTID 16. Tiderna 8 och 16 anv\xE4nds.");
    EXPECT_EQ(test::readBytes("Tivra.ini"), crlf({"STARTTID: -1"})) << "the file is not rewritten";
    settings({"STARTTID: 0", "SLUTTID: 24"});
    EXPECT_TRUE(run().empty());
    EXPECT_EQ(program.settings.sluttimme, 24);

    settings({"STARTVECKA: 1", "SLUTVECKA: 30000", "BOKNINGSFIL: bok.bok", "BOKA: kanon"});
    writeBytes("bok.bok", crlf({"Antal:  0"}));
    EXPECT_EQ(
        run(),
        Strings{"Fel vid programstart|Felaktiga veckor i Tivra.ini: STARTVECKA 1 och SLUTVECKA 30000."});
    EXPECT_TRUE(view.ended);
    // Nothing after the lists was done.
    EXPECT_EQ(std::tuple(view.weekList.size(), program.bookingFile.aktuellfil, view.objectList.size()),
              std::tuple(0u, "", 0u));
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

TEST_F(Startup, TheTimetableAndBookingFileFillTheChoiceAndEachMissingFileDegradesOnlyItsOwnPart) {
    // Without the room list: reported; one list of the other objects, the timetable kept. Without
    // lessons: silent; no staff view, and the staff file is not read. Without ".ini" or ".sig":
    // silent; no school year and the period name left as it stands, or no staff.
    struct Stage {
        Strings unreadable, log;
        std::tuple<bool, bool, bool> modes;
        std::tuple<int, std::string, std::string, Strings> timetable; // lessons, lasar, veckor, staff
    };
    const Strings noRooms{"\xD6ppna salslista|Kan inte \xF6ppna HT24.sal.\r\nRedigera vid behov Tivra.ini."};
    const Strings staff{"AB Anna Berg"};
    const Stage stages[] = {{{"HT24.sal"}, noRooms, {true, true, false}, {1, "2024/25", "34-51", staff}},
                            {{"HT24.sca"}, {}, {false, false, true}, {0, "2024/25", "", {}}},
                            {{"HT24.ini"}, {}, {false, true, true}, {1, "", "HT", staff}},
                            {{"HT24.sig"}, {}, {false, true, true}, {1, "2024/25", "34-51", {}}},
                            {{"HT24.ini", "HT24.sig"}, {}, {false, true, true}, {1, "", "HT", {}}},
                            {{}, {}, {false, true, true}, {1, "2024/25", "34-51", staff}}};
    settings({"SCHEMA: HT24.SCH", "BOKNINGSFIL: bok.bok", "BOKA: kanon"});
    writeBytes("HT24.sal", crlf({"A 101 Fysiksal", "b12", ""}));
    writeBytes("HT24.ini", crlf({"L\xC4S\xC5R: 2024/25", "PERIOD: HT=34-51"}));
    writeBytes("HT24.sca", crlf({"MA1", "9A", "AB", "B12", "60 min", "TIS 9.00", "VECKOR: HT", ""}));
    writeBytes("HT24.sig", crlf({"ab, Anna Berg"}));
    writeBytes("bok.bok", crlf({"Antal:  1", "AB", "Prov", "60", "2", "09.00", "KANON", "", "37", ""}));
    for (const Stage& s : stages) {
        SCOPED_TRACE(s.unreadable.empty() ? "none" : s.unreadable[0]);
        disk.onRead = [&](const std::string& path) -> std::optional<std::optional<std::string>> {
            if (std::find(s.unreadable.begin(), s.unreadable.end(), path) != s.unreadable.end()) {
                return std::optional<std::string>();
            }
            return std::nullopt;
        };
        EXPECT_EQ(run(), s.log);
        EXPECT_TRUE(messages.shown.empty() || messages.shown[0].icon == Icon::Exclamation);
        EXPECT_EQ(modes(), s.modes);
        const bool single = std::get<0>(s.modes);
        EXPECT_EQ(view.objectList, (single ? Strings{"KANON"} : Strings{"A", "B12"}));
        EXPECT_EQ(std::tuple(program.selection.vy, view.objectText),
                  single ? std::tuple(Vy::Annat, "KANON") : std::tuple(Vy::Salar, "A"));
        const BookingTable& table = program.bokningar;
        EXPECT_EQ(std::tuple(table.antallektioner, program.timetable.lasar,
                             table.antallektioner > 0 ? table.row(1).veckor : "", program.timetable.personal),
                  s.timetable);
        // The bookings follow the lessons
        EXPECT_EQ(std::tuple(view.bookings, program.bookingFile.lasfel),
                  std::tuple(LoadResult::Loaded, false));
        ASSERT_EQ(table.antalrader, table.antallektioner + 1);
        EXPECT_EQ(std::tuple(table.row(table.antalrader).objekt, table.row(table.antalrader).starttid),
                  std::tuple("KANON", "09.00"));
    }
    EXPECT_EQ(std::tuple(program.settings.schemafil, program.selection.valdsal), std::tuple("HT24", 1));
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

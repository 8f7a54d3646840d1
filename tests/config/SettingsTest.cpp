#include "config/Settings.h"
#include "config/SettingsEdit.h"
#include "config/Startup.h"

#include "support/Fakes.h"
#include "support/InFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tivra {
namespace {

using test::crlf;
using Lines = std::vector<std::string>;

Settings read(const std::string& bytes, SettingsRead expected = SettingsRead::Complete) {
    Settings s;
    EXPECT_EQ(readSettings(bytes, s), expected);
    return s;
}

TEST(Settings, KeysMatchExactlyAtTheStartOfTheLineNumbersRoundAndTheLastDuplicateWins) {
    // Given: every key, a lower-case key, a key behind a blank, keys that share their
    // beginning with another, numbers in every form, duplicates and a lone LF.
    Settings s = read(
        crlf({"SCHEMA:  schema\\HT08.SCH ", "BOKNINGSOBJEKT: gamla.txt", "BOKNINGSFIL:bok.bok",
              "BACKUP: \\\\server\\backup", "SKOLA: A\nSKOLA: Norra skolan", " SKOLA: ignored"}) +
        crlf({"skola: ignored", "TONING: 3.5", "TONING LEKTION: -0.5", "FONT1: Verdana", "FONT2:", "NONSENSE",
              "", "STARTTID: 9", "STARTTID: 7.75", "SLUTTID:17", "STARTVECKA:  3 4"}) +
        crlf({"SLUTVECKA: x", "LINJEBREDD: 2.5", "HELG: 0.6", "BOKA: Kanon 1", "BOKA: dator,vagn",
              "BOKA:   ", "PERIOD: datasal 36-39", "BOKA: \xE5k"}));
    // Expect: values trimmed; whole part of the hours, the rest rounded to even; blanks
    // inside a number skipped; no number reads as 0; lists appended, normalised.
    EXPECT_EQ(s.objektfil, "gamla.txt");
    EXPECT_EQ(s.helg, 1);
    EXPECT_EQ(
        settingsText(s),
        crlf({"SCHEMA: schema\\HT08.SCH", "BOKNINGSFIL: bok.bok", "STARTTID:  7", "SLUTTID:  17",
              "STARTVECKA:  34", "SLUTVECKA:  0", "SKOLA: Norra skolan", "BACKUP: \\\\server\\backup",
              "FONT1: Verdana", "FONT2: ", "LINJEBREDD:  2", "TONING:  4", "TONING LEKTION:  0", "HELG:  1",
              "PERIOD: DATASAL 36-39", "BOKA: KANON 1", "BOKA: DATOR VAGN", "BOKA: \xC5K"}));
    EXPECT_EQ(read("STARTTID: -0.5\r\n").starttimme, -1);
    EXPECT_EQ(read("TONING: -32768.4\r\n").toning, -32768);
    // Weekends are either shown or not.
    EXPECT_EQ(read("HELG: 2\r\n").helg, 0);
    EXPECT_EQ(read("HELG: 1\r\nHELG: -1\r\n").helg, 0);
}

TEST(Settings, AnErrorStopsReadingAndKeepsWhatWasRead) {
    // The 201st BOKA: line stops the reading: the list keeps 200, later lines are lost.
    Lines lines{"SKOLA: before"};
    for (int i = 1; i <= 201; ++i) {
        lines.push_back("BOKA: O" + std::to_string(i));
    }
    lines.push_back("SKOLA: after");
    Settings s = read(crlf(lines), SettingsRead::Stopped);
    ASSERT_EQ(s.bokaobjekt.size(), 200u);
    EXPECT_EQ(s.bokaobjekt.back(), "O200");
    EXPECT_EQ(s.skola, "before");

    // The 101st PERIOD: line likewise.
    lines.clear();
    for (int i = 1; i <= 101; ++i) {
        lines.push_back("PERIOD: P" + std::to_string(i) + " 40");
    }
    lines.push_back("STARTTID: 9");
    s = read(crlf(lines), SettingsRead::Stopped);
    EXPECT_EQ(s.perioder.size(), 100u);
    EXPECT_EQ(s.starttimme, 8);

    // A number beyond 16 bits is an error at its line, not a wrapped value.
    s = read(crlf({"STARTTID: 9", "SLUTVECKA: 40000", "SLUTTID: 12"}), SettingsRead::Stopped);
    EXPECT_EQ(s.starttimme, 9);
    EXPECT_EQ(s.slutvecka, 52);
    EXPECT_EQ(s.sluttimme, 16);
}

TEST(Settings, WrittenInTheDialogsOrderWithPrintFormNumbersAndReadBackWithoutTheLegacyObjectFile) {
    test::TempDir dir;
    test::FaultyDisk disk;
    std::string path = dir.file("Tivra.ini");
    Settings s;
    s.schemafil = "HT08";
    s.objektfil = "gamla.txt";
    s.bokningsfil = "bok.bok";
    s.backupmapp = "backup\\";
    s.bokaobjekt = {"KANON 1", "DATOR VAGN"};
    s.startvecka = 34;
    s.slutvecka = 76;
    s.helg = 1;
    s.perioder = {"DATASAL 36-39", "AULA 40"};
    s.skola = "Norra skolan";
    s.toning = -1;
    ASSERT_TRUE(writeSettingsFile(s, disk, path));
    EXPECT_EQ(
        test::readBytes(path),
        crlf({"SCHEMA: HT08", "BOKNINGSFIL: bok.bok", "STARTTID:  8", "SLUTTID:  16", "STARTVECKA:  34",
              "SLUTVECKA:  76", "SKOLA: Norra skolan", "BACKUP: backup\\", "FONT1: Arial",
              "FONT2: Times New Roman", "LINJEBREDD:  4", "TONING: -1", "TONING LEKTION:  245", "HELG:  1",
              "PERIOD: DATASAL 36-39", "PERIOD: AULA 40", "BOKA: KANON 1", "BOKA: DATOR VAGN"}));
    // Without a timetable or booking file their lines are left out.
    EXPECT_EQ(settingsText(Settings{}).substr(0, 13), "STARTTID:  8\r");

    Settings back;
    EXPECT_EQ(readSettingsFile(disk, back, path), SettingsRead::Complete);
    EXPECT_EQ(back.objektfil, "");
    EXPECT_EQ(settingsText(back), settingsText(s));
    Settings none;
    EXPECT_EQ(readSettingsFile(disk, none, dir.file("missing.ini")), SettingsRead::Missing);
    EXPECT_EQ(none.font2, "Times New Roman");
}

// Fields as the dialog fills them from the built-in defaults, with the given changes.
class SettingsEditTest : public ::testing::Test {
  protected:
    test::TempDir dir;
    test::InFolder inside{dir.path()};
    test::ScriptedMessages messages;
    test::FaultyDisk disk;
    Settings running;
    SettingsFields fields = settingsFields(Settings{});

    SettingsSaved save() { return sparaInstallningar(fields, running, disk, messages); }
    // The message of a save that refuses, or "" when it saves.
    std::string refusal() {
        messages.shown.clear();
        SettingsSaved saved = save();
        return saved == SettingsSaved::Saved ? "" : messages.log().at(0);
    }
};

TEST_F(SettingsEditTest, HoursAndWeeks) {
    struct Case {
        const char *start, *end, *first, *last;
        std::string refusal;
        int starttimme, sluttimme, startvecka, slutvecka;
    };
    const Case cases[] = {
        {"8", "8", "34", "24", "Tivra.ini|Ange giltiga tider.", 0, 0, 0, 0},
        {"0", "24", "34", "24", "", 0, 24, 34, 76},
        {"7.9", "16", "1", "52", "", 7, 16, 1, 52},
        {"8", "16", "60", "24", "Tivra.ini|Ange giltiga veckor.", 8, 16, 0, 0},
        {"8", "16", "34", "0", "Tivra.ini|Ange giltiga veckor.", 8, 16, 0, 0},
    };
    for (const Case& c : cases) {
        running = Settings{};
        running.starttimme = running.sluttimme = running.startvecka = running.slutvecka = 0;
        fields.starttid = c.start, fields.sluttid = c.end, fields.startvecka = c.first,
        fields.slutvecka = c.last;
        EXPECT_EQ(refusal(), c.refusal) << c.start << " " << c.end << " " << c.first << " " << c.last;
        EXPECT_EQ(running.starttimme, c.starttimme);
        EXPECT_EQ(running.sluttimme, c.sluttimme);
        EXPECT_EQ(running.startvecka, c.startvecka);
        EXPECT_EQ(running.slutvecka, c.slutvecka);
    }
    fields.starttid = "8", fields.sluttid = "16", fields.startvecka = "34", fields.slutvecka = "24";
    save();
    EXPECT_EQ(settingsFields(running).slutvecka, "24"); // shown as the calendar week again
}

TEST_F(SettingsEditTest, PeriodLinesOneRuleForAll) {
    const std::pair<std::string, std::string> cases[] = {
        {"Datasal 36-39\r\n\r\n  15 36-37  \r\nSAL 1 12-20\r\nDatasal 36 - 39", ""},
        {"Datasal 36-39\r\nDatasal36-39",
         "Redigera Tivra.ini|Ange perioder i formen objekt startvecka-slutvecka."},
        {"Datasal 40-36", "Redigera Tivra.ini|Ange giltiga veckor f\xF6r perioden."},
        {"Datasal 53", "Redigera Tivra.ini|Ange giltiga veckor f\xF6r perioden."},
        {"Datasal 50-2", "Redigera Tivra.ini|Ange giltiga veckor f\xF6r perioden."},
    };
    for (const auto& [text, message] : cases) {
        fields.perioder = text;
        EXPECT_EQ(refusal(), message) << text;
    }
    // The lines before the refused one are taken over, as typed.
    fields.perioder = cases[1].first;
    refusal();
    EXPECT_EQ(running.perioder, (std::vector<std::string>{"Datasal 36-39"}));
}

TEST_F(SettingsEditTest, TakesOverWritesSixteenLinesAndCreatesTheBookingFile) {
    fields = {"D:\\schema\\vt.sch",
              "backup",
              "boka.txt",
              "8",
              "17",
              "34",
              "24",
              true,
              "Datasal 36-39\r\nKANON 1 40",
              "Sj\xF6\xE4ngens skola",
              "Arial",
              "Times New Roman",
              "0",
              "300",
              "50",
              "kanon 1\r\n\r\ndator,vagn\r\n"};
    EXPECT_EQ(save(), SettingsSaved::Saved);
    EXPECT_EQ(
        messages.log(),
        (Lines{"Redigera ini-fil|Tivra.ini sparad. Starta om programmet f\xF6r att ta v\xE4rdena i bruk."}));
    EXPECT_EQ(test::readBytes("boka.bok"), "Antal: 0\r\n");
    EXPECT_EQ(test::readBytes("Tivra.ini"),
              test::crlf({"SCHEMA: D:\\schema\\vt", "BOKNINGSFIL: boka.bok", "STARTTID:  8", "SLUTTID:  17",
                          "STARTVECKA:  34", "SLUTVECKA:  76", "SKOLA: Sj\xF6\xE4ngens skola",
                          "BACKUP: backup", "FONT1: Arial", "FONT2: Times New Roman", "LINJEBREDD:  4",
                          "TONING:  255", "TONING LEKTION:  100", "HELG:  1", "PERIOD: Datasal 36-39",
                          "PERIOD: KANON 1 40", "BOKA: KANON 1", "BOKA: DATOR VAGN"}));
    fields.linjebredd = "tjock";
    save();
    EXPECT_EQ(running.linjebredd, 4);
}

TEST_F(SettingsEditTest, FailuresLeaveFilesWholeAndRefuseTooManyLines) {
    test::writeBytes("Tivra.ini", "SKOLA: gammal\r\n");
    fields.schema = "ny";
    fields.starttid = "9";
    fields.bokningsfil = "ny.bok";
    disk.onWrite = [](const std::string& path, std::string_view) {
        return path == "ny.bok" ? std::optional<bool>(false) : std::nullopt;
    };
    EXPECT_EQ(refusal(), "Tivra.ini|Kan inte skapa bokningsfilen ny.bok.");
    EXPECT_EQ(running.schemafil, "ny"); // taken over before the booking file
    EXPECT_EQ(running.starttimme, 8);   // not reached

    fields.bokningsfil = "";
    disk.onReplace = [](const std::string&, const std::string&) { return std::optional<bool>(false); };
    EXPECT_EQ(save(), SettingsSaved::NotWritten);
    EXPECT_EQ(messages.log().back(), "Spara Tivra.ini|Kunde inte spara Tivra.ini");
    EXPECT_EQ(test::readBytes("Tivra.ini"), "SKOLA: gammal\r\n");

    running = Settings{};
    fields.skola = "Ny skola";
    for (int i = 0; i < 101; ++i) {
        fields.perioder += "SAL" + std::to_string(i) + " 40\r\n";
    }
    EXPECT_EQ(refusal(), "Tivra.ini|H\xF6gst 100 bokningsperioder.");
    fields.perioder.clear();
    for (int i = 0; i < 201; ++i) {
        fields.objekt += "OBJ" + std::to_string(i) + "\r\n";
    }
    EXPECT_EQ(refusal(), "Tivra.ini|H\xF6gst 200 bokningsobjekt.");
    EXPECT_EQ(running.schemafil, ""); // nothing taken over
}

TEST_F(SettingsEditTest, ASaveRightAfterStartUpReadsBackTheSameAndRepeatsItself) {
    test::writeBytes("Tivra.ini",
                     test::crlf({"SCHEMA: vt.sch", "BOKNINGSFIL: b.bok", "BACKUP: backup", "STARTVECKA:  34",
                                 "SLUTVECKA:  76", "PERIOD: datasal 36-39", "BOKA: KANON 1"}));
    test::writeBytes("b.bok", "Antal: 0\r\n");
    test::FixedClock clock{Date{2026, 9, 30}};
    Platform platform{disk, clock, messages};
    std::vector<std::string> written;
    for (int round = 0; round < 2; ++round) {
        Program program;
        startup(program, platform);
        ASSERT_EQ(sparaInstallningar(settingsFields(program.running), program.running, disk, messages),
                  SettingsSaved::Saved);
        written.push_back(test::readBytes("Tivra.ini"));
        Settings again;
        readSettings(written.back(), again);
        program.running.perioder = {"DATASAL 36-39"}; // the reader normalises what was written as typed
        EXPECT_EQ(settingsText(again), settingsText(program.running));
    }
    EXPECT_EQ(written[0], written[1]);
}

} // namespace
} // namespace tivra

#include "config/SettingsEdit.h"

#include "config/Startup.h"
#include "support/Fakes.h"
#include "support/InFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tivra {
namespace {

using Log = std::vector<std::string>;

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
        (Log{"Redigera ini-fil|Tivra.ini sparad. Starta om programmet f\xF6r att ta v\xE4rdena i bruk."}));
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

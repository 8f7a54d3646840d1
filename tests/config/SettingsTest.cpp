#include "config/Settings.h"
#include "config/SettingsEdit.h"

#include "support/Fakes.h"
#include "support/InFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tivra {
namespace {

using test::crlf;
using test::readBytes;
using Lines = std::vector<std::string>;

Settings read(const std::string& bytes, SettingsRead expected = SettingsRead::Complete) {
    Settings s;
    EXPECT_EQ(readSettings(bytes, s), expected);
    return s;
}

TEST(Settings, ReadsKeysAtTheStartOfTheLineAndWritesThemInTheDialogsOrderWithoutTheLegacyObjectFile) {
    // Every key, a lower-case key, a key behind a blank, keys that share their beginning with
    // another, numbers in every form, duplicates (the last wins) and a lone LF.
    Settings s = read(
        crlf({"SCHEMA:  schema\\HT08.SCH ", "BOKNINGSOBJEKT: gamla.txt", "BOKNINGSFIL:bok.bok",
              "BACKUP: \\\\server\\backup", "SKOLA: A\nSKOLA: Norra skolan", " SKOLA: ignored"}) +
        crlf({"skola: ignored", "TONING: 3.5", "TONING LEKTION: -0.5", "FONT1: Verdana", "FONT2:", "NONSENSE",
              "", "STARTTID: 9", "STARTTID: 7.75", "SLUTTID:17", "STARTVECKA:  3 4"}) +
        crlf({"SLUTVECKA: 76", "LINJEBREDD: 2.5", "HELG: 0.6", "BOKA: Kanon 1", "BOKA: dator,vagn",
              "BOKA:   ", "PERIOD: datasal 36-39", "BOKA: \xE5k"}));
    EXPECT_EQ(s.objektfil, "gamla.txt");
    EXPECT_EQ(s.helg, 1);
    // Values trimmed; the whole part of the hours, the rest rounded to even; blanks inside a
    // number skipped; lists appended, normalised.
    test::TempDir dir;
    test::FaultyDisk disk;
    ASSERT_TRUE(writeSettingsFile(s, disk, dir.file("Tivra.ini")));
    EXPECT_EQ(
        readBytes(dir.file("Tivra.ini")),
        crlf({"SCHEMA: schema\\HT08.SCH", "BOKNINGSFIL: bok.bok", "STARTTID:  7", "SLUTTID:  17",
              "STARTVECKA:  34", "SLUTVECKA:  76", "SKOLA: Norra skolan", "BACKUP: \\\\server\\backup",
              "FONT1: Verdana", "FONT2: ", "LINJEBREDD:  2", "TONING:  4", "TONING LEKTION:  0", "HELG:  1",
              "PERIOD: DATASAL 36-39", "BOKA: KANON 1", "BOKA: DATOR VAGN", "BOKA: \xC5K"}));
    Settings back;
    EXPECT_EQ(readSettingsFile(disk, back, dir.file("Tivra.ini")), SettingsRead::Complete);
    EXPECT_EQ(back.objektfil, "");
    EXPECT_EQ(settingsText(back), settingsText(s));
    EXPECT_EQ(readSettingsFile(disk, back, dir.file("missing.ini")), SettingsRead::Missing);

    // Without a timetable or booking file their lines are left out; no number reads as 0.
    EXPECT_EQ(settingsText(Settings{}).substr(0, 13), "STARTTID:  8\r");
    EXPECT_EQ(read("SLUTVECKA: x\r\n").slutvecka, 0);
    EXPECT_EQ(read("STARTTID: -0.5\r\n").starttimme, -1);
    EXPECT_EQ(read("TONING: -32768.4\r\n").toning, -32768);
    // Weekends are either shown or not.
    EXPECT_EQ(read("HELG: 2\r\n").helg, 0);
    EXPECT_EQ(read("HELG: 1\r\nHELG: -1\r\n").helg, 0);
}

TEST(Settings, AnErrorStopsReadingAndKeepsWhatWasRead) {
    auto numbered = [](Lines lines, const std::string& key, int count, const std::string& last) {
        for (int i = 1; i <= count; ++i) {
            lines.push_back(key + std::to_string(i) + " 40");
        }
        lines.push_back(last);
        return read(crlf(lines), SettingsRead::Stopped);
    };
    // The 201st BOKA: line: the list keeps 200, later lines are lost.
    Settings s = numbered({"SKOLA: before"}, "BOKA: O", 201, "SKOLA: after");
    ASSERT_EQ(s.bokaobjekt.size(), 200u);
    EXPECT_EQ(s.bokaobjekt.back(), "O200 40");
    EXPECT_EQ(s.skola, "before");
    // The 101st PERIOD: line likewise.
    s = numbered({}, "PERIOD: P", 101, "STARTTID: 9");
    EXPECT_EQ(s.perioder.size(), 100u);
    EXPECT_EQ(s.starttimme, 8);
    // A number beyond 16 bits is an error at its line, not a wrapped value.
    s = read(crlf({"STARTTID: 9", "SLUTVECKA: 40000", "SLUTTID: 12"}), SettingsRead::Stopped);
    EXPECT_EQ(std::tuple(s.starttimme, s.slutvecka, s.sluttimme), std::tuple(9, 52, 16));
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
        return save() == SettingsSaved::Saved ? "" : messages.log().at(0);
    }
};

TEST_F(SettingsEditTest, HoursAndWeeks) {
    // The four fields, the refusal, the hours and weeks taken over.
    const std::tuple<Lines, std::string, std::tuple<int, int, int, int>> cases[] = {
        {{"8", "8", "34", "24"}, "Tivra.ini|Ange giltiga tider.", {0, 0, 0, 0}},
        {{"7.9", "16", "1", "52"}, "", {7, 16, 1, 52}},
        {{"8", "16", "60", "24"}, "Tivra.ini|Ange giltiga veckor.", {8, 16, 0, 0}},
        {{"8", "16", "34", "0"}, "Tivra.ini|Ange giltiga veckor.", {8, 16, 0, 0}},
        {{"0", "24", "34", "24"}, "", {0, 24, 34, 76}}};
    for (const auto& [typed, message, taken] : cases) {
        running.starttimme = running.sluttimme = running.startvecka = running.slutvecka = 0;
        fields.starttid = typed[0], fields.sluttid = typed[1], fields.startvecka = typed[2],
        fields.slutvecka = typed[3];
        EXPECT_EQ(refusal(), message) << typed[0] << " " << typed[1] << " " << typed[2] << " " << typed[3];
        EXPECT_EQ(std::tuple(running.starttimme, running.sluttimme, running.startvecka, running.slutvecka),
                  taken);
    }
    EXPECT_EQ(settingsFields(running).slutvecka, "24"); // shown as the calendar week again
}

TEST_F(SettingsEditTest, PeriodLinesOneRuleForAll) {
    const std::string weeks = "Redigera Tivra.ini|Ange giltiga veckor f\xF6r perioden.";
    const std::pair<std::string, std::string> cases[] = {
        {"Datasal 36-39\r\n\r\n  15 36-37  \r\nSAL 1 12-20\r\nDatasal 36 - 39", ""},
        {"Datasal 36-39\r\nDatasal36-39",
         "Redigera Tivra.ini|Ange perioder i formen objekt startvecka-slutvecka."},
        {"Datasal 40-36", weeks},
        {"Datasal 53", weeks},
        {"Datasal 50-2", weeks}};
    for (const auto& [text, message] : cases) {
        fields.perioder = text;
        EXPECT_EQ(refusal(), message) << text;
    }
    // The lines before the refused one are taken over, as typed.
    fields.perioder = cases[1].first;
    refusal();
    EXPECT_EQ(running.perioder, (Lines{"Datasal 36-39"}));
}

TEST_F(SettingsEditTest, TakesOverWritesEveryLineAndCreatesTheBookingFile) {
    fields.schema = "D:\\schema\\vt.sch", fields.backup = "backup", fields.bokningsfil = "boka.txt";
    fields.sluttid = "17", fields.startvecka = "34", fields.slutvecka = "24", fields.helg = true;
    fields.perioder = "Datasal 36-39\r\nKANON 1 40", fields.skola = "Sj\xF6\xE4ngens skola";
    fields.linjebredd = "0", fields.toning = "300", fields.toninglektion = "50";
    fields.objekt = "kanon 1\r\n\r\ndator,vagn\r\n";
    EXPECT_EQ(save(), SettingsSaved::Saved);
    EXPECT_EQ(
        messages.log(),
        (Lines{"Redigera ini-fil|Tivra.ini sparad. Starta om programmet f\xF6r att ta v\xE4rdena i bruk."}));
    EXPECT_EQ(readBytes("boka.bok"), "Antal: 0\r\n");
    EXPECT_EQ(readBytes("Tivra.ini"),
              crlf({"SCHEMA: D:\\schema\\vt", "BOKNINGSFIL: boka.bok", "STARTTID:  8", "SLUTTID:  17",
                    "STARTVECKA:  34", "SLUTVECKA:  76", "SKOLA: Sj\xF6\xE4ngens skola", "BACKUP: backup",
                    "FONT1: Arial", "FONT2: Times New Roman", "LINJEBREDD:  4", "TONING:  255",
                    "TONING LEKTION:  100", "HELG:  1", "PERIOD: Datasal 36-39", "PERIOD: KANON 1 40",
                    "BOKA: KANON 1", "BOKA: DATOR VAGN"}));
}

TEST_F(SettingsEditTest, FailuresLeaveFilesWholeAndRefuseTooManyLines) {
    test::writeBytes("Tivra.ini", "SKOLA: gammal\r\n");
    fields.schema = "ny", fields.starttid = "9", fields.bokningsfil = "ny.bok";
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
    EXPECT_EQ(readBytes("Tivra.ini"), "SKOLA: gammal\r\n");

    running = Settings{};
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

} // namespace
} // namespace tivra

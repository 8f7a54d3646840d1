#include "config/Settings.h"

#include "support/Fakes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>

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
    EXPECT_FALSE(disk.exists(path + ".tmp"));
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

TEST(Settings, AFailedWriteLeavesTheOldFileWhole) {
    test::TempDir dir;
    test::FaultyDisk disk;
    std::string path = dir.file("Tivra.ini");
    test::writeBytes(path, "SKOLA: old\r\n");
    Settings s;
    s.skola = "new";

    // Given: nothing can be written. Expect: failure, the old file untouched, no temporary left.
    disk.onWrite = [](const std::string&, std::string_view) { return std::optional<bool>(false); };
    EXPECT_FALSE(writeSettingsFile(s, disk, path));
    EXPECT_EQ(test::readBytes(path), "SKOLA: old\r\n");
    auto onlyTheFile = [&] {
        return std::distance(std::filesystem::directory_iterator(dir.path()), {}) == 1;
    };
    EXPECT_TRUE(onlyTheFile());

    // Given: the written copy reads back otherwise, or the old file cannot be replaced.
    // Expect: the same, never a file rewritten in place.
    disk.onWrite = nullptr;
    disk.onRead = [&](const std::string& p) {
        return p.starts_with(path + ".tmp")
                   ? std::optional<std::optional<std::string>>(std::string("SKOLA: n"))
                   : std::nullopt;
    };
    EXPECT_FALSE(writeSettingsFile(s, disk, path));
    disk.onRead = nullptr;
    disk.onReplace = [](const std::string&, const std::string&) { return std::optional<bool>(false); };
    EXPECT_FALSE(writeSettingsFile(s, disk, path));
    EXPECT_EQ(test::readBytes(path), "SKOLA: old\r\n");
    EXPECT_TRUE(onlyTheFile());
}

} // namespace
} // namespace tivra

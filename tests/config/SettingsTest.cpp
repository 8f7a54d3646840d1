#include "config/Settings.h"

#include "support/Fakes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tivra {
namespace {

using test::crlf;

Settings read(const std::string& bytes, SettingsRead expected = SettingsRead::Complete) {
    Settings s;
    EXPECT_EQ(readSettings(bytes, s), expected);
    return s;
}

TEST(Settings, KeysAreMatchedExactlyAtTheStartOfTheLine) {
    // Given: every text key, a lower-case key, a key behind a blank, and keys that
    // share their beginning with another.
    Settings s = read(crlf({
        "SCHEMA:  schema\\HT08.SCH ",
        "BOKNINGSOBJEKT: gamla.txt",
        "BOKNINGSFIL:bok.bok",
        "BACKUP: \\\\server\\backup",
        "SKOLA: Norra skolan",
        " SKOLA: ignored",
        "skola: ignored",
        "TONING LEKTION: 200",
        "TONING: 210",
        "FONT1: Verdana",
        "FONT2:",
        "NONSENSE",
        "",
    }));
    // Expect: values trimmed, the rest of the line after the key.
    EXPECT_EQ(s.schemafil, "schema\\HT08.SCH");
    EXPECT_EQ(s.objektfil, "gamla.txt");
    EXPECT_EQ(s.bokningsfil, "bok.bok");
    EXPECT_EQ(s.backupmapp, "\\\\server\\backup");
    EXPECT_EQ(s.skola, "Norra skolan");
    EXPECT_EQ(s.toninglektion, 200);
    EXPECT_EQ(s.toning, 210);
    EXPECT_EQ(s.font1, "Verdana");
    EXPECT_EQ(s.font2, "");
    // BOKNINGSOBJEKT: and BOKNINGSFIL: are not BOKA: lines.
    EXPECT_TRUE(s.bokaobjekt.empty());
    // Untouched keys keep their defaults.
    EXPECT_EQ(s.starttimme, 8);
    EXPECT_EQ(s.linjebredd, 4);
}

TEST(Settings, NumbersTakeTheirWholePartOrAreRoundedToEven) {
    Settings s = read(crlf({"STARTTID: 7.75", "SLUTTID:17", "STARTVECKA:  3 4", "SLUTVECKA: x",
                            "LINJEBREDD: 2.5", "TONING: 3.5", "TONING LEKTION: -0.5"}));
    EXPECT_EQ(s.starttimme, 7);
    EXPECT_EQ(s.sluttimme, 17);
    EXPECT_EQ(s.startvecka, 34); // blanks inside a number are skipped
    EXPECT_EQ(s.slutvecka, 0);   // no number reads as 0
    EXPECT_EQ(s.linjebredd, 2);
    EXPECT_EQ(s.toning, 4);
    EXPECT_EQ(s.toninglektion, 0);
    EXPECT_EQ(read("STARTTID: -0.5\r\n").starttimme, -1);
    // Weekends are either shown or not.
    EXPECT_EQ(read("HELG: 0.6\r\n").helg, 1);
    EXPECT_EQ(read("HELG: 2\r\n").helg, 0);
    EXPECT_EQ(read("HELG: 1\r\nHELG: -1\r\n").helg, 0);
}

TEST(Settings, LastDuplicateWinsAndListsAppendNormalised) {
    // A lone LF ends a line too.
    Settings s = read(crlf({"SKOLA: A\nSKOLA: B", "STARTTID: 9", "STARTTID: 10", "BOKA: Kanon 1",
                            "BOKA: dator,vagn", "BOKA:   ", "PERIOD: datasal 36-39", "BOKA: \xE5k"}));
    EXPECT_EQ(s.skola, "B");
    EXPECT_EQ(s.starttimme, 10);
    EXPECT_EQ(s.bokaobjekt, (std::vector<std::string>{"KANON 1", "DATOR VAGN", "\xC5K"}));
    EXPECT_EQ(s.perioder, (std::vector<std::string>{"DATASAL 36-39"}));
}

TEST(Settings, AnErrorStopsReadingAndKeepsWhatWasRead) {
    // The 201st BOKA: line stops the reading: the list keeps 200, later lines are lost.
    std::vector<std::string> lines{"SKOLA: before"};
    for (int i = 1; i <= 201; ++i) {
        lines.push_back("BOKA: O" + std::to_string(i));
    }
    lines.push_back("SKOLA: after");
    Settings s = read(crlf(lines), SettingsRead::Stopped);
    ASSERT_EQ(s.bokaobjekt.size(), 200u);
    EXPECT_EQ(s.bokaobjekt.back(), "O200");
    EXPECT_EQ(s.skola, "before");

    // The 101st PERIOD: line likewise.
    lines = {};
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
    EXPECT_EQ(read("TONING: -32768.4\r\n").toning, -32768);
}

TEST(Settings, WrittenInTheDialogsOrderWithPrintFormNumbers) {
    Settings s;
    s.schemafil = "HT08";
    s.objektfil = "gamla.txt";
    s.bokningsfil = "bok.bok";
    s.startvecka = 34;
    s.slutvecka = 76;
    s.helg = 1;
    s.toning = -1;
    s.perioder = {"DATASAL 36-39", "AULA 40"};
    s.bokaobjekt = {"KANON 1", "DATOR VAGN"};
    EXPECT_EQ(settingsText(s), crlf({
                                   "SCHEMA: HT08",
                                   "BOKNINGSFIL: bok.bok",
                                   "STARTTID:  8",
                                   "SLUTTID:  16",
                                   "STARTVECKA:  34",
                                   "SLUTVECKA:  76",
                                   "SKOLA: ",
                                   "BACKUP: ",
                                   "FONT1: Arial",
                                   "FONT2: Times New Roman",
                                   "LINJEBREDD:  4",
                                   "TONING: -1",
                                   "TONING LEKTION:  245",
                                   "HELG:  1",
                                   "PERIOD: DATASAL 36-39",
                                   "PERIOD: AULA 40",
                                   "BOKA: KANON 1",
                                   "BOKA: DATOR VAGN",
                               }));
    // Without a timetable or booking file their lines are left out.
    EXPECT_EQ(settingsText(Settings{}).substr(0, 13), "STARTTID:  8\r");
}

TEST(Settings, WrittenFileReadsBackWithoutTheLegacyObjectFile) {
    test::TempDir dir;
    test::FaultyDisk disk;
    std::string path = dir.file("Tivra.ini");
    Settings s;
    s.schemafil = "HT08";
    s.objektfil = "gamla.txt";
    s.bokningsfil = "bok.bok";
    s.backupmapp = "backup\\";
    s.bokaobjekt = {"KANON 1"};
    s.perioder = {"KANON 1 36-39"};
    s.starttimme = 7;
    s.sluttimme = 18;
    s.skola = "Norra skolan";
    s.font1 = "Verdana";
    s.linjebredd = 2;
    s.toning = 200;
    s.toninglektion = 250;
    s.helg = 1;
    ASSERT_TRUE(writeSettingsFile(s, disk, path));
    EXPECT_EQ(test::readBytes(path), settingsText(s));
    EXPECT_FALSE(disk.exists(path + ".tmp"));

    Settings back;
    EXPECT_EQ(readSettingsFile(disk, back, path), SettingsRead::Complete);
    s.objektfil.clear();
    EXPECT_EQ(settingsText(back), settingsText(s));
    EXPECT_EQ(back.objektfil, "");
    EXPECT_EQ(back.helg, 1);

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
    EXPECT_FALSE(disk.exists(path + ".tmp"));

    // Given: the share refuses to replace files. Expect: written in place.
    disk.onWrite = nullptr;
    disk.onReplace = [](const std::string&, const std::string&) { return std::optional<bool>(false); };
    EXPECT_TRUE(writeSettingsFile(s, disk, path));
    EXPECT_EQ(test::readBytes(path), settingsText(s));
    EXPECT_FALSE(disk.exists(path + ".tmp"));
}

} // namespace
} // namespace tivra

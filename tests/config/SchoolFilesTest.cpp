// Which paths reach one of the school's files, whatever way they are written. The writers
// that must refuse them are tested in their own layers, once each.
#include "config/SchoolFiles.h"

#include "core/Path.h"
#include "support/Fakes.h"
#include "support/InFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace tivra::test {
namespace {

namespace fs = std::filesystem;

#ifdef _WIN32
constexpr bool kIgnoresCase = true;
#else
constexpr bool kIgnoresCase = false;
#endif

// The school of the demo as start-up leaves it, with a second booking file open.
Program demo(const std::string& backupmapp) {
    Program p;
    p.settings.bokningsfil = "demo.bok";
    p.settings.schemafil = "demo";
    p.settings.objektfil = "objekt.txt";
    p.settings.backupmapp = backupmapp;
    p.running = p.settings;
    p.bookingFile.aktuellfil = "annan" + std::string(1, folderSeparator()) + "ny.bok";
    return p;
}

TEST(SchoolFiles, EveryPathToASchoolFileIsRefusedAndNamesThatOnlyLookAlikeAreNot) {
    TempDir dir;
    InFolder inside(dir.path());
    for (const char* folder : {"backup", "sub", "annan"}) {
        fs::create_directory(folder);
    }
    for (const char* file : {"Tivra.ini", "demo.bok", "demo.sal", "annan/ny.bok"}) {
        writeBytes(file, "x");
    }
    RealDisk disk;
    const Program withFolder = demo(std::string("backup") + folderSeparator());
    const std::pair<std::string, bool> paths[] = {
        {"demo.bok", true},
        {dir.file("demo.bok"), true},
        {"sub/../demo.bok", true},
        {"./sub/../DEMO.BOK", kIgnoresCase},
        {"tivra.ini", kIgnoresCase},
        {"Tivra.ini", true},
        {"demo.sal", true},
        {"demo.ini", true}, // missing files too: a write would create them
        {"demo.sca", true},
        {"demo.sig", true},
        {"objekt.txt", true},
        {"demo.bok.lock", true},
        {"demo.bok.lock.user", true},
        {"demo.bok.lock.rmlock", true},
        {"demo.bok.tmp0123456789abcdef", true},
        {"annan/ny.bok", true},
        {"annan/ny.bok.lock", true},
        {"backup/demo.bk7", true},
        {"backup/vad-som-helst.pdf", true},
        {"sub/../backup/x.csv", true},
        // Names beside them are the user's own.
        {"demo.bok.pdf", false},
        {"demo-schema.pdf", false},
        {"demo.pdf", false},
        {"demo.bk7", false},
        {"demo.bok.locked.pdf", false},
        {"backup.pdf", false},
        {"sub/demo.bok", false},
        {"annan/demo.bok.lock", false},
    };
    for (const auto& [path, refused] : paths) {
        EXPECT_EQ(isSchoolFile(withFolder, path, disk), refused) << path;
    }
    // Without a backup folder the copies lie beside the booking file.
    const Program beside = demo("");
    const std::pair<std::string, bool> copies[] = {
        {"demo.bk7", true},     {"demo.bk31", true},     {"demo.ersatt-20261207-142501.bok", true},
        {"annan/ny.bk1", true}, {"demo.bk7.pdf", false}, {"backup/vad-som-helst.pdf", false},
    };
    for (const auto& [path, refused] : copies) {
        EXPECT_EQ(isSchoolFile(beside, path, disk), refused) << path;
    }
    // A backup folder that could not be made leaves the copies named from its bare text.
    EXPECT_TRUE(isSchoolFile(demo("saknad"), "saknaddemo.bk7", disk));
#ifndef _WIN32
    // Links to the files and to their folder, and a second name of one (links under Wine
    // are not those of a Windows share).
    writeBytes("mina.pdf", "x");
    fs::create_symlink("demo.bok", "l\xC3\xA4nk.pdf");
    fs::create_symlink(dir.path(), "via");
    fs::create_hard_link("demo.sal", "h\xC3\xA5rd.pdf");
    fs::create_symlink("mina.pdf", "egen.pdf");
    const std::pair<std::string, bool> links[] = {
        {"l\xE4nk.pdf", true}, {"via/demo.bok", true}, {"via/demo.bok.tmp1", true},
        {"h\xE5rd.pdf", true}, {"egen.pdf", false},    {"via/egen.pdf", false},
    };
    for (const auto& [path, refused] : links) {
        EXPECT_EQ(isSchoolFile(beside, path, disk), refused) << path;
    }
#endif
    EXPECT_EQ(schoolFileRefusal("sub/../demo.bok"),
              "sub/../demo.bok \xE4r en av skolans filer och kan inte skrivas \xF6ver.");
}

} // namespace
} // namespace tivra::test

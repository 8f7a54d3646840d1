#pragma once
// A fresh folder with the fakes wired into one Platform, and a booking file in it.
#include "core/BookingFile.h"
#include "core/BookingSave.h"
#include "core/BookingTable.h"
#include "core/Platform.h"
#include "support/Fakes.h"
#include "support/Rows.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tivra::test {

// The seams every file test needs; the booking tests build their school on it too.
class PlatformFixture : public ::testing::Test {
  protected:
    TempDir dir;
    FaultyDisk disk;
    FixedClock clock{Date{2025, 3, 4}};
    ScriptedMessages messages;
    Platform platform{disk, clock, messages};
};

class BookingFixture : public PlatformFixture {
  protected:
    BookingTable table;
    BookingFileState file;

    BookingFixture() { file.aktuellfil = dir.file("Bokningar.bok"); }

    LoadResult load(const std::string& backupmapp = "") {
        return oppnabokningar(table, file, backupmapp, platform);
    }
    bool save() { return sparabokningar(table, file, platform); }

    // Temporary files left in the folder by a writer, by name.
    Lines leftovers() const {
        Lines names;
        for (const auto& e : std::filesystem::recursive_directory_iterator(dir.path())) {
            if (e.path().filename().string().find(".tmp") != std::string::npos) {
                names.push_back(e.path().filename().string());
            }
        }
        std::sort(names.begin(), names.end());
        return names;
    }
};

// Two lesson rows, then bookings appended as a test needs them.
class SaveFixture : public BookingFixture {
  protected:
    SaveFixture() { table.antallektioner = table.antalrader = 2; }

    void append(const std::string& signatur) {
        ASSERT_TRUE(appendRow(table, Row{.signatur = signatur}, messages));
    }
};

} // namespace tivra::test

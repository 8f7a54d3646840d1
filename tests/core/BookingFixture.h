#pragma once
// A booking file in a fresh folder, with the fakes wired into one Platform.
#include "core/BookingFile.h"
#include "core/BookingSave.h"
#include "core/BookingTable.h"
#include "core/Platform.h"
#include "support/Fakes.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tivra::test {

using Lines = std::vector<std::string>;

// Nine lines of one booking, fields 1 to 9.
inline Lines bookingLines(const std::string& signatur, const std::string& objekt, const std::string& vecka) {
    return {signatur, "Prov i fysik", "45", "2", "08.15", objekt, "", vecka, ""};
}

inline Bokning bookingRow(const std::string& signatur, const std::string& objekt, const std::string& vecka) {
    return {signatur, "Prov i fysik", "45", "2", "08.15", objekt, "", vecka, "", ""};
}

// The lines of a booking file: the count line, then the bookings' lines.
inline Lines fileLines(const std::string& countLine, const std::vector<Lines>& bookings) {
    Lines lines{countLine};
    for (const auto& b : bookings) {
        lines.insert(lines.end(), b.begin(), b.end());
    }
    return lines;
}

// The same as the bytes of a file, every line ended by CR LF.
inline std::string fileBytes(const std::string& countLine, const std::vector<Lines>& bookings) {
    return crlf(fileLines(countLine, bookings));
}

class BookingFixture : public ::testing::Test {
  protected:
    TempDir dir;
    FaultyDisk disk;
    FixedClock clock{Date{2024, 5, 7}};
    ScriptedMessages messages;
    Platform platform{disk, clock, messages};
    BookingTable table;
    BookingFileState file;

    BookingFixture() { file.aktuellfil = dir.file("Bokningar.bok"); }

    LoadResult load(const std::string& backupmapp = "") {
        return oppnabokningar(table, file, backupmapp, platform);
    }
    bool save() { return sparabokningar(table, file, platform); }

    // Temporary files left in the folder by a writer.
    Lines leftovers() const {
        Lines names;
        for (const auto& e : std::filesystem::recursive_directory_iterator(dir.path())) {
            if (e.path().filename().string().find(".tmp") != std::string::npos) {
                names.push_back(e.path().filename().string());
            }
        }
        return names;
    }
};

// Two lesson rows, then bookings of SAL 1 in week 36 appended as a test needs them.
class SaveFixture : public BookingFixture {
  protected:
    const std::string savedA = bookingFile({bookingLines("A", "SAL 1", "36")});

    SaveFixture() { table.antallektioner = table.antalrader = 2; }

    void append(const std::string& signatur) {
        ASSERT_TRUE(laggTillRad(table, bookingRow(signatur, "SAL 1", "36"), messages));
    }
};

} // namespace tivra::test

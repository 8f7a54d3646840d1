#pragma once
// A booking file in a fresh folder, with the fakes wired into one Platform.
#include "core/BookingFile.h"
#include "core/BookingTable.h"
#include "core/Platform.h"
#include "support/Fakes.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tivra::test {

// Nine lines of one booking, fields 1 to 9.
inline std::vector<std::string> bookingLines(const std::string& signatur, const std::string& objekt,
                                             const std::string& vecka) {
    return {signatur, "Prov i fysik", "45", "2", "08.15", objekt, "", vecka, ""};
}

inline Bokning bookingRow(const std::string& signatur, const std::string& objekt, const std::string& vecka) {
    Bokning b;
    auto lines = bookingLines(signatur, objekt, vecka);
    for (int j = 1; j <= 9; ++j) {
        b.field(j) = lines[static_cast<std::size_t>(j - 1)];
    }
    return b;
}

// The lines of a booking file: the count line, then the bookings' lines.
inline std::vector<std::string> fileLines(const std::string& countLine,
                                          const std::vector<std::vector<std::string>>& bookings) {
    std::vector<std::string> lines{countLine};
    for (const auto& b : bookings) {
        lines.insert(lines.end(), b.begin(), b.end());
    }
    return lines;
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

    // Temporary files left in the folder by a writer.
    std::vector<std::string> leftovers() const {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::recursive_directory_iterator(dir.path())) {
            if (e.path().filename().string().find(".tmp") != std::string::npos) {
                names.push_back(e.path().filename().string());
            }
        }
        return names;
    }
};

} // namespace tivra::test

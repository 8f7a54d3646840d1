// The fast paths of the booking file: line cutting a word at a time, cells compared and
// copied in fixed-size pieces, and the whole-file read. Each is checked against the plain
// way of doing the same, at every length around the piece sizes.
#include "core/BookingFile.h"
#include "core/BookingSave.h"

#include "BookingFixture.h"

#include <gtest/gtest.h>
#include <random>

namespace tivra::test {
namespace {

// Lines as a byte-by-byte scan cuts them.
std::vector<std::string> plainLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        char c = bytes[i];
        if (c != '\r' && c != '\n') {
            line += c;
            continue;
        }
        lines.push_back(line);
        line.clear();
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
            ++i;
        }
    }
    if (!line.empty()) {
        lines.push_back(line);
    }
    return lines;
}

TEST(BookingLines, SplitLinesCutsAsAPlainScanAtEveryOffset) {
    // Bytes near the line ends (0x0A, 0x0D) and high code page letters, which must not be
    // taken for line ends when eight bytes are tested at once.
    const std::string alphabet = std::string("aZ \x0B\x0C\x8A\x8D\xC5\xFF\x09", 10) + std::string(1, '\0');
    const std::vector<std::string> ends = {"\r\n", "\n", "\r", "\r\r\n", "\n\r"};
    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        std::string bytes;
        int lines = std::uniform_int_distribution<int>(0, 12)(random);
        for (int k = 0; k < lines; ++k) {
            int length = std::uniform_int_distribution<int>(0, 20)(random);
            for (int i = 0; i < length; ++i) {
                bytes += alphabet[random() % alphabet.size()];
            }
            bytes += ends[random() % ends.size()];
        }
        if (random() % 2 == 0) {
            bytes += "tail";
        }
        std::vector<std::string> got;
        for (std::string_view line : splitLines(bytes)) {
            got.emplace_back(line);
        }
        ASSERT_EQ(got, plainLines(bytes)) << "round " << round;
    }
}

class ReloadTest : public BookingFixture {};

TEST_F(ReloadTest, AReloadReplacesEveryCellThatDiffersInOneByteAndWritesTheSameBytes) {
    // Fields of every length from 0 to 20, then the same lengths with one byte changed at
    // each place: a reload that skipped a changed cell would keep the old byte.
    auto fileOf = [](const std::vector<std::string>& fields) {
        std::vector<std::vector<std::string>> bookings;
        for (std::size_t k = 0; k < fields.size(); k += 9) {
            bookings.emplace_back(fields.begin() + static_cast<std::ptrdiff_t>(k),
                                  fields.begin() + static_cast<std::ptrdiff_t>(k + 9));
        }
        return crlf(fileLines(antalrad(static_cast<int>(bookings.size())), bookings));
    };
    std::vector<std::string> before;
    std::vector<std::string> after;
    for (std::size_t length = 0; length <= 20; ++length) {
        for (std::size_t at = 0; at < std::max<std::size_t>(length, 1); ++at) {
            std::string field;
            for (std::size_t i = 0; i < length; ++i) {
                field += static_cast<char>('a' + (i * 7 + length) % 26);
            }
            before.push_back(field);
            if (length > 0) {
                field[at] = '#';
            }
            after.push_back(field);
        }
    }
    while (before.size() % 9 != 0) {
        before.emplace_back("x");
        after.emplace_back("y");
    }

    writeBytes(file.aktuellfil, fileOf(before));
    ASSERT_EQ(oppnabokningar(table, file, "", platform), LoadResult::Loaded);
    writeBytes(file.aktuellfil, fileOf(after));
    ASSERT_EQ(oppnabokningar(table, file, "", platform), LoadResult::Loaded);

    ASSERT_EQ(table.antalrader, static_cast<int>(after.size() / 9));
    for (std::size_t k = 0; k < after.size(); ++k) {
        ASSERT_EQ(table.row(static_cast<int>(k / 9) + 1).field(static_cast<int>(k % 9) + 1), after[k]) << k;
        ASSERT_EQ(file.rad.at(k + 1), after[k]) << k;
    }
    ASSERT_TRUE(sparabokningar(table, file, platform));
    EXPECT_EQ(readBytes(file.aktuellfil), fileOf(after));
}

TEST_F(ReloadTest, ReadAllGivesEveryByteAndTellsAMissingFile) {
    std::string bytes;
    for (int i = 0; i < 70000; ++i) {
        bytes += static_cast<char>(i % 251);
    }
    const std::string path = dir.file("bytes.bin");
    writeBytes(path, bytes);
    RealDisk real;
    EXPECT_EQ(real.readAll(path), bytes);
    writeBytes(path, "");
    EXPECT_EQ(real.readAll(path), std::string());
    EXPECT_EQ(real.readAll(dir.file("missing.bok")), std::nullopt);
}

} // namespace
} // namespace tivra::test

// The fast paths of the booking file: line cutting a word at a time, cells compared and
// copied in fixed-size pieces, and the whole-file read. Each is checked against the plain
// way of doing the same, at every length around the piece sizes.
#include "core/BookingFile.h"

#include "BookingFixture.h"

#include <gtest/gtest.h>
#include <random>

namespace tivra::test {
namespace {

// Lines as a byte-by-byte scan cuts them.
Lines plainLines(const std::string& bytes) {
    Lines lines{""};
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n') {
            lines.back() += bytes[i];
            continue;
        }
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
            ++i;
        }
        lines.emplace_back();
    }
    if (lines.back().empty()) {
        lines.pop_back();
    }
    return lines;
}

TEST(BookingLines, SplitLinesCutsAsAPlainScanAtEveryOffset) {
    // Bytes near the line ends (0x0A, 0x0D) and high code page letters, which must not be
    // taken for line ends when eight bytes are tested at once.
    const std::string alphabet = std::string("aZ \x0B\x0C\x8A\x8D\xC5\xFF\x09", 10) + std::string(1, '\0');
    const Lines ends = {"\r\n", "\n", "\r", "\r\r\n", "\n\r"};
    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        std::string bytes;
        for (int k = std::uniform_int_distribution<int>(0, 12)(random); k > 0; --k) {
            for (int i = std::uniform_int_distribution<int>(0, 20)(random); i > 0; --i) {
                bytes += alphabet[random() % alphabet.size()];
            }
            bytes += ends[random() % ends.size()];
        }
        if (random() % 2 == 0) {
            bytes += "tail";
        }
        Lines got;
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
    Lines before{""}; // the count line, then the file image rad[1..9N]
    Lines after{""};
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
    while (before.size() % 9 != 1) {
        before.emplace_back("x");
        after.emplace_back("y");
    }
    const int count = static_cast<int>(after.size() / 9);
    before[0] = after[0] = antalrad(count);
    writeBytes(file.aktuellfil, crlf(before));
    ASSERT_EQ(load(), LoadResult::Loaded);
    writeBytes(file.aktuellfil, crlf(after));
    ASSERT_EQ(load(), LoadResult::Loaded);

    ASSERT_EQ(table.antalrader, count);
    for (std::size_t k = 1; k < after.size(); ++k) {
        ASSERT_EQ(table.row(static_cast<int>((k - 1) / 9) + 1).field(static_cast<int>((k - 1) % 9) + 1),
                  after[k])
            << k;
        ASSERT_EQ(file.rad.at(k), after[k]) << k;
    }
    ASSERT_TRUE(save());
    EXPECT_EQ(readBytes(file.aktuellfil), crlf(after));
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

// Damaged files of every kind the program reads, through the whole start-up and the first
// week drawn, in process: the demo school with one file mutated at a time, from a fixed
// seed. Whatever the bytes, the program ends or goes on with one of its own messages; it
// never crashes, hangs or throws anything else.
#include "config/Startup.h"
#include "support/Fakes.h"
#include "support/InFolder.h"
#include "view/WeekView.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <random>
#include <string>

namespace tivra {
namespace {

// One damage of a kind chosen at random.
std::string mutate(std::string bytes, std::mt19937& random) {
    auto pick = [&](std::size_t n) {
        return n == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
    };
    auto anywhere = [&] { return pick(bytes.size() + 1); };
    const std::function<void()> damages[] = {
        [&] { // bit flips
            for (std::size_t n = 1 + pick(8); n > 0 && !bytes.empty(); --n) {
                bytes[pick(bytes.size())] ^= static_cast<char>(1 << pick(8));
            }
        },
        [&] { std::erase(bytes, pick(2) == 0 ? '\r' : '\n'); }, // line ends of another system, or none
        [&] { bytes.insert(anywhere(), std::string(1 + pick(3), '\0')); },
        [&] { bytes.insert(anywhere(), "\xC3\xA5\xC3\xA4\xC3\xB6 \xE2\x82\xAC"); },
        [&] { bytes.insert(anywhere(), std::string(100000 + pick(100000), 'x')); },
        [&] { // numbers that lie: counts, weeks, hours, lengths
            for (char& c : bytes) {
                c = c >= '0' && c <= '9' && pick(4) == 0 ? static_cast<char>('0' + pick(10)) : c;
            }
            bytes.insert(anywhere(), pick(2) == 0 ? std::to_string(random()) : "");
        },
        [&] { bytes.resize(anywhere()); },
        [&] { // a line repeated or dropped, so that nine-line records slip
            const std::size_t at = std::min(bytes.find("\r\n", anywhere()), bytes.size());
            const std::string line = bytes.substr(at, bytes.find("\r\n", at + 2) - at);
            pick(2) == 0 ? bytes.insert(at, line) : bytes.erase(at, line.size());
        },
    };
    damages[pick(std::size(damages))]();
    return bytes;
}

// Start-up and the first week drawn, as the window would; the messages it showed.
std::vector<test::ScriptedMessages::Shown> startAndDraw(const std::filesystem::path& folder) {
    test::InFolder inside{folder};
    test::ScriptedMessages messages;
    test::FixedClock clock{Date{2024, 11, 13}};
    RealDisk disk;
    Platform platform{disk, clock, messages};
    Program program;
    try {
        if (!startup(program, platform).ended) {
            program.selection.viewKind = ViewKind::Salar;
            program.selection.valdsal = program.salar.empty() ? 0 : 1;
            visasalsschema(program, GridGeometry(15000, program.settings.helg), clock.date);
        }
    } catch (const ProgramEnded&) {
        // A fatal message ends the program as it should.
    }
    return messages.shown;
}

TEST(Fuzz, DamagedFilesNeverCrashHangOrFailWithoutTheProgramsOwnMessage) {
    const std::string demo = std::string(TIVRA_SOURCE_DIR) + "/examples/demo-skola/";
    const char* const kinds[] = {"Tivra.ini", "demo.sal", "demo.sca", "demo.sig", "demo.ini", "demo.bok"};
    std::mt19937 random(20261207);
    for (const std::string kind : kinds) {
        for (int i = 0; i < 200; ++i) {
            test::TempDir dir;
            std::filesystem::copy(demo, dir.path(), std::filesystem::copy_options::recursive);
            test::writeBytes(dir.file(kind), mutate(test::readBytes(demo + kind), random));
            for (const auto& shown : startAndDraw(dir.path())) {
                EXPECT_FALSE(shown.title.empty() || shown.text.empty()) << kind << " case " << i;
            }
        }
    }
}

} // namespace
} // namespace tivra

// Damaged files of every kind the program reads, through the whole start-up and the first
// week drawn, in process: the demo school with one file mutated at a time, from a fixed
// seed. Whatever the bytes, the program ends or goes on with one of its own messages; it
// never crashes, hangs or throws anything else.
#include "config/Startup.h"
#include "support/Fakes.h"
#include "support/InFolder.h"
#include "view/WeekView.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <random>
#include <string>

namespace tivra {
namespace {

namespace fs = std::filesystem;
constexpr int kCasesPerFile = 200;

class Mutator {
  public:
    explicit Mutator(unsigned seed) : random_(seed) {}

    std::string operator()(std::string bytes) {
        switch (pick(9)) {
        case 0: // bit flips
            for (std::size_t n = 1 + pick(8); n > 0 && !bytes.empty(); --n) {
                bytes[pick(bytes.size())] ^= static_cast<char>(1 << pick(8));
            }
            break;
        case 1:
            bytes.insert(pick(bytes.size() + 1), std::string(1 + pick(3), '\0'));
            break;
        case 2:
            replaceAll(bytes, "\r\n", "\r");
            break;
        case 3:
            replaceAll(bytes, "\r\n", "\n");
            break;
        case 4:
            bytes.insert(pick(bytes.size() + 1), "\xC3\xA5\xC3\xA4\xC3\xB6 \xE2\x82\xAC");
            break;
        case 5:
            bytes.insert(pick(bytes.size() + 1), std::string(100000 + pick(100000), 'x'));
            break;
        case 6: // numbers that lie: counts, weeks, hours, lengths
            for (char& c : bytes) {
                if (c >= '0' && c <= '9' && pick(4) == 0) {
                    c = static_cast<char>('0' + pick(10));
                }
            }
            if (pick(2) == 0) {
                bytes.insert(pick(bytes.size() + 1), std::to_string(random_()));
            }
            break;
        case 7:
            bytes.resize(pick(bytes.size() + 1));
            break;
        default: // lines repeated or dropped, so that nine-line records slip
            bytes = shuffledLines(bytes);
            break;
        }
        return bytes;
    }

  private:
    std::mt19937 random_;

    std::size_t pick(std::size_t n) {
        return n == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, n - 1)(random_);
    }

    static void replaceAll(std::string& s, const std::string& from, const std::string& to) {
        for (std::size_t at = 0; (at = s.find(from, at)) != std::string::npos; at += to.size()) {
            s.replace(at, from.size(), to);
        }
    }

    std::string shuffledLines(const std::string& bytes) {
        std::size_t at = bytes.find("\r\n", pick(bytes.size() + 1));
        if (at == std::string::npos) {
            return bytes;
        }
        std::size_t end = bytes.find("\r\n", at + 2);
        std::string line = bytes.substr(at, end == std::string::npos ? std::string::npos : end - at);
        return pick(2) == 0 ? bytes.substr(0, at) + line + bytes.substr(at)
                            : bytes.substr(0, at) + bytes.substr(at + line.size());
    }
};

std::string demoFile(const std::string& name) {
    return test::readBytes((fs::path(TIVRA_SOURCE_DIR) / "examples" / "demo-skola" / name).string());
}

// Start-up and the first week drawn, as the window would; the messages it showed.
std::vector<test::ScriptedMessages::Shown> startAndDraw(const fs::path& folder) {
    test::InFolder inside{folder};
    test::ScriptedMessages messages;
    test::FixedClock clock{Date{2024, 11, 13}};
    RealDisk disk;
    Platform platform{disk, clock, messages};
    Program program;
    try {
        StartupView view = startup(program, platform);
        if (!view.ended) {
            program.selection.vy = Vy::Salar;
            program.selection.valdsal = program.salar.empty() ? 0 : 1;
            visasalsschema(program, GridGeometry(15000, program.settings.helg), clock.date);
        }
    } catch (const ProgramEnded&) {
        // A fatal message ends the program as it should.
    }
    return messages.shown;
}

TEST(Fuzz, DamagedFilesNeverCrashHangOrFailWithoutTheProgramsOwnMessage) {
    const std::vector<std::string> kinds{"Tivra.ini", "demo.sal", "demo.sca",
                                         "demo.sig",  "demo.ini", "demo.bok"};
    std::map<std::string, std::string> demo;
    for (const std::string& name : kinds) {
        demo[name] = demoFile(name);
    }
    Mutator mutate(20261207);
    for (const std::string& kind : kinds) {
        for (int i = 0; i < kCasesPerFile; ++i) {
            test::TempDir dir;
            for (const auto& [name, bytes] : demo) {
                test::writeBytes(dir.file(name), name == kind ? mutate(bytes) : bytes);
            }
            for (const auto& shown : startAndDraw(dir.path())) {
                EXPECT_FALSE(shown.title.empty() || shown.text.empty()) << kind << " case " << i;
            }
        }
    }
}

} // namespace
} // namespace tivra

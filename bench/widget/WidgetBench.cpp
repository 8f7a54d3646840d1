// The redraw of the real window on the largest table: the view model and the 100 boxes
// it fills, alternating between two weeks so that every box really changes. It needs
// a QApplication, which Google Benchmark's main does not make, so it times itself.
//
//   QT_QPA_PLATFORM=offscreen tivra_widget_bench [rounds]
#include "LargestProgram.h"

#include "core/Clock.h"
#include "core/Disk.h"
#include "core/Messages.h"
#include "core/Platform.h"
#include "ui/Form1.h"
#include "ui/GridBox.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace tivra::bench {
namespace {

// The overview of a busy week fills the pool; its message is counted, not shown.
class CountingMessages : public Messages {
  public:
    int shown = 0;
    void show(const std::string&, const std::string&, Icon) override { ++shown; }
    bool ask(const std::string&, const std::string&) override { return false; }
    bool askNo(const std::string&, const std::string&) override { return false; }
    std::string input(const std::string&, const std::string&, const std::string&) override { return {}; }
    std::string openFileName(const std::string&, const std::string&) override { return {}; }
    SaveChoice saveFile(const std::string&, const std::string&) override { return {}; }
    [[noreturn]] void fatal(const std::string& text, const std::string&) override {
        throw ProgramEnded(text);
    }
};

class PinnedClock : public Clock {
  public:
    Date today() override { return Date{2025, 9, 29}; }
    DateTime now() override { return DateTime{today(), 12, 0, 0}; }
    void pause(std::chrono::milliseconds) override {}
};

// Median and worst of `rounds` runs of `step`, in milliseconds.
void report(const char* name, int rounds, const std::function<void(int)>& step) {
    std::vector<double> ms;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        step(i);
        ms.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%-34s median %7.3f ms   worst %7.3f ms\n", name, ms[ms.size() / 2], ms.back());
}

int run(int rounds) {
    // Start-up finds no settings here and leaves the table to the benchmark.
    QTemporaryDir empty;
    QDir::setCurrent(empty.path());
    Program program;
    RealDisk disk;
    PinnedClock clock;
    CountingMessages messages;
    Platform platform{disk, clock, messages};
    Form1 form(program, platform);
    form.show();
    QApplication::processEvents();

    program = largestProgram();
    program.selection.valdperson = 2;
    struct View {
        const char* name;
        ViewKind viewKind;
    };
    for (View v : {View{"room", ViewKind::Salar}, View{"staff", ViewKind::Personal},
                   View{"overview", ViewKind::AllaBokningar}}) {
        program.selection.viewKind = v.viewKind;
        auto week = [&](int i) { program.selection.valdvecka = 40 + i % 2; };
        std::string redraw = std::string("redraw ") + v.name;
        report(redraw.c_str(), rounds, [&](int i) {
            week(i);
            form.visasalsschema();
        });
        std::string painted = redraw + " and paint";
        report(painted.c_str(), rounds, [&](int i) {
            week(i);
            form.visasalsschema();
            form.repaint();
        });
        int shownBoxes = 0;
        for (int n = 1; n <= 100; ++n) {
            shownBoxes += form.findChild<GridBox*>(QStringLiteral("Label4(%1)").arg(n))->isVisible() ? 1 : 0;
        }
        std::printf("%-34s %d boxes\n", "", shownBoxes);
    }
    std::printf("full-pool messages: %d\n", messages.shown);
    return 0;
}

} // namespace
} // namespace tivra::bench

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    return tivra::bench::run(rounds);
}

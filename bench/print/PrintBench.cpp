// The printout of the busiest room of the largest table to a PDF: its booking list and 40
// week schedules, against the floor of drawing the same recorded operations on a PDF
// writer of the same kind, in the same run. The difference is what the layout costs: the
// row choice, the measuring and the fitting of texts.
//
//   tivra_print_bench [rounds]
#include "LargestProgram.h"

#include "core/RowRules.h"
#include "gui/QtPrintSurface.h"
#include "print/PrintPlan.h"
#include "support/RecordingSurface.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace tivra::bench {
namespace {

// Records the drawing while measuring text as the PDF would, so the recorded positions
// are the real render's.
class MeasuredRecording : public test::RecordingSurface {
  public:
    explicit MeasuredRecording(QtPrintSurface& measure) : measure_(measure) {
        W = measure.pageWidth();
        H = measure.pageHeight();
    }
    void setFontName(const std::string& name) override {
        RecordingSurface::setFontName(name);
        measure_.setFontName(name);
    }
    void setFontSize(double points) override {
        RecordingSurface::setFontSize(points);
        measure_.setFontSize(points);
    }
    double textWidth(const std::string& text) override { return measure_.textWidth(text); }
    double textHeight(const std::string& text) override { return measure_.textHeight(text); }

  private:
    QtPrintSurface& measure_;
};

// Draws recorded operations again on another surface, as they were drawn: the cost of the
// PDF alone, without the layout.
void replay(const std::vector<test::Drawn>& drawn, PrintSurface& surface) {
    int page = 1;
    for (const test::Drawn& d : drawn) {
        if (d.page != page) {
            surface.newPage();
            page = d.page;
        }
        surface.setLineWidth(d.lineWidth);
        switch (d.kind) {
        case test::Drawn::Kind::Text:
            surface.setFontName(d.font);
            surface.setFontSize(d.size);
            surface.moveTo(d.x1, d.y1);
            surface.write(d.text, d.endLine);
            break;
        case test::Drawn::Kind::Line:
            surface.line(d.x1, d.y1, d.x2, d.y2);
            break;
        case test::Drawn::Kind::Box:
            surface.box(d.x1, d.y1, d.x2, d.y2);
            break;
        case test::Drawn::Kind::Fill:
            surface.filledBox(d.x1, d.y1, d.x2, d.y2, d.grey);
            break;
        case test::Drawn::Kind::EndDoc:
            surface.endDoc();
            break;
        }
    }
}

std::string busiestRoom(const Program& program) {
    std::string busiest;
    int most = -1;
    for (const std::string& room : program.salar) {
        int rows = 0;
        for (int r = 1; r <= program.bokningar.antalrader; ++r) {
            rows += rowOfObject(program.bokningar, r, room) ? 1 : 0;
        }
        if (rows > most) {
            most = rows;
            busiest = room;
        }
    }
    return busiest;
}

double median(std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

double timed(const std::function<void()>& step) {
    QElapsedTimer timer;
    timer.start();
    step();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

int run(int rounds) {
    Program program = largestProgram();
    PrintPlan plan;
    plan.firstWeek = 34;
    plan.lastWeek = 73; // 40 weeks
    plan.jobs.push_back(PrintJob{busiestRoom(program), true, true});
    const Date today{2025, 9, 29};
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("print.pdf"));

    std::unique_ptr<QPdfWriter> measuringDevice =
        makePdfWriter(folder.filePath(QStringLiteral("unused.pdf")));
    QtPrintSurface measuring(*measuringDevice);
    MeasuredRecording recording(measuring);
    renderPlan(plan, program, today, recording);

    std::vector<double> full;
    std::vector<double> floor;
    std::vector<double> layout;
    for (int i = 0; i < rounds; ++i) {
        layout.push_back(timed([&] {
            MeasuredRecording again(measuring);
            renderPlan(plan, program, today, again);
        }));
        full.push_back(timed([&] {
            std::unique_ptr<QPdfWriter> writer = makePdfWriter(pdf);
            QtPrintSurface surface(*writer);
            renderPlan(plan, program, today, surface);
        }));
        floor.push_back(timed([&] {
            std::unique_ptr<QPdfWriter> writer = makePdfWriter(pdf);
            QtPrintSurface surface(*writer);
            replay(recording.drawn, surface);
        }));
    }
    std::printf("room %s: %d pages, %zu drawing operations, %lld bytes of PDF\n", plan.jobs[0].objekt.c_str(),
                recording.pages(), recording.drawn.size(), static_cast<long long>(QFileInfo(pdf).size()));
    double f = median(full);
    double r = median(floor);
    std::printf("%-34s median %8.1f ms\n", "list and 40 schedules to PDF", f);
    std::printf("%-34s median %8.1f ms\n", "replay of the same drawing", r);
    std::printf("%-34s %8.2f\n", "ratio", f / r);
    std::printf("%-34s median %8.1f ms\n", "layout alone, measured, no drawing", median(layout));
    return 0;
}

} // namespace
} // namespace tivra::bench

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    return tivra::bench::run(rounds);
}

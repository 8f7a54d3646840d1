#include "ui/PrintProgress.h"

#include "gui/Convert.h"

#include <QApplication>
#include <QProgressDialog>

#include <memory>

namespace tivra {
namespace {

struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace

PrintResult printWithProgress(const PrintPlan& plan, const Program& program, const Date& today,
                              PrintOutput& output, QWidget* parent, PrintNotes& notes) {
    WaitCursor waiting;
    const int steps = planSteps(plan);
    std::unique_ptr<QProgressDialog> progress;
    if (steps > kFewPages) {
        progress = std::make_unique<QProgressDialog>(toQString("Skriver ut..."), toQString("Avbryt"), 0,
                                                     steps, parent);
        progress->setObjectName(QStringLiteral("Skriver ut"));
        progress->setWindowTitle(QStringLiteral("Skriv ut"));
        progress->setWindowModality(Qt::WindowModal);
        progress->setMinimumDuration(0);
        progress->setAutoClose(false);
        progress->setValue(0);
    }
    int done = 0;
    GoOn goOn = [&] {
        if (!progress) {
            return true;
        }
        // A modal progress dialog takes the events in setValue, the press of "Avbryt" too.
        progress->setValue(++done);
        return !progress->wasCanceled();
    };
    return output.print([&](PrintSurface& surface) {
        notes = renderPlan(plan, program, today, surface, goOn);
        return !notes.interrupted;
    });
}

} // namespace tivra

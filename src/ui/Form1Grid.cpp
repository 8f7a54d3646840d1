// The redraw that puts a view of the week on the grid, and the details line cleared over
// the window's bare background.
#include "ui/Form1.h"

#include "core/Calendar.h"
#include "ui/BookingPanel.h"
#include "ui/ChoiceBar.h"
#include "ui/WeekGrid.h"
#include "view/Details.h"
#include "view/WeekView.h"

#include <QMenu>
#include <QMouseEvent>

namespace tivra {

void Form1::visasalsschema() {
    ++redrawCount_;
    // The details line spoke of a box of the grid as it was.
    grid_->clearDetails();
    const GridGeometry* geometry = grid_->geometry();
    if (geometry == nullptr) {
        return;
    }
    WeekView view = tivra::visasalsschema(program_, *geometry, platform_.clock.today());
    if (view.unchanged) {
        return;
    }
    // Today's column is marked while the week shown is today's.
    const Selection& s = program_.selection;
    grid_->showWeek(view, s.valdvecka == s.idagvecka ? dayOfWeek(platform_.clock.today()) : 0);
    markEdited();
    reportOverflow(view, platform_.messages);
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Avbok) {
        return event->type() == QEvent::MouseButtonPress && pressBesideMenu(static_cast<QMouseEvent*>(event));
    }
    if (event->type() == QEvent::MouseMove) {
        auto* widget = static_cast<QWidget*>(watched);
        QPoint at = widget->mapTo(client_, static_cast<QMouseEvent*>(event)->position().toPoint());
        // Moves over a control that does not take them arrive here too: only the bare
        // background counts.
        QWidget* under = client_->childAt(at);
        if (under == nullptr || under == bookingColumn_ || under == choice_ || under == fields_ ||
            under == grid_) {
            grid_->clearDetails();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace tivra

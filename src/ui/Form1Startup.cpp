#include "ui/Form1.h"

#include "gui/Convert.h"
#include "ui/ChoiceBar.h"
#include "ui/WeekGrid.h"

#include <QLayout>

namespace tivra {

void Form1::Form_Load() {
    // A booking file named at the start is opened in place of the settings' own.
    view_ = startup(program_, platform_, textBytes(place_.bookingFile));
    applyStartup(view_);
}

void Form1::applyStartup(const StartupView& view) {
    choice_->applyStartup(view);
    showOpenFile();
    // The window's layouts settle the grid's space before it is shown, so the first
    // drawing is already for the size the window opens with.
    layout()->activate();
    client_->layout()->activate();
    grid_->layOut();
    // A fault in the layout or list steps ends start-up before the first drawing.
    if (!view.ended) {
        visasalsschema();
    }
}

} // namespace tivra

// "Lediga salar": the finder in booking/FreeRooms for the day and time in the booking
// fields and the shown week; the window collects the fields and shows the rooms.
#include "ui/Form1.h"

#include "booking/FreeRooms.h"
#include "core/Calendar.h"
#include "core/RowRules.h"
#include "gui/Convert.h"
#include "ui/BookingPanel.h"
#include "ui/ChoiceBar.h"
#include "ui/FreeRoomsWindow.h"

#include <QScreen>

namespace tivra {

void Form1::Command7_Click() {
    // What another workstation booked since the last look counts too.
    lookAtBookingFile();
    BookingFields fields = bookingFields();
    // The staff view and the overview book no object: they ask about rooms.
    fields.viewKind = fields.viewKind == ViewKind::Annat ? ViewKind::Annat : ViewKind::Salar;
    const int week = program_.selection.valdvecka;
    std::variant<FreeRooms, std::string> found = ledigaSalar(program_, fields, week);
    if (const std::string* refusal = std::get_if<std::string>(&found)) {
        platform_.messages.show(*refusal, "Lediga salar", Icon::Exclamation);
        return;
    }
    Bokning asked = storedRow(fields, {});
    std::string title = "Lediga salar vecka " + shownWeek(week) + ", " + choice_->dayText() + " " +
                        asked.starttid + "\x96" + endLabel(asked);
    if (freeRooms_) {
        freeRooms_->close();
    }
    const ViewKind viewKind = fields.viewKind;
    freeRooms_ = new FreeRoomsWindow(
        title, std::get<FreeRooms>(found),
        [this, viewKind](const std::string& name) { chooseFreeRoom(viewKind, name); }, this);
    // Under the booking buttons, the column's empty part, is the last place that hides
    // nothing the user needs next.
    const QPoint below = bookingColumn_->mapToGlobal(QPoint(0, fields_->geometry().bottom() + 8));
    const QRect spare(below, QSize(bookingColumn_->width(), frameGeometry().bottom() - below.y()));
    const QRect place = besideGrid(screen()->availableGeometry(), frameGeometry(), spare, freeRooms_->size());
    freeRooms_->move(place.topLeft());
    freeRooms_->resize(place.size());
    freeRooms_->show();
}

void Form1::chooseFreeRoom(ViewKind viewKind, const std::string& name) {
    // Each change redraws through its own handler: the option the list, the text the week.
    choice_->chooseObject(viewKind, name);
    activateWindow();
}

} // namespace tivra

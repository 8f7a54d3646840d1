// Marking a time span on the day boxes: a press starts the drag, the moves stretch the
// rectangle and write the times into the booking fields, the release ends it. Without a
// button the details line shows the time under the pointer.
//
// Qt hands the moves and the release to the box that got the press, wherever the pointer
// goes, so the span always stays in the box where the drag began.
#include "ui/Form1.h"

#include "core/Calendar.h"
#include "core/Number.h"
#include "core/TextHelpers.h"
#include "ui/BookingPanel.h"
#include "ui/ChoiceBar.h"
#include "ui/Convert.h"
#include "ui/GridBox.h"
#include "ui/Twips.h"

#include <QLabel>

namespace tivra {

void Form1::connectMarking() {
    for (int d = 1; d <= 7; ++d) {
        GridBox* day = Label2(d);
        day->setMouseTracking(true);
        connect(day, &GridBox::mousePressed, this, [this, d](QPointF pos) { Label2_MouseDown(d, pos); });
        connect(day, &GridBox::mouseMoved, this, [this, d](QPointF pos) { Label2_MouseMove(d, pos); });
        connect(day, &GridBox::mouseReleased, this, [this, d](QPointF pos) { Label2_MouseUp(d, pos); });
    }
}

TimeAxis Form1::timeAxis() const {
    return grid_ ? grid_->axis(program_.settings.starttimme, program_.settings.sluttimme)
                 : TimeAxis{program_.settings.starttimme, program_.settings.sluttimme};
}

void Form1::Label2_MouseDown(int index, QPointF pos) {
    int slot = pressMarking(marking_, timeAxis(), index, twipsOf(pos.y()));
    Shape1->resize(Shape1->width(), 0);
    fields_->showMarkStart(slot);
    choice_->setDay(dagnamn(index));
}

void Form1::Label2_MouseMove(int index, QPointF pos) {
    if (!grid_) {
        return;
    }
    double y = twipsOf(pos.y());
    if (!marking_.markering) {
        marking_.startslot = slotAt(timeAxis(), y, grid_->dayBox(index).height);
        Label5->setText(toQString(tidtext(marking_.startslot)));
        return;
    }
    DragSpan span = dragMarking(marking_, *grid_, timeAxis(), y);
    const Rect& r = span.shape1;
    Shape1->setGeometry(pxRect(r.left, r.top, r.width, r.height));
    Shape1->show();
    fields_->showMarkedSpan(span.startslot, span.endslot);
}

void Form1::Label2_MouseUp(int /*index*/, QPointF /*pos*/) {
    if (releaseMarking(marking_)) {
        Shape1->hide();
    }
}

} // namespace tivra

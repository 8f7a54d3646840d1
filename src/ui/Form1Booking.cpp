// "Boka": the booking fields as they stand become a booking of the shown week. The rules
// live in booking/Boka; the window collects the fields and shows the outcome.
#include "ui/Form1.h"

#include "booking/Boka.h"
#include "gui/Convert.h"
#include "ui/BookingPanel.h"
#include "ui/ChoiceBar.h"
#include "ui/WaitCursorLock.h"
#include "ui/WeekGrid.h"

#include <vector>

namespace tivra {
BookingFields Form1::bookingFields() const {
    BookingFields fields;
    fields.objekt = choice_->objectText();
    fields.viewKind = choice_->chosenView();
    fields.valddag = program_.selection.valddag;
    fields_->readInto(fields);
    return fields;
}

void Form1::Command3_Click() {
    BookingFields fields = bookingFields();

    // The fields keep what the user typed, ready for a similar booking. An edit ends once
    // its booking is replaced, or found gone; a refusal leaves it for the user to correct.
    ChangeResult result =
        runBookingChange([&](ChangeEnvironment& env) { return boka(program_, fields, env, edited_); });
    if (result == ChangeResult::Saved) {
        grid_->hideSpan();
        tellDone(edited_ ? "\xC4ndrat" : "Bokat", program_.bokningar.row(program_.bokningar.antalrader));
    }
    if (result == ChangeResult::Saved || result == ChangeResult::Unchanged) {
        endEdit();
    }
}

} // namespace tivra

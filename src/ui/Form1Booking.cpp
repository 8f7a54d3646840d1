// "Boka": the booking fields as they stand become a booking of the shown week. The rules
// live in booking/Boka; the window collects the fields and shows the outcome.
#include "ui/Form1.h"

#include "booking/Boka.h"
#include "ui/Convert.h"
#include "ui/GridBox.h"
#include "ui/WaitCursorLock.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <vector>

namespace tivra {
void Form1::connectBooking() {
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(Command7, &QPushButton::clicked, this, &Form1::Command7_Click);
}

BookingFields Form1::bookingFields() const {
    BookingFields fields;
    fields.objekt = textBytes(Combo1->currentText());
    fields.viewKind = Option1->isChecked()   ? ViewKind::Salar
                      : Option2->isChecked() ? ViewKind::Annat
                      : Option3->isChecked() ? ViewKind::Personal
                                             : ViewKind::AllaBokningar;
    fields.valddag = program_.selection.valddag;
    fields.starttid = textBytes(Text1->text());
    fields.langd = textBytes(Text2->text());
    fields.kommentar = textBytes(Text3->text());
    fields.signatur = textBytes(Text4->text());
    return fields;
}

void Form1::Command3_Click() {
    BookingFields fields = bookingFields();

    // The fields keep what the user typed, ready for a similar booking. An edit ends once
    // its booking is replaced, or found gone; a refusal leaves it for the user to correct.
    ChangeResult result =
        runBookingChange([&](ChangeEnvironment& env) { return boka(program_, fields, env, redigerad_); });
    if (result == ChangeResult::Saved) {
        Shape1->hide();
        tellDone(redigerad_ ? "\xC4ndrat" : "Bokat", program_.bokningar.row(program_.bokningar.antalrader));
    }
    if (result == ChangeResult::Saved || result == ChangeResult::Unchanged) {
        endEdit();
    }
}

} // namespace tivra

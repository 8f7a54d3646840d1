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
namespace {

std::string textOf(const QString& text) {
    // The fields refuse characters outside Windows-1252, so this is the whole text.
    return fromQString(text).value_or(std::string());
}

// The booking rows, fields 1 to 9, to tell afterwards whether the table changed.
std::vector<std::string> bookingRows(const BookingTable& table) {
    std::vector<std::string> fields;
    for (int r = table.antallektioner + 1; r <= table.antalrader; ++r) {
        for (int j = 1; j <= 9; ++j) {
            fields.push_back(table.row(r).field(j));
        }
    }
    return fields;
}

} // namespace

void Form1::connectBooking() {
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
}

void Form1::Command3_Click() {
    BookingFields fields;
    fields.objekt = textOf(Combo1->currentText());
    fields.vy = Option1->isChecked()   ? Vy::Salar
                : Option2->isChecked() ? Vy::Annat
                : Option3->isChecked() ? Vy::Personal
                                       : Vy::AllaBokningar;
    fields.valddag = program_.val.valddag;
    fields.starttid = textOf(Text1->text());
    fields.langd = textOf(Text2->text());
    fields.kommentar = textOf(Text3->text());
    fields.signatur = textOf(Text4->text());

    std::vector<std::string> before = bookingRows(program_.bokningar);
    WaitCursorLock lock;
    ChangeEnvironment env{platform_, lock};
    ChangeResult result = boka(program_, fields, env);
    // The fields keep what the user typed, ready for a similar booking.
    if (result == ChangeResult::Saved) {
        Shape1->hide();
    }
    // A refusal after the reload may still have brought other users' bookings; a
    // refusal of the fields changed nothing and must not redraw (the overview would
    // repeat its message about boxes that do not fit).
    if (result == ChangeResult::Saved || bookingRows(program_.bokningar) != before) {
        visasalsschema();
    }
}

} // namespace tivra

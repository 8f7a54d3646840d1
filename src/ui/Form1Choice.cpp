// The controls above the grid: view kind, object, week and day. Each handler reads its
// control, lets the choice rules update the program's choice and redraws when they say so.
//
// Setting a combo box's text from the program fires its change signal as typing does. So
// that one user action redraws once, the handlers write their fields with the signals
// blocked and run what that change would have done themselves:
// - an option button fills the object field and redraws once; the entry it shows is the
//   one the option just chose;
// - an arrow writes the week it stepped to and corrects it as the week field's change
//   would (this brings a week that lay outside the period at start into it), then
//   redraws once;
// - a day header writes its day name and stores the day as the day field's change does.
// A pick from a combo box's list changes its text and so runs the change handler; a pick
// of the entry already shown changes nothing.
#include "ui/Form1.h"

#include "ui/Convert.h"
#include "ui/GridBox.h"
#include "view/Choice.h"

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include <algorithm>

namespace tivra {
void Form1::connectChoice() {
    auto onSelected = [this](QRadioButton* option, void (Form1::*handler)()) {
        connect(option, &QRadioButton::toggled, this, [this, handler](bool checked) {
            if (checked) {
                (this->*handler)();
            }
        });
    };
    onSelected(Option1, &Form1::Option1_Click);
    onSelected(Option2, &Form1::Option2_Click);
    onSelected(Option3, &Form1::Option3_Click);
    onSelected(Option4, &Form1::Option4_Click);
    connect(Combo1, &QComboBox::editTextChanged, this, &Form1::Combo1_Change);
    connect(Combo2, &QComboBox::editTextChanged, this, &Form1::Combo2_Change);
    connect(Combo3, &QComboBox::editTextChanged, this, &Form1::Combo3_Change);
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    for (int d = 1; d <= 7; ++d) {
        connect(Label3(d), &GridBox::clicked, this, [this, d] { Label3_Click(d); });
    }
}

void Form1::Option1_Click() {
    chooseList(ViewKind::Salar);
}

void Form1::Option2_Click() {
    chooseList(ViewKind::Annat);
}

void Form1::Option3_Click() {
    chooseList(ViewKind::Personal);
}

void Form1::Option4_Click() {
    chooseList(ViewKind::AllaBokningar);
}

void Form1::chooseList(ViewKind viewKind) {
    endEdit();
    ObjectField field = chooseView(program_, viewKind);
    {
        QSignalBlocker quiet(Combo1);
        Combo1->clear();
        for (const std::string& entry : field.entries) {
            Combo1->addItem(toQString(entry));
        }
        Combo1->setEditText(toQString(field.text));
    }
    if (field.redraw) {
        visasalsschema();
    }
}

void Form1::Combo1_Change() {
    endEdit();
    if (chooseObject(program_, textBytes(Combo1->currentText()))) {
        visasalsschema();
    }
}

void Form1::writeWeekField(int w) {
    QString shown = toQString(shownWeek(w));
    // Rewriting the same text would only move the cursor of someone typing.
    if (Combo2->currentText() != shown) {
        QSignalBlocker quiet(Combo2);
        Combo2->setEditText(shown);
    }
}

void Form1::storeWeekFromField() {
    endEdit();
    const Settings& s = program_.settings;
    int w = correctedWeek(textBytes(Combo2->currentText()), s.startvecka, s.slutvecka);
    program_.selection.valdvecka = w;
    writeWeekField(w);
}

void Form1::Combo2_Change() {
    // A field emptied to type a new week holds none yet: correcting the empty text would
    // write a week into it under the user's typing ("52", then "5240").
    if (!std::any_of(Combo2->currentText().cbegin(), Combo2->currentText().cend(),
                     [](QChar c) { return c.isDigit(); })) {
        return;
    }
    storeWeekFromField();
    visasalsschema();
}

void Form1::Command1_Click() {
    program_.selection.valdvecka = nextWeek(program_.selection.valdvecka, program_.settings.slutvecka);
    writeWeekField(program_.selection.valdvecka);
    storeWeekFromField();
    visasalsschema();
}

void Form1::Command2_Click() {
    program_.selection.valdvecka = previousWeek(program_.selection.valdvecka, program_.settings.startvecka);
    writeWeekField(program_.selection.valdvecka);
    storeWeekFromField();
    visasalsschema();
}

// The day belongs to the booking fields: choosing it redraws nothing.
void Form1::Combo3_Change() {
    chooseDay(program_.selection, view_.dayList, textBytes(Combo3->currentText()));
}

void Form1::Label3_Click(int d) {
    {
        QSignalBlocker quiet(Combo3);
        Combo3->setEditText(toQString(dayHeaderChoice(d)));
    }
    Combo3_Change();
}

} // namespace tivra

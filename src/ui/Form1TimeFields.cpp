// The start, end and length fields follow each other as the user types, and "Töm"
// empties them.
//
// The handlers answer QLineEdit::textChanged, which a program's setText raises as typing
// does, but only when the text really changes. That is what ends the exchange between
// the length and the end field: a length rewritten from the end (47 becomes 45) gives
// the same end again, which changes nothing and so notifies nobody.
#include "ui/Form1.h"

#include "ui/Convert.h"
#include "ui/GridBox.h"

#include <QLineEdit>
#include <QPushButton>

namespace tivra {
void Form1::connectTimeFields() {
    connect(Text1, &QLineEdit::textChanged, this, &Form1::Text1_Change);
    connect(Text2, &QLineEdit::textChanged, this, &Form1::Text2_Change);
    connect(Text5, &QLineEdit::textChanged, this, &Form1::Text5_Change);
    connect(Command6, &QPushButton::clicked, this, &Form1::Command6_Click);
}

// A new start with a valid end gives the length anew; during an edit the booking keeps
// its length and the end follows.
void Form1::Text1_Change() {
    if (marking_.markering) {
        return;
    }
    StartTyped typed =
        startTyped(textBytes(Text1->text()), textBytes(Text5->text()), textBytes(Text2->text()), redigerar());
    switch (typed.kind) {
    case StartTyped::Kind::Nothing:
        return;
    case StartTyped::Kind::Length:
        Text2->setText(toQString(typed.text));
        return;
    case StartTyped::Kind::End:
        Text5->setText(toQString(typed.text));
        visaShape1(typed.startslot, typed.endslot);
        return;
    case StartTyped::Kind::EmptyEnd:
        Text5->setText(QString());
        Shape1->hide();
        return;
    }
}

void Form1::Text2_Change() {
    if (marking_.markering) {
        return;
    }
    LengthTyped typed = lengthTyped(textBytes(Text1->text()), textBytes(Text2->text()));
    switch (typed.kind) {
    case LengthTyped::Kind::Nothing:
        return;
    case LengthTyped::Kind::Show:
        Text5->setText(toQString(typed.end));
        visaShape1(typed.startslot, typed.endslot);
        return;
    case LengthTyped::Kind::Hide:
        Shape1->hide();
        return;
    }
}

void Form1::Text5_Change() {
    if (marking_.markering) {
        return;
    }
    if (std::optional<std::string> length =
            lengthFromEnd(textBytes(Text1->text()), textBytes(Text5->text()))) {
        Text2->setText(toQString(*length));
    }
}

// The signature and the day stay: the same person often books several times in a row.
void Form1::Command6_Click() {
    for (QLineEdit* field : {Text1, Text2, Text5, Text3}) {
        field->setText(QString());
    }
    Shape1->hide();
    endEdit();
}

} // namespace tivra

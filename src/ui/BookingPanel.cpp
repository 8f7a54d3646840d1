#include "ui/BookingPanel.h"

#include "booking/Avboka.h"
#include "booking/Boka.h"
#include "core/Number.h"
#include "core/TextHelpers.h"
#include "gui/Convert.h"
#include "gui/Twips.h"
#include "ui/NamedControls.h"
#include "view/Marking.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace tivra {

BookingPanel::BookingPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("bookingPanel"));
    build();
    connectControls();
}

void BookingPanel::build() {
    grid_ = new QGridLayout(this);
    grid_->setContentsMargins(0, 0, 0, 0);
    grid_->setVerticalSpacing(px(60));
    // Columns: caption | start time | "-" | end time (and the length under it).
    grid_->setColumnStretch(1, 1);
    grid_->setColumnStretch(3, 1);
    int r = 0;

    Text1 = textBox("Text1", this);
    Text5 = textBox("Text5", this);
    captions_[0] = caption("timeCaption", "Tid", this);
    grid_->addWidget(captions_[0], r, 0);
    grid_->addWidget(Text1, r, 1);
    grid_->addWidget(new QLabel(QStringLiteral("-"), this), r, 2);
    grid_->addWidget(Text5, r++, 3);
    QLabel* either = caption("endOrLengthCaption", "Ange sluttid eller l\xE4ngd", this);
    grid_->addWidget(either, r++, 0, 1, 4, Qt::AlignRight);
    Text2 = textBox("Text2", this);
    grid_->addWidget(caption("lengthCaption", "L\xE4ngd (min)", this), r, 0, 1, 3);
    grid_->addWidget(Text2, r++, 3);

    Text3 = textBox("Text3", this);
    captions_[1] = caption("commentCaption", "Kommentar", this);
    grid_->addWidget(captions_[1], r, 0);
    grid_->addWidget(Text3, r++, 1, 1, 3);
    Text4 = textBox("Text4", this);
    captions_[2] = caption("signatureCaption", "Signatur", this);
    grid_->addWidget(captions_[2], r, 0);
    grid_->addWidget(Text4, r++, 1, 1, 3);

    Command3 = button("Command3", "Boka", nullptr, this);
    Command6 = button("Command6", "T\xF6m", "T\xF6m rutorna", this);
    Command7 = button("Command7", "Lediga salar", "Vilka salar \xE4r lediga den h\xE4r tiden?", this);
    auto* actions = new QHBoxLayout;
    actions->setSpacing(px(30));
    actions->addWidget(Command3);
    actions->addWidget(Command7);
    actions->addWidget(Command6);
    grid_->addLayout(actions, r++, 0, 1, 4);
}

void BookingPanel::connectControls() {
    connect(Text1, &QLineEdit::textChanged, this, &BookingPanel::startChanged);
    connect(Text2, &QLineEdit::textChanged, this, &BookingPanel::lengthChanged);
    connect(Text5, &QLineEdit::textChanged, this, &BookingPanel::endChanged);
    connect(Command6, &QPushButton::clicked, this, &BookingPanel::empty);
    connect(Command3, &QPushButton::clicked, this, &BookingPanel::bookRequested);
    connect(Command7, &QPushButton::clicked, this, &BookingPanel::freeRoomsRequested);
    for (QLineEdit* field : {Text1, Text5, Text2, Text3, Text4}) {
        connect(field, &QLineEdit::returnPressed, this, &BookingPanel::bookRequested);
    }
}

void BookingPanel::readInto(BookingFields& fields) const {
    fields.starttid = textBytes(Text1->text());
    fields.langd = textBytes(Text2->text());
    fields.kommentar = textBytes(Text3->text());
    fields.signatur = textBytes(Text4->text());
}

void BookingPanel::setEditing(bool editing) {
    editing_ = editing;
}

void BookingPanel::showMarkStart(int slot) {
    marking_ = true;
    Text1->setText(toQString(tidtext(slot)));
    Text2->setText(QString());
    Text5->setText(QString());
    marking_ = false;
}

void BookingPanel::showMarkedSpan(int startslot, int endslot) {
    marking_ = true;
    Text1->setText(toQString(tidtext(startslot)));
    Text5->setText(toQString(tidtext(endslot)));
    Text2->setText(toQString(decimalText(static_cast<long long>(endslot - startslot) * 5)));
    marking_ = false;
}

void BookingPanel::fill(const EditFields& fields) {
    Text1->setText(toQString(fields.starttid));
    Text2->setText(toQString(fields.langd));
    Text3->setText(toQString(fields.kommentar));
    Text4->setText(toQString(fields.signatur));
}

int BookingPanel::captionWidth() const {
    int width = 0;
    for (const QLabel* label : captions_) {
        width = std::max(width, label->sizeHint().width());
    }
    return width;
}

void BookingPanel::setCaptionWidth(int width) {
    grid_->setColumnMinimumWidth(0, width);
}

// A new start with a valid end gives the length anew; during an edit the booking keeps
// its length and the end follows.
void BookingPanel::startChanged() {
    if (marking_) {
        return;
    }
    StartTyped typed =
        startTyped(textBytes(Text1->text()), textBytes(Text5->text()), textBytes(Text2->text()), editing_);
    switch (typed.kind) {
    case StartTyped::Kind::Nothing:
        return;
    case StartTyped::Kind::Length:
        Text2->setText(toQString(typed.text));
        return;
    case StartTyped::Kind::End:
        Text5->setText(toQString(typed.text));
        emit spanTyped(typed.startslot, typed.endslot);
        return;
    case StartTyped::Kind::EmptyEnd:
        Text5->setText(QString());
        emit spanCleared();
        return;
    }
}

void BookingPanel::lengthChanged() {
    if (marking_) {
        return;
    }
    LengthTyped typed = lengthTyped(textBytes(Text1->text()), textBytes(Text2->text()));
    switch (typed.kind) {
    case LengthTyped::Kind::Nothing:
        return;
    case LengthTyped::Kind::Show:
        Text5->setText(toQString(typed.end));
        emit spanTyped(typed.startslot, typed.endslot);
        return;
    case LengthTyped::Kind::Hide:
        emit spanCleared();
        return;
    }
}

void BookingPanel::endChanged() {
    if (marking_) {
        return;
    }
    if (std::optional<std::string> length =
            lengthFromEnd(textBytes(Text1->text()), textBytes(Text5->text()))) {
        Text2->setText(toQString(*length));
    }
}

// The signature and the day stay: the same person often books several times in a row.
void BookingPanel::empty() {
    for (QLineEdit* field : {Text1, Text2, Text5, Text3}) {
        field->setText(QString());
    }
    emit emptied();
}

} // namespace tivra

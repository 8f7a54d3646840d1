#include "ui/ChoiceBar.h"

#include "config/Startup.h"
#include "gui/Convert.h"
#include "gui/Twips.h"
#include "ui/NamedControls.h"
#include "view/Choice.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include <algorithm>

namespace tivra {
namespace {

// Start-up has made the choice already: filling the field must not choose again.
void fill(QComboBox* combo, const std::vector<std::string>& entries, const std::string& text) {
    QSignalBlocker quiet(combo);
    combo->clear();
    for (const std::string& entry : entries) {
        combo->addItem(toQString(entry));
    }
    combo->setEditText(toQString(text));
}

} // namespace

ChoiceBar::ChoiceBar(Program& program, QWidget* parent) : QWidget(parent), program_(program) {
    setObjectName(QStringLiteral("choiceBar"));
    build();
    connectControls();
}

void ChoiceBar::build() {
    grid_ = new QGridLayout(this);
    grid_->setContentsMargins(0, 0, 0, 0);
    grid_->setVerticalSpacing(px(60));
    grid_->setColumnStretch(1, 1);
    int r = 0;

    Option1 = option("Option1", "Salar", this);
    Option2 = option("Option2", "Annat", this);
    Option3 = option("Option3", "Visa personalscheman", this);
    Option4 = option("Option4", "Visa alla bokningar", this);
    optionGroup_ = new QButtonGroup(this);
    int id = 1;
    for (QRadioButton* b : {Option1, Option2, Option3, Option4}) {
        optionGroup_->addButton(b, id++);
        grid_->addWidget(b, r++, 0, 1, 2);
    }
    Option1->setChecked(true);

    Combo1 = comboBox("Combo1", this);
    grid_->addWidget(Combo1, r++, 0, 1, 2);

    Label1 = caption("Label1", "Vecka", this);
    Command2 = button("Command2", "<", nullptr, this);
    Combo2 = comboBox("Combo2", this);
    Command1 = button("Command1", ">", nullptr, this);
    for (QPushButton* arrow : {Command2, Command1}) {
        arrow->setFixedWidth(px(390));
    }
    auto* week = new QHBoxLayout;
    week->setSpacing(px(45));
    week->addWidget(Command2);
    week->addWidget(Combo2, 1);
    week->addWidget(Command1);
    grid_->addWidget(Label1, r, 0);
    grid_->addLayout(week, r++, 1);

    grid_->setRowMinimumHeight(r++, px(120));

    dayCaption_ = caption("dayCaption", "Dag", this);
    Combo3 = comboBox("Combo3", this);
    grid_->addWidget(dayCaption_, r, 0);
    grid_->addWidget(Combo3, r++, 1);
    QLabel* hint = caption("markingHint", "Markering kan g\xF6ras i dagsruta", this);
    hint->setWordWrap(true);
    grid_->addWidget(hint, r++, 0, 1, 2);
}

void ChoiceBar::connectControls() {
    auto onSelected = [this](QRadioButton* option, ViewKind viewKind) {
        connect(option, &QRadioButton::toggled, this, [this, viewKind](bool checked) {
            if (checked) {
                chooseList(viewKind);
            }
        });
    };
    onSelected(Option1, ViewKind::Salar);
    onSelected(Option2, ViewKind::Annat);
    onSelected(Option3, ViewKind::Personal);
    onSelected(Option4, ViewKind::AllaBokningar);
    connect(Combo1, &QComboBox::editTextChanged, this, &ChoiceBar::objectChanged);
    connect(Combo2, &QComboBox::editTextChanged, this, &ChoiceBar::weekChanged);
    connect(Combo3, &QComboBox::editTextChanged, this, &ChoiceBar::dayChanged);
    connect(Command1, &QPushButton::clicked, this, &ChoiceBar::nextWeek);
    connect(Command2, &QPushButton::clicked, this, &ChoiceBar::previousWeek);
}

void ChoiceBar::applyStartup(const StartupView& view) {
    dayList_ = view.dayList;
    fill(Combo3, view.dayList, view.dayText);
    fill(Combo2, view.weekList, view.weekText);
    fill(Combo1, view.objectList, view.objectText);
    if (view.singleList) {
        QSignalBlocker quiet(Option2);
        Option1->setEnabled(false);
        Option2->setText(QStringLiteral("Objekt"));
        Option2->setChecked(true);
    }
    Option3->setEnabled(view.option3Enabled);
}

ViewKind ChoiceBar::chosenView() const {
    return Option1->isChecked()   ? ViewKind::Salar
           : Option2->isChecked() ? ViewKind::Annat
           : Option3->isChecked() ? ViewKind::Personal
                                  : ViewKind::AllaBokningar;
}

std::string ChoiceBar::objectText() const {
    return textBytes(Combo1->currentText());
}

std::string ChoiceBar::dayText() const {
    return textBytes(Combo3->currentText());
}

void ChoiceBar::chooseObject(ViewKind viewKind, const std::string& object) {
    (viewKind == ViewKind::Annat ? Option2 : Option1)->setChecked(true);
    Combo1->setEditText(toQString(object));
}

void ChoiceBar::setDay(const std::string& name) {
    {
        QSignalBlocker quiet(Combo3);
        Combo3->setEditText(toQString(name));
    }
    dayChanged();
}

int ChoiceBar::captionWidth() const {
    return std::max(Label1->sizeHint().width(), dayCaption_->sizeHint().width());
}

void ChoiceBar::setCaptionWidth(int width) {
    grid_->setColumnMinimumWidth(0, width);
}

void ChoiceBar::chooseList(ViewKind viewKind) {
    emit choosing();
    ObjectField field = chooseView(program_, viewKind);
    fill(Combo1, field.entries, field.text);
    if (field.redraw) {
        emit chosen();
    }
}

void ChoiceBar::objectChanged() {
    emit choosing();
    if (tivra::chooseObject(program_, objectText())) {
        emit chosen();
    }
}

void ChoiceBar::writeWeekField(int w) {
    QString shown = toQString(shownWeek(w));
    // Rewriting the same text would only move the cursor of someone typing.
    if (Combo2->currentText() != shown) {
        QSignalBlocker quiet(Combo2);
        Combo2->setEditText(shown);
    }
}

void ChoiceBar::storeWeekFromField() {
    emit choosing();
    const Settings& s = program_.settings;
    int w = correctedWeek(textBytes(Combo2->currentText()), s.startvecka, s.slutvecka);
    program_.selection.valdvecka = w;
    writeWeekField(w);
}

void ChoiceBar::weekChanged() {
    // A field emptied to type a new week holds none yet: correcting the empty text would
    // write a week into it under the user's typing ("52", then "5240").
    if (!std::any_of(Combo2->currentText().cbegin(), Combo2->currentText().cend(),
                     [](QChar c) { return c.isDigit(); })) {
        return;
    }
    storeWeekFromField();
    emit chosen();
}

void ChoiceBar::nextWeek() {
    program_.selection.valdvecka = tivra::nextWeek(program_.selection.valdvecka, program_.settings.slutvecka);
    writeWeekField(program_.selection.valdvecka);
    storeWeekFromField();
    emit chosen();
}

void ChoiceBar::previousWeek() {
    program_.selection.valdvecka =
        tivra::previousWeek(program_.selection.valdvecka, program_.settings.startvecka);
    writeWeekField(program_.selection.valdvecka);
    storeWeekFromField();
    emit chosen();
}

// The day belongs to the booking fields: choosing it redraws nothing.
void ChoiceBar::dayChanged() {
    chooseDay(program_.selection, dayList_, dayText());
}

} // namespace tivra

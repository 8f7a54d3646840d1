#include "ui/NamedControls.h"

#include "gui/Convert.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace tivra {

QLabel* caption(const char* name, const char* text, QWidget* parent) {
    auto* label = new QLabel(toQString(text), parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

QLineEdit* textBox(const char* name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setValidator(new Cp1252Validator(edit));
    return edit;
}

QComboBox* comboBox(const char* name, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    combo->setEditable(true);
    combo->setCompleter(nullptr);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setValidator(new Cp1252Validator(combo));
    return combo;
}

QPushButton* button(const char* name, const char* text, const char* toolTip, QWidget* parent) {
    auto* b = new QPushButton(toQString(text), parent);
    b->setObjectName(QLatin1String(name));
    if (toolTip != nullptr) {
        b->setToolTip(toQString(toolTip));
    }
    return b;
}

QRadioButton* option(const char* name, const char* text, QWidget* parent) {
    auto* b = new QRadioButton(toQString(text), parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

} // namespace tivra

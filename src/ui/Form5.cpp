#include "ui/Form5.h"

#include "gui/Convert.h"
#include "gui/Twips.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tivra {

Form5::Form5(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(toQString("Hj\xE4lp"));
    setModal(true);
    auto* column = new QVBoxLayout(this);
    Label1 = new QLabel(toQString("Tivra"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont heading = Label1->font();
    heading.setBold(true);
    Label1->setFont(heading);
    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setReadOnly(true);
    Label2 = new QLabel(toQString("St\xE4ng f\xF6nstret f\xF6r att forts\xE4tta."), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    column->addWidget(Label1);
    column->addWidget(Text1, 1);
    column->addWidget(Label2);
    column->addWidget(buttons);
    resize(px(6600), px(4800));
}

void Form5::setHelp(const std::string& title, const std::string& text) {
    setWindowTitle(toQString(title));
    Text1->setPlainText(toDisplay(text));
}

void Form5::showHelp(const std::string& title, const std::string& text) {
    setHelp(title, text);
    exec();
}

} // namespace tivra

#include "ui/QtMessages.h"

#include "gui/Convert.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QTimer>

#include <algorithm>
#include <cstdlib>

namespace tivra {
namespace {

QMessageBox::Icon qtIcon(Icon icon) {
    switch (icon) {
    case Icon::Critical:
        return QMessageBox::Critical;
    case Icon::Exclamation:
        return QMessageBox::Warning;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::Information:
        return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

// Runs a message box with an OK button.
void runOkBox(QWidget* parent, const std::string& text, const std::string& title, Icon icon) {
    QMessageBox box(qtIcon(icon), toQString(title), toDisplay(text), QMessageBox::NoButton, parent);
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
}

// "Bokningar|*.bok|Alla|*.*" -> "Bokningar (*.bok);;Alla (*.*)"; a bare pattern stays as
// it is, which Qt reads as a filter of that pattern.
QString qtFilter(const std::string& filter) {
    QStringList parts = toQString(filter).split(QLatin1Char('|'));
    if (parts.size() < 2) {
        return parts.value(0);
    }
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        filters << parts[i] + QStringLiteral(" (") + parts[i + 1] + QLatin1Char(')');
    }
    return filters.join(QStringLiteral(";;"));
}

std::string chosenPath(const QString& path) {
    if (path.isEmpty()) {
        return {};
    }
    return fromQString(QDir::toNativeSeparators(path)).value_or(std::string());
}

} // namespace

QWidget* QtMessages::owner() {
    return QApplication::activeWindow();
}

void QtMessages::show(const std::string& text, const std::string& title, Icon icon) {
    runOkBox(owner(), text, title, icon);
}

bool QtMessages::ask(const std::string& text, const std::string& title) {
    return question(text, title, true);
}

bool QtMessages::askNo(const std::string& text, const std::string& title) {
    return question(text, title, false);
}

bool QtMessages::question(const std::string& text, const std::string& title, bool defaultYes) {
    QMessageBox box(QMessageBox::Question, toQString(title), toDisplay(text), QMessageBox::NoButton, owner());
    QPushButton* yes = box.addButton(toQString("Ja"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(toQString("Nej"), QMessageBox::NoRole);
    box.setDefaultButton(defaultYes ? yes : no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

std::string QtMessages::input(const std::string& prompt, const std::string& title,
                              const std::string& defaultText) {
    QInputDialog dialog(owner());
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(toQString(title));
    dialog.setLabelText(toDisplay(prompt));
    dialog.setTextValue(toQString(defaultText));
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(toQString("Avbryt"));
    if (auto* edit = dialog.findChild<QLineEdit*>()) {
        edit->setValidator(new Cp1252Validator(edit));
        // The dialog selects its text as it opens; the default is a start to type on
        // ("50-" waits for its last week), so the cursor goes after it instead.
        QTimer::singleShot(0, edit, [edit] {
            edit->deselect();
            edit->end(false);
        });
    }
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    return fromQString(dialog.textValue()).value_or(std::string());
}

std::string QtMessages::openFileName(const std::string& folder, const std::string& filter) {
    QString path =
        QFileDialog::getOpenFileName(owner(), toQString("\xD6ppna"), toQString(folder), qtFilter(filter));
    return chosenPath(path);
}

SaveChoice QtMessages::saveFile(const std::string& folder, const std::string& filter) {
    const QString filters = qtFilter(filter);
    QString selected;
    // The caller asks its own question before replacing a file.
    QString path = QFileDialog::getSaveFileName(owner(), toQString("Spara som"), toQString(folder), filters,
                                                &selected, QFileDialog::DontConfirmOverwrite);
    const int index = static_cast<int>(filters.split(QStringLiteral(";;")).indexOf(selected));
    return {chosenPath(path), std::max(index, 0)};
}

void QtMessages::fatal(const std::string& text, const std::string& title) {
    runOkBox(owner(), text, title, Icon::Critical);
    std::exit(1);
}

} // namespace tivra

#include "ui/Form1.h"

#include "ui/Convert.h"

#include <QComboBox>
#include <QLayout>
#include <QRadioButton>
#include <QSignalBlocker>

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

void Form1::Form_Load() {
    // A booking file named at the start is opened in place of the settings' own.
    view_ = startup(program_, platform_, textBytes(place_.bookingFile));
    applyStartup(view_);
}

void Form1::applyStartup(const StartupView& view) {
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
    showOpenFile();
    // The window's layouts settle the grid's space before it is shown, so the first
    // drawing is already for the size the window opens with.
    layout()->activate();
    client_->layout()->activate();
    laidOutFor_ = weekGrid_->size();
    layoutGrid();
    // A fault in the layout or list steps ends start-up before the first drawing.
    if (!view.ended) {
        visasalsschema();
    }
}

} // namespace tivra

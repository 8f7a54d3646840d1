#include "ui/Form1.h"

#include "core/Calendar.h"
#include "core/TextHelpers.h"
#include "gui/Convert.h"
#include "gui/PrintOutput.h"
#include "ui/ChoiceBar.h"
#include "ui/Form2.h"
#include "ui/Form3.h"
#include "ui/Form4.h"
#include "ui/Form5.h"
#include "ui/HelpTexts.h"
#include "ui/PrinterOutput.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace tivra {

QPrinter& Form1::printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    return *printer_;
}

void Form1::setPrintOutput(std::unique_ptr<PrintOutput> output) {
    printOutput_ = std::move(output);
}

Form5* Form1::form5() {
    if (form5_.isNull()) {
        form5_ = new Form5(this);
    }
    return form5_;
}

std::function<void(const std::string&, const std::string&)> Form1::helpPopup() {
    return [this](const std::string& title, const std::string& text) { form5()->showHelp(title, text); };
}

Form4* Form1::form4() {
    if (form4_.isNull()) {
        if (!printOutput_) {
            printOutput_ = std::make_unique<PrinterOutput>(printer());
        }
        Form4Context context{program_,  platform_,   *printOutput_,
                             printer(), helpPopup(), [this](const std::string& what) { tell(what); }};
        form4_ = new Form4(context, view_.printRoomRowEnabled, this);
    }
    return form4_;
}

void Form1::Arkiv_ini_Click() {
    if (form2_.isNull()) {
        form2_ = new Form2(program_, platform_, helpPopup(), this);
    }
    form2_->show();
    form2_->raise();
    form2_->activateWindow();
}

void Form1::Arkiv_skrivut_Click() {
    Form4* dialog = form4();
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void Form1::Command4_Click() {
    const ViewKind viewKind = choice_->chosenView();
    if (viewKind != ViewKind::Salar && viewKind != ViewKind::Annat) {
        platform_.messages.show("V\xE4lj sal eller annat objekt.", "Skriv ut vald", Icon::Exclamation);
        return;
    }
    std::string objekt = normalisera(choice_->objectText());
    form4()->presetShown(viewKind == ViewKind::Salar, objekt, shownWeek(program_.selection.valdvecka));
    Arkiv_skrivut_Click();
}

// Qt cannot make a printer the system's default; the one chosen here prints everything
// else of this run instead. Cancelling leaves the printer as it was.
void Form1::Arkiv_skrivare_Click() {
    if (!PrinterOutput(printer()).available()) {
        platform_.messages.show("Ingen skrivare \xE4r installerad. Anv\xE4nd Spara som PDF.", "Skrivare",
                                Icon::Exclamation);
        return;
    }
    QPrintDialog dialog(&printer(), this);
    dialog.setWindowTitle(QStringLiteral("Skrivare"));
    dialog.setOptions({});
    // This chooses the printer; it prints nothing, and its button should not say so.
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok)) {
            ok->setText(QStringLiteral("OK"));
        }
    }
    dialog.exec();
}

void Form1::help_help_Click() {
    if (form3_.isNull()) {
        form3_ = new Form3(this);
    }
    form3_->show();
    form3_->raise();
    form3_->activateWindow();
}

void Form1::help_om_Click() {
    // The folder in use and how it was found, for support to ask about.
    const QString folder = place_.folder.isEmpty() ? QDir::currentPath() : place_.folder;
    std::string text = aboutText() + "\r\n\r\nVersion " TIVRA_VERSION "\r\nMapp: " +
                       textBytes(QDir::toNativeSeparators(folder));
    if (!place_.foundBy.isEmpty()) {
        text += "\r\nHittad: " + textBytes(place_.foundBy);
    }
    if (place_.demo) {
        text += std::string("\r\n") + kDemoNotice;
    }
    platform_.messages.show(text, "Om programmet", Icon::Information);
}

} // namespace tivra

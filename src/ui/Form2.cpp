#include "ui/Form2.h"

#include "gui/Convert.h"
#include "gui/Twips.h"
#include "ui/HelpTexts.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tivra {
namespace {

QLineEdit* lineEdit(const QString& name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setValidator(new Cp1252Validator(edit));
    return edit;
}

// A box of several lines that, like the one-line fields, keeps out characters the file
// cannot hold: such a change is undone as it is made.
QPlainTextEdit* linesEdit(const char* name, QWidget* parent) {
    auto* edit = new QPlainTextEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setLineWrapMode(QPlainTextEdit::NoWrap);
    QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [edit] {
        if (!fits1252(edit->toPlainText())) {
            edit->undo();
        }
    });
    return edit;
}

// The captions wrap in a narrow column, as the designed ones do ("Schema/ Salslista").
QLabel* caption(const char* text, QWidget* parent) {
    auto* label = new QLabel(toQString(text), parent);
    label->setWordWrap(true);
    label->setFixedWidth(px(1300));
    return label;
}

QPushButton* button(const char* name, const char* text, QWidget* parent) {
    auto* b = new QPushButton(toQString(text), parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

// The files break lines with CR LF where the boxes break them with LF.
std::string bytesOf(const QString& text) {
    QString lines = text;
    lines.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return textBytes(lines);
}

} // namespace

Form2::Form2(Program& program, Platform& platform,
             std::function<void(const std::string& title, const std::string& text)> help, QWidget* parent)
    : QWidget(parent, Qt::Dialog), program_(program), platform_(platform), help_(std::move(help)) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Tivra.ini"));
    auto* column = new QVBoxLayout(this);
    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->addTab(buildGeneralTab(), toQString("Allm\xE4nt"));
    SSTab1->addTab(buildPrintoutsTab(), QStringLiteral("Utskrifter"));
    SSTab1->addTab(buildObjectsTab(), QStringLiteral("Bokningsobjekt"));
    column->addWidget(SSTab1);
    auto* buttons = new QHBoxLayout;
    Command2 = button("Command2", "Spara i Tivra.ini", this);
    Command3 = button("Command3", "Avbryt", this);
    Command4 = button("Command4", "Hj\xE4lp", this);
    buttons->addWidget(Command2);
    buttons->addWidget(Command3);
    buttons->addWidget(Command4);
    column->addLayout(buttons);
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(Command6, &QPushButton::clicked, this, &Form2::Command6_Click);
    connect(Command2, &QPushButton::clicked, this, &Form2::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form2::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form2::Command4_Click);
    resize(px(7200), px(6600));
    Form_Activate();
}

QWidget* Form2::buildGeneralTab() {
    auto* tab = new QWidget(SSTab1);
    auto* form = new QFormLayout(tab);
    for (int i = 0; i < 7; ++i) {
        text1_.at(static_cast<std::size_t>(i)) = lineEdit(QStringLiteral("Text1(%1)").arg(i), tab);
    }
    auto withBrowse = [&](QLineEdit* field, QPushButton*& browseButton, const char* name) {
        auto* row = new QHBoxLayout;
        browseButton = button(name,
                              "Bl\xE4"
                              "ddra",
                              tab);
        row->addWidget(field, 1);
        row->addWidget(browseButton);
        return row;
    };
    form->addRow(caption("Schema/ Salslista", tab), withBrowse(Text1(0), Command1, "Command1"));
    form->addRow(caption("Bokningsfil", tab), withBrowse(Text1(2), Command6, "Command6"));
    form->addRow(caption("S\xF6kv\xE4g backup", tab), Text1(1));
    const std::pair<int, const char*> numbers[] = {
        {3, "Starttid"}, {4, "Sluttid"}, {5, "Startvecka"}, {6, "Slutvecka"}};
    for (const auto& [i, text] : numbers) {
        Text1(i)->setMaximumWidth(px(900));
        form->addRow(caption(text, tab), Text1(i));
    }
    Check1 = new QCheckBox(toQString("\xC4ven l\xF6rdag/ s\xF6ndag"), tab);
    Check1->setObjectName(QStringLiteral("Check1"));
    form->addRow(QString(), Check1);
    Text2 = linesEdit("Text2", tab);
    form->addRow(caption("Bokningsperioder", tab), Text2);
    return tab;
}

QWidget* Form2::buildPrintoutsTab() {
    auto* tab = new QWidget(SSTab1);
    auto* form = new QFormLayout(tab);
    const std::pair<QLineEdit**, std::pair<const char*, const char*>> fields[] = {
        {&Text3, {"Text3", "Skola"}},
        {&Text4, {"Text4", "Teckensnitt schema"}},
        {&Text5, {"Text5", "Teckensnitt l\xF6pande text"}},
        {&Text6, {"Text6", "Linjebredd"}},
        {&Text7, {"Text7", "Toningsgrad bokningar"}},
        {&Text9, {"Text9", "Toningsgrad schemalagt"}},
    };
    for (const auto& [field, names] : fields) {
        *field = lineEdit(QLatin1String(names.first), tab);
        form->addRow(caption(names.second, tab), *field);
    }
    for (QLineEdit* number : {Text6, Text7, Text9}) {
        number->setMaximumWidth(px(900));
    }
    return tab;
}

QWidget* Form2::buildObjectsTab() {
    auto* tab = new QWidget(SSTab1);
    auto* column = new QVBoxLayout(tab);
    Text8 = linesEdit("Text8", tab);
    column->addWidget(Text8);
    return tab;
}

SettingsFields Form2::fields() const {
    SettingsFields f;
    f.schema = bytesOf(Text1(0)->text());
    f.backup = bytesOf(Text1(1)->text());
    f.bokningsfil = bytesOf(Text1(2)->text());
    f.starttid = bytesOf(Text1(3)->text());
    f.sluttid = bytesOf(Text1(4)->text());
    f.startvecka = bytesOf(Text1(5)->text());
    f.slutvecka = bytesOf(Text1(6)->text());
    f.helg = Check1->isChecked();
    f.perioder = bytesOf(Text2->toPlainText());
    f.skola = bytesOf(Text3->text());
    f.font1 = bytesOf(Text4->text());
    f.font2 = bytesOf(Text5->text());
    f.linjebredd = bytesOf(Text6->text());
    f.toning = bytesOf(Text7->text());
    f.toninglektion = bytesOf(Text9->text());
    f.objekt = bytesOf(Text8->toPlainText());
    return f;
}

void Form2::Form_Activate() {
    const SettingsFields f = settingsFields(program_.running);
    const std::pair<QLineEdit*, const std::string*> lines[] = {
        {Text1(0), &f.schema},    {Text1(1), &f.backup},  {Text1(2), &f.bokningsfil},
        {Text1(3), &f.starttid},  {Text1(4), &f.sluttid}, {Text1(5), &f.startvecka},
        {Text1(6), &f.slutvecka}, {Text3, &f.skola},      {Text4, &f.font1},
        {Text5, &f.font2},        {Text6, &f.linjebredd}, {Text7, &f.toning},
        {Text9, &f.toninglektion}};
    for (const auto& [field, text] : lines) {
        field->setText(toQString(*text));
    }
    Check1->setChecked(f.helg);
    Text2->setPlainText(toDisplay(f.perioder));
    Text8->setPlainText(toDisplay(f.objekt));
}

void Form2::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange) {
        return;
    }
    if (!isActiveWindow()) {
        // Left for one of its own modal boxes, or for another window of the program. Some
        // platforms hand the focus to a box before it counts as the modal widget, so the
        // window that took the focus is asked too.
        const QWidget* now = QApplication::activeWindow();
        backFromOwnDialog_ = QApplication::activeModalWidget() != nullptr ||
                             (now != nullptr && now->windowModality() != Qt::NonModal);
        return;
    }
    if (!backFromOwnDialog_) {
        Form_Activate();
    }
    backFromOwnDialog_ = false;
}

void Form2::browse(QLineEdit* field) {
    // A cancelled choice keeps what the field held: an empty one would be saved as no file.
    const std::string chosen = platform_.messages.openFileName(".", "");
    if (!chosen.empty()) {
        field->setText(toQString(chosen));
    }
}

void Form2::Command1_Click() {
    browse(Text1(0));
}

void Form2::Command6_Click() {
    browse(Text1(2));
}

void Form2::Command2_Click() {
    SettingsSaved saved = saveSettings(fields(), program_.running, platform_.disk, platform_.messages);
    if (saved != SettingsSaved::Refused) {
        hide();
    }
}

void Form2::Command3_Click() {
    hide();
}

void Form2::Command4_Click() {
    help_("Tivra.ini", settingsHelpText());
}

} // namespace tivra

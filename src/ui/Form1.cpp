#include "ui/Form1.h"

#include "ui/Convert.h"
#include "ui/Form2.h"
#include "ui/Form3.h"
#include "ui/Form4.h"
#include "ui/Form5.h"
#include "ui/PrintOutput.h"
#include "ui/Twips.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tivra {
namespace {

// The booking fields stand left of the hour scale and the first day box.
constexpr double kGridLeftTwips = kBookingColumnWidth;
// The designed client size of the window.
constexpr double kWindowWidthTwips = 15600;
constexpr double kWindowHeightTwips = 8400;

QAction* menuEntry(QMenu* menu, const char* name, const char* caption, bool enabled) {
    QAction* action = menu->addAction(toQString(caption));
    action->setObjectName(QLatin1String(name));
    action->setEnabled(enabled);
    return action;
}

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

// An editable list box whose typed text is never added to its list. Every keystroke is
// a choice (a week, a room, a day), so nothing may complete the text behind the user's
// back: "5" must stay week 5, not become the 52 of the list.
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

} // namespace

Form1::Form1(Program& program, Platform& platform, QWidget* parent)
    : Form1(program, platform, SchoolPlace{}, parent) {}

Form1::Form1(Program& program, Platform& platform, SchoolPlace place, QWidget* parent)
    : QMainWindow(parent), program_(program), platform_(platform), place_(std::move(place)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Tivra"));
    buildMenus();
    buildControls();
    buildStatus();
    showDemo();
    connectKeys();
    connect(Command4, &QPushButton::clicked, this, &Form1::Command4_Click);
    setTabOrder();
    resize(px(kWindowWidthTwips), px(kWindowHeightTwips) + menuBar()->sizeHint().height());
    // Every day of a week with weekends stays readable, and the details line fits.
    setMinimumWidth(px(kDayBoxLeft + 7 * 1.08 * 1100 / 0.98));
    Form_Load();
}

Form1::~Form1() = default;

void Form1::buildMenus() {
    Arkiv = menuBar()->addMenu(QStringLiteral("&Arkiv"));
    Arkiv->setObjectName(QStringLiteral("Arkiv"));
    arkiv_open_ = menuEntry(Arkiv, "arkiv_open", "\xD6ppna", true);
    arkiv_saveas_ = menuEntry(Arkiv, "arkiv_saveas", "Spara som...", true);
    buildSchoolMenu();
    Arkiv->addSeparator();
    Arkiv_ini = menuEntry(Arkiv, "Arkiv_ini", "Tivra.ini", true);
    Arkiv_skrivut = menuEntry(Arkiv, "Arkiv_skrivut", "Skriv ut", true);
    Arkiv_skrivare = menuEntry(Arkiv, "Arkiv_skrivare", "Skrivare", true);
    Arkiv_exportera = menuEntry(Arkiv, "Arkiv_exportera", "Exportera...", true);
    Arkiv_historik = menuEntry(Arkiv, "Arkiv_historik", "Historik...", true);
    Arkiv->addSeparator();
    Arkiv_avsluta_ = menuEntry(Arkiv, "Arkiv_avsluta", "Avsluta", true);

    help = menuBar()->addMenu(toQString("&Hj\xE4lp"));
    help->setObjectName(QStringLiteral("help"));
    help_help = menuEntry(help, "help_help", "Hj\xE4lpavsnitt", true);
    help_om = menuEntry(help, "help_om", "Om programmet", true);

    connect(arkiv_open_, &QAction::triggered, this, &Form1::arkiv_open);
    connect(arkiv_saveas_, &QAction::triggered, this, &Form1::arkiv_saveas);
    connect(Arkiv_exportera, &QAction::triggered, this, &Form1::Arkiv_exportera_Click);
    connect(Arkiv_historik, &QAction::triggered, this, &Form1::Arkiv_historik_Click);
    connect(Arkiv_avsluta_, &QAction::triggered, this, &Form1::Arkiv_avsluta);
    connect(Arkiv_ini, &QAction::triggered, this, &Form1::Arkiv_ini_Click);
    connect(Arkiv_skrivut, &QAction::triggered, this, &Form1::Arkiv_skrivut_Click);
    connect(Arkiv_skrivare, &QAction::triggered, this, &Form1::Arkiv_skrivare_Click);
    connect(help_help, &QAction::triggered, this, &Form1::help_help_Click);
    connect(help_om, &QAction::triggered, this, &Form1::help_om_Click);
}

void Form1::buildControls() {
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    auto* row = new QHBoxLayout(client_);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    bookingColumn_ = buildBookingColumn();
    row->addWidget(bookingColumn_);

    // The grid's own controls stand at absolute positions (buildGrid); the layout only
    // keeps their space free and puts the details line under them.
    auto* right = new QVBoxLayout;
    right->setContentsMargins(px(kHourScaleWidth), 0, px(120), px(60));
    right->setSpacing(px(60));
    // The grid takes every pixel of height the details line leaves; a resize lays it out
    // again for the space it gets.
    weekGrid_ = new QWidget(client_);
    weekGrid_->setObjectName(QStringLiteral("weekGrid"));
    weekGrid_->setMinimumHeight(px(kDayBoxTop + kDayBoxHeight / 2));
    right->addWidget(weekGrid_, 1);
    Label5 = new QLabel(client_);
    Label5->setObjectName(QStringLiteral("Label5"));
    // Comments and notes are the users' own text: never read as markup.
    Label5->setTextFormat(Qt::PlainText);
    Label5->setWordWrap(true);
    Label5->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label5->setFixedHeight(px(900));
    right->addWidget(Label5, 0);
    row->addLayout(right, 1);
    setCentralWidget(client_);

    // The bare window: moving over it clears the details line.
    for (QWidget* background : {client_, bookingColumn_, weekGrid_}) {
        background->setMouseTracking(true);
        background->installEventFilter(this);
    }
    buildGrid();
    connectChoice();
    connectMarking();
    connectTimeFields();
    connectBooking();
    connectAvbok();
}

QWidget* Form1::buildBookingColumn() {
    auto* column = new QWidget(this);
    column->setObjectName(QStringLiteral("bookingColumn"));
    column->setFixedWidth(px(kGridLeftTwips));
    auto* grid = new QGridLayout(column);
    grid->setContentsMargins(px(120), px(90), px(180), px(120));
    grid->setVerticalSpacing(px(60));
    // Columns: caption | start time | "-" | end time (and the length under it).
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    int r = 0;

    Option1 = option("Option1", "Salar", column);
    Option2 = option("Option2", "Annat", column);
    Option3 = option("Option3", "Visa personalscheman", column);
    Option4 = option("Option4", "Visa alla bokningar", column);
    optionGroup_ = new QButtonGroup(this);
    int id = 1;
    for (QRadioButton* b : {Option1, Option2, Option3, Option4}) {
        optionGroup_->addButton(b, id++);
        grid->addWidget(b, r++, 0, 1, 4);
    }
    Option1->setChecked(true);

    Combo1 = comboBox("Combo1", column);
    grid->addWidget(Combo1, r++, 0, 1, 4);

    Label1 = caption("Label1", "Vecka", column);
    Combo2 = comboBox("Combo2", column);
    Command2 = button("Command2", "<", nullptr, column);
    Command1 = button("Command1", ">", nullptr, column);
    for (QPushButton* arrow : {Command2, Command1}) {
        arrow->setFixedWidth(px(390));
    }
    auto* week = new QHBoxLayout;
    week->setSpacing(px(45));
    week->addWidget(Command2);
    week->addWidget(Combo2, 1);
    week->addWidget(Command1);
    grid->addWidget(Label1, r, 0);
    grid->addLayout(week, r++, 1, 1, 3);

    grid->setRowMinimumHeight(r++, px(120));

    Combo3 = comboBox("Combo3", column);
    grid->addWidget(caption("dayCaption", "Dag", column), r, 0);
    grid->addWidget(Combo3, r++, 1, 1, 3);
    QLabel* hint = caption("markingHint", "Markering kan g\xF6ras i dagsruta", column);
    hint->setWordWrap(true);
    grid->addWidget(hint, r++, 0, 1, 4);

    Text1 = textBox("Text1", column);
    Text5 = textBox("Text5", column);
    grid->addWidget(caption("timeCaption", "Tid", column), r, 0);
    grid->addWidget(Text1, r, 1);
    grid->addWidget(new QLabel(QStringLiteral("-"), column), r, 2);
    grid->addWidget(Text5, r++, 3);
    QLabel* either = caption("endOrLengthCaption", "Ange sluttid eller l\xE4ngd", column);
    grid->addWidget(either, r++, 0, 1, 4, Qt::AlignRight);
    Text2 = textBox("Text2", column);
    grid->addWidget(caption("lengthCaption", "L\xE4ngd (min)", column), r, 0, 1, 3);
    grid->addWidget(Text2, r++, 3);

    Text3 = textBox("Text3", column);
    grid->addWidget(caption("commentCaption", "Kommentar", column), r, 0);
    grid->addWidget(Text3, r++, 1, 1, 3);
    Text4 = textBox("Text4", column);
    grid->addWidget(caption("signatureCaption", "Signatur", column), r, 0);
    grid->addWidget(Text4, r++, 1, 1, 3);

    Command3 = button("Command3", "Boka", nullptr, column);
    Command6 = button("Command6", "T\xF6m", "T\xF6m rutorna", column);
    Command7 = button("Command7", "Lediga salar", "Vilka salar \xE4r lediga den h\xE4r tiden?", column);
    auto* actions = new QHBoxLayout;
    actions->setSpacing(px(30));
    actions->addWidget(Command3);
    actions->addWidget(Command7);
    actions->addWidget(Command6);
    grid->addLayout(actions, r++, 0, 1, 4);

    grid->setRowStretch(r++, 1);
    Command4 = button("Command4", "Skriv ut", "Skriv ut vald sal / valt objekt", column);
    grid->addWidget(Command4, r++, 0, 1, 4);
    Command5 = button("Command5", "Avsluta", nullptr, column);
    grid->addWidget(Command5, r++, 0, 1, 4);
    connect(Command5, &QPushButton::clicked, this, &Form1::Command5_Click);
    return column;
}

// Top to bottom, as the fields stand.
void Form1::setTabOrder() {
    QWidget* order[] = {Option1,  Option2,  Option3,  Option4,  Combo1,  Command2, Combo2,
                        Command1, Combo3,   Text1,    Text5,    Text2,   Text3,    Text4,
                        Command3, Command7, Command6, Command4, Command5};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
        QWidget::setTabOrder(order[i], order[i + 1]);
    }
}

} // namespace tivra

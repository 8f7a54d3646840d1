#include "ui/Form1.h"

#include "core/Calendar.h"
#include "gui/Convert.h"
#include "gui/PrintOutput.h"
#include "gui/Twips.h"
#include "ui/BookingPanel.h"
#include "ui/ChoiceBar.h"
#include "ui/Form2.h"
#include "ui/Form3.h"
#include "ui/Form4.h"
#include "ui/Form5.h"
#include "ui/NamedControls.h"
#include "ui/WeekGrid.h"
#include "view/Choice.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

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

    // The grid takes the rest of the window; a resize lays it out again for the space it
    // gets.
    auto* right = new QVBoxLayout;
    right->setContentsMargins(0, 0, px(120), px(60));
    grid_ = new WeekGrid(program_, client_);
    right->addWidget(grid_);
    row->addLayout(right, 1);
    setCentralWidget(client_);

    // The bare window: moving over it clears the details line.
    for (QWidget* background : {client_, bookingColumn_, static_cast<QWidget*>(choice_),
                                static_cast<QWidget*>(fields_), static_cast<QWidget*>(grid_)}) {
        background->setMouseTracking(true);
        background->installEventFilter(this);
    }
    connectParts();
    connectAvbok();
}

QWidget* Form1::buildBookingColumn() {
    auto* column = new QWidget(this);
    column->setObjectName(QStringLiteral("bookingColumn"));
    column->setFixedWidth(px(kGridLeftTwips));
    auto* stack = new QVBoxLayout(column);
    stack->setContentsMargins(px(120), px(90), px(180), px(120));
    stack->setSpacing(0);
    choice_ = new ChoiceBar(program_, column);
    fields_ = new BookingPanel(column);
    // One column of captions runs through both.
    const int captions = std::max(choice_->captionWidth(), fields_->captionWidth());
    choice_->setCaptionWidth(captions);
    fields_->setCaptionWidth(captions);
    stack->addWidget(choice_);
    stack->addSpacing(px(60));
    stack->addWidget(fields_);
    stack->addSpacing(px(60));
    stack->addStretch(1);
    Command4 = button("Command4", "Skriv ut", "Skriv ut vald sal / valt objekt", column);
    stack->addWidget(Command4);
    stack->addSpacing(px(60));
    Command5 = button("Command5", "Avsluta", nullptr, column);
    stack->addWidget(Command5);
    connect(Command5, &QPushButton::clicked, this, &Form1::Command5_Click);
    return column;
}

// How the parts talk: a choice in the bar ends an edit and redraws the grid; a marking on
// the grid writes its day and times into the bar and the panel, and the panel's typed
// times mark their span on the grid; the panel's buttons book, look for free rooms or
// empty it.
void Form1::connectParts() {
    connect(choice_, &ChoiceBar::choosing, this, &Form1::endEdit);
    connect(choice_, &ChoiceBar::chosen, this, &Form1::visasalsschema);
    connect(fields_, &BookingPanel::bookRequested, this, &Form1::Command3_Click);
    connect(fields_, &BookingPanel::freeRoomsRequested, this, &Form1::Command7_Click);
    connect(fields_, &BookingPanel::spanTyped, grid_, &WeekGrid::markSpan);
    connect(fields_, &BookingPanel::spanCleared, grid_, &WeekGrid::hideSpan);
    connect(fields_, &BookingPanel::emptied, this, [this] {
        grid_->hideSpan();
        endEdit();
    });
    connect(grid_, &WeekGrid::relaidOut, this, &Form1::visasalsschema);
    connect(grid_, &WeekGrid::dayHeaderClicked, this, [this](int d) { choice_->setDay(dayHeaderChoice(d)); });
    connect(grid_, &WeekGrid::markingStarted, this, [this](int day, int slot) {
        fields_->showMarkStart(slot);
        choice_->setDay(dagnamn(day));
    });
    connect(grid_, &WeekGrid::spanMarked, fields_, &BookingPanel::showMarkedSpan);
}

// Top to bottom, as the fields stand.
void Form1::setTabOrder() {
    const char* const order[] = {"Option1",  "Option2",  "Option3",  "Option4", "Combo1",
                                 "Command2", "Combo2",   "Command1", "Combo3",  "Text1",
                                 "Text5",    "Text2",    "Text3",    "Text4",   "Command3",
                                 "Command7", "Command6", "Command4", "Command5"};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
        QWidget::setTabOrder(findChild<QWidget*>(QLatin1String(order[i])),
                             findChild<QWidget*>(QLatin1String(order[i + 1])));
    }
}

} // namespace tivra

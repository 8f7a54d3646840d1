// The pop-up menu of a booking box: "Redigera", "Flera veckor" and "Avboka" act on the
// row of the box last pressed. The rules live in booking/Avboka and booking/FleraVeckor;
// the window fills its fields for an edit and redraws.
//
// The menu opens with popup(), not exec(): while it is open it takes the pointer, so no
// other box can be pressed before an item is chosen, and nothing blocks in between.
#include "ui/Form1.h"

#include "booking/ArkivCommands.h"
#include "booking/Avboka.h"
#include "booking/FleraVeckor.h"
#include "gui/Convert.h"
#include "ui/BookingPanel.h"
#include "ui/ChoiceBar.h"
#include "ui/WaitCursorLock.h"
#include "ui/WeekGrid.h"

#include <QMenu>
#include <QMouseEvent>
#include <QTimer>

#include <algorithm>

namespace tivra {
namespace {

QAction* menuItem(QMenu* menu, const char* name, const char* text) {
    QAction* action = menu->addAction(toQString(text));
    action->setObjectName(QLatin1String(name));
    return action;
}

// The booking as "Flera veckor" left it: the same booking with other weeks, or as it was
// when its weeks did not change.
Bokning withNewWeeks(const BookingTable& table, const Bokning& before) {
    for (int r = table.antallektioner + 1; r <= table.antalrader; ++r) {
        Bokning asBefore = table.row(r);
        asBefore.vecka = before.vecka;
        if (table.row(r).vecka != before.vecka && asBefore.sameBooking(before)) {
            return table.row(r);
        }
    }
    return before;
}

} // namespace

void Form1::connectAvbok() {
    Avbok = new QMenu(this);
    Avbok->setObjectName(QStringLiteral("Avbok"));
    Avbok->installEventFilter(this);
    connect(menuItem(Avbok, "Redigera", "Redigera"), &QAction::triggered, this, &Form1::Redigera_Click);
    connect(menuItem(Avbok, "Flera_veckor", "Flera veckor"), &QAction::triggered, this,
            &Form1::Flera_veckor_Click);
    connect(menuItem(Avbok, "Avboka", "Avboka"), &QAction::triggered, this, &Form1::Avboka_Click);
    connect(grid_, &WeekGrid::rowPressed, this, &Form1::chooseRow);
}

void Form1::chooseRow(int row, Qt::MouseButton button, QPoint global) {
    valdrad_ = row;
    if (valdrad_ > program_.bokningar.antallektioner && button == Qt::RightButton) {
        Avbok->popup(global);
    }
}

// A right press on another booking box while the menu is open opens the menu of that
// box at once. Some platforms hand the press that closes a menu to the menu alone and
// never to the box under it, which made the user press twice.
bool Form1::pressBesideMenu(const QMouseEvent* event) {
    const QPoint global = event->globalPosition().toPoint();
    if (event->button() != Qt::RightButton || Avbok->rect().contains(Avbok->mapFromGlobal(global))) {
        return false;
    }
    std::optional<int> row = grid_->rowAt(global);
    if (!row) {
        return false;
    }
    // The menu closes as the press asks; it opens again once the press is over.
    Avbok->hide();
    QTimer::singleShot(0, this, [this, r = *row, global] { chooseRow(r, Qt::RightButton, global); });
    return true;
}

// The change reloads the booking rows: the week is drawn anew when it saved, or when the
// reload brought another content than the screen shows, and before any message of the
// change, so that "Angiven tid redan bokad." stands over the booking that took the time.
// A change that ended before the reload leaves the grid alone (the overview would repeat
// its message).
ChangeResult Form1::runBookingChange(const std::function<ChangeResult(ChangeEnvironment&)>& change) {
    const std::string loaded = program_.bookingFile.loadedBytes;
    WaitCursorLock lock(platform_.disk);
    ChangeEnvironment env{platform_, lock};
    env.saveAs = [this](Program& program) {
        bool saved = tivra::arkiv_saveas(program.bokningar, program.bookingFile, program.settings.backupmapp,
                                         platform_);
        showOpenFile();
        return saved;
    };
    env.beforeMessages = [this, &loaded] {
        if (program_.bookingFile.loadedBytes != loaded) {
            visasalsschema();
        }
    };
    changing_ = true;
    ChangeResult result = change(env);
    changing_ = false;
    logFailure_ = env.logFailure;
    rememberBookingFile();
    if (!env.redrawn && (result == ChangeResult::Saved || program_.bookingFile.loadedBytes != loaded)) {
        visasalsschema();
    }
    return result;
}

void Form1::Avboka_Click() {
    grid_->hideSpan();
    std::optional<Bokning> cancelled = snapshotOf(program_.bokningar, valdrad_);
    if (runBookingChange([this](ChangeEnvironment& env) { return avboka(program_, valdrad_, false, env); }) ==
            ChangeResult::Saved &&
        cancelled) {
        tellDone("Avbokat", *cancelled);
    }
}

void Form1::Redigera_Click() {
    // The fields are set as a user would set them, so their handlers keep the object
    // list, the day and the end time in step.
    auto fill = [this](const EditFields& f) {
        choice_->chooseObject(f.viewKind, f.objekt);
        choice_->setDay(f.dag);
        fields_->fill(f);
        grid_->hideSpan();
    };
    endEdit();
    edited_ = redigera(program_, valdrad_, platform_.messages, fill);
    fields_->setEditing(edited_.has_value());
    markEdited();
}

void Form1::endEdit() {
    if (edited_) {
        edited_.reset();
        fields_->setEditing(false);
        markEdited();
    }
}

void Form1::markEdited() {
    grid_->outlineRows([this](int r) {
        return edited_ && program_.bokningar.isBooking(r) && program_.bokningar.row(r).sameBooking(*edited_);
    });
}

void Form1::Flera_veckor_Click() {
    std::optional<Bokning> before = snapshotOf(program_.bokningar, valdrad_);
    if (runBookingChange([this](ChangeEnvironment& env) { return fleraVeckor(program_, valdrad_, env); }) ==
            ChangeResult::Saved &&
        before) {
        tellDone("Nya veckor f\xF6r", withNewWeeks(program_.bokningar, *before));
    }
}

} // namespace tivra

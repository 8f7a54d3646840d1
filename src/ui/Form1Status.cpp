// What the window tells without being asked: the open booking file in the title and the
// status line, the last change made, and the week as other workstations change it. Also
// the keys that save reaching for the mouse.
//
// A write of the booking file by another copy (ui/BookingFileWatch.h) reloads the
// bookings and redraws, without a message and without touching the fields or the marking.
#include "ui/Form1.h"

#include "gui/Convert.h"
#include "ui/BookingFileWatch.h"
#include "ui/ChoiceBar.h"
#include "view/Details.h"

#include <QApplication>
#include <QFileInfo>
#include <QKeySequence>
#include <QLabel>
#include <QShortcut>
#include <QStatusBar>

namespace tivra {
namespace {

// A reload nobody asked for shows nothing: a file it cannot read is left for the next
// look, or for the user's next change, which reports it.
class QuietMessages : public Messages {
  public:
    void show(const std::string&, const std::string&, Icon) override {}
    bool ask(const std::string&, const std::string&) override { return false; }
    bool askNo(const std::string&, const std::string&) override { return false; }
    std::string input(const std::string&, const std::string&, const std::string&) override { return {}; }
    std::string openFileName(const std::string&, const std::string&) override { return {}; }
    SaveChoice saveFile(const std::string&, const std::string&) override { return {}; }
    [[noreturn]] void fatal(const std::string& text, const std::string&) override {
        throw ProgramEnded(text);
    }
};

} // namespace

void Form1::buildStatus() {
    statusText_ = new QLabel(this);
    statusText_->setObjectName(QStringLiteral("statusText"));
    statusFile_ = new QLabel(this);
    statusFile_->setObjectName(QStringLiteral("statusFile"));
    statusBar()->addWidget(statusText_, 1);
    statusBar()->addPermanentWidget(statusFile_);

    watch_ = new BookingFileWatch(this);
    connect(watch_, &BookingFileWatch::changedElsewhere, this, &Form1::lookAtBookingFile);
}

void Form1::connectKeys() {
    auto* previous = new QShortcut(QKeySequence(Qt::Key_PageUp), this);
    connect(previous, &QShortcut::activated, choice_, &ChoiceBar::previousWeek);
    auto* next = new QShortcut(QKeySequence(Qt::Key_PageDown), this);
    connect(next, &QShortcut::activated, choice_, &ChoiceBar::nextWeek);
    arkiv_open_->setShortcut(QKeySequence::Open);
    Arkiv_skrivut->setShortcut(QKeySequence::Print);
}

void Form1::showOpenFile() {
    const QString path = toQString(program_.bookingFile.aktuellfil);
    const QString name = QFileInfo(path).fileName();
    setWindowTitle((name.isEmpty() ? QStringLiteral("Tivra") : toQString("Tivra \x96 ") + name) +
                   schoolTitle());
    statusFile_->setText(name);
    statusFile_->setToolTip(path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath());
    rememberBookingFile();
}

void Form1::tell(const std::string& what) {
    statusText_->setText(toQString(what));
}

void Form1::tellDone(const char* what, const Bokning& row) {
    // The change stands, but the one who looks for it in the history must learn why it
    // is not there.
    tell(logFailure_.empty() ? std::string(what) + " " + bookingSummary(row) : logFailure_);
}

void Form1::rememberBookingFile() {
    watch_->watch(program_.bookingFile.aktuellfil);
}

void Form1::lookAtBookingFile() {
    if (!watch_->changed() || changing_ || QApplication::activeModalWidget() != nullptr ||
        QApplication::activePopupWidget() != nullptr) {
        return;
    }
    // Loaded beside the table in use, and taken over only when whole.
    BookingTable table = program_.bokningar;
    BookingFileState file = program_.bookingFile;
    QuietMessages quiet;
    Platform platform{platform_.disk, platform_.clock, quiet};
    try {
        if (oppnabokningar(table, file, program_.settings.backupmapp, platform) != LoadResult::Loaded) {
            return;
        }
    } catch (const ProgramEnded&) {
        return;
    }
    program_.bokningar = std::move(table);
    program_.bookingFile = std::move(file);
    rememberBookingFile();
    visasalsschema();
}

} // namespace tivra

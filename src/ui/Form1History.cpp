// Arkiv "Historik...": the change log of the open booking file in a window beside the
// grid; "Återställ" there runs the ordinary "Boka" change and redraws the week.
#include "ui/Form1.h"

#include "booking/Boka.h"
#include "config/ViewObjects.h"
#include "core/BookingFile.h"
#include "core/ChangeLog.h"
#include "core/Number.h"
#include "core/Text1252.h"
#include "ui/HistoryWindow.h"

namespace tivra {
namespace {

// The room or other object on screen; empty in the staff view and the overview.
std::string objectOnScreen(const Program& program) {
    const Selection& val = program.selection;
    const std::string* entry = chosenEntry(program);
    if ((val.viewKind != ViewKind::Salar && val.viewKind != ViewKind::Annat) || entry == nullptr) {
        return {};
    }
    return *entry;
}

} // namespace

std::function<LogContent()> Form1::backupComparison() {
    const char* const title = "J\xE4mf\xF6r med s\xE4kerhetskopia";
    const Date today = platform_.clock.today();
    const std::string typed =
        platform_.messages.input("Dag i m\xE5naden f\xF6r s\xE4kerhetskopian (1-31):", title,
                                 std::to_string(today.day > 1 ? today.day - 1 : 1));
    const double day = textvarde(typed);
    if (trim(typed).empty()) {
        return {};
    }
    if (day < 1 || day > 31) {
        platform_.messages.show("Ange dagen i m\xE5naden, 1-31.", title, Icon::Exclamation);
        return {};
    }
    const std::string copy = dailyBackupName(program_.bookingFile.aktuellfil, program_.settings.backupmapp,
                                             static_cast<int>(roundHalfEven(day)));
    if (!platform_.disk.isFile(copy)) {
        platform_.messages.show("S\xE4kerhetskopian " + copy + " finns inte.", title, Icon::Exclamation);
        return {};
    }
    return [this, copy] {
        LogContent content;
        std::optional<std::vector<Bokning>> before = bookingsOfFile(copy, platform_);
        std::optional<std::vector<Bokning>> now =
            before ? bookingsOfFile(program_.bookingFile.aktuellfil, platform_) : std::nullopt;
        if (!now) {
            content.error = "S\xE4kerhetskopian " + copy + " kan inte l\xE4sas.";
            return content;
        }
        content.entries = differenceEntries(compareBookings(*before, *now));
        content.error = "J\xE4mf\xF6rt med " + copy;
        return content;
    };
}

void Form1::Arkiv_historik_Click() {
    if (program_.bookingFile.aktuellfil.empty()) {
        platform_.messages.show("Ingen bokningsfil \xE4r \xF6ppen.", "Historik", Icon::Information);
        return;
    }
    if (history_) {
        history_->close();
    }
    HistoryWindow::Source source;
    source.read = [this] {
        Disk& disk = platform_.disk;
        return readLogFile(logFileName(disk.linkTarget(program_.bookingFile.aktuellfil)), disk);
    };
    source.restore = [this](const Bokning& booking) {
        ChangeResult result =
            runBookingChange([&](ChangeEnvironment& env) { return restoreBooking(program_, booking, env); });
        if (result == ChangeResult::Saved) {
            tellDone("\xC5terst\xE4llt", booking);
        }
        return result == ChangeResult::Saved;
    };
    source.compare = [this]() -> std::function<LogContent()> { return backupComparison(); };
    history_ = new HistoryWindow(objectOnScreen(program_), program_.settings, std::move(source), this);
    history_->setAttribute(Qt::WA_DeleteOnClose);
    history_->show();
}

} // namespace tivra

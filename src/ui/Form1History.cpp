// Arkiv "Historik...": the change log of the open booking file in a window beside the
// grid; "Återställ" there runs the ordinary "Boka" change and redraws the week.
#include "ui/Form1.h"

#include "booking/Boka.h"
#include "core/ChangeLog.h"
#include "ui/HistoryWindow.h"

namespace tivra {
namespace {

// The room or other object on screen; empty in the staff view and the overview.
std::string objectOnScreen(const Program& program) {
    const Selection& val = program.selection;
    const std::vector<std::string>& list = val.vy == Vy::Annat ? program.settings.bokaobjekt : program.salar;
    const int index = val.vy == Vy::Annat ? val.valtobjekt : val.valdsal;
    if ((val.vy != Vy::Salar && val.vy != Vy::Annat) || index < 1 || index > static_cast<int>(list.size())) {
        return {};
    }
    return list[static_cast<std::size_t>(index - 1)];
}

} // namespace

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
            runBookingChange([&](ChangeEnvironment& env) { return aterstall(program_, booking, env); });
        if (result == ChangeResult::Saved) {
            tellDone("\xC5terst\xE4llt", booking);
        }
        return result == ChangeResult::Saved;
    };
    history_ = new HistoryWindow(objectOnScreen(program_), program_.settings, std::move(source), this);
    history_->setAttribute(Qt::WA_DeleteOnClose);
    history_->show();
}

} // namespace tivra

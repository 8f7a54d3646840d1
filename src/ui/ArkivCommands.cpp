#include "ui/ArkivCommands.h"

#include "core/BookingSave.h"
#include "core/Path.h"

namespace tivra {

LoadResult arkiv_open(BookingTable& table, BookingFileState& file, const std::string& backupmapp,
                      Platform& platform) {
    file.aktuellfil = platform.messages.openFileName(kBookingFolder, kBookingFilter);
    if (file.aktuellfil.empty()) {
        return LoadResult::NoFile;
    }
    return oppnabokningar(table, file, backupmapp, platform);
}

bool arkiv_saveas(BookingTable& table, BookingFileState& file, Platform& platform) {
    std::string chosen = platform.messages.saveFileName(kBookingFolder, kBookingFilter);
    if (chosen.empty()) {
        file.aktuellfil.clear();
        return false;
    }
    std::string name = utantillagg(chosen) + ".bok";
    if (platform.disk.exists(name) &&
        !platform.messages.ask(
            name + ". Bokningar med detta namn finns redan. Vill du ers\xE4tta befintlig fil?",
            "Spara bokningar")) {
        return false;
    }
    std::string previous = file.aktuellfil;
    file.aktuellfil = name;
    if (!sparabokningar(table, file, platform)) {
        file.aktuellfil = previous;
        return false;
    }
    return true;
}

} // namespace tivra

#include "booking/ArkivCommands.h"

#include "core/BookingSave.h"
#include "core/ChangeLog.h"
#include "core/FileNames.h"
#include "core/FileReplace.h"
#include "core/Path.h"

#include <optional>

namespace tivra {
namespace {

constexpr const char kSaveTitle[] = "Spara bokningar";

// Asks before the existing booking file `name` is replaced and keeps a copy of it; false
// leaves it as it is.
bool mayReplace(const std::string& name, const std::string& backupmapp, Platform& platform) {
    const std::string replaced = platform.disk.resolved(name);
    std::optional<std::string> bytes = platform.disk.readAll(replaced);
    const int bookings = bytes ? bookingCount(*bytes).value_or(0) : 0;
    if (!platform.messages.askNo(name + " finns redan och har " + std::to_string(bookings) +
                                     " bokningar. Vill du ers\xE4tta den?",
                                 kSaveTitle)) {
        return false;
    }
    const std::string copy = replacedFileCopyName(replaced, backupmapp, platform.clock.now());
    if (!bytes ||
        writeWhole(platform.disk, copy, *bytes, std::nullopt, copyOptions(replaced, platform)).outcome !=
            WriteOutcome::Written) {
        platform.messages.show("En kopia av " + name + " kunde inte sparas som " + copy +
                                   ". Filen har inte ersatts.",
                               kSaveTitle, Icon::Exclamation);
        return false;
    }
    return true;
}

} // namespace

LoadResult arkiv_open(BookingTable& table, BookingFileState& file, const std::string& backupmapp,
                      Platform& platform) {
    std::string chosen = platform.messages.openFileName(kBookingFolder, kBookingFilter);
    if (chosen.empty()) {
        return LoadResult::NoFile;
    }
    file.aktuellfil = std::move(chosen);
    return oppnabokningar(table, file, backupmapp, platform);
}

bool arkiv_saveas(BookingTable& table, BookingFileState& file, const std::string& backupmapp,
                  Platform& platform, const Workstation& workstation) {
    std::string chosen = platform.messages.saveFileName(kBookingFolder, kBookingFilter);
    if (chosen.empty()) {
        file.aktuellfil.clear();
        return false;
    }
    std::string name = withBookingExtension(chosen);
    const bool replacing = platform.disk.exists(name);
    if (replacing && !mayReplace(name, backupmapp, platform)) {
        return false;
    }
    std::string previous = file.aktuellfil;
    file.aktuellfil = name;
    if (!sparabokningar(table, file, platform)) {
        file.aktuellfil = previous;
        return false;
    }
    if (replacing) {
        // Whoever looks for a lost booking in that file's history learns it was replaced
        // whole. A log that cannot be written takes nothing back.
        LogEntry entry{
            logTime(platform.clock.now()), kEventReplaced, {}, workstation.user, workstation.host, {}, {}};
        appendToLog(platform.disk.linkTarget(name), entry, platform.disk);
    }
    return true;
}

} // namespace tivra

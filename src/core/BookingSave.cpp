#include "core/BookingSave.h"

#include "core/FileReplace.h"

#include <algorithm>
#include <optional>
#include <string>

namespace tivra {
namespace {

// The file's bytes for the live rows, with the image filled from them; nothing (with the
// message shown) when the file cannot hold them all.
std::optional<std::string> imageBytes(const BookingTable& table, BookingFileState& file, Messages& messages) {
    const int live = fillImage(table, file, ImageRows::Live);
    if (live > kMaxBookingsInFile) {
        messages.show("Bokningsfilen rymmer h\xF6gst 5555 bokningar. \xC4ndringarna ej sparade.",
                      "Spara bokningar", Icon::Exclamation);
        return std::nullopt;
    }
    // Every field is one line of the file: a line break in one would shift all after it.
    auto broken = [](const std::string& field) { return field.find_first_of("\r\n") != std::string::npos; };
    if (std::any_of(file.rad.begin() + 1, file.rad.end(), broken)) {
        messages.show(
            "En bokning inneh\xE5ller en radbrytning och kan inte sparas. \xC4ndringarna ej sparade. "
            "Meddela administrat\xF6ren.",
            "Spara bokningar", Icon::Exclamation);
        return std::nullopt;
    }
    return bookingFileBytes(live, file.rad);
}

// Ends the program: a booking file that cannot be written must not be worked on.
void writeFailed(const std::string& path, Messages& messages) {
    messages.fatal("Fel vid skrivning av " + path + ". Meddela administrat\xF6ren. Programmet avslutas.",
                   "Allvarligt fel");
}

WriteOutcome writeBookingFile(const BookingFileState& file, const std::string& bytes,
                              const std::optional<std::string>& expected, Platform& platform) {
    WriteOptions options;
    options.retryClock = &platform.clock;
    const WriteOutcome outcome = writeWhole(platform.disk, file.aktuellfil, bytes, expected, options).outcome;
    if (outcome == WriteOutcome::Refused) {
        writeFailed(file.aktuellfil, platform.messages);
    }
    return outcome;
}

} // namespace

bool appendRow(BookingTable& table, const Bokning& booking, Messages& messages) {
    if (table.antalrader >= kMaxRows) {
        messages.show("Bokningstabellen \xE4r full (h\xF6gst 20000 rader). Bokningen sparades inte.", "Boka",
                      Icon::Exclamation);
        return false;
    }
    table.row(table.antalrader + 1) = booking;
    ++table.antalrader;
    return true;
}

bool sparabokningar(BookingTable& table, BookingFileState& file, Platform& platform) {
    if (file.aktuellfil.empty()) {
        return false;
    }
    std::optional<std::string> bytes = imageBytes(table, file, platform.messages);
    return bytes && writeBookingFile(file, *bytes, std::nullopt, platform) == WriteOutcome::Written;
}

SaveResult saveIfUnchanged(BookingTable& table, BookingFileState& file, Platform& platform) {
    if (file.aktuellfil.empty()) {
        return SaveResult::NoFile;
    }
    std::optional<std::string> bytes = imageBytes(table, file, platform.messages);
    if (!bytes) {
        return SaveResult::NotSaved;
    }
    // Under the lock no colleague is inside a save: what is left is from a killed one.
    removeStaleTemporaries(platform.disk, file.aktuellfil);
    return writeBookingFile(file, *bytes, file.loadedBytes, platform) == WriteOutcome::Written
               ? SaveResult::Saved
               : SaveResult::Overtaken;
}

} // namespace tivra

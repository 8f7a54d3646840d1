#include "core/BookingSave.h"

#include "core/BookingWrite.h"

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

} // namespace

bool laggTillRad(BookingTable& table, const Bokning& booking, Messages& messages) {
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
    return bytes && skrivfilBytes(file.aktuellfil, *bytes, platform);
}

SaveResult saveIfUnchanged(BookingTable& table, BookingFileState& file, Platform& platform) {
    if (file.aktuellfil.empty()) {
        return SaveResult::NoFile;
    }
    std::optional<std::string> bytes = imageBytes(table, file, platform.messages);
    if (!bytes) {
        return SaveResult::NotSaved;
    }
    switch (writeBytesIfUnchanged(file.aktuellfil, *bytes, file.loadedBytes, platform)) {
    case GuardedWrite::Written:
        return SaveResult::Saved;
    case GuardedWrite::Overtaken:
        return SaveResult::Overtaken;
    }
    return SaveResult::NotSaved;
}

} // namespace tivra

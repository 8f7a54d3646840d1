#include "core/BookingSave.h"

#include "core/BookingFileCommands.h"
#include "core/BookingWrite.h"

namespace tivra {
namespace {

int liveBookings(const BookingTable& table) {
    int live = 0;
    for (int i = table.antallektioner + 1; i <= table.antalrader; ++i) {
        if (!table.row(i).cancelled()) {
            ++live;
        }
    }
    return live;
}

// Fields 1 to 9 of the live rows, in table order, into rad[1..9*live].
void fillImage(const BookingTable& table, BookingFileState& file, int live) {
    file.rad.resize(static_cast<std::size_t>(9 * live) + 1);
    std::size_t k = 1;
    for (int i = table.antallektioner + 1; i <= table.antalrader; ++i) {
        const Bokning& row = table.row(i);
        if (row.cancelled()) {
            continue;
        }
        for (int j = 1; j <= 9; ++j, ++k) {
            file.rad[k] = row.field(j);
        }
    }
}

// Fills the image from the live rows; false (with the message shown) when the file
// cannot hold them all.
bool imageFits(const BookingTable& table, BookingFileState& file, Messages& messages, int& live) {
    live = liveBookings(table);
    if (live > kMaxBookingsInFile) {
        messages.show("Bokningsfilen rymmer h\xF6gst 5555 bokningar. \xC4ndringarna ej sparade.",
                      "Spara bokningar", Icon::Exclamation);
        return false;
    }
    fillImage(table, file, live);
    return true;
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
        return arkiv_saveas(table, file, platform);
    }
    int live = 0;
    if (!imageFits(table, file, platform.messages, live)) {
        return false;
    }
    return skrivfil(file.aktuellfil, live, file.rad, platform);
}

SaveResult saveIfUnchanged(BookingTable& table, BookingFileState& file, Platform& platform) {
    if (file.aktuellfil.empty()) {
        return arkiv_saveas(table, file, platform) ? SaveResult::Saved : SaveResult::NotSaved;
    }
    int live = 0;
    if (!imageFits(table, file, platform.messages, live)) {
        return SaveResult::NotSaved;
    }
    switch (writeIfUnchanged(file.aktuellfil, live, file.rad, file.loadedBytes, platform)) {
    case GuardedWrite::Written:
        return SaveResult::Saved;
    case GuardedWrite::Overtaken:
        return SaveResult::Overtaken;
    }
    return SaveResult::NotSaved;
}

} // namespace tivra

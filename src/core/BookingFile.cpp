#include "core/BookingFile.h"

#include "core/FileReplace.h"
#include "core/Lines.h"
#include "core/Number.h"

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <utility>

namespace tivra {
namespace {

constexpr const char kTitle[] = "\xD6ppna bokningar";

void showReadError(const BookingFileState& file, Messages& messages) {
    messages.show("Fel vid inl\xE4sning av " + file.aktuellfil +
                      ". Starta om programmet eller f\xF6rs\xF6k igen. Meddela vid behov administrat\xF6ren.",
                  kTitle, Icon::Exclamation);
}

// The first item of the file: the first line up to a comma, leading blanks skipped.
std::string_view firstItem(std::string_view line) {
    std::size_t start = line.find_first_not_of(' ');
    if (start == std::string_view::npos) {
        return {};
    }
    line.remove_prefix(start);
    return line.substr(0, line.find(','));
}

// The count the item announces, when it fits the 16-bit counter and is not negative.
std::optional<int> announcedCount(std::string_view item) {
    auto n = int16Of(roundHalfEven(textvarde(item.substr(6))));
    if (!n || *n < 0) {
        return std::nullopt;
    }
    return *n;
}

bool fitsTableAndImage(const BookingTable& table, int n) {
    return 9 * n <= kMaxFileLines && table.antallektioner + n <= kMaxRows;
}

// Nine lines per booking into the booking rows after the lessons; false when the bytes
// end before the last of them. The rows are storage past antalrader until the caller
// counts them, so a short file leaves nothing that shows. Cells are assigned, not
// replaced, so a reload reuses the strings of the last one.
bool fillRows(BookingTable& table, LineCursor& lines, int n) {
    if (n <= 0) {
        return true;
    }
    table.row(table.antallektioner + n); // grows the storage once
    Bokning* row = table.rows.data() + table.antallektioner + 1;
    std::string_view line;
    for (int i = 0; i < n; ++i, ++row) {
        for (std::size_t j = 0; j < 9; ++j) {
            if (!lines.next(line)) {
                return false;
            }
            setCell((*row).*kBokningFields[j], line);
        }
    }
    return true;
}

// The first item of the count line, which the cursor passes.
std::string_view countItem(LineCursor& lines) {
    std::string_view first;
    lines.next(first);
    return firstItem(first);
}

// Lines after the last booking mean the count is lower than what the file holds: loading
// the first ones only would drop the rest at the next save, and the day's backup with them.
bool onlyBlankLinesLeft(LineCursor& lines) {
    std::string_view line;
    while (lines.next(line)) {
        if (line.find_first_not_of(' ') != std::string_view::npos) {
            return false;
        }
    }
    return true;
}

// The count's checks and the booking lines after the count line; false when any of them
// fails. On success antalrader counts the new rows and the image holds them. A file whose
// lines end in more than one way holds a stray CR or LF inside a field: every booking
// after it would be read one line off, and the next save would make that permanent.
bool loadRows(BookingTable& table, BookingFileState& file, LineCursor& lines, std::string_view item) {
    std::optional<int> n = announcedCount(item);
    if (!n || !fitsTableAndImage(table, *n) || !fillRows(table, lines, *n) || !onlyBlankLinesLeft(lines) ||
        lines.mixedEnds()) {
        return false;
    }
    table.antalrader = table.antallektioner + *n;
    fillImage(table, file, ImageRows::All);
    return true;
}

// Once a day: a copy that already carries today's date is left alone. What copies killed
// in their write left behind, on this or any other day of the month, goes first.
void dailyBackup(const BookingFileState& file, const std::string& backupmapp, int n, Platform& platform) {
    Date today = platform.clock.today();
    std::vector<std::string> copies;
    copies.reserve(31);
    for (int day = 1; day <= 31; ++day) {
        copies.push_back(dailyBackupName(file.aktuellfil, backupmapp, day));
    }
    removeStaleTemporaries(platform.disk, copies, AtLink::Replace);
    std::string name = dailyBackupName(file.aktuellfil, backupmapp, today.day);
    if (platform.disk.exists(name)) {
        std::optional<Date> written = platform.disk.modificationDate(name);
        if (written && *written == today) {
            return;
        }
    }
    if (n > 0) {
        // A copy that cannot be written is left out.
        writeWhole(platform.disk, name, bookingFileBytes(n, file.rad), std::nullopt,
                   copyOptions(file.aktuellfil, platform));
    }
}

} // namespace

WriteOptions copyOptions(const std::string& bookingFile, Platform& platform) {
    WriteOptions options;
    options.atLink = AtLink::Replace;
    options.sharedLike = platform.disk.linkTarget(bookingFile);
    options.retryClock = &platform.clock;
    return options;
}

std::string countHeader(int count) {
    return "Antal: " + printForm(static_cast<long long>(count)) + " ";
}

// Assigned over the image's strings, which mostly hold the same lines already, so a save
// allocates nothing.
int fillImage(const BookingTable& table, BookingFileState& file, ImageRows which) {
    file.rad.resize(static_cast<std::size_t>(9 * (table.antalrader - table.antallektioner)) + 1);
    std::size_t at = 1;
    for (int i = table.antallektioner + 1; i <= table.antalrader; ++i) {
        const Bokning& row = table.row(i);
        if (which == ImageRows::Live && row.cancelled()) {
            continue;
        }
        for (std::size_t j = 0; j < 9; ++j) {
            setCell(file.rad[at++], row.*kBokningFields[j]);
        }
    }
    file.rad.resize(at);
    return static_cast<int>(at / 9);
}

std::string bookingFileBytes(int count, const std::vector<std::string>& rad) {
    auto lines = 9 * static_cast<std::size_t>(count);
    if (count < 0 || rad.size() <= lines) {
        throw std::logic_error("booking file image shorter than its count");
    }
    const std::string head = countHeader(count);
    std::size_t size = head.size() + 2;
    for (std::size_t k = 1; k <= lines; ++k) {
        size += rad[k].size() + 2;
    }
    std::string out;
    out.reserve(size);
    auto put = [&out](const std::string& line) {
        out += line;
        out += "\r\n";
    };
    put(head);
    for (std::size_t k = 1; k <= lines; ++k) {
        put(rad[k]);
    }
    return out;
}

std::optional<int> bookingCount(std::string_view bytes) {
    LineCursor lines(bytes);
    std::string_view item = countItem(lines);
    if (item.substr(0, 6) != "Antal:") {
        return std::nullopt;
    }
    return announcedCount(item);
}

LoadResult oppnabokningar(BookingTable& table, BookingFileState& file, const std::string& backupmapp,
                          Platform& platform) {
    if (file.aktuellfil.empty()) {
        return LoadResult::NoFile;
    }
    file.lasfel = false;
    file.loadedBytes.clear();
    std::optional<std::string> bytes = platform.disk.readAll(file.aktuellfil);
    table.antalrader = table.antallektioner;
    auto fail = [&] {
        file.lasfel = true;
        showReadError(file, platform.messages);
        return LoadResult::Failed;
    };
    if (!bytes || bytes->empty()) {
        return fail();
    }
    LineCursor lines(*bytes);
    std::string_view item = countItem(lines);
    if (item.substr(0, 6) != "Antal:") {
        platform.messages.fatal("Fel i bokningsfil! Meddela administrat\xF6ren. Programmet avslutas.",
                                kTitle);
    }
    if (!loadRows(table, file, lines, item)) {
        return fail();
    }
    file.loadedBytes = std::move(*bytes);
    if (file.forstalasning) {
        file.forstalasning = false;
        dailyBackup(file, backupmapp, table.antalrader - table.antallektioner, platform);
    }
    return LoadResult::Loaded;
}

void restoreLoaded(BookingTable& table, BookingFileState& file) {
    table.antalrader = table.antallektioner;
    if (file.loadedBytes.empty()) {
        return;
    }
    // These bytes passed every check of the load that kept them.
    LineCursor lines(file.loadedBytes);
    std::string_view item = countItem(lines);
    loadRows(table, file, lines, item);
}

} // namespace tivra

#include "core/BookingFile.h"

#include "core/BookingWrite.h"
#include "core/Number.h"
#include "core/Path.h"

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
    auto n = int16Of(avrunda(textvarde(item.substr(6))));
    if (!n || *n < 0) {
        return std::nullopt;
    }
    return *n;
}

bool fitsTableAndImage(const BookingTable& table, int n) {
    return 9 * n <= kMaxFileLines && table.antallektioner + n <= kMaxRows;
}

// Nine lines per booking into the image and into the booking rows after the lessons.
void fillRows(BookingTable& table, BookingFileState& file, const std::vector<std::string_view>& lines,
              int n) {
    file.rad.resize(static_cast<std::size_t>(9 * n) + 1);
    if (n > 0) {
        table.row(table.antallektioner + n); // grows the storage once
    }
    std::size_t k = 1;
    for (int i = 1; i <= n; ++i) {
        Bokning& row = table.row(table.antallektioner + i);
        for (int j = 1; j <= 9; ++j, ++k) {
            file.rad[k].assign(lines[k]);
            row.field(j).assign(lines[k]);
        }
    }
}

// Once a day: a copy that already carries today's date is left alone.
void dailyBackup(const BookingFileState& file, const std::string& backupmapp, int n, Platform& platform) {
    Date today = platform.clock.today();
    std::string name = backupnamn(file.aktuellfil, backupmapp, today.day);
    if (platform.disk.exists(name)) {
        std::optional<Date> written = platform.disk.modificationDate(name);
        if (written && *written == today) {
            return;
        }
    }
    if (n > 0) {
        skrivfil(name, n, file.rad, platform, WriteRole::Backup);
    }
}

} // namespace

std::string antalrad(int count) {
    return "Antal: " + printform(static_cast<long long>(count)) + " ";
}

std::string bookingFileBytes(int count, const std::vector<std::string>& rad) {
    auto lines = static_cast<std::size_t>(9 * count);
    if (count < 0 || rad.size() <= lines) {
        throw std::logic_error("booking file image shorter than its count");
    }
    std::size_t size = 16;
    for (std::size_t k = 1; k <= lines; ++k) {
        size += rad[k].size() + 2;
    }
    std::string out;
    out.reserve(size);
    out += antalrad(count);
    out += "\r\n";
    for (std::size_t k = 1; k <= lines; ++k) {
        out += rad[k];
        out += "\r\n";
    }
    return out;
}

std::vector<std::string_view> splitLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    lines.reserve(bytes.size() / 8 + 1);
    const std::size_t size = bytes.size();
    std::size_t start = 0;
    // A plain scan: find_first_of with a set of two searches the set for every byte.
    for (std::size_t end = 0; end < size; ++end) {
        char c = bytes[end];
        if (c != '\r' && c != '\n') {
            continue;
        }
        lines.push_back(bytes.substr(start, end - start));
        if (c == '\r' && end + 1 < size && bytes[end + 1] == '\n') {
            ++end;
        }
        start = end + 1;
    }
    if (start < size) {
        lines.push_back(bytes.substr(start));
    }
    return lines;
}

std::string backupnamn(const std::string& aktuellfil, const std::string& backupmapp, int day) {
    std::string base = backupmapp.empty() ? aktuellfil : filnamn(aktuellfil);
    return backupmapp + utantillagg(base) + ".bk" + std::to_string(day);
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
    std::vector<std::string_view> lines = splitLines(*bytes);
    std::string_view item = firstItem(lines.front());
    if (item.substr(0, 6) != "Antal:") {
        platform.messages.fatal("Fel i bokningsfil! Meddela administrat\xF6ren. Programmet avslutas.",
                                kTitle);
    }
    std::optional<int> n = announcedCount(item);
    if (!n || !fitsTableAndImage(table, *n) || lines.size() < static_cast<std::size_t>(9 * *n) + 1) {
        return fail();
    }
    fillRows(table, file, lines, *n);
    table.antalrader = table.antallektioner + *n;
    lines.clear(); // they point into the bytes, which move now
    file.loadedBytes = std::move(*bytes);
    if (file.forstalasning) {
        file.forstalasning = false;
        dailyBackup(file, backupmapp, *n, platform);
    }
    return LoadResult::Loaded;
}

void restoreLoaded(BookingTable& table, BookingFileState& file) {
    table.antalrader = table.antallektioner;
    if (file.loadedBytes.empty()) {
        return;
    }
    std::vector<std::string_view> lines = splitLines(file.loadedBytes);
    // These bytes passed every check of the load that kept them.
    int n = announcedCount(firstItem(lines.front())).value_or(0);
    fillRows(table, file, lines, n);
    table.antalrader = table.antallektioner + n;
}

} // namespace tivra

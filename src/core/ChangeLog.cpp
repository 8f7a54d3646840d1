#include "core/ChangeLog.h"

#include "core/Number.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <system_error>

namespace tivra {
namespace {

constexpr std::size_t kBookingFields = 9;
// Time, event, signature, user, host, the booking before and after, the closing mark.
constexpr std::size_t kLineFields = 5 + 2 * kBookingFields + 1;
constexpr std::string_view kFormatName = "TIVRA-LOGG ";

// A field as it may stand in a line: control characters (tabs and line breaks among
// them) become blanks.
void appendField(std::string& line, std::string_view field) {
    for (char c : field) {
        auto byte = static_cast<unsigned char>(c);
        line += byte < 0x20 || byte == 0x7F ? ' ' : c;
    }
    line += '\t';
}

void appendBooking(std::string& line, const Bokning& booking) {
    for (std::size_t j = 0; j < kBookingFields; ++j) {
        appendField(line, booking.objekt.empty() ? std::string_view() : booking.*kBokningFields[j]);
    }
}

using LineFields = std::array<std::string_view, kLineFields>;

// The fields of a line; false when it has another number of them.
bool splitTabs(std::string_view line, LineFields& fields) {
    std::size_t start = 0;
    for (std::size_t n = 0; n < kLineFields; ++n) {
        std::size_t tab = line.find('\t', start);
        if ((tab == std::string_view::npos) != (n + 1 == kLineFields)) {
            return false;
        }
        fields[n] = line.substr(start, tab == std::string_view::npos ? tab : tab - start);
        start = tab + 1;
    }
    return true;
}

void readBooking(const LineFields& fields, std::size_t first, Bokning& booking) {
    for (std::size_t j = 0; j < kBookingFields; ++j) {
        (booking.*kBokningFields[j]).assign(fields[first + j]);
    }
}

bool readEntry(std::string_view line, LogEntry& entry) {
    LineFields fields;
    if (!splitTabs(line, fields) || fields.back() != ".") {
        return false;
    }
    entry.time.assign(fields[0]);
    entry.event.assign(fields[1]);
    entry.signatur.assign(fields[2]);
    entry.user.assign(fields[3]);
    entry.computer.assign(fields[4]);
    readBooking(fields, 5, entry.before);
    readBooking(fields, 5 + kBookingFields, entry.after);
    return true;
}

std::string writeFailure(std::error_code error) {
    return systemErrorText(error ? error : std::make_error_code(std::errc::io_error));
}

} // namespace

std::string logTime(const DateTime& time) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", time.date.year, time.date.month,
                  time.date.day, time.hour, time.minute, time.second);
    return text;
}

std::string logLine(const LogEntry& entry) {
    std::string line;
    line.reserve(256);
    appendField(line, entry.time);
    appendField(line, entry.event);
    appendField(line, entry.signatur);
    appendField(line, entry.user);
    appendField(line, entry.computer);
    appendBooking(line, entry.before);
    appendBooking(line, entry.after);
    line += ".\r\n";
    return line;
}

LogContent readLogBytes(std::string_view bytes) {
    LogContent content;
    if (bytes.empty()) {
        return content;
    }
    std::size_t end = bytes.find("\r\n");
    std::string_view first = bytes.substr(0, end);
    if (first != kLogHeader) {
        content.error = first.starts_with(kFormatName)
                            ? "\xC4ndringsloggen \xE4r av en ok\xE4nd version (" +
                                  std::string(first.substr(0, 40)) +
                                  "). Den kan l\xE4sas av en nyare version av programmet."
                            : std::string("Filen \xE4r ingen \xE4ndringslogg.");
        return content;
    }
    // Only lines ended by CR LF count: what follows the last one is a torn entry.
    content.entries.reserve(static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')));
    while (end != std::string_view::npos) {
        std::size_t start = end + 2;
        end = bytes.find("\r\n", start);
        if (end == std::string_view::npos) {
            break;
        }
        // Read in place: a line that is no entry is taken back.
        if (!readEntry(bytes.substr(start, end - start), content.entries.emplace_back())) {
            content.entries.pop_back();
        }
    }
    return content;
}

LogContent readLogFile(const std::string& logFile, Disk& disk) {
    if (!disk.exists(logFile)) {
        return {};
    }
    std::optional<std::string> bytes = disk.readAll(logFile);
    if (!bytes) {
        return {{}, "\xC4ndringsloggen " + logFile + " kan inte l\xE4sas."};
    }
    LogContent content = readLogBytes(*bytes);
    if (!content.error.empty()) {
        content.error = logFile + ": " + content.error;
    }
    return content;
}

std::string appendToLog(const std::string& bookingFile, const LogEntry& entry, Disk& disk) {
    const std::string logFile = logFileName(bookingFile);
    const std::string line = logLine(entry);
    std::optional<std::uintmax_t> size = disk.fileSize(logFile);
    if (size && *size > kLogRotateBytes) {
        if (!disk.replace(logFile, previousLogName(logFile))) {
            return writeFailure({});
        }
        size.reset();
    }
    if (!size) {
        std::error_code created =
            disk.createNew(logFile, std::string(kLogHeader) + "\r\n" + line, bookingFile);
        if (created != std::errc::file_exists) {
            if (!created && !disk.flush(logFile)) {
                return writeFailure({});
            }
            return created ? writeFailure(created) : std::string();
        }
    }
    std::error_code appended = disk.appendLine(logFile, line);
    return appended ? writeFailure(appended) : std::string();
}

} // namespace tivra

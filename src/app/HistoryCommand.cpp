#include "app/HistoryCommand.h"

#include "app/ReadRunner.h"
#include "booking/History.h"
#include "core/BookingFile.h"
#include "core/Number.h"
#include "core/Text1252.h"
#include "core/TextHelpers.h"
#include "print/PrintPlan.h"

#include <iostream>
#include <regex>

namespace tivra {
namespace {

constexpr const char kTitle[] = "Historik";

void printLine(const std::vector<std::string>& columns) {
    std::string line;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        line += (i == 0 ? "" : "\t") + columns[i];
    }
    std::cout << toUtf8(line) << '\n';
}

// The choice of the options; nothing, after a message, when one is refused.
std::optional<HistoryFilter> filterOf(const CommandOptions& o, const Program& program, Messages& messages) {
    HistoryFilter filter;
    std::optional<std::string> object = o.bytes("object");
    std::optional<std::string> person = o.bytes("person");
    std::optional<std::string> since = o.bytes("since");
    if (!object || !person || !since) {
        return std::nullopt;
    }
    filter.objekt = normalisera(trim(*object));
    filter.onlyOther = o.isSet("other");
    filter.person = normalisera(trim(*person));
    filter.since = trim(*since);
    if (!filter.since.empty() && !std::regex_match(filter.since, std::regex("[0-9]{4}-[0-9]{2}-[0-9]{2}"))) {
        messages.show("Skriv datumet i formen \xC5\xC5\xC5\xC5-MM-DD.", kTitle, Icon::Exclamation);
        return std::nullopt;
    }
    if (o.isSet("weeks")) {
        std::optional<std::string> typed = o.bytes("weeks");
        std::optional<PrintPlan> weeks =
            typed ? printWeeks(*typed, program.settings.startvecka, messages, kTitle) : std::nullopt;
        if (!weeks) {
            return std::nullopt;
        }
        filter.weeks = WeekRange{weeks->firstWeek, weeks->lastWeek};
    }
    return filter;
}

// The entries of the log, or those of the comparison with a backup; nothing, after a
// message, when a file cannot be read.
std::optional<std::vector<LogEntry>> entriesOf(const CommandOptions& o, Loaded& loaded) {
    const Program& program = loaded.program;
    const std::string& bookingFile = program.bookingFile.aktuellfil;
    Disk& disk = loaded.platform.disk;
    if (!o.isSet("backup")) {
        LogContent log = readLogFile(logFileName(disk.linkTarget(bookingFile)), disk);
        if (!log.error.empty()) {
            loaded.messages.show(log.error, kTitle, Icon::Exclamation);
            return std::nullopt;
        }
        return std::move(log.entries);
    }
    const std::string typed = trim(o.bytes("backup").value_or(""));
    const double day = textvarde(typed);
    if (typed.empty() || day < 1 || day > 31 || day != static_cast<double>(roundHalfEven(day))) {
        loaded.messages.show("Ange dagen i m\xE5naden, 1-31.", kTitle, Icon::Exclamation);
        return std::nullopt;
    }
    const std::string copy = dailyBackupName(bookingFile, program.settings.backupmapp, static_cast<int>(day));
    Platform& platform = loaded.platform;
    if (!disk.isFile(copy)) {
        loaded.messages.show("S\xE4kerhetskopian " + copy + " finns inte.", kTitle, Icon::Exclamation);
        return std::nullopt;
    }
    std::optional<std::vector<Bokning>> before = bookingsOfFile(copy, platform);
    std::optional<std::vector<Bokning>> now = before ? bookingsOfFile(bookingFile, platform) : std::nullopt;
    if (!now) {
        return std::nullopt;
    }
    return differenceEntries(compareBookings(*before, *now));
}

ExitStatus listHistory(const CommandOptions& o, Loaded& loaded) {
    if (loaded.program.bookingFile.aktuellfil.empty()) {
        loaded.messages.show("Ingen bokningsfil \xE4r vald.", kTitle, Icon::Exclamation);
        return ExitStatus::Refused;
    }
    std::optional<HistoryFilter> filter = filterOf(o, loaded.program, loaded.messages);
    std::optional<std::vector<LogEntry>> entries = filter ? entriesOf(o, loaded) : std::nullopt;
    if (!entries) {
        return ExitStatus::Refused;
    }
    printLine(historyHeader());
    for (const LogEntry& entry : *entries) {
        if (keeps(*filter, entry, loaded.program.settings)) {
            printLine(historyColumns(entry));
        }
    }
    std::cout << std::flush;
    return ExitStatus::Done;
}

ExitStatus runHistory(const CommandContext& context) {
    return runReading(context.setup, [&](Loaded& loaded) { return listHistory(context.options, loaded); });
}

} // namespace

const CommandMode& historyMode() {
    static const CommandMode mode{
        "history",
        "[--object NAMN] [--other] [--person SIGNATUR] [--since \xC3\x85\xC3\x85\xC3\x85\xC3\x85-MM-DD] "
        "[--weeks VECKOR] [--backup DAG]",
        "\xC3\x84ndringsloggen, en \xC3\xA4ndring per rad (med --backup: skillnaden mot en "
        "s\xC3\xA4kerhetskopia).",
        {{"object", "NAMN", "Bara \xC3\xA4ndringar av salen eller objektet."},
         {"other", nullptr, "Bara de andra objekten, inte salarna."},
         {"person", "SIGNATUR", "Bara bokningar med signaturen."},
         {"since", "\xC3\x85\xC3\x85\xC3\x85\xC3\x85-MM-DD",
          "Bara \xC3\xA4ndringar fr\xC3\xA5n och med dagen."},
         {"weeks", "VECKOR", "Bara bokningar i veckorna, som i utskriftsdialogen: 36 eller 46-8."},
         {"backup", "DAG",
          "J\xC3\xA4mf\xC3\xB6r s\xC3\xA4kerhetskopian fr\xC3\xA5n dag DAG i m\xC3\xA5naden (NAMN.bkDAG) med "
          "filen nu."}},
        false,
        runHistory,
    };
    return mode;
}

} // namespace tivra

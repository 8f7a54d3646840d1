#include "app/BookCommand.h"

#include "app/ConsoleMessages.h"
#include "booking/Boka.h"
#include "config/Startup.h"
#include "core/Text1252.h"
#include "ui/Convert.h"
#include "ui/QtBookingLock.h"
#include "view/Choice.h"

#include <iostream>
#include <optional>
#include <string>

namespace tivra {
namespace {

constexpr int kBooked = 0;
constexpr int kRefused = 1;
constexpr int kEnded = 2;

QCommandLineOption valued(const char* name, const char* help, const char* valueName) {
    return QCommandLineOption(QString::fromLatin1(name), QString::fromUtf8(help),
                              QString::fromUtf8(valueName));
}

bool unsafeWritesForTests() {
    return qEnvironmentVariable("TIVRA_TEST_UNSAFE_WRITES") == QStringLiteral("1");
}

// The arguments in the code page of the files; false (with the reason printed) when one
// holds a character the booking file cannot store.
struct Arguments {
    std::string object, week, day, start, length, signature, comment;
};

bool convert(const QCommandLineParser& parser, const QCommandLineOption& option, std::string& into) {
    std::optional<std::string> bytes = fromUtf8(parser.value(option).toStdString());
    if (!bytes) {
        std::cerr << "Argumentet till --" << option.names().front().toStdString()
                  << " har tecken som bokningsfilen inte kan lagra.\n";
        return false;
    }
    into = std::move(*bytes);
    return true;
}

std::optional<Arguments> arguments(const QCommandLineParser& parser, const BookOptions& o) {
    Arguments a;
    bool ok = convert(parser, o.object, a.object) && convert(parser, o.week, a.week) &&
              convert(parser, o.day, a.day) && convert(parser, o.start, a.start) &&
              convert(parser, o.length, a.length) && convert(parser, o.signature, a.signature) &&
              convert(parser, o.comment, a.comment);
    return ok ? std::optional<Arguments>(std::move(a)) : std::nullopt;
}

// The fields as the window would hold them after the user chose the week and the day.
BookingFields fieldsFor(Program& program, const StartupView& view, const Arguments& a, bool other) {
    if (!a.week.empty()) {
        program.val.valdvecka =
            correctedWeek(a.week, program.settings.startvecka, program.settings.slutvecka);
    }
    BookingFields fields;
    fields.objekt = a.object;
    fields.vy = other ? Vy::Annat : Vy::Salar;
    fields.valddag = a.day.empty() ? program.val.valddag : findDay(view.dayList, a.day);
    fields.starttid = a.start;
    fields.langd = a.length;
    fields.kommentar = a.comment;
    fields.signatur = a.signature;
    return fields;
}

} // namespace

BookOptions::BookOptions()
    : object(valued("object", "Salen, eller med --other det andra objektet.", "NAMN")),
      other(QStringLiteral("other"), QString::fromUtf8("Objektet är inte en sal.")),
      week(valued("week", "Veckan, som i veckorutan.", "VECKA")),
      day(valued("day", "Dagen: MÅN, TIS, ONS, TOR, FRE, LÖR eller SÖN.", "DAG")),
      start(valued("start", "Starttiden, till exempel 9.00.", "TID")),
      length(valued("length", "Längden i minuter.", "MINUTER")),
      signature(valued("signature", "Din signatur.", "SIGNATUR")),
      comment(valued("comment", "Kommentaren.", "TEXT")),
      yes(QStringLiteral("yes"), QString::fromUtf8("Svara Ja på frågan om en lektion.")) {}

void BookOptions::addTo(QCommandLineParser& parser) const {
    for (const QCommandLineOption* option :
         {&object, &other, &week, &day, &start, &length, &signature, &comment, &yes}) {
        parser.addOption(*option);
    }
}

int runBook(const QCommandLineParser& parser, const BookOptions& options) {
    std::optional<Arguments> args = arguments(parser, options);
    if (!args) {
        return kRefused;
    }
    RealDisk disk;
    SystemClock clock;
    ConsoleMessages messages(std::cerr, parser.isSet(options.yes));
    Platform platform{disk, clock, messages};
    Program program;
    try {
        StartupView view = startup(program, platform);
        BookingFields fields = fieldsFor(program, view, *args, parser.isSet(options.other));
        const bool unsafe = unsafeWritesForTests();
        QtBookingLock sharedLock;
        NoBookingLock noLock;
        ChangeEnvironment env{platform, unsafe ? static_cast<BookingLock&>(noLock) : sharedLock};
        env.compareBeforeReplace = !unsafe;
        return boka(program, fields, env) == ChangeResult::Saved ? kBooked : kRefused;
    } catch (const ProgramEnded&) {
        return kEnded;
    }
}

} // namespace tivra

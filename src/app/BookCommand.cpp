#include "app/BookCommand.h"

#include "app/ChangeCommand.h"
#include "app/CommandOptions.h"
#include "core/Text1252.h"
#include "view/Choice.h"

#include <optional>
#include <string>

namespace tivra {
namespace {

constexpr int kBooked = 0;
constexpr int kRefused = 1;

bool convert(const QCommandLineParser& parser, const QCommandLineOption& option, std::string& into) {
    std::optional<std::string> bytes = optionBytes(parser, option, "bokningsfilen inte kan lagra");
    if (bytes) {
        into = std::move(*bytes);
    }
    return bytes.has_value();
}

} // namespace

std::optional<BookArguments> bookArguments(const QCommandLineParser& parser, const BookOptions& o) {
    BookArguments a;
    bool ok = convert(parser, o.object, a.object) && convert(parser, o.week, a.week) &&
              convert(parser, o.day, a.day) && convert(parser, o.start, a.start) &&
              convert(parser, o.length, a.length) && convert(parser, o.signature, a.signature) &&
              convert(parser, o.comment, a.comment);
    return ok ? std::optional<BookArguments>(std::move(a)) : std::nullopt;
}

BookingFields bookingFields(const Program& program, const StartupView& view, const BookArguments& a,
                            bool other) {
    BookingFields fields;
    fields.objekt = a.object;
    fields.vy = other ? Vy::Annat : Vy::Salar;
    fields.valddag = a.day.empty() ? program.selection.valddag : findDay(view.dayList, a.day);
    fields.starttid = a.start;
    fields.langd = a.length;
    fields.kommentar = a.comment;
    fields.signatur = a.signature;
    return fields;
}

int typedWeek(const Program& program, const BookArguments& args) {
    if (args.week.empty()) {
        return program.selection.valdvecka;
    }
    return correctedWeek(args.week, program.settings.startvecka, program.settings.slutvecka);
}

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

int runBook(const QCommandLineParser& parser, const BookOptions& options, const ChangeSetup& setup) {
    std::optional<BookArguments> args = bookArguments(parser, options);
    if (!args) {
        return kRefused;
    }
    return runChangeCommand(
        parser.isSet(options.yes),
        [&](Program& program, const StartupView& view, ChangeEnvironment& env) {
            program.selection.valdvecka = typedWeek(program, *args);
            BookingFields fields = bookingFields(program, view, *args, parser.isSet(options.other));
            return boka(program, fields, env) == ChangeResult::Saved ? kBooked : kRefused;
        },
        setup);
}

} // namespace tivra

#pragma once
// `tivra export --ics` and `--csv`: one room's, object's or person's bookings (and with
// --lessons the lessons) for calendars and spreadsheets.
//   tivra export --ics|--csv (--object NAME [--other] | --person SIG) [--weeks TEXT]
//                [--lessons] [--out FILE] [--dir FOLDER]
// --weeks as the print dialog reads them; without, the whole booking period. Without
// --out the file goes to standard output; with it, it appears whole or not at all.
// Exit status 0 when written, 1 when refused, 2 when the start-up would end the program
// or the options are wrong.
#include "app/BookCommand.h"
#include "app/PrintCommand.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>

namespace tivra {

struct ExportOptions {
    QCommandLineOption ics;
    QCommandLineOption csv;
    QCommandLineOption person;
    QCommandLineOption lessons;
    QCommandLineOption out;

    ExportOptions();
    void addTo(QCommandLineParser& parser) const;
    bool asked(const QCommandLineParser& parser) const { return parser.isSet(ics) || parser.isSet(csv); }
};

// `outPath`: --out made absolute where the user stood, before --dir moved elsewhere.
int runFileExport(const QCommandLineParser& parser, const ExportOptions& options, const BookOptions& book,
                  const PrintOptions& print, const QString& outPath);

} // namespace tivra

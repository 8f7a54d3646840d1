#pragma once
// `tivra print`: the print dialog's "OK" from the command line, for printing every door
// schedule of the week from a script. The options mirror the dialog's controls:
//   tivra print [--weeks TEXT] [--rooms TEXT] [--all-rooms] [--objects TEXT] [--all-objects]
//               [--lists] [--schedules] [--overview] [--unbooked]
//               [--pdf FILE [--page-size A4|A3|A5|Letter|Legal] [--landscape]] [--printer NAME]
//               [--dir FOLDER]
// Without --weeks, the week start-up chose; with none of --lists, --schedules and
// --overview (the all-rooms week sheet), lists.
// Exit status 0 when a document was made, 1 when the checks refused the input, nothing was
// chosen ("Inget att skriva ut.") or the printer could not take it, 2 when the start-up
// would end the program or an option is wrong. A PDF appears whole or not at all.
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>

namespace tivra {

struct PrintOptions {
    QCommandLineOption weeks;
    QCommandLineOption rooms;
    QCommandLineOption allRooms;
    QCommandLineOption objects;
    QCommandLineOption allObjects;
    QCommandLineOption lists;
    QCommandLineOption schedules;
    QCommandLineOption overview;
    QCommandLineOption unbooked;
    QCommandLineOption pdf;
    QCommandLineOption pageSize;
    QCommandLineOption landscape;
    QCommandLineOption printer;

    PrintOptions();
    void addTo(QCommandLineParser& parser) const;
};

// Runs the printout in the current folder. `pdfPath` is the --pdf file made absolute
// against the folder the command was given in, or empty for the printer.
int runPrint(const QCommandLineParser& parser, const PrintOptions& options, const QString& pdfPath);

} // namespace tivra

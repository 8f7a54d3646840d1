#pragma once
// `tivra book`: one booking from the command line, with the same checks, lock and save
// as the window's "Boka".
//   tivra book --object NAME [--other] [--week W] [--day DAG] --start 9.00 --length MIN
//              --signature SIG [--comment TEXT] [--yes] [--dir FOLDER]
// Exit status 0 when the booking was written, 1 when it was refused, 2 when the start-up
// (or a fatal error) would end the program. The test switches of app/ChangeCommand.h apply.
//
// `tivra cancel` (app/CancelCommand.h) reads the same options the same way.
#include "app/ChangeCommand.h"
#include "booking/Boka.h"
#include "config/Startup.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

#include <optional>
#include <string>

namespace tivra {

struct BookOptions {
    QCommandLineOption object;
    QCommandLineOption other;
    QCommandLineOption week;
    QCommandLineOption day;
    QCommandLineOption start;
    QCommandLineOption length;
    QCommandLineOption signature;
    QCommandLineOption comment;
    QCommandLineOption yes;

    BookOptions();
    void addTo(QCommandLineParser& parser) const;
};

// The options in the code page of the files, as given.
struct BookArguments {
    std::string object, week, day, start, length, signature, comment;
};

// Nothing (with the reason printed) when an option holds a character that the booking
// file cannot store.
std::optional<BookArguments> bookArguments(const QCommandLineParser& parser, const BookOptions& options);

// The booking fields as the window would hold them once the user chose the day (today's
// when --day is missing); the week is not part of them.
BookingFields bookingFields(const Program& program, const StartupView& view, const BookArguments& args,
                            bool other);

// The week as the week field takes it (school-year numbering); the shown week when
// --week is missing.
int typedWeek(const Program& program, const BookArguments& args);

// Runs the booking in the current folder; returns the exit status.
int runBook(const QCommandLineParser& parser, const BookOptions& options, const ChangeSetup& setup = {});

} // namespace tivra

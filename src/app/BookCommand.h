#pragma once
// `tivra book`: one booking from the command line, with the same checks, lock and save
// as the window's "Boka".
//   tivra book --object NAME [--other] [--week W] [--day DAG] --start 9.00 --length MIN
//              --signature SIG [--comment TEXT] [--yes] [--dir FOLDER]
// Exit status 0 when the booking was written, 1 when it was refused, 2 when the start-up
// (or a fatal error) would end the program.
//
// Test mode: with the environment variable TIVRA_TEST_UNSAFE_WRITES=1 the booking takes no
// lock and does not compare the file before replacing it, as copies without them would.
// It exists only so that a test can show what the lock prevents; never set it otherwise.
#include <QCommandLineOption>
#include <QCommandLineParser>

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

// Runs the booking in the current folder; returns the exit status.
int runBook(const QCommandLineParser& parser, const BookOptions& options);

} // namespace tivra

#pragma once
// `tivra cancel`: removes the first booking whose nine stored fields match the options,
// with the same lock, reload and save as the window's "Avboka".
//   tivra cancel --object NAME [--other] [--week W] [--day DAG] --start 9.00 --length MIN
//                --signature SIG [--comment TEXT] [--dir FOLDER]
// The options are read as `tivra book` reads them (the object and the signature
// normalised, the day name turned into its number, the start time into hh.mm), except
// --week: it is the week field as stored ("36" or "36-38"); without it the current week.
// Exit status 0 when a booking was removed, 1 when none matched or the change was
// refused, 2 when the start-up (or a fatal error) would end the program.
#include "app/BookCommand.h"

namespace tivra {

// Runs the cancel in the current folder; returns the exit status.
int runCancel(const QCommandLineParser& parser, const BookOptions& options, const ChangeSetup& setup = {});

} // namespace tivra

#pragma once
// `tivra free`: the rooms (with --other the other objects) free at a time, one per line in
// UTF-8, by the rules "Lediga salar" uses in the window.
//   tivra free [--week W] --day DAG --start 9.00 --length MIN [--other] [--dir FOLDER]
// Exit status 0 with the list (empty too), 1 when the fields are refused, 2 when the
// start-up would end the program.
#include "app/BookCommand.h"

#include <QCommandLineParser>

namespace tivra {

int runFree(const QCommandLineParser& parser, const BookOptions& options);

} // namespace tivra

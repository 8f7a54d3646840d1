#pragma once
// The options of the command-line modes: made with Swedish help texts, and read into the
// code page of the files.
#include <QCommandLineOption>
#include <QCommandLineParser>

#include <optional>
#include <string>

namespace tivra {

// An option that takes a value, and one that stands alone.
QCommandLineOption valued(const char* name, const char* help, const char* valueName);
QCommandLineOption flag(const char* name, const char* help);

// The option's value in Windows-1252; nothing, with "Argumentet till --NAME har tecken som
// " + `cannot` + "." on standard error, when it holds a character the code page lacks.
std::optional<std::string> optionBytes(const QCommandLineParser& parser, const QCommandLineOption& option,
                                       const char* cannot);

} // namespace tivra

#include "app/CommandOptions.h"

#include "core/Text1252.h"

#include <iostream>

namespace tivra {

QCommandLineOption valued(const char* name, const char* help, const char* valueName) {
    return QCommandLineOption(QString::fromLatin1(name), QString::fromUtf8(help),
                              QString::fromUtf8(valueName));
}

QCommandLineOption flag(const char* name, const char* help) {
    return QCommandLineOption(QString::fromLatin1(name), QString::fromUtf8(help));
}

std::optional<std::string> optionBytes(const QCommandLineParser& parser, const QCommandLineOption& option,
                                       const char* cannot) {
    std::optional<std::string> bytes = fromUtf8(parser.value(option).toStdString());
    if (!bytes) {
        std::cerr << "Argumentet till --" << option.names().front().toStdString() << " har tecken som "
                  << cannot << ".\n";
    }
    return bytes;
}

} // namespace tivra

#include "gui/Convert.h"

#include "core/Text1252.h"
#include "core/TextHelpers.h"

#include <QByteArray>

#include <algorithm>

namespace tivra {

QString toQString(std::string_view cp1252) {
    std::string utf8 = toUtf8(cp1252);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::optional<std::string> fromQString(const QString& text) {
    QByteArray utf8 = text.toUtf8();
    return fromUtf8(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

std::string textBytes(const QString& text) {
    return fromQString(text).value_or(std::string());
}

bool fits1252(const QString& text) {
    return fromQString(text).has_value();
}

QString toDisplay(std::string_view cp1252) {
    QString text = toQString(cp1252);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

QValidator::State Cp1252Validator::validate(QString& input, int& /*pos*/) const {
    std::optional<std::string> bytes = fromQString(input);
    return bytes && !hasControlCharacter(*bytes) ? Acceptable : Invalid;
}

} // namespace tivra

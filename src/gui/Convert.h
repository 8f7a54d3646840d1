#pragma once
// The one crossing between the Windows-1252 bytes of the logic and Qt's QString.
// Everything the widgets show or read passes through here.
#include <QString>
#include <QValidator>

#include <optional>
#include <string>
#include <string_view>

namespace tivra {

// The QString of Windows-1252 bytes; every byte has a character, so this never fails.
QString toQString(std::string_view cp1252);

// The Windows-1252 bytes of a QString; nothing when a character has no byte in the
// code page.
std::optional<std::string> fromQString(const QString& text);

// The bytes of a field's text. The fields refuse characters that Windows-1252 cannot
// hold, so this is the whole text; the empty text should one slip through.
std::string textBytes(const QString& text);

// Whether every character of the text has a byte in Windows-1252.
bool fits1252(const QString& text);

// A text for display: the CR LF pairs of the files' line breaks become plain line
// feeds, which is what Qt's labels and message boxes break on.
QString toDisplay(std::string_view cp1252);

// Keeps characters that Windows-1252 cannot hold, and control characters such as a
// pasted line break, out of an input field, whether typed or pasted, so that they can
// never reach a stored field (a line break would shift every line after it in a file).
class Cp1252Validator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

} // namespace tivra

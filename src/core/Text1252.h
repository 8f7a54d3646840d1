#pragma once
// Text as the files hold it: Windows-1252 bytes in a std::string. Every byte value has a
// character, so the conversion to UTF-8 and back is lossless for any file content.
#include <optional>
#include <string>
#include <string_view>

namespace tivra {

// The UTF-8 form of Windows-1252 bytes. The five bytes the code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control characters of the same number.
std::string toUtf8(std::string_view cp1252);

// The Windows-1252 form of UTF-8 text; nothing when a character has no byte in the
// code page or the UTF-8 is malformed.
std::optional<std::string> fromUtf8(std::string_view utf8);

// The Windows-1252 byte of one Unicode code point, if the code page holds it.
std::optional<char> byteOf(char32_t codePoint);
// The Unicode code point of one Windows-1252 byte.
char32_t codePointOf(char byte);

// Upper case over the whole Windows-1252 letter set (å -> Å, ä -> Ä, ö -> Ö, š -> Š ...).
char upperByte(char c);
std::string upper(std::string_view text);

// The text without leading and trailing blanks (only the blank, as the files mean it).
std::string trim(std::string_view text);

} // namespace tivra

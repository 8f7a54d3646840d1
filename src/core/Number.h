#pragma once
// Numbers read from text and written to text, the same way everywhere in the program.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tivra {

// The numeric value of a text: blanks, tabs and line feeds are skipped wherever they
// stand; then an optional sign, digits, and optionally "." and more digits. Reading
// stops at the first character that cannot continue the number; no number gives 0.
double textvarde(std::string_view text);

// To the nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
long long roundHalfEven(double value);
// The whole part, rounded toward minus infinity.
long long wholePart(double value);

// The value as a 16-bit signed integer, if it fits.
std::optional<std::int16_t> int16Of(long long value);

// The print form: one blank before a number that is not negative, "-" otherwise.
std::string printForm(long long value);
std::string printForm(double value);
// The plain decimal text, without the leading blank of the print form.
std::string decimalText(long long value);
std::string decimalText(double value);

} // namespace tivra

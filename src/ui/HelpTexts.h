#pragma once
// The texts of the help window, the print dialog's help and the about box, as
// Windows-1252 bytes with CR LF between paragraphs.
#include <string>

namespace tivra {

// The three tabs of the help window: "Översikt", "Till administratören", "Boka".
std::string overviewText();
std::string administratorText();
std::string bookingText();

// The settings dialog's "Hjälp".
std::string settingsHelpText();

// The print dialog's "Hjälp".
std::string printHelpText();

// The about box: an empty line, what the program is, where new versions are told of,
// and whom to ask.
std::string aboutText();

} // namespace tivra

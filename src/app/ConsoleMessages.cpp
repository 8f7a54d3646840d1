#include "app/ConsoleMessages.h"

#include "core/Text1252.h"

namespace tivra {

std::string ConsoleMessages::line(const std::string& title, const std::string& text) {
    std::string flat;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "\r\n") == 0) {
            flat += " / ";
            ++i;
        } else {
            flat += text[i];
        }
    }
    return toUtf8(title) + ": " + toUtf8(flat);
}

void ConsoleMessages::print(const std::string& text) {
    err_ << text << '\n' << std::flush;
    ++printed_;
}

void ConsoleMessages::show(const std::string& text, const std::string& title, Icon) {
    print(line(title, text));
}

bool ConsoleMessages::ask(const std::string& text, const std::string& title) {
    print(line(title, text) + (answerYes_ ? " Ja" : " Nej"));
    return answerYes_;
}

// The answer given on the command line counts whichever button is the default.
bool ConsoleMessages::askNo(const std::string& text, const std::string& title) {
    return ask(text, title);
}

std::string ConsoleMessages::input(const std::string& prompt, const std::string& title, const std::string&) {
    print(line(title, prompt));
    return {};
}

std::string ConsoleMessages::openFileName(const std::string&, const std::string&) {
    return {};
}

SaveChoice ConsoleMessages::saveFile(const std::string&, const std::string&) {
    return {};
}

void ConsoleMessages::fatal(const std::string& text, const std::string& title) {
    print(line(title, text));
    throw ProgramEnded(text);
}

} // namespace tivra

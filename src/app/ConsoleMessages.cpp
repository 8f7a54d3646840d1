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

void ConsoleMessages::show(const std::string& text, const std::string& title, Icon) {
    err_ << line(title, text) << '\n' << std::flush;
}

bool ConsoleMessages::ask(const std::string& text, const std::string& title) {
    err_ << line(title, text) << (answerYes_ ? " Ja" : " Nej") << '\n' << std::flush;
    return answerYes_;
}

std::string ConsoleMessages::input(const std::string& prompt, const std::string& title, const std::string&) {
    err_ << line(title, prompt) << '\n' << std::flush;
    return {};
}

std::string ConsoleMessages::openFileName(const std::string&, const std::string&) {
    return {};
}

SaveChoice ConsoleMessages::saveFile(const std::string&, const std::string&) {
    return {};
}

void ConsoleMessages::fatal(const std::string& text, const std::string& title) {
    err_ << line(title, text) << '\n' << std::flush;
    throw ProgramEnded(text);
}

} // namespace tivra

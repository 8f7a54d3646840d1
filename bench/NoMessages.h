#pragma once
// Messages for the benchmarks: the files are generated valid, so any dialog is a fault of
// the benchmark and stops it with the dialog's text.
#include "core/Messages.h"

#include <stdexcept>
#include <string>

namespace tivra::bench {

class NoMessages : public Messages {
  public:
    void show(const std::string& text, const std::string&, Icon) override { throw std::runtime_error(text); }
    bool ask(const std::string& text, const std::string&) override { throw std::runtime_error(text); }
    bool askNo(const std::string& text, const std::string&) override { throw std::runtime_error(text); }
    std::string input(const std::string& prompt, const std::string&, const std::string&) override {
        throw std::runtime_error(prompt);
    }
    std::string openFileName(const std::string&, const std::string&) override { return {}; }
    SaveChoice saveFile(const std::string&, const std::string&) override { return {}; }
    [[noreturn]] void fatal(const std::string& text, const std::string&) override {
        throw std::runtime_error(text);
    }
};

} // namespace tivra::bench

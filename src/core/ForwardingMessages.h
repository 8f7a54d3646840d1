#pragma once
// Messages that pass every call on to other messages, so a wrapper overrides only what
// it changes.
#include "core/Messages.h"

#include <exception>
#include <string>

namespace tivra {

class ForwardingMessages : public Messages {
  public:
    explicit ForwardingMessages(Messages& target) : target_(target) {}

    void show(const std::string& text, const std::string& title, Icon icon) override {
        target_.show(text, title, icon);
    }
    bool ask(const std::string& text, const std::string& title) override { return target_.ask(text, title); }
    bool askNo(const std::string& text, const std::string& title) override {
        return target_.askNo(text, title);
    }
    std::string input(const std::string& prompt, const std::string& title,
                      const std::string& defaultText) override {
        return target_.input(prompt, title, defaultText);
    }
    std::string openFileName(const std::string& folder, const std::string& filter) override {
        return target_.openFileName(folder, filter);
    }
    SaveChoice saveFile(const std::string& folder, const std::string& filter) override {
        return target_.saveFile(folder, filter);
    }
    [[noreturn]] void fatal(const std::string& text, const std::string& title) override {
        target_.fatal(text, title);
        std::terminate(); // not reached: fatal never returns
    }

  protected:
    Messages& target() { return target_; }

  private:
    Messages& target_;
};

} // namespace tivra

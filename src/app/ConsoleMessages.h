#pragma once
// Messages for the command-line modes: every message is a line on standard error, the
// title, ": " and the text; nobody is there to answer, so questions get their default.
#include "core/Messages.h"

#include <ostream>
#include <string>

namespace tivra {

class ConsoleMessages : public Messages {
  public:
    explicit ConsoleMessages(std::ostream& err, bool answerYes = false) : err_(err), answerYes_(answerYes) {}

    void show(const std::string& text, const std::string& title, Icon icon) override;
    bool ask(const std::string& text, const std::string& title) override;
    bool askNo(const std::string& text, const std::string& title) override;
    std::string input(const std::string& prompt, const std::string& title,
                      const std::string& defaultText) override;
    std::string openFileName(const std::string& folder, const std::string& filter) override;
    SaveChoice saveFile(const std::string& folder, const std::string& filter) override;
    // Prints the message and throws ProgramEnded: the caller turns it into an exit status.
    [[noreturn]] void fatal(const std::string& text, const std::string& title) override;

    // How many lines were printed so far.
    int printed() const { return printed_; }

    // The line printed for a message, in UTF-8: a CR LF inside the text becomes " / ".
    static std::string line(const std::string& title, const std::string& text);

  private:
    void print(const std::string& line);

    std::ostream& err_;
    bool answerYes_;
    int printed_ = 0;
};

} // namespace tivra

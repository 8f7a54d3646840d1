#pragma once
// The user-facing dialogs the logic needs: message boxes, the input box and the file
// dialogs. Every text passed here and returned from here is Windows-1252 bytes.
#include <stdexcept>
#include <string>

namespace tivra {

enum class Icon { Critical, Exclamation, Question, Information };

// A name from the save dialog and which of its filters ("Kalender|*.ics|Kalkylblad|*.csv"
// offers two, 0 and 1) was chosen when it was given.
struct SaveChoice {
    std::string name; // empty when cancelled
    int filter = 0;
};

// Thrown by implementations of Messages::fatal that must not end the process
// (tests, command-line modes that report an exit status instead).
struct ProgramEnded : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class Messages {
  public:
    virtual ~Messages() = default;
    // A message box with an OK button.
    virtual void show(const std::string& text, const std::string& title, Icon icon) = 0;
    // A question with Yes and No; true for Yes.
    virtual bool ask(const std::string& text, const std::string& title) = 0;
    // The same with No as the default button, for a step that Enter must not take by a
    // slip (booking over a lesson).
    virtual bool askNo(const std::string& text, const std::string& title) = 0;
    // An input box; the empty text when cancelled.
    virtual std::string input(const std::string& prompt, const std::string& title,
                              const std::string& defaultText) = 0;
    // The open and save file dialogs for booking files; the empty text when cancelled.
    virtual std::string openFileName(const std::string& folder, const std::string& filter) = 0;
    virtual SaveChoice saveFile(const std::string& folder, const std::string& filter) = 0;
    // The name alone, for a caller that offers one file type.
    std::string saveFileName(const std::string& folder, const std::string& filter) {
        return saveFile(folder, filter).name;
    }
    // A critical message after which the program ends; never returns.
    [[noreturn]] virtual void fatal(const std::string& text, const std::string& title) = 0;
};

} // namespace tivra

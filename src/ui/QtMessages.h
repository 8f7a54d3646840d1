#pragma once
// Messages on Qt's dialogs: QMessageBox for the four kinds of message, QInputDialog for
// the input box and QFileDialog for the booking files. Buttons carry our own Swedish
// labels, since Qt's translation leaves the message box buttons in English.
#include "core/Messages.h"

class QWidget;

namespace tivra {

class QtMessages : public Messages {
  public:
    void show(const std::string& text, const std::string& title, Icon icon) override;
    bool ask(const std::string& text, const std::string& title) override;
    bool askNo(const std::string& text, const std::string& title) override;
    std::string input(const std::string& prompt, const std::string& title,
                      const std::string& defaultText) override;
    // `folder` is where the dialog starts ("." is the current folder, which the dialog
    // leaves unchanged); `filter` is "*.bok" or pairs of description and pattern
    // joined by "|" ("Bokningar|*.bok"). A chosen path that Windows-1252 cannot hold
    // counts as cancelled: no file of the program may carry such a name.
    std::string openFileName(const std::string& folder, const std::string& filter) override;
    SaveChoice saveFile(const std::string& folder, const std::string& filter) override;
    // Shows the critical box, then ends the process with exit status 1.
    [[noreturn]] void fatal(const std::string& text, const std::string& title) override;

  private:
    // The window the dialogs belong to: the active one, if any.
    static QWidget* owner();
    static bool question(const std::string& text, const std::string& title, bool defaultYes);
};

} // namespace tivra

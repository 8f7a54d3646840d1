#pragma once
// The help pop-up of the dialogs: one window shared by all of them, modal over the
// program while it shows. Each caller gives its own title and text every time, so it
// never shows another dialog's help.
#include <QDialog>

#include <string>

class QLabel;
class QPlainTextEdit;

namespace tivra {

class Form5 : public QDialog {
    Q_OBJECT

  public:
    explicit Form5(QWidget* parent = nullptr);

    // Puts the title and the text (Windows-1252, CR LF between paragraphs) in place;
    // the user reads it but cannot change it.
    void setHelp(const std::string& title, const std::string& text);
    // setHelp, then shows the pop-up and waits until the user closes it.
    void showHelp(const std::string& title, const std::string& text);

  private:
    QLabel* Label1 = nullptr;
    QPlainTextEdit* Text1 = nullptr;
    QLabel* Label2 = nullptr;
};

} // namespace tivra

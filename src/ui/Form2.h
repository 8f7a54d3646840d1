#pragma once
// The settings dialog "Tivra.ini": the running settings on three tabs, checked and taken
// over on "Spara i Tivra.ini", and the file rewritten. Not modal; built once, then shown
// and hidden. It fills its fields from the running settings every time it becomes the
// active window again, from the main window for instance, but not when one of its own
// message boxes or dialogs closes: what the user typed stays for them to correct.
#include "config/Program.h"
#include "config/SettingsEdit.h"
#include "core/Platform.h"

#include <QWidget>

#include <array>
#include <functional>
#include <string>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace tivra {

class Form2 : public QWidget {
    Q_OBJECT

  public:
    // `help` shows the shared help pop-up; all of it outlives the dialog.
    Form2(Program& program, Platform& platform,
          std::function<void(const std::string& title, const std::string& text)> help, QWidget* parent);

    // The fields as they stand, and filling them from the running settings.
    SettingsFields fields() const;
    void Form_Activate();

    // Text1(0)..Text1(6).
    QLineEdit* Text1(int i) const { return text1_.at(static_cast<std::size_t>(i)); }

  public slots:
    void Command1_Click(); // "Bläddra" for the timetable
    void Command6_Click(); // "Bläddra" for the booking file
    void Command2_Click(); // "Spara i Tivra.ini"
    void Command3_Click(); // "Avbryt"
    void Command4_Click(); // "Hjälp"

  protected:
    void changeEvent(QEvent* event) override;

  private:
    QWidget* buildGeneralTab();
    QWidget* buildPrintoutsTab();
    QWidget* buildObjectsTab();
    void browse(QLineEdit* field);

    Program& program_;
    Platform& platform_;
    std::function<void(const std::string&, const std::string&)> help_;
    bool backFromOwnDialog_ = false;

    QTabWidget* SSTab1 = nullptr;
    std::array<QLineEdit*, 7> text1_{};
    QPushButton* Command1 = nullptr;
    QPushButton* Command6 = nullptr;
    QCheckBox* Check1 = nullptr;
    QPlainTextEdit* Text2 = nullptr;
    QLineEdit* Text3 = nullptr;
    QLineEdit* Text4 = nullptr;
    QLineEdit* Text5 = nullptr;
    QLineEdit* Text6 = nullptr;
    QLineEdit* Text7 = nullptr;
    QLineEdit* Text9 = nullptr;
    QPlainTextEdit* Text8 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
};

} // namespace tivra

#pragma once
// The main window. It lives for the whole run: building it runs the start-up, and
// closing it ends the program. The code is split by concern: Form1.cpp builds the
// controls and menus, Form1Startup.cpp applies the start-up, Form1Menu.cpp holds the
// Arkiv commands.
#include "config/Program.h"
#include "config/Startup.h"
#include "core/Platform.h"

#include <QMainWindow>

class QAction;
class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QWidget;

namespace tivra {

class Form1 : public QMainWindow {
    Q_OBJECT

  public:
    // Builds the window and runs the start-up in the current folder. `program` and
    // `platform` must outlive the window.
    Form1(Program& program, Platform& platform, QWidget* parent = nullptr);
    ~Form1() override;

    // What the start-up reported, as the window applied it.
    const StartupView& startupView() const { return view_; }

    // The area right of the booking fields where the week grid is drawn. Its left edge
    // lies 3840 twips from the window's left edge and its top at the top of the client
    // area, so positions inside it are the window's designed positions less that left.
    QWidget* weekGrid() const { return weekGrid_; }

  public slots:
    void arkiv_open();
    void arkiv_saveas();
    void Arkiv_avsluta();
    void Command5_Click();

  protected:
    // The close box (Form_QueryUnload): ends the program at once, nothing is asked.
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildMenus();
    void buildControls();
    QWidget* buildBookingColumn();
    void setTabOrder();
    void Form_Load();
    void applyStartup(const StartupView& view);
    // Ends the program: closes the window and leaves the event loop.
    void endProgram();

    Program& program_;
    Platform& platform_;
    StartupView view_;

    // Menus.
    QMenu* Arkiv = nullptr;
    QAction* arkiv_open_ = nullptr;
    QAction* arkiv_saveas_ = nullptr;
    QAction* Arkiv_ini = nullptr;
    QAction* Arkiv_skrivut = nullptr;
    QAction* Arkiv_skrivare = nullptr;
    QAction* Arkiv_avsluta_ = nullptr;
    QMenu* help = nullptr;
    QAction* help_help = nullptr;
    QAction* help_om = nullptr;

    // Choice of view, object and week.
    QButtonGroup* optionGroup_ = nullptr;
    QRadioButton* Option1 = nullptr; // "Salar"
    QRadioButton* Option2 = nullptr; // "Annat", or "Objekt" with no room list
    QRadioButton* Option3 = nullptr; // "Visa personalscheman"
    QRadioButton* Option4 = nullptr; // "Visa alla bokningar"
    QComboBox* Combo1 = nullptr;     // object
    QLabel* Label1 = nullptr;        // "Vecka"
    QComboBox* Combo2 = nullptr;     // week
    QPushButton* Command1 = nullptr; // ">"
    QPushButton* Command2 = nullptr; // "<"

    // Booking fields.
    QComboBox* Combo3 = nullptr;     // day
    QLineEdit* Text1 = nullptr;      // start time
    QLineEdit* Text5 = nullptr;      // end time
    QLineEdit* Text2 = nullptr;      // length in minutes
    QLineEdit* Text3 = nullptr;      // comment
    QLineEdit* Text4 = nullptr;      // signature
    QPushButton* Command3 = nullptr; // "Boka"
    QPushButton* Command6 = nullptr; // "Töm"
    QPushButton* Command4 = nullptr; // "Skriv ut"
    QPushButton* Command5 = nullptr; // "Avsluta"

    QWidget* weekGrid_ = nullptr;
    QLabel* Label5 = nullptr; // details line under the grid
};

} // namespace tivra

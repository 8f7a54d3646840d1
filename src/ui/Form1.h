#pragma once
// The main window. It lives for the whole run: building it runs the start-up, and
// closing it ends the program. It composes four parts and connects them by signals: the
// choice bar (ui/ChoiceBar.h: view kind, object, week, day), the booking panel
// (ui/BookingPanel.h: times, comment, signature, "Boka"), the week grid (ui/WeekGrid.h:
// boxes, hour scale, marking, details line) and the watch on the booking file
// (ui/BookingFileWatch.h). The window itself holds what joins them: the menus, the
// pop-up menu of a booking box, the edit under way, the status line and the dialogs.
#include "booking/Boka.h"
#include "booking/ChangeSequence.h"
#include "config/Program.h"
#include "config/Startup.h"
#include "core/ChangeLog.h"
#include "core/Platform.h"
#include "ui/SchoolPlace.h"

#include <QMainWindow>
#include <QPoint>
#include <QPointer>

#include <functional>
#include <memory>
#include <optional>

class QAction;
class QLabel;
class QMenu;
class QPrinter;
class QPushButton;
class QWidget;

namespace tivra {

class BookingFileWatch;
class BookingPanel;
class ChoiceBar;
class Form2;
class Form3;
class Form4;
class Form5;
class FreeRoomsWindow;
class HistoryWindow;
class PrintOutput;
class WeekGrid;

class Form1 : public QMainWindow {
    Q_OBJECT

  public:
    // Builds the window and runs the start-up in the current folder. `program` and
    // `platform` must outlive the window.
    Form1(Program& program, Platform& platform, QWidget* parent = nullptr);
    // The same on a school whose place is known (ui/SchoolPlace.h).
    Form1(Program& program, Platform& platform, SchoolPlace place, QWidget* parent = nullptr);
    ~Form1() override;

    // Redraws the week for the current choice (view kind, object, week) from the table.
    void visasalsschema();
    // How many redraws have run since the window was built, so a test can tell which
    // events redraw.
    int redrawCount() const { return redrawCount_; }

    // The print dialog, built on first use and again after the user closed it.
    Form4* form4();
    // Where the print dialog's "OK" sends documents: the run's printer unless replaced.
    void setPrintOutput(std::unique_ptr<PrintOutput> output);
    // The help pop-up shared by the dialogs.
    Form5* form5();

  public slots:
    void arkiv_open();
    void arkiv_saveas();
    void Arkiv_bytskola_Click(); // "Byt skola...": another folder with a Tivra.ini
    void Arkiv_avsluta();
    void Command5_Click();

    void Command3_Click(); // "Boka"
    void Command7_Click(); // "Lediga salar"
    // A room (or object) chosen in "Lediga salar": its week shows, the fields stay.
    void chooseFreeRoom(ViewKind viewKind, const std::string& name);

    // A press of `button` on a lesson or booking box chooses its row; a right press on a
    // booking box opens the pop-up menu at `global`.
    void chooseRow(int row, Qt::MouseButton button, QPoint global);
    bool pressBesideMenu(const QMouseEvent* event);
    void Redigera_Click();
    void Flera_veckor_Click();
    void Avboka_Click();

    // Settings, printing and help (Form1Print.cpp).
    void Arkiv_ini_Click();
    void Arkiv_skrivut_Click();
    void Arkiv_skrivare_Click();
    void Arkiv_exportera_Click(); // "Exportera...": the shown grid to a calendar or spreadsheet
    void Arkiv_historik_Click();  // "Historik...": the change log, and "Återställ"
    void Command4_Click();        // "Skriv ut": the shown object's week schedule
    void help_help_Click();
    void help_om_Click();

  protected:
    // The close box (Form_QueryUnload): ends the program at once, nothing is asked.
    void closeEvent(QCloseEvent* event) override;
    // Pointer moves over the window's bare background.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildMenus();
    // "Byt skola..." and the recent schools, where the window can start over (Form1School.cpp).
    void buildSchoolMenu();
    // The status line's word that the school is a demo, when it is.
    void showDemo();
    // The title's part that names the school: the demo notice, or nothing.
    QString schoolTitle() const;
    void buildControls();
    QWidget* buildBookingColumn();
    void connectParts();
    void setTabOrder();
    void Form_Load();
    void applyStartup(const StartupView& view);
    // Ends the program: closes the window and leaves the event loop.
    void endProgram();
    // The run's printer, made on first use.
    QPrinter& printer();
    // What a dialog's "Hjälp" calls: the shared pop-up with the dialog's title and text.
    std::function<void(const std::string& title, const std::string& text)> helpPopup();

    // The booking fields as they stand.
    BookingFields bookingFields() const;
    void connectAvbok();
    // The title, the status line, the keys and the watch on the booking file
    // (Form1Status.cpp).
    void buildStatus();
    void connectKeys();
    // The open booking file in the title and the status line; watched from now on.
    void showOpenFile();
    // The status line's report of the last action.
    void tell(const std::string& what);
    void tellDone(const char* what, const Bokning& row);
    // The booking file as this copy last read or wrote it: no reason to reload.
    void rememberBookingFile();
    // Reloads and redraws when another copy wrote the booking file, unless this copy is
    // changing it or a dialog or menu is open (the watch offers it again).
    void lookAtBookingFile();
    // Ends an edit without any change: the fields no longer stand for the booking.
    void endEdit();
    // Outlines the box of the booking being edited, and no other.
    void markEdited();
    // Runs a change of the booking rows and redraws when the table may show otherwise.
    ChangeResult runBookingChange(const std::function<ChangeResult(ChangeEnvironment&)>& change);
    // Asks for a day backup; the reading of its differences from the file now, or nothing.
    std::function<LogContent()> backupComparison();

    Program& program_;
    Platform& platform_;
    SchoolPlace place_;
    StartupView view_;

    // Menus.
    QMenu* Arkiv = nullptr;
    QAction* arkiv_open_ = nullptr;
    QAction* arkiv_saveas_ = nullptr;
    QAction* Arkiv_ini = nullptr;
    QAction* Arkiv_skrivut = nullptr;
    QAction* Arkiv_skrivare = nullptr;
    QAction* Arkiv_exportera = nullptr;
    QAction* Arkiv_historik = nullptr;
    QAction* Arkiv_avsluta_ = nullptr;
    QMenu* help = nullptr;
    QAction* help_help = nullptr;
    QAction* help_om = nullptr;

    ChoiceBar* choice_ = nullptr;
    BookingPanel* fields_ = nullptr;
    QPushButton* Command4 = nullptr; // "Skriv ut"
    QPushButton* Command5 = nullptr; // "Avsluta"

    QWidget* client_ = nullptr;
    QWidget* bookingColumn_ = nullptr;
    WeekGrid* grid_ = nullptr;
    int redrawCount_ = 0;

    // The pop-up menu of the booking boxes.
    QMenu* Avbok = nullptr;
    int valdrad_ = 0; // the row behind the box last pressed
    // The booking "Redigera" filled the fields from: the next "Boka" replaces it. Its box
    // is outlined until the edit ends.
    std::optional<Bokning> edited_;

    // The status line and the watch on the booking file.
    QLabel* statusText_ = nullptr;
    QLabel* statusFile_ = nullptr;
    BookingFileWatch* watch_ = nullptr;
    bool changing_ = false;  // a change of this copy runs: no reload from under it
    std::string logFailure_; // why the last change is missing from the change log

    // Printing and help.
    std::unique_ptr<QPrinter> printer_; // the printer of this run, as Arkiv "Skrivare" set it
    std::unique_ptr<PrintOutput> printOutput_;
    QPointer<Form2> form2_;
    QPointer<Form4> form4_;
    QPointer<Form3> form3_;
    QPointer<Form5> form5_;
    QPointer<FreeRoomsWindow> freeRooms_;
    QPointer<HistoryWindow> history_;
};

} // namespace tivra

#pragma once
// The print dialog "Skriv ut": which rooms and other objects, which weeks, lists and/or
// week schedules. Not modal; "OK" and "Avbryt" hide it and its boxes keep what they hold
// for the next opening, while the title-bar close discards it (the next opening builds
// it anew). It draws nothing itself: "OK", "Förhandsgranska" and "Spara som PDF..." run
// the print plan and its render.
#include "config/Program.h"
#include "core/Platform.h"
#include "gui/PrintOutput.h"
#include "print/PrintPlan.h"

#include <QWidget>

#include <functional>
#include <optional>
#include <string>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;

namespace tivra {

// What the dialog works with; all of it outlives the dialog.
struct Form4Context {
    const Program& program;
    Platform& platform;
    PrintOutput& output; // where "OK" sends the document
    QPrinter& printer;   // the run's printer, for the preview and the PDF's page size
    std::function<void(const std::string& title, const std::string& text)> help; // the help pop-up
    std::function<void(const std::string& what)> tell;                           // the status line
};

class Form4 : public QWidget {
    Q_OBJECT

  public:
    // Loads the week shown in the main window into the weeks box. Without a timetable,
    // the rooms row is disabled and the other objects are headed "Objekt".
    Form4(const Form4Context& context, bool roomsEnabled, QWidget* parent);

    // The preset of the main window's "Skriv ut": one week schedule of the object shown,
    // for the week shown, printed even without bookings.
    void presetShown(bool room, const std::string& objekt, const std::string& week);

    // The values of the controls, as "OK" reads them.
    PrintChoice choice() const;

  public slots:
    void Command1_Click(); // "OK"
    void Command2_Click(); // "Avbryt"
    void Command4_Click(); // "Hjälp"
    void Command5_Click(); // "Förhandsgranska"
    void Command6_Click(); // "Spara som PDF..."

  private:
    void buildControls();
    // The plan of the controls; nothing after a message. `quietWhenEmpty`: an empty plan
    // is returned as it is, otherwise it is refused with "Inget att skriva ut.".
    std::optional<PrintPlan> plan(bool quietWhenEmpty);
    // Prints through the output with progress; false after the message of a failure.
    // `failure` gives the message, once the output has said why it refused; `done` leads
    // the status line's note of where the pages went.
    bool send(const PrintPlan& plan, PrintOutput& output, const std::function<std::string()>& failure,
              const std::string& done);

    Form4Context context_;
    QLabel* Label1 = nullptr;
    QCheckBox* Check1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLabel* Label2 = nullptr;
    QCheckBox* Check2 = nullptr;
    QLineEdit* Text3 = nullptr;
    QCheckBox* Check4 = nullptr;
    QCheckBox* Check5 = nullptr;
    QCheckBox* Check6 = nullptr; // "Skriv ut veckoöversikt"
    QCheckBox* Check7 = nullptr; // "Även lektioner" on the week sheet
    QCheckBox* Check3 = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* Text1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* Command6 = nullptr;
};

} // namespace tivra

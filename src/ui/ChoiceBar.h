#pragma once
// The controls that choose what the grid shows and which day the booking fields mean:
// the view kind (Option1..Option4), the object (Combo1), the week (Combo2 with "<" and
// ">") and the day (Combo3). Each control's change lets the choice rules (view/Choice.h)
// update the program's choice; the bar says when the grid must show it anew.
//
// Setting a combo box's text from the program fires its change signal as typing does. So
// that one user action redraws once, the bar writes its fields with the signals blocked
// and runs what that change would have done itself:
// - an option button fills the object field and asks for one redraw; the entry it shows
//   is the one the option just chose;
// - an arrow writes the week it stepped to and corrects it as the week field's change
//   would (this brings a week that lay outside the period at start into it), then asks
//   for one redraw;
// - a day set by the program (a day header, a marking) is written and stored as the day
//   field's change does.
// A pick from a combo box's list changes its text and so runs the change handler; a pick
// of the entry already shown changes nothing.
#include "config/Program.h"

#include <QWidget>

#include <string>
#include <vector>

class QButtonGroup;
class QComboBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QRadioButton;

namespace tivra {

struct StartupView;

class ChoiceBar : public QWidget {
    Q_OBJECT

  public:
    // `program` must outlive the bar.
    ChoiceBar(Program& program, QWidget* parent = nullptr);

    // Fills the lists as start-up left the choice, without choosing again.
    void applyStartup(const StartupView& view);

    ViewKind chosenView() const;
    std::string objectText() const;
    std::string dayText() const;

    // Chooses a room (Salar) or another object (Annat) as a user would: each control's
    // own handler runs.
    void chooseObject(ViewKind viewKind, const std::string& object);
    // Writes a day's name and stores the day, even when the field showed it already.
    void setDay(const std::string& name);

    // The captions' column lines up with that of the booking fields under the bar.
    int captionWidth() const;
    void setCaptionWidth(int width);

  public slots:
    void nextWeek();     // ">"
    void previousWeek(); // "<"

  signals:
    // A choice of view kind, object or week begins: an edit of a booking ends.
    void choosing();
    // The grid must show the choice anew.
    void chosen();

  private:
    void build();
    void connectControls();
    void chooseList(ViewKind viewKind);
    void objectChanged();
    void weekChanged();
    void dayChanged();
    void writeWeekField(int w);
    void storeWeekFromField();

    Program& program_;
    std::vector<std::string> dayList_;
    QGridLayout* grid_ = nullptr;

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
    QLabel* dayCaption_ = nullptr;
    QComboBox* Combo3 = nullptr; // day
};

} // namespace tivra

#pragma once
// The main window's controls, each made with the name the program's design gives it, by
// which its own texts and the tests find it.
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace tivra {

QLabel* caption(const char* name, const char* text, QWidget* parent);
// A text field that takes only what the booking file can hold.
QLineEdit* textBox(const char* name, QWidget* parent);
// An editable list box whose typed text is never added to its list. Every keystroke is
// a choice (a week, a room, a day), so nothing may complete the text behind the user's
// back: "5" must stay week 5, not become the 52 of the list.
QComboBox* comboBox(const char* name, QWidget* parent);
// `toolTip` may be null.
QPushButton* button(const char* name, const char* text, const char* toolTip, QWidget* parent);
QRadioButton* option(const char* name, const char* text, QWidget* parent);

} // namespace tivra

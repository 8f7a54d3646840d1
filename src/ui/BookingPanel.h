#pragma once
// The booking fields: start (Text1), end (Text5) and length in minutes (Text2), which
// follow each other as the user types, the comment (Text3) and signature (Text4), and the
// buttons "Boka" (Command3), "Lediga salar" (Command7) and "Töm" (Command6). The panel
// keeps the fields consistent; what a booking does is the window's.
//
// The fields answer QLineEdit::textChanged, which a program's setText raises as typing
// does, but only when the text really changes. That is what ends the exchange between
// the length and the end field: a length rewritten from the end (47 becomes 45) gives
// the same end again, which changes nothing and so notifies nobody.
#include <QWidget>

#include <string>

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tivra {

struct BookingFields;
struct EditFields;

class BookingPanel : public QWidget {
    Q_OBJECT

  public:
    explicit BookingPanel(QWidget* parent = nullptr);

    // Writes the start, length, comment and signature as they stand into `fields`.
    void readInto(BookingFields& fields) const;
    // During an edit a new start keeps the booking's length, and the end follows.
    void setEditing(bool editing);
    // A marking on the day boxes writes its start, then its span; the fields do not
    // follow each other while it writes.
    void showMarkStart(int slot);
    void showMarkedSpan(int startslot, int endslot);
    // The fields of a booking to edit, set as a user would set them.
    void fill(const EditFields& fields);

    // The captions' column lines up with that of the choice controls above the panel.
    int captionWidth() const;
    void setCaptionWidth(int width);

  signals:
    // "Boka", or Enter in a field.
    void bookRequested();
    void freeRoomsRequested();
    // "Töm" emptied the fields (the signature and the day stay).
    void emptied();
    // The typed times give slots startslot (inclusive) to endslot (exclusive) to mark.
    void spanTyped(int startslot, int endslot);
    // The typed times give no span.
    void spanCleared();

  private:
    void build();
    void connectControls();
    void startChanged();
    void lengthChanged();
    void endChanged();
    void empty();

    QGridLayout* grid_ = nullptr;
    QLabel* captions_[3] = {};
    bool editing_ = false;
    bool marking_ = false;

    QLineEdit* Text1 = nullptr;      // start time
    QLineEdit* Text5 = nullptr;      // end time
    QLineEdit* Text2 = nullptr;      // length in minutes
    QLineEdit* Text3 = nullptr;      // comment
    QLineEdit* Text4 = nullptr;      // signature
    QPushButton* Command3 = nullptr; // "Boka"
    QPushButton* Command7 = nullptr; // "Lediga salar"
    QPushButton* Command6 = nullptr; // "Töm"
};

} // namespace tivra

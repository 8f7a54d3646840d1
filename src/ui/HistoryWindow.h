#pragma once
// Arkiv "Historik...": the change log of the open booking file, newest first, for the
// object on screen or (checked) for all objects, narrowed by a text; "Återställ" books a
// removed booking or an edit's original again through the ordinary "Boka".
#include "booking/History.h"

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace tivra {

class HistoryWindow : public QDialog {
    Q_OBJECT

  public:
    struct Source {
        // The log's entries, oldest first, read anew; the error text when it cannot be read.
        std::function<LogContent()> read;
        // Books the booking again; true when it was saved.
        std::function<bool(const Bokning& booking)> restore;
        // "Jämför med säkerhetskopia": asks for a day backup and returns a way to read the
        // differences between it and the file now (as "Borttagen" and "Tillagd" entries);
        // nothing when the user cancelled or the backup could not be read (said already).
        std::function<std::function<LogContent()>()> compare;
    };
    // `objekt`: the object on screen (Windows-1252), empty when none.
    HistoryWindow(const std::string& objekt, const Settings& settings, Source source, QWidget* parent);

    // Reads the log (or the comparison shown) again and shows it.
    void reload();

  private:
    void fill();
    void restoreChosen();
    void compareWithBackup();
    void chosenChanged();
    // The entry of the chosen line; nullptr when none is chosen.
    const LogEntry* chosen() const;

    std::string object_;
    const Settings& settings_;
    Source source_;
    std::function<LogContent()> reading_; // the log, or a comparison with a backup
    std::vector<LogEntry> entries_;       // oldest first
    std::vector<const LogEntry*> shown_;  // the table's lines, newest first
    QCheckBox* allObjects_ = nullptr;
    QLineEdit* filterText_ = nullptr;
    QTableView* table_ = nullptr;
    class Lines;
    Lines* lines_ = nullptr;
    QPushButton* restore_ = nullptr;
    QLabel* note_ = nullptr;
};

// An entry whose "before" can be booked again: a removed booking, an edit's original.
bool restorable(const LogEntry& entry);

} // namespace tivra

#include "ui/HistoryWindow.h"

#include "gui/Convert.h"

#include <QAbstractTableModel>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace tivra {

// The shown entries as table lines; a line's texts are made only when the view draws it,
// so a long log opens as fast as it is read.
class HistoryWindow::Lines : public QAbstractTableModel {
  public:
    explicit Lines(QObject* parent) : QAbstractTableModel(parent) {}

    void show(const std::vector<const LogEntry*>* shown) {
        beginResetModel();
        shown_ = shown;
        endResetModel();
    }
    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() || shown_ == nullptr ? 0 : static_cast<int>(shown_->size());
    }
    int columnCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : static_cast<int>(historyHeader().size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || shown_ == nullptr || index.row() >= rowCount({})) {
            return {};
        }
        const std::vector<std::string> columns =
            historyColumns(*(*shown_)[static_cast<std::size_t>(index.row())]);
        return toQString(columns[static_cast<std::size_t>(index.column())]);
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (role != Qt::DisplayRole || orientation != Qt::Horizontal) {
            return {};
        }
        return toQString(historyHeader()[static_cast<std::size_t>(section)]);
    }

  private:
    const std::vector<const LogEntry*>* shown_ = nullptr;
};

bool restorable(const LogEntry& entry) {
    if (entry.before.objekt.empty()) {
        return false;
    }
    return entry.event == kEventCancelled || entry.event == kEventEdited || entry.event == kEventGone;
}

HistoryWindow::HistoryWindow(const std::string& objekt, const Settings& settings, Source source,
                             QWidget* parent)
    : QDialog(parent), object_(objekt), settings_(settings), source_(std::move(source)) {
    setObjectName(QStringLiteral("historyWindow"));
    setWindowTitle(toQString(objekt.empty() ? std::string("Historik") : "Historik \x96 " + objekt));
    auto* layout = new QVBoxLayout(this);
    auto* choice = new QHBoxLayout();
    allObjects_ = new QCheckBox(toQString("Alla objekt"), this);
    allObjects_->setObjectName(QStringLiteral("allObjects"));
    allObjects_->setChecked(objekt.empty());
    filterText_ = new QLineEdit(this);
    filterText_->setObjectName(QStringLiteral("historyFilter"));
    filterText_->setPlaceholderText(toQString("S\xF6k signatur, kommentar eller anv\xE4ndare"));
    choice->addWidget(allObjects_);
    choice->addWidget(filterText_, 1);
    layout->addLayout(choice);

    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("historyTable"));
    lines_ = new Lines(this);
    table_->setModel(lines_);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(table_, 1);

    auto* buttons = new QHBoxLayout();
    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("historyNote"));
    restore_ = new QPushButton(toQString("\xC5terst\xE4ll"), this);
    restore_->setObjectName(QStringLiteral("restoreButton"));
    auto* close = new QPushButton(toQString("St\xE4ng"), this);
    auto* compare = new QPushButton(toQString("J\xE4mf\xF6r med s\xE4kerhetskopia..."), this);
    compare->setObjectName(QStringLiteral("compareButton"));
    buttons->addWidget(note_, 1);
    buttons->addWidget(compare);
    buttons->addWidget(restore_);
    buttons->addWidget(close);
    layout->addLayout(buttons);

    connect(allObjects_, &QCheckBox::toggled, this, &HistoryWindow::fill);
    connect(filterText_, &QLineEdit::textChanged, this, &HistoryWindow::fill);
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &HistoryWindow::chosenChanged);
    connect(restore_, &QPushButton::clicked, this, &HistoryWindow::restoreChosen);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(compare, &QPushButton::clicked, this, &HistoryWindow::compareWithBackup);
    resize(1000, 500);
    reading_ = source_.read;
    reload();
}

void HistoryWindow::reload() {
    lines_->show(nullptr); // the lines point into the entries about to go
    LogContent content = reading_();
    entries_ = std::move(content.entries);
    note_->setText(toQString(content.error));
    fill();
}

void HistoryWindow::fill() {
    lines_->show(nullptr);
    HistoryFilter filter;
    filter.objekt = allObjects_->isChecked() ? std::string() : object_;
    filter.text = textBytes(filterText_->text());
    shown_.clear();
    for (std::size_t i = entries_.size(); i-- > 0;) {
        if (keeps(filter, entries_[i], settings_)) {
            shown_.push_back(&entries_[i]);
        }
    }
    lines_->show(&shown_);
    // Measuring every line of a long log would cost more than reading it.
    if (shown_.size() <= 500) {
        table_->resizeColumnsToContents();
    }
    chosenChanged();
}

const LogEntry* HistoryWindow::chosen() const {
    const QModelIndexList rows = table_->selectionModel()->selectedRows();
    const int row = rows.isEmpty() ? -1 : rows.front().row();
    if (row < 0 || row >= static_cast<int>(shown_.size())) {
        return nullptr;
    }
    return shown_[static_cast<std::size_t>(row)];
}

void HistoryWindow::chosenChanged() {
    const LogEntry* entry = chosen();
    restore_->setEnabled(entry != nullptr && restorable(*entry));
}

void HistoryWindow::restoreChosen() {
    const LogEntry* entry = chosen();
    if (entry == nullptr || !restorable(*entry)) {
        return;
    }
    const Bokning booking = entry->before;
    if (source_.restore(booking)) {
        reload();
    }
}

void HistoryWindow::compareWithBackup() {
    if (std::function<LogContent()> comparison = source_.compare()) {
        reading_ = std::move(comparison);
        allObjects_->setChecked(true); // a lost booking may be of any object
        reload();
    }
}

} // namespace tivra

#include "ui/FreeRoomsWindow.h"

#include "gui/Convert.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace tivra {
namespace {

// A list shows at least this many rows, and all of its rows when they are more.
constexpr int kShownRows = 12;
// Wide enough for a room's name in each list.
constexpr int kWidth = 340;

int rowHeight(const QListWidget* list) {
    return list->count() > 0 ? list->sizeHintForRow(0) : list->fontMetrics().height() + 2;
}

QListWidget* nameList(const char* objectName, const std::vector<std::string>& names, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QLatin1String(objectName));
    for (const std::string& name : names) {
        list->addItem(toQString(name));
    }
    list->setMinimumHeight(kShownRows * rowHeight(list) + 2 * list->frameWidth());
    return list;
}

// A list under its heading; the heading wraps in a narrow window.
QVBoxLayout* headed(const char* captionName, const QString& caption, QListWidget* list, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(captionName));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    auto* column = new QVBoxLayout;
    column->addWidget(label);
    column->addWidget(list, 1);
    return column;
}

} // namespace

FreeRoomsWindow::FreeRoomsWindow(const std::string& title, const FreeRooms& rooms,
                                 const std::function<void(const std::string& name)>& choose, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("FreeRoomsWindow"));
    setWindowTitle(toQString(title));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    freeList_ = nameList("freeList", rooms.free, this);
    lessonList_ = nameList("lessonList", rooms.lessonsOnly, this);
    // Side by side: the window fits the booking column when it has no room beside the grid.
    auto* layout = new QHBoxLayout(this);
    QVBoxLayout* free = headed("freeCaption", QStringLiteral("Lediga"), freeList_, this);
    auto* none = new QLabel(QStringLiteral("Ingen ledig."), this);
    none->setObjectName(QStringLiteral("noneFree"));
    none->setVisible(rooms.free.empty());
    free->insertWidget(1, none);
    layout->addLayout(free);
    if (!rooms.lessonsOnly.empty()) {
        layout->addLayout(
            headed("lessonCaption", QStringLiteral("Lediga om lektionen flyttas"), lessonList_, this));
    } else {
        lessonList_->hide();
    }
    // itemActivated is a double-click, or Enter on the current entry.
    for (QListWidget* list : {freeList_, lessonList_}) {
        connect(list, &QListWidget::itemActivated, this,
                [choose](QListWidgetItem* item) { choose(textBytes(item->text())); });
    }
    if (freeList_->count() > 0) {
        freeList_->setCurrentRow(0);
    }
    // Tall enough for every row of the longer list, as far as the screen lets it.
    const int rows =
        std::max({kShownRows, freeList_->count(), lessonList_->isHidden() ? 0 : lessonList_->count()});
    resize(std::min(sizeHint().width(), kWidth),
           sizeHint().height() + (rows - kShownRows) * rowHeight(freeList_));
}

QRect besideGrid(const QRect& screen, const QRect& mainWindow, const QRect& spare, const QSize& wanted) {
    const int height = std::min(wanted.height(), screen.height());
    const int top = std::clamp(mainWindow.top(), screen.top(), screen.bottom() + 1 - height);
    if (screen.right() - mainWindow.right() >= wanted.width()) {
        return {QPoint(mainWindow.right() + 1, top), QSize(wanted.width(), height)};
    }
    if (mainWindow.left() - screen.left() >= wanted.width()) {
        return {QPoint(mainWindow.left() - wanted.width(), top), QSize(wanted.width(), height)};
    }
    const int spareTop = std::clamp(spare.top(), screen.top(), screen.bottom() + 1 - height);
    return {QPoint(spare.left(), spareTop), QSize(std::min(wanted.width(), spare.width()), height)};
}

} // namespace tivra

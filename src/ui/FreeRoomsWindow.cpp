#include "ui/FreeRoomsWindow.h"

#include "ui/Convert.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace tivra {
namespace {

QListWidget* nameList(const char* objectName, const std::vector<std::string>& names, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QLatin1String(objectName));
    for (const std::string& name : names) {
        list->addItem(toQString(name));
    }
    return list;
}

} // namespace

FreeRoomsWindow::FreeRoomsWindow(const std::string& title, const FreeRooms& rooms,
                                 const std::function<void(const std::string& name)>& choose, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("FreeRoomsWindow"));
    setWindowTitle(toQString(title));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    freeList_ = nameList("freeList", rooms.free, this);
    lessonList_ = nameList("lessonList", rooms.lessonsOnly, this);
    auto* none = new QLabel(QStringLiteral("Ingen ledig."), this);
    none->setObjectName(QStringLiteral("noneFree"));
    none->setVisible(rooms.free.empty());
    layout->addWidget(none);
    layout->addWidget(freeList_, 2);
    auto* lessonCaption = new QLabel(QStringLiteral("Lediga om lektionen flyttas"), this);
    layout->addWidget(lessonCaption);
    layout->addWidget(lessonList_, 1);
    lessonCaption->setVisible(!rooms.lessonsOnly.empty());
    lessonList_->setVisible(!rooms.lessonsOnly.empty());
    // itemActivated is a double-click, or Enter on the current entry.
    for (QListWidget* list : {freeList_, lessonList_}) {
        connect(list, &QListWidget::itemActivated, this,
                [choose](QListWidgetItem* item) { choose(textBytes(item->text())); });
    }
    if (freeList_->count() > 0) {
        freeList_->setCurrentRow(0);
    }
    resize(320, 360);
}

} // namespace tivra

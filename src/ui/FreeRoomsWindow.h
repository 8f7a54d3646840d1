#pragma once
// "Lediga salar": the rooms free at the time in the booking fields, in a small window that
// stays open beside the main window's grid. Choosing a room (double-click or Enter) tells
// the main window, which shows that room's week with the fields kept, ready for "Boka".
#include "booking/FreeRooms.h"

#include <QDialog>
#include <QRect>

#include <functional>
#include <string>

class QListWidget;

namespace tivra {

class FreeRoomsWindow : public QDialog {
    Q_OBJECT

  public:
    // `title` and the names in Windows-1252; `choose` is told the name chosen.
    FreeRoomsWindow(const std::string& title, const FreeRooms& rooms,
                    const std::function<void(const std::string& name)>& choose, QWidget* parent);

  private:
    QListWidget* freeList_ = nullptr;
    QListWidget* lessonList_ = nullptr;
};

// Where a window of `wanted` size goes so that it hides none of the grid: beside the main
// window (right, else left) when the screen has room there, else over `spare`, the empty
// part of the booking column, as wide as that allows. All rectangles are on the screen.
QRect besideGrid(const QRect& screen, const QRect& mainWindow, const QRect& spare, const QSize& wanted);

} // namespace tivra

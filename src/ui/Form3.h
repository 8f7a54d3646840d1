#pragma once
// The help window: three tabs of text for the user and the administrator. Not modal;
// one window, brought forward when asked for again.
#include <QWidget>

class QLabel;
class QTabWidget;

namespace tivra {

class Form3 : public QWidget {
    Q_OBJECT

  public:
    explicit Form3(QWidget* parent = nullptr);

  private:
    QTabWidget* SSTab1 = nullptr;
    QLabel* Label1 = nullptr; // Översikt
    QLabel* Label4 = nullptr;
    QLabel* Label2 = nullptr; // Till administratören
    QLabel* Label3 = nullptr;
    QLabel* Label5 = nullptr; // Boka
    QLabel* Label6 = nullptr;
};

} // namespace tivra

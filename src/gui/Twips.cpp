#include "gui/Twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace tivra {

double logicalDpi() {
    const QScreen* screen = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr
                                ? QGuiApplication::primaryScreen()
                                : nullptr;
    double dpi = screen != nullptr ? screen->logicalDotsPerInchX() : 0.0;
    return dpi > 0 ? dpi : 96.0;
}

double pixelsOf(double twips) {
    return twips * logicalDpi() / kTwipsPerInch;
}

int px(double twips) {
    return static_cast<int>(std::lround(pixelsOf(twips)));
}

double twipsOf(double pixels) {
    return pixels * kTwipsPerInch / logicalDpi();
}

QRect pxRect(double left, double top, double width, double height) {
    double dpi = logicalDpi();
    auto edge = [dpi](double twips) { return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch)); };
    int x1 = edge(left);
    int y1 = edge(top);
    return QRect(x1, y1, edge(left + width) - x1, edge(top + height) - y1);
}

} // namespace tivra

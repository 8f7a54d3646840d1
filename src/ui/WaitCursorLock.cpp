#include "ui/WaitCursorLock.h"

#include <QCursor>
#include <QGuiApplication>

namespace tivra {

LockResult WaitCursorLock::tryLock(const std::string& lockFile, std::chrono::milliseconds timeout) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    LockResult result = lock_.tryLock(lockFile, timeout);
    QGuiApplication::restoreOverrideCursor();
    return result;
}

} // namespace tivra

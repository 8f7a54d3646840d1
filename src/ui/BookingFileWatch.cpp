#include "ui/BookingFileWatch.h"

#include "gui/Convert.h"

#include <QDateTime>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTimer>

namespace tivra {
namespace {

constexpr int kLookEveryMs = 2000;
// A notice comes as the writing starts; the look waits for it to end.
constexpr int kNoticeDelayMs = 200;

FileStamp stampOf(const std::string& path) {
    QFileInfo info(toQString(path));
    if (path.empty() || !info.exists()) {
        return {};
    }
    return {info.size(), info.lastModified().toMSecsSinceEpoch(), true};
}

} // namespace

BookingFileWatch::BookingFileWatch(QObject* parent) : QObject(parent) {
    notices_ = new QFileSystemWatcher(this);
    connect(notices_, &QFileSystemWatcher::fileChanged, this,
            [this] { QTimer::singleShot(kNoticeDelayMs, this, &BookingFileWatch::look); });
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &BookingFileWatch::look);
    timer->start(kLookEveryMs);
}

void BookingFileWatch::watch(const std::string& path) {
    path_ = path;
    stamp_ = stampOf(path);
    const QStringList watched = notices_->files();
    if (!watched.isEmpty()) {
        notices_->removePaths(watched);
    }
    if (stamp_.exists) {
        notices_->addPath(toQString(path));
    }
}

bool BookingFileWatch::changed() const {
    FileStamp now = stampOf(path_);
    return now.exists && now != stamp_;
}

void BookingFileWatch::look() {
    if (changed()) {
        emit changedElsewhere();
    }
}

} // namespace tivra

#include "ui/QtBookingLock.h"

#include "core/Disk.h"
#include "ui/Convert.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QThread>

#include <chrono>
#include <filesystem>
#include <system_error>

namespace tivra {
namespace {

constexpr int kStaleAfterMs = 30000;

QString loginName() {
    QString name = qEnvironmentVariable("USER");
    return name.isEmpty() ? qEnvironmentVariable("USERNAME") : name;
}

// QLockFile records the process, its program and the host, but no user. The holder
// writes its user beside the lock, under its process id, so that a note left by an
// earlier holder is never taken for the present one's.
QString userNoteName(const QString& lockFile) {
    return lockFile + QStringLiteral(".user");
}

void writeUserNote(const QString& lockFile, const QString& user) {
    QFile note(userNoteName(lockFile));
    if (note.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        note.write(QByteArray::number(QCoreApplication::applicationPid()) + '\n' + user.toUtf8() + '\n');
    }
}

QString userInNote(const QString& lockFile, qint64 pid) {
    QFile note(userNoteName(lockFile));
    if (!note.open(QIODevice::ReadOnly)) {
        return {};
    }
    QList<QByteArray> lines = note.readAll().split('\n');
    if (lines.size() < 2 || lines[0].toLongLong() != pid) {
        return {};
    }
    return QString::fromUtf8(lines[1]);
}

// A name from another machine may hold letters the code page lacks.
std::string bytesOf(const QString& text) {
    std::string bytes;
    for (QChar c : text) {
        bytes += fromQString(QString(c)).value_or("?");
    }
    return bytes;
}

// A copy killed between creating the lock file and writing into it leaves an empty file
// that QLockFile would take for a live lock until it is 30 seconds old. A live copy
// fills the file at once, so an empty one older than this was abandoned.
constexpr qint64 kAbandonedEmptyMs = 1000;

bool removeAbandonedEmptyLock(const QString& lockFile) {
    QFileInfo info(lockFile);
    if (!info.exists() || info.size() != 0) {
        return false;
    }
    qint64 age = info.lastModified().msecsTo(QDateTime::currentDateTime());
    return age > kAbandonedEmptyMs && QFile::remove(lockFile);
}

// A lock written by a host whose clock runs ahead carries a time in the future, which the
// age test would take as old and break at once. Such a lock counts as written now, so it
// is broken only when it has stayed its full time.
void holdFutureStampToNow(const QString& lockFile) {
    std::error_code ec;
    const std::filesystem::path path(lockFile.toStdU16String());
    const auto now = std::filesystem::file_time_type::clock::now();
    auto written = std::filesystem::last_write_time(path, ec);
    if (!ec && written > now + std::chrono::seconds(1)) {
        std::filesystem::last_write_time(path, now, ec);
    }
}

const char* const kSomeoneElse = "en annan anv\xE4ndare";

} // namespace

QtBookingLock::QtBookingLock(QString user) : user_(user.isEmpty() ? loginName() : std::move(user)) {}

QtBookingLock::~QtBookingLock() = default;

LockHolder QtBookingLock::recordedHolder(const QString& lockFile) {
    QLockFile file(lockFile);
    qint64 pid = 0;
    QString host;
    QString application;
    if (!file.getLockInfo(&pid, &host, &application)) {
        return {kSomeoneElse, "en annan dator"};
    }
    QString user = userInNote(lockFile, pid);
    return {user.isEmpty() ? std::string(kSomeoneElse) : bytesOf(user), bytesOf(host)};
}

LockResult QtBookingLock::tryLock(const std::string& lockFile, std::chrono::milliseconds timeout) {
    unlock();
    path_ = QString::fromStdString(nativePath(lockFile));
    // One look at the name: the lock files of other copies come and go meanwhile.
    std::error_code ec;
    auto status = std::filesystem::status(std::filesystem::path(path_.toStdU16String()), ec);
    if (!ec && std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
        return LockResult::NotAFile;
    }
    file_ = std::make_unique<QLockFile>(path_);
    file_->setStaleLockTime(kStaleAfterMs);
    QDeadlineTimer deadline(timeout);
    // QLockFile's own wait doubles its pauses up to seconds; with several copies queueing
    // for a lock held a few milliseconds, short pauses with a random part serve them all.
    for (;;) {
        holdFutureStampToNow(path_);
        if (file_->tryLock(0)) {
            writeUserNote(path_, user_);
            return LockResult::Taken;
        }
        if (file_->error() != QLockFile::LockFailedError) {
            return LockResult::Failed;
        }
        if (removeAbandonedEmptyLock(path_)) {
            continue;
        }
        if (deadline.hasExpired()) {
            holder_ = recordedHolder(path_);
            return LockResult::HeldByOther;
        }
        QThread::msleep(QRandomGenerator::global()->bounded(5, 25));
    }
}

void QtBookingLock::unlock() {
    if (file_) {
        if (file_->isLocked()) {
            QFile::remove(userNoteName(path_));
        }
        file_->unlock();
        file_.reset();
    }
}

} // namespace tivra

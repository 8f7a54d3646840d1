#pragma once
// The watch on the open booking file for writes by other copies of the program: a file
// watcher where the system gives notice, and a look at the file's size and time every few
// seconds besides, since notices from network folders are not to be relied on.
#include <QObject>

#include <string>

class QFileSystemWatcher;

namespace tivra {

// What a look at the booking file compares: a write by another copy changes it.
struct FileStamp {
    qint64 size = -1;
    qint64 modified = -1; // ms since the epoch
    bool exists = false;
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

class BookingFileWatch : public QObject {
    Q_OBJECT

  public:
    explicit BookingFileWatch(QObject* parent = nullptr);

    // Watches `path` as it stands now, so that only a later write counts; an empty path
    // watches nothing.
    void watch(const std::string& path);
    // Whether the file was written since watch() last took it.
    bool changed() const;

  signals:
    // A look found the file changed. Sent at every look until watch() takes the new file,
    // so a change that could not be taken at once is offered again.
    void changedElsewhere();

  private:
    void look();

    QFileSystemWatcher* notices_ = nullptr;
    std::string path_;
    FileStamp stamp_;
};

} // namespace tivra

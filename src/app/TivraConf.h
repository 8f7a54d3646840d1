#pragma once
// tivra.conf: where a user's (~/.config/tivra) or a computer's (/etc/xdg/tivra) choices are
// kept, one "key=value" a line in UTF-8, so that a technician can write it by hand. Lines
// this program does not know, comments ("#") among them, are kept as they are.
#include <QString>
#include <QStringList>

namespace tivra {

inline constexpr const char* kConfName = "tivra.conf";

class TivraConf {
  public:
    // The file's lines; nothing when it is missing or unreadable.
    static TivraConf read(const QString& path);

    // The first value of `key`, empty when it has none.
    QString value(const QString& key) const;
    // Every value of `key`, in the file's order.
    QStringList values(const QString& key) const;
    // Replaces every line of `key` by one line per value, where the first of them stood.
    void set(const QString& key, const QStringList& values);
    // Writes the whole file at once, making its folder; false when it could not.
    bool write(const QString& path) const;

  private:
    QStringList lines_;
};

} // namespace tivra

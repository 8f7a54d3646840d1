#include "app/TivraConf.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <optional>

namespace tivra {
namespace {

// The value of a "key=value" line of `key`; nothing for any other line. Spaces around the
// key and the value are a hand-written file's, not the path's.
std::optional<QString> valueOf(const QString& line, const QString& key) {
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (line.trimmed().startsWith(QLatin1Char('#')) || equals < 0 || line.left(equals).trimmed() != key) {
        return std::nullopt;
    }
    return line.mid(equals + 1).trimmed();
}

} // namespace

TivraConf TivraConf::read(const QString& path) {
    TivraConf conf;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        const QString text = QString::fromUtf8(file.readAll());
        conf.lines_ = text.split(QLatin1Char('\n'));
        for (QString& line : conf.lines_) {
            if (line.endsWith(QLatin1Char('\r'))) {
                line.chop(1);
            }
        }
        if (!conf.lines_.isEmpty() && conf.lines_.back().isEmpty()) {
            conf.lines_.removeLast();
        }
    }
    return conf;
}

QString TivraConf::value(const QString& key) const {
    const QStringList all = values(key);
    return all.isEmpty() ? QString() : all.front();
}

QStringList TivraConf::values(const QString& key) const {
    QStringList out;
    for (const QString& line : lines_) {
        if (std::optional<QString> v = valueOf(line, key); v && !v->isEmpty()) {
            out << *v;
        }
    }
    return out;
}

void TivraConf::set(const QString& key, const QStringList& values) {
    QStringList kept;
    qsizetype at = -1;
    for (const QString& line : lines_) {
        if (valueOf(line, key)) {
            at = at < 0 ? kept.size() : at;
        } else {
            kept << line;
        }
    }
    QStringList added;
    for (const QString& v : values) {
        added << key + QLatin1Char('=') + v;
    }
    at = at < 0 ? kept.size() : at;
    for (qsizetype i = 0; i < added.size(); ++i) {
        kept.insert(at + i, added[i]);
    }
    lines_ = kept;
}

bool TivraConf::write(const QString& path) const {
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    file.write((lines_.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    return file.commit();
}

} // namespace tivra

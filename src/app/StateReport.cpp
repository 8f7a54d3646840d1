#include "app/StateReport.h"

#include "core/Calendar.h"
#include "core/Text1252.h"

#include <QJsonArray>
#include <QString>

#include <array>

namespace tivra {
namespace {

// Command-line output is built from file bytes here, outside the window; the texts of
// the files are Windows-1252 and JSON wants UTF-8.
QString text(const std::string& cp1252) {
    return QString::fromStdString(toUtf8(cp1252));
}

QJsonArray textList(const std::vector<std::string>& list) {
    QJsonArray out;
    for (const auto& s : list) {
        out.append(text(s));
    }
    return out;
}

constexpr std::array<const char*, 10> kFieldNames = {"signatur", "kommentar", "langd", "dag",      "starttid",
                                                     "objekt",   "larare",    "vecka", "notering", "veckor"};

QJsonObject rowObject(const Bokning& row, int fields) {
    QJsonObject o;
    for (int j = 1; j <= fields; ++j) {
        o.insert(QString::fromLatin1(kFieldNames[static_cast<std::size_t>(j - 1)]), text(row.field(j)));
    }
    return o;
}

QJsonObject settingsObject(const Settings& s) {
    QJsonObject o;
    auto put = [&](const char* key, const std::string& value) {
        o.insert(QString::fromLatin1(key), text(value));
    };
    auto num = [&](const char* key, int value) { o.insert(QString::fromLatin1(key), value); };
    put("schemafil", s.schemafil);
    put("bokningsfil", s.bokningsfil);
    put("backupmapp", s.backupmapp);
    num("starttimme", s.starttimme);
    num("sluttimme", s.sluttimme);
    num("startvecka", s.startvecka);
    num("slutvecka", s.slutvecka);
    num("helg", s.helg);
    put("skola", s.skola);
    put("font1", s.font1);
    put("font2", s.font2);
    num("linjebredd", s.linjebredd);
    num("toning", s.toning);
    num("toninglektion", s.toninglektion);
    put("objektfil", s.objektfil);
    return o;
}

} // namespace

std::vector<std::pair<std::string, std::string>> checkSummary(const Program& p) {
    const auto& t = p.bokningar;
    return {
        {"Salar", std::to_string(p.salar.size())},
        {"\xD6vriga objekt", std::to_string(p.settings.bokaobjekt.size())},
        {"Perioder", std::to_string(p.settings.perioder.size())},
        {"Lektioner", std::to_string(t.antallektioner)},
        {"Personal", std::to_string(p.timetable.personal.size())},
        {"L\xE4s\xE5r", p.timetable.lasar},
        {"Bokningsfil", p.bookingFile.aktuellfil},
        {"Bokningar", std::to_string(t.antalrader - t.antallektioner)},
        {"Vecka", shownWeek(p.selection.valdvecka)},
    };
}

QJsonObject exportJson(const Program& p) {
    QJsonObject o;
    o.insert(QStringLiteral("settings"), settingsObject(p.settings));
    o.insert(QStringLiteral("salar"), textList(p.salar));
    o.insert(QStringLiteral("bokaobjekt"), textList(p.settings.bokaobjekt));
    o.insert(QStringLiteral("perioder"), textList(p.settings.perioder));
    o.insert(QStringLiteral("lasar"), text(p.timetable.lasar));
    o.insert(QStringLiteral("schemaperioder"), textList(p.timetable.schemaperioder));
    o.insert(QStringLiteral("personal"), textList(p.timetable.personal));
    QJsonArray lessons;
    for (int i = 1; i <= p.bokningar.antallektioner; ++i) {
        lessons.append(rowObject(p.bokningar.row(i), 10));
    }
    o.insert(QStringLiteral("lessons"), lessons);
    QJsonArray bookings;
    for (int i = p.bokningar.antallektioner + 1; i <= p.bokningar.antalrader; ++i) {
        bookings.append(rowObject(p.bokningar.row(i), 9));
    }
    o.insert(QStringLiteral("bookings"), bookings);
    o.insert(QStringLiteral("valdvecka"), p.selection.valdvecka);
    o.insert(QStringLiteral("idagvecka"), p.selection.idagvecka);
    return o;
}

} // namespace tivra

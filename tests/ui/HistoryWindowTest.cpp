// Arkiv "Historik...": the change log newest first for the object on screen or all of
// them, narrowed by a text, and "Återställ" putting a removed booking back.
#include "ui/HistoryWindow.h"
#include "StartedWindow.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QTableView>

namespace tivra::test {
namespace {

// A log line: time, event, signature, user, host, the nine fields before and after.
std::string logLine(const std::string& tid, const std::string& event, const Row& before, const Row& after) {
    auto nine = [](const Row& r) {
        return r.signatur + "\t" + r.kommentar + "\t" + r.langd + "\t" + r.dag + "\t" + r.starttid + "\t" +
               r.objekt + "\t" + r.larare + "\t" + r.vecka + "\t" + r.notering + "\t";
    };
    return tid + "\t" + event + "\t" + (after.objekt.empty() ? before.signatur : after.signatur) +
           "\tanna\tdator-3\t" + nine(before) + nine(after) + ".\r\n";
}

// The table's lines as "event object week day time signature comment user", joined by "|".
std::string lines(QTableView* table) {
    QAbstractItemModel* model = table->model();
    return StartedWindow::join(std::views::iota(0, model->rowCount()), [model](int r) {
        QStringList cells;
        for (int c = 1; c <= 8; ++c) {
            cells << model->index(r, c).data().toString();
        }
        return cells.join(QLatin1Char(' '));
    });
}

TEST(HistoryWindow, ListsTheObjectsChangesNewestFirstAndRestoresARemovedBooking) {
    const Row none{"", "", "", "", "", "", "", "", ""};
    const Row prov = booked("Prov", "3", "10.00");
    const Row mote{"CD", "M\xF6te", "45", "4", "13.00", "B12", "", "40", ""};
    const Row flytt{"CD", "Flytt", "45", "5", "12.00", "B12", "", "40", ""};
    const Row flyttad{"CD", "Flytt", "45", "5", "14.00", "B12", "", "40", ""};
    Files files = school({mote});
    files.push_back({"skolan.logg", "TIVRA-LOGG 1\r\n" +
                                        logLine("2026-09-27 08:00:00", "\xC4ndrat", flytt, flyttad) +
                                        logLine("2026-09-28 08:00:00", "Bokat", none, prov) +
                                        logLine("2026-09-28 09:00:00", "Bokat", none, mote) +
                                        logLine("2026-09-29 10:00:00", "Avbokat", prov, none)});
    StartedWindow w(files);
    w.child<QAction>("Arkiv_historik")->trigger();
    auto* history = w.child<HistoryWindow>("historyWindow");
    ASSERT_NE(history, nullptr);
    auto* table = w.child<QTableView>("historyTable", history);
    EXPECT_EQ(lines(table), "Avbokat B14 40 ONS 10.00\x96"
                            "11.00 AB Prov anna|Bokat B14 40 ONS 10.00\x96"
                            "11.00 AB Prov anna");
    w.child<QCheckBox>("allObjects", history)->setChecked(true);
    EXPECT_EQ(table->model()->rowCount(), 4);
    w.type("historyFilter", "m\xF6t", history);
    EXPECT_EQ(lines(table), "Bokat B12 40 TOR 13.00\x96"
                            "13.45 CD M\xF6te anna");
    // An edit can be undone too.
    w.type("historyFilter", "flytt", history);
    table->selectRow(0);
    EXPECT_TRUE(w.child<QPushButton>("restoreButton", history)->isEnabled());
    w.type("historyFilter", "", history);

    // Only a removed or changed booking can be put back; it is booked again and the log says so.
    table->selectRow(1);
    EXPECT_FALSE(w.child<QPushButton>("restoreButton", history)->isEnabled());
    table->selectRow(0);
    w.click("restoreButton", history);
    EXPECT_EQ(w.file(), bookingFile({mote, prov}));
    EXPECT_EQ(lines(table).substr(0, 14), "\xC5terst\xE4llt B14");
    EXPECT_EQ(table->model()->rowCount(), 5);
    EXPECT_EQ(fromQString(w.child<QLabel>("statusText")->text()).value_or("?").substr(0, 14),
              "\xC5terst\xE4llt B14");
}

// "Jämför med säkerhetskopia" lists what a day backup holds that the file no longer does,
// and what was added since, of every object; a lost booking is put back from there.
TEST(HistoryWindow, ComparesWithADayBackupAndRestoresABookingItHolds) {
    const Row lost = booked("Prov", "3", "10.00");
    const Row kept = booked("Kvar", "4", "09.00");
    const Row added{"CD", "M\xF6te", "45", "4", "13.00", "B12", "", "40", ""};
    Files files = school({kept, added});
    files.push_back({"skolan.bk29", bookingFile({lost, kept})});
    StartedWindow w(files);
    w.child<QAction>("Arkiv_historik")->trigger();
    auto* history = w.child<HistoryWindow>("historyWindow");
    ASSERT_NE(history, nullptr);
    auto* table = w.child<QTableView>("historyTable", history);
    EXPECT_EQ(table->model()->rowCount(), 0) << "no log yet";

    w.messages.inputs = {"28"};
    w.click("compareButton", history);
    EXPECT_EQ(w.messages.log().back(),
              "J\xE4mf\xF6r med s\xE4kerhetskopia|S\xE4kerhetskopian skolan.bk28 finns inte.");
    w.messages.inputs = {"29"};
    w.click("compareButton", history);
    EXPECT_EQ(lines(table), "Tillagd B12 40 TOR 13.00\x96"
                            "13.45 CD M\xF6te |Borttagen B14 40 ONS 10.00\x96"
                            "11.00 AB Prov ");
    table->selectRow(1);
    w.click("restoreButton", history);
    EXPECT_EQ(w.file(), bookingFile({kept, added, lost}));
    EXPECT_EQ(lines(table), "Tillagd B12 40 TOR 13.00\x96"
                            "13.45 CD M\xF6te ");
}

// A log that cannot be written stops no booking; the status line says why.
TEST(HistoryWindow, ABookingStandsWhenItsLogCannotBeWrittenAndTheStatusLineSaysWhy) {
    StartedWindow w;
    std::filesystem::create_directory(w.dir.file("skolan.logg"));
    w.type({{"Text1", "10.00"}, {"Text2", "60"}, {"Text4", "ab"}});
    w.click("Command3");
    EXPECT_EQ(w.file(), bookingFile({{"AB", "", "60", "3", "10.00", "B14", "", "40", ""}}));
    EXPECT_EQ(fromQString(w.child<QLabel>("statusText")->text()),
              "\xC4ndringsloggen kunde inte skrivas: Det finns en mapp d\xE4r en fil skulle vara.");
}

} // namespace
} // namespace tivra::test

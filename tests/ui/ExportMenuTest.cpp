// Arkiv "Exportera..." through the window's own menu entry.
#include "ui/StartedWindow.h"

#include <QAction>
#include <QRadioButton>

namespace tivra {
namespace {

using namespace test;

TEST(ExportMenu, TheShownRoomGoesToTheChosenCalendarOrSpreadsheetFile) {
    StartedWindow w(school("0", {{"AB", "M\xF6te", "60", "3", "13.00", "B14", "", "40", ""}}), kWeek40);
    auto* exportera = w.child<QAction>("Arkiv_exportera");
    w.messages.fileNames = {w.dir.file("b14"), w.dir.file("b14.csv")};
    exportera->trigger();
    exportera->trigger();
    const std::string ics = readBytes(w.dir.file("b14.ics"));
    EXPECT_NE(ics.find("SUMMARY:B14 \xE2\x80\x93 AB: M\xC3\xB6te\r\n"), std::string::npos) << ics;
    EXPECT_NE(ics.find("SUMMARY:MA1 NA1A\r\n"), std::string::npos) << "the lessons of the room too";
    EXPECT_NE(
        readBytes(w.dir.file("b14.csv")).find("2026-09-30;40;Ons;13.00;14.00;B14;AB;M\xC3\xB6te;Bokning"),
        std::string::npos);

    w.child<QRadioButton>("Option4")->click();
    exportera->trigger();
    EXPECT_EQ(w.messages.log().back(), "Exportera|V\xE4lj en sal, ett objekt eller en person.");
}

} // namespace
} // namespace tivra

// The menus and dialogs of the main window through their controls: start-up and ending,
// the Arkiv commands, the print and settings dialogs, export and help. What the commands
// do with the files, what a print choice prints and what a save of the settings checks
// are tested below the window.
#include "support/RecordingSurface.h"
#include "ui/Form2.h"
#include "ui/Form4.h"
#include "ui/Form5.h"
#include "ui/HelpTexts.h"
#include "ui/StartedWindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTimer>

#include <functional>

namespace tivra {
namespace {

using namespace test;

const Date kWednesdayWeek6{2027, 2, 10};

// Each option's caption, with * when chosen and - when it cannot be chosen.
std::string options(const StartedWindow& s) {
    QStringList all;
    for (const char* name : {"Option1", "Option2", "Option3", "Option4"}) {
        auto* o = s.child<QRadioButton>(name);
        all << o->text() + QLatin1String(o->isChecked() ? "*" : "") +
                   QLatin1String(o->isEnabled() ? "" : "-");
    }
    return joined(all);
}

// Which lists start-up fills is tested below the window; here, that the window shows them.
TEST(Form1, StartupFillsTheDayWeekAndObjectLists) {
    StartedWindow s(school(), kWednesdayWeek6);
    EXPECT_EQ(s.items("Combo3"), "M\xC5N|TIS|ONS|TOR|FRE");
    EXPECT_EQ(s.items("Combo2"), "34|35|36|37|38|39|40|41|42|43|44|45|46|47|48|49|50|51|52|"
                                 "1|2|3|4|5|6|7|8|9|10|11|12|13|14|15|16|17|18|19|20|21|22|23|24");
    // February lies in the second calendar year of the period: shown as its own week.
    EXPECT_EQ(s.texts({"Combo3", "Combo2"}) + std::to_string(s.program.selection.valdvecka), "ONS|658");
    EXPECT_EQ(s.items("Combo1"), "B14|B12");
    EXPECT_EQ(options(s), "Salar*|Annat|Visa personalscheman|Visa alla bokningar");
    EXPECT_TRUE(s.messages.shown.empty());

    // Without rooms the objects fill the single list.
    StartedWindow objects({{"Tivra.ini", crlf({"BOKA: Kanon 1", "BOKA: l\xE4rarrummet"})}}, kWednesdayWeek6);
    EXPECT_EQ(options(objects), "Salar-|Objekt*|Visa personalscheman-|Visa alla bokningar");
    EXPECT_EQ(objects.items("Combo1") + "/" + objects.texts({"Combo1"}), "KANON 1|L\xC4RARRUMMET/KANON 1");
}

TEST(Form1, AvslutaMenuButtonAndCloseBoxEndTheProgramWithoutAsking) {
    const std::function<void(StartedWindow&)> ways[] = {
        [](StartedWindow& s) { s.child<QAction>("Arkiv_avsluta")->trigger(); },
        [](StartedWindow& s) { s.click("Command5"); },
        [](StartedWindow& s) { EXPECT_TRUE(s.form->close()); }};
    for (const auto& end : ways) {
        StartedWindow s(Files{});
        end(s);
        EXPECT_FALSE(s.form->isVisible());
        EXPECT_TRUE(s.messages.shown.empty());
    }
}

// The commands' own rules are tested beside them; a load redraws the week, a cancelled
// dialog does not.
TEST(Form1, OpenAndSaveAsUseTheChosenFile) {
    StartedWindow s;
    const std::string other = bookingFile({{"CD", "", "30", "5", "14.00", "B14", "", "40", ""}});
    writeBytes(s.dir.file("annan.bok"), other);
    int redraws = s.form->redrawCount();
    s.messages.fileNames = {s.dir.file("annan.bok"), s.dir.file("kopia.txt")};
    s.child<QAction>("arkiv_open")->trigger();
    EXPECT_EQ(s.form->redrawCount(), redraws + 1);
    ASSERT_NE(s.boxOf(2), nullptr);
    EXPECT_EQ(s.boxOf(2)->caption(), QStringLiteral("CD\n14.00 -14.30\n"));
    s.child<QAction>("arkiv_saveas")->trigger();
    EXPECT_EQ(readBytes(s.dir.file("kopia.bok")), other);
    s.child<QAction>("arkiv_open")->trigger();
    EXPECT_EQ(s.form->redrawCount(), redraws + 1);
    EXPECT_EQ(s.shown().size(), 2U);
}

TEST(ExportMenu, TheShownRoomGoesToTheChosenCalendarOrSpreadsheetFile) {
    StartedWindow w(school({booked("M\xF6te", "3", "13.00")}));
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

    w.choose("Option4");
    exportera->trigger();
    EXPECT_EQ(w.messages.log().back(), "Exportera|V\xE4lj en sal, ett objekt eller en person.");
}

TEST(Help, TheHelpWindowComesForwardAndBackWithItsThreeTabs) {
    StartedWindow s(Files{});
    auto open = [&] {
        s.child<QAction>("help_help")->trigger();
        return s.form->findChild<QWidget*>(QStringLiteral("Form3"));
    };
    QWidget* help = open();
    ASSERT_TRUE(help && help->isVisible());
    auto* tabs = s.child<QTabWidget>("SSTab1", help);
    EXPECT_EQ(joined({tabs->tabText(0), tabs->tabText(1), tabs->tabText(2)}),
              "\xD6versikt|Till administrat\xF6ren|Boka");
    EXPECT_EQ(open(), help);
    help->close();
    EXPECT_EQ(open(), help);
    EXPECT_TRUE(help->isVisible());
    const std::pair<const char*, std::string> labels[] = {
        {"Label1", oversiktText()}, {"Label2", administratorText()}, {"Label6", bokaText()}};
    for (const auto& [name, text] : labels) {
        EXPECT_EQ(s.child<QLabel>(name, help)->text(), toDisplay(text)) << name;
    }
    s.child<QAction>("help_om")->trigger();
    // With the folder in use, for support to ask about.
    EXPECT_EQ(s.messages.log(), (std::vector<std::string>{"Om programmet|" + aboutText() +
                                                          "\r\n\r\nMapp: " + s.dir.path().string()}));
}

// The settings and the print dialog share one pop-up: each shows its own text only.
TEST(Help, ThePopUpShowsTheAskingDialogsTextOnly) {
    StartedWindow s;
    s.child<QAction>("Arkiv_ini")->trigger();
    s.child<QAction>("Arkiv_skrivut")->trigger();
    auto helpOf = [&](QWidget* dialog) {
        std::string seen;
        QTimer::singleShot(0, [&] {
            auto* popup = s.child<Form5>("Form5");
            auto* box = s.child<QPlainTextEdit>("Text1", popup);
            seen = fromQString(popup->windowTitle() + QLatin1Char('|') + box->toPlainText()).value_or("?") +
                   (box->isReadOnly() ? "" : " writable");
            popup->accept();
        });
        s.click("Command4", dialog);
        return seen;
    };
    QWidget* settings = s.child<Form2>("Form2");
    const std::string settingsHelp =
        "Tivra.ini|" + fromQString(toDisplay(installningarHelpText())).value_or("");
    EXPECT_EQ(helpOf(settings), settingsHelp);
    EXPECT_EQ(helpOf(s.form->form4()), "Skriv ut|" + fromQString(toDisplay(skrivUtHelpText())).value_or(""));
    EXPECT_EQ(helpOf(settings), settingsHelp);
}

// The printer's place in tests: it records each document, or refuses it.
class RecordingOutput : public PrintOutput {
  public:
    bool installed = true;
    bool refuse = false;
    std::vector<RecordingSurface> documents;
    bool available() override { return installed; }
    PrintResult print(const std::function<bool(PrintSurface&)>& draw) override {
        if (refuse) {
            return PrintResult::Refused;
        }
        documents.emplace_back();
        return draw(documents.back()) ? PrintResult::Done : PrintResult::Cancelled;
    }
};

// The school of the widget tests with a booking of B12 in week 40.
struct PrintWindow : StartedWindow {
    explicit PrintWindow(const Files& files = school({{"AB", "Prov", "60", "2", "10.00", "B12", "", "40",
                                                       ""}}))
        : StartedWindow(files) {
        auto owned = std::make_unique<RecordingOutput>();
        output = owned.get();
        form->setPrintOutput(std::move(owned));
    }
    Form4* dialog() const { return form->findChild<Form4*>(QStringLiteral("Form4")); }
    void open() const { child<QAction>("Arkiv_skrivut")->trigger(); }
    void typeIn(const char* name, const char* cp1252) const {
        auto* e = child<QLineEdit>(name, dialog());
        e->setFocus();
        e->selectAll();
        e->del();
        keys(e, toQString(cp1252));
    }
    void check(const char* name) const { child<QCheckBox>(name, dialog())->click(); }
    // The weeks, rooms and objects boxes and the five check boxes (+ checked, - not).
    std::string boxes() const {
        QStringList all;
        for (const char* name : {"Text1", "Text2", "Text3"}) {
            all << child<QLineEdit>(name, dialog())->text();
        }
        QString checks;
        for (const char* name : {"Check1", "Check2", "Check3", "Check4", "Check5"}) {
            checks += QLatin1Char(child<QCheckBox>(name, dialog())->isChecked() ? '+' : '-');
        }
        return joined(all << checks);
    }
    RecordingOutput* output = nullptr;
};

TEST(PrintDialog, LoadsTheShownWeekKeepsItsBoxesWhenHiddenAndStartsAfreshWhenClosed) {
    PrintWindow w;
    w.program.selection.valdvecka = 57;
    w.open();
    ASSERT_TRUE(w.dialog() && w.dialog()->isVisible());
    EXPECT_EQ(w.boxes(), "5|||---+-");
    w.typeIn("Text2", "b12");
    w.check("Check5");
    w.click("Command2", w.dialog()); // Avbryt
    EXPECT_FALSE(w.dialog()->isVisible());
    w.open();
    EXPECT_EQ(w.boxes(), "5|b12||---++");
    // Refused weeks keep the dialog open as typed.
    w.typeIn("Text1", "16-");
    w.click("Command1", w.dialog());
    EXPECT_TRUE(w.dialog()->isVisible());
    EXPECT_EQ(w.boxes(), "16-|b12||---++");
    EXPECT_EQ(w.messages.log(), std::vector<std::string>{"Skriv ut|Ange giltiga veckor."});
    w.dialog()->close(); // the title-bar close
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(w.dialog(), nullptr);
    w.program.selection.valdvecka = 41;
    w.open();
    EXPECT_EQ(w.boxes(), "41|||---+-");
    EXPECT_TRUE(w.output->documents.empty());
}

TEST(PrintDialog, SkrivUtOnTheMainWindowPresetsTheShownObjectsWeekSchedule) {
    PrintWindow w;
    w.click("Command4"); // Salar, B14 shown
    EXPECT_EQ(w.boxes(), "40|B14||--+-+");
    w.choose("Option2");
    w.type("Combo1", "kanon 2");
    w.click("Command4");
    EXPECT_EQ(w.boxes(), "40||KANON 2|--+-+");
    w.dialog()->hide();
    w.choose("Option4");
    w.click("Command4");
    EXPECT_FALSE(w.dialog()->isVisible());
    EXPECT_EQ(w.messages.log(), (std::vector<std::string>{"Skriv ut vald|V\xE4lj sal eller annat objekt."}));
}

TEST(PrintDialog, OkSendsThePlansPagesToThePrinterOrSaysWhyNot) {
    PrintWindow w;
    w.open();
    w.typeIn("Text1", "40-41");
    w.typeIn("Text2", "B12 B14");
    w.check("Check5");
    w.check("Check6");
    w.output->installed = false;
    w.click("Command1", w.dialog());
    w.output->installed = true;
    w.output->refuse = true;
    w.click("Command1", w.dialog());
    EXPECT_EQ(w.messages.log(),
              (std::vector<std::string>{"Skriv ut|Ingen skrivare \xE4r installerad. Anv\xE4nd Spara som PDF.",
                                        "Skriv ut|Utskriften kunde inte startas."}));
    EXPECT_TRUE(w.dialog()->isVisible());
    w.output->refuse = false;
    w.click("Command1", w.dialog());
    ASSERT_EQ(w.output->documents.size(), 1u);
    // Two week sheets, then B12's list and two weeks; B14 has no booking
    EXPECT_EQ(w.output->documents[0].pages(), 5);
    EXPECT_EQ(w.output->documents[0].endDocs(), 1);
    EXPECT_FALSE(w.dialog()->isVisible());
}

TEST(PrintDialog, SparaSomPdfWritesThePlanToTheChosenFileAndStaysOpen) {
    PrintWindow w;
    w.open();
    w.typeIn("Text1", "40-41");
    w.check("Check1");
    w.check("Check5");
    w.messages.fileNames.push_back(w.dir.file("d\xF6rrar"));
    w.click("Command6", w.dialog());
    EXPECT_TRUE(readBytes(w.dir.file("d\xC3\xB6rrar.pdf")).starts_with("%PDF")); // the file system's names are UTF-8
    EXPECT_TRUE(w.dialog()->isVisible());
    EXPECT_TRUE(w.output->documents.empty());
}

TEST(PrintDialog, WithoutATimetableOnlyTheOtherObjectsAreOffered) {
    PrintWindow w(
        {{"Tivra.ini", crlf({"BOKNINGSFIL: b.bok", "BOKA: KANON 1"})}, {"b.bok", "Antal:  0 \r\n"}});
    w.open();
    for (const char* name : {"Label1", "Text2", "Check1"}) {
        EXPECT_FALSE(w.child<QWidget>(name, w.dialog())->isEnabled()) << name;
    }
    EXPECT_EQ(w.child<QLabel>("Label2", w.dialog())->text(), QStringLiteral("Objekt"));
}

struct SettingsWindow : StartedWindow {
    Form2* dialog() const { return form->findChild<Form2*>(QStringLiteral("Form2")); }
    void open() const {
        child<QAction>("Arkiv_ini")->trigger();
        QApplication::setActiveWindow(dialog());
    }
    QLineEdit* edit(const char* name) const { return child<QLineEdit>(name, dialog()); }
};

TEST(SettingsDialog, ShowsTheRunningSettingsAgainAfterAVisitToTheMainWindow) {
    SettingsWindow w;
    w.program.running.slutvecka = 76;
    w.open();
    ASSERT_TRUE(w.dialog()->isVisible());
    QStringList shown;
    for (const char* name :
         {"Text1(0)", "Text1(2)", "Text1(3)", "Text1(4)", "Text1(5)", "Text1(6)", "Text6", "Text7"}) {
        shown << w.edit(name)->text();
    }
    shown << w.child<QPlainTextEdit>("Text8", w.dialog())->toPlainText();
    EXPECT_EQ(joined(shown), "skolan|skolan.bok|8|16|34|24|4|230|KANON 1\nKANON 2");
    w.edit("Text3")->setText(QStringLiteral("Osparad"));
    QApplication::setActiveWindow(w.form.get());
    QApplication::setActiveWindow(w.dialog());
    EXPECT_EQ(w.edit("Text3")->text(), QString());
}

TEST(SettingsDialog, BrowseSaveAndCancel) {
    SettingsWindow w;
    w.open();
    w.messages.fileNames.push_back(w.dir.file("nytt.sch"));
    w.click("Command1", w.dialog());
    w.click("Command6", w.dialog()); // cancelled
    EXPECT_EQ(joined({w.edit("Text1(0)")->text(), w.edit("Text1(2)")->text()}), w.dir.file("nytt.sch") + "|");
    w.edit("Text1(3)")->setText(QStringLiteral("9"));
    w.edit("Text1(4)")->setText(QStringLiteral("9"));
    w.click("Command2", w.dialog());
    EXPECT_TRUE(w.dialog()->isVisible()); // refused, as typed
    EXPECT_EQ(w.edit("Text1(4)")->text(), QStringLiteral("9"));
    w.edit("Text1(4)")->setText(QStringLiteral("15"));
    w.edit("Text3")->setText(q("\xC5sens skola"));
    w.click("Command2", w.dialog());
    EXPECT_FALSE(w.dialog()->isVisible());
    std::vector<std::string> log = w.messages.log(); // after the two file choices
    EXPECT_EQ(
        std::vector<std::string>(log.begin() + 2, log.end()),
        (std::vector<std::string>{"Tivra.ini|Ange giltiga tider.",
                                  "Redigera ini-fil|Tivra.ini sparad. Starta om programmet f\xF6r att ta "
                                  "v\xE4rdena i bruk."}));
    EXPECT_NE(readBytes(w.dir.file("Tivra.ini")).find("SKOLA: \xC5sens skola\r\n"), std::string::npos);
    EXPECT_EQ(w.program.running.skola, "\xC5sens skola"); // the printouts' name at once
    EXPECT_EQ(w.program.settings.starttimme, 8);          // the grid's hours at the next start
    w.open();
    w.click("Command3", w.dialog());
    EXPECT_FALSE(w.dialog()->isVisible());
}

} // namespace
} // namespace tivra

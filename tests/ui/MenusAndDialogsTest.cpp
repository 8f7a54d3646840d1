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

#include <QCheckBox>
#include <QPlainTextEdit>
#include <algorithm>

namespace tivra {
namespace {

using namespace test;

constexpr const char kSchoolFile[] = " \xE4r en av skolans filer och kan inte skrivas \xF6ver.";

TEST(Form1, StartupFillsTheListsAndShowsTodaysWeekAndDayAndAvslutaEndsWithoutAsking) {
    StartedWindow s(school(), Date{2027, 2, 10});
    // February lies in the second calendar year of the period: shown as its own week.
    EXPECT_EQ(s.items("Combo3") + "/" + s.items("Combo1") + "/" + s.texts({"Combo3", "Combo2", "Combo1"}),
              "M\xC5N|TIS|ONS|TOR|FRE/B14|B12/ONS|6|B14");
    EXPECT_TRUE(s.messages.shown.empty());
    // Without rooms the objects fill the single list; the room and staff views are out of reach.
    StartedWindow objects({{"Tivra.ini", crlf({"BOKA: Kanon 1", "BOKA: l\xE4rarrummet"})}});
    EXPECT_EQ(objects.items("Combo1") + "/" + objects.texts({"Combo1"}), "KANON 1|L\xC4RARRUMMET/KANON 1");
    EXPECT_TRUE(objects.child<QRadioButton>("Option2")->isChecked());
    EXPECT_FALSE(objects.child<QRadioButton>("Option1")->isEnabled() ||
                 objects.child<QRadioButton>("Option3")->isEnabled());
    // The print dialog offers only the other objects.
    objects.child<QAction>("Arkiv_skrivut")->trigger();
    auto* print = objects.child<QWidget>("Form4");
    for (const char* name : {"Label1", "Text2", "Check1"}) {
        EXPECT_FALSE(objects.child<QWidget>(name, print)->isEnabled()) << name;
    }
    EXPECT_EQ(objects.child<QLabel>("Label2", print)->text(), QStringLiteral("Objekt"));
    // Avsluta in the menu, its button and the close box end the program without asking.
    const std::function<void(StartedWindow&)> ways[] = {
        [](StartedWindow& w) { w.child<QAction>("Arkiv_avsluta")->trigger(); },
        [](StartedWindow& w) { w.click("Command5"); },
        [](StartedWindow& w) { EXPECT_TRUE(w.form->close()); }};
    for (const auto& end : ways) {
        StartedWindow w(Files{});
        end(w);
        EXPECT_FALSE(w.form->isVisible());
        EXPECT_TRUE(w.messages.shown.empty());
    }
}

// Öppna loads the chosen file and redraws; Spara som gives the name the booking extension
// and asks before replacing a file; Exportera writes the shown room in the chosen file type,
// with its extension, and asks before replacing a file. A cancelled Öppna loads nothing; a
// cancelled Spara som leaves no file to save to.
TEST(Form1, OpenSaveAsAndExportUseTheChosenFile) {
    StartedWindow s;
    const std::string other = bookingFile({{"CD", "", "30", "5", "14.00", "B14", "", "40", ""}});
    writeBytes(s.dir.file("annan.bok"), other);
    std::filesystem::create_directory(s.dir.path() / "a.b");
    const std::string skolan = s.dir.file("skolan.bok");
    s.messages.fileNames = {s.dir.file("annan.bok"), s.dir.file("a.b/kopia.txt"), skolan, skolan};
    s.messages.answers = {false, true};
    s.child<QAction>("arkiv_open")->trigger();
    EXPECT_EQ(s.captions(), "MA1\n08.15 -09.00\nNA1A|CD\n14.00 -14.30\n");
    auto saveAs = [&] {
        s.child<QAction>("arkiv_saveas")->trigger();
        return s.program.bookingFile.aktuellfil;
    };
    EXPECT_EQ(saveAs(), s.dir.file("a.b/kopia.bok"));
    EXPECT_EQ(saveAs(), s.dir.file("a.b/kopia.bok")); // No to the question
    EXPECT_EQ(readBytes(skolan), bookingFile({}));
    EXPECT_EQ(saveAs(), skolan); // Yes
    EXPECT_EQ(readBytes(skolan) + readBytes(s.dir.file("a.b/kopia.bok")), other + other);
    // Exportera writes the shown room in the file type chosen and adds its extension.
    auto* exportera = s.child<QAction>("Arkiv_exportera");
    const std::string csvName = s.dir.file("b14.csv");
    s.messages.fileNames = {s.dir.file("b14"), s.dir.file("b14"), csvName, csvName};
    s.messages.filters = {0, 1, 1, 1};
    s.messages.answers = {false, true};
    exportera->trigger();
    exportera->trigger();
    EXPECT_NE(readBytes(s.dir.file("b14.ics")).find("SUMMARY:B14 \xE2\x80\x93 CD"), std::string::npos);
    const std::string csv = readBytes(csvName);
    EXPECT_NE(csv.find("2026-10-02;40;Fre;14:00;14:30;2026-10-02;B14;CD"), std::string::npos);
    EXPECT_EQ(fromQString(s.child<QLabel>("statusText")->text()), "Exporterat till " + csvName);
    // Over an existing file only after a Yes.
    writeBytes(csvName, "gammal");
    exportera->trigger(); // No
    EXPECT_EQ(readBytes(csvName), "gammal");
    EXPECT_EQ(s.messages.log().back(), "Exportera|" + csvName + " finns redan. Vill du ers\xE4tta filen?");
    exportera->trigger(); // Yes
    EXPECT_EQ(readBytes(csvName), csv);
    EXPECT_FALSE(std::filesystem::exists(s.dir.path() / "b14") ||
                 std::filesystem::exists(s.dir.path() / "b14.csv.csv"));
    s.choose("Option4");
    exportera->trigger();
    EXPECT_EQ(s.messages.log().back(), "Exportera|V\xE4lj en sal, ett objekt eller en person.");
    int redraws = s.form->redrawCount();
    s.child<QAction>("arkiv_open")->trigger();
    EXPECT_EQ(s.form->redrawCount(), redraws);
    EXPECT_EQ(saveAs(), "");
    EXPECT_EQ(s.form->windowTitle(), QStringLiteral("Tivra"));
}

// Ctrl+O and Escape leave the file open: the window still names and watches it (a booking
// another workstation writes appears without any action, the draft kept), and the next Boka
// saves into it, beside that booking.
TEST(Form1, ACancelledOpenKeepsTheFileOpenWatchedAndBookedInto) {
    StartedWindow s;
    s.form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(s.form.get()));
    QTest::keyClick(s.form.get(), Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(s.messages.shown.size(), 1u);
    EXPECT_EQ(s.messages.shown[0].kind, ScriptedMessages::Kind::OpenFile);
    EXPECT_EQ(s.form->windowTitle() + s.child<QLabel>("statusFile")->text(),
              q("Tivra \x96 skolan.bokskolan.bok"));
    s.type({{"Text3", "Mitt"}, {"Text4", "cd"}, {"Text1", "13.00"}, {"Text2", "60"}});
    const Row theirs = booked("Deras", "4", "10.00");
    writeBytes(s.dir.file("skolan.bok"), bookingFile({theirs}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return s.boxOf(2) != nullptr; }, 6000));
    EXPECT_EQ(s.texts({"Text3", "Text4", "Text1", "Text2"}), "Mitt|cd|13.00|60");
    s.click("Command3");
    EXPECT_EQ(s.file(), bookingFile({theirs, {"CD", "Mitt", "60", "3", "13.00", "B14", "", "40", ""}}));
    EXPECT_EQ(s.messages.shown.size(), 1u) << s.messages.log().back();
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
        return draw(documents.emplace_back()) ? PrintResult::Done : PrintResult::Cancelled;
    }
    int pages() const override { return documents.back().pages(); }
    std::string name() const override { return "Skrivaren i 12"; }
};

// The school of the widget tests with a booking of B12 in week 40, printing to a recorder;
// its message boxes are real and modal.
struct Window : StartedWindow {
    explicit Window(const Files& files = school({{"AB", "Prov", "60", "2", "10.00", "B12", "", "40", ""}}))
        : StartedWindow(files) {
        messages.modal = true;
        form->setPrintOutput(std::unique_ptr<PrintOutput>(output));
    }
    Form4* print() const { return form->findChild<Form4*>(QStringLiteral("Form4")); }
    Form2* settings() const { return form->findChild<Form2*>(QStringLiteral("Form2")); }
    void open(const char* action) const { child<QAction>(action)->trigger(); }
    void check(const char* name) const { child<QCheckBox>(name, print())->click(); }
    // The print dialog's weeks, rooms and objects, and its first five check boxes.
    std::string boxes() const {
        return join(std::initializer_list<const char*>{"Text1", "Text2", "Text3", "Check1", "Check2",
                                                       "Check3", "Check4", "Check5"},
                    [this](const char* name) {
                        auto* check = print()->findChild<QCheckBox*>(QLatin1String(name));
                        return check != nullptr ? QLatin1String(check->isChecked() ? "+" : "-")
                                                : field(name, print())->text();
                    });
    }
    RecordingOutput* output = new RecordingOutput;
};

TEST(PrintDialog, LoadsTheShownWeekKeepsItsBoxesWhenHiddenAndSkrivUtPresetsTheShownObject) {
    Window w;
    w.program.selection.valdvecka = 57;
    w.open("Arkiv_skrivut");
    EXPECT_EQ(w.boxes(), "5|||-|-|-|+|-");
    w.type("Text2", "b12", w.print());
    w.check("Check5");
    w.click("Command2", w.print()); // Avbryt
    EXPECT_FALSE(w.print()->isVisible());
    w.open("Arkiv_skrivut");
    EXPECT_EQ(w.boxes(), "5|b12||-|-|-|+|+");
    // Refused weeks keep the dialog open as typed.
    w.type("Text1", "16-", w.print());
    w.click("Command1", w.print());
    EXPECT_TRUE(w.print()->isVisible());
    EXPECT_EQ(w.boxes() + w.messages.log().back(), "16-|b12||-|-|-|+|+Skriv ut|Ange giltiga veckor.");
    w.print()->close(); // the title-bar close
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    w.program.selection.valdvecka = 41;
    w.open("Arkiv_skrivut");
    EXPECT_EQ(w.boxes(), "41|||-|-|-|+|-");
    // Skriv ut on the main window presets the shown object's week schedule.
    w.click("Command4"); // Salar, B14 shown
    EXPECT_EQ(w.boxes(), "41|B14||-|-|+|-|+");
    w.print()->hide();
    w.choose("Option4");
    w.click("Command4");
    EXPECT_FALSE(w.print()->isVisible());
    EXPECT_EQ(w.messages.log().back(), "Skriv ut vald|V\xE4lj sal eller annat objekt.");
}

TEST(PrintDialog, OkSendsThePlanToThePrinterAndSparaSomPdfToTheChosenFile) {
    Window w;
    w.open("Arkiv_skrivut");
    w.type("Text1", "40-41", w.print());
    w.type("Text2", "B12 B14", w.print());
    w.check("Check5");
    w.check("Check6");
    w.check("Check7");
    w.output->installed = false;
    w.click("Command1", w.print());
    w.output->installed = true;
    w.output->refuse = true;
    w.click("Command1", w.print());
    EXPECT_EQ(w.messages.log(),
              (std::vector<std::string>{"Skriv ut|Ingen skrivare \xE4r installerad. Anv\xE4nd Spara som PDF.",
                                        "Skriv ut|Utskriften kunde inte startas."}));
    EXPECT_TRUE(w.print()->isVisible());
    w.output->refuse = false;
    w.click("Command1", w.print());
    ASSERT_EQ(w.output->documents.size(), 1u);
    // Two week sheets (with "Även lektioner" week 41's lessons fill one), then B12's list
    // and two weeks; B14 has no booking.
    EXPECT_EQ(w.output->documents[0].pages(), 5);
    EXPECT_TRUE(std::ranges::none_of(w.output->documents[0].drawn,
                                     [](const Drawn& d) { return d.text.ends_with("Endast bokningar"); }));
    EXPECT_FALSE(w.print()->isVisible());
    auto status = [&] { return fromQString(w.child<QLabel>("statusText")->text()).value_or("?"); };
    EXPECT_EQ(status(), "Utskrivet p\xE5 Skrivaren i 12, 5 sidor");

    // The PDF goes to the file chosen (its name in UTF-8 on disk), and the dialog stays.
    w.open("Arkiv_skrivut");
    w.messages.fileNames = {w.dir.file("d\xF6rrar")};
    w.click("Command6", w.print());
    EXPECT_TRUE(readBytes(w.dir.file("d\xC3\xB6rrar.pdf")).starts_with("%PDF"));
    EXPECT_EQ(status(), "Sparat d\xF6rrar.pdf, 5 sidor");
    EXPECT_EQ(w.output->documents.size(), 1u);
    EXPECT_TRUE(w.print()->isVisible());

    // The overview alone, without lessons: one sheet of bookings only.
    w.type("Text1", "40", w.print());
    for (const char* box : {"Check4", "Check5", "Check7"}) {
        w.check(box);
    }
    w.click("Command1", w.print());
    ASSERT_EQ(w.output->documents.size(), 2u);
    EXPECT_TRUE(std::ranges::any_of(w.output->documents[1].drawn,
                                    [](const Drawn& d) { return d.text.ends_with("Endast bokningar"); }));
    EXPECT_EQ(status(), "Utskrivet p\xE5 Skrivaren i 12, 1 sida");
}

// "Spara som PDF..." and "Exportera..." never write over the school's files, here through
// links to them; a PDF that cannot be written says why.
TEST(PrintDialog, SparaSomPdfAndExporteraRefuseTheSchoolsFilesAndAFailedPdfSaysWhy) {
    Window w;
    const std::string before = w.file() + readBytes(w.dir.file("skolan.sal"));
    std::filesystem::create_symlink("skolan.bok", w.dir.path() / "l\xC3\xA4nk.pdf");
    std::filesystem::create_symlink("skolan.sal", w.dir.path() / "salar.csv");
    std::filesystem::create_directory(w.dir.path() / "mapp.pdf");
    w.open("Arkiv_skrivut");
    w.type("Text2", "B12", w.print());
    w.messages.fileNames = {w.dir.file("l\xE4nk.pdf"), w.dir.file("mapp.pdf")};
    w.messages.answers = {true};
    w.click("Command6", w.print());
    w.click("Command6", w.print());
    w.messages.fileNames = {w.dir.file("salar.csv")};
    w.messages.filters = {1};
    w.open("Arkiv_exportera");
    EXPECT_EQ(
        w.messages.log(),
        (std::vector<std::string>{
            "||PDF|*.pdf", "Spara som PDF|" + w.dir.file("l\xE4nk.pdf") + kSchoolFile, "||PDF|*.pdf",
            "Spara som PDF|" + w.dir.file("mapp.pdf") + " finns redan. Vill du ers\xE4tta filen?",
            "Skriv ut|Filen " + w.dir.file("mapp.pdf") + " kunde inte skrivas. Det \xE4r ingen vanlig fil.",
            "||Kalender|*.ics|Kalkylblad|*.csv", "Exportera|" + w.dir.file("salar.csv") + kSchoolFile}));
    for (const auto& message : w.messages.shown) {
        EXPECT_TRUE(message.kind != ScriptedMessages::Kind::Show || message.icon == Icon::Exclamation);
    }
    EXPECT_EQ(w.file() + readBytes(w.dir.file("skolan.sal")), before);
}

// The dialog shows the running settings, again after a visit to the main window (an
// unsaved edit is gone); a refused save keeps it open as typed.
TEST(SettingsDialog, ShowsBrowsesSavesAndCancelsAndEachHelpShowsItsOwnText) {
    Window w(school({}, "1"));
    w.open("Arkiv_ini");
    auto edit = [&](const char* name) { return w.child<QLineEdit>(name, w.settings()); };
    QApplication::setActiveWindow(w.settings());
    QStringList shown;
    for (const char* name :
         {"Text1(0)", "Text1(2)", "Text1(3)", "Text1(4)", "Text1(5)", "Text1(6)", "Text7"}) {
        shown << edit(name)->text();
    }
    shown << w.child<QPlainTextEdit>("Text8", w.settings())->toPlainText();
    EXPECT_EQ(joined(shown), "skolan|skolan.bok|8|16|34|24|230|KANON 1\nKANON 2");
    edit("Text3")->setText(QStringLiteral("Osparad"));
    QApplication::setActiveWindow(w.form.get());
    QApplication::setActiveWindow(w.settings());
    EXPECT_EQ(edit("Text3")->text(), QString());
    // Bläddra fills its field; a cancelled one leaves the field as it was.
    w.messages.fileNames = {w.dir.file("nytt.sch")};
    w.click("Command1", w.settings());
    w.click("Command6", w.settings()); // cancelled
    w.click("Command1", w.settings()); // cancelled
    EXPECT_EQ(joined({edit("Text1(0)")->text(), edit("Text1(2)")->text()}),
              w.dir.file("nytt.sch") + "|skolan.bok");
    edit("Text1(3)")->setText(QStringLiteral("9"));
    edit("Text1(4)")->setText(QStringLiteral("9"));
    w.click("Command2", w.settings());
    EXPECT_TRUE(w.settings()->isVisible());
    EXPECT_EQ(edit("Text1(4)")->text() + toQString(w.messages.log().back()),
              q("9Tivra.ini|Ange giltiga tider."));
    edit("Text1(4)")->setText(QStringLiteral("15"));
    edit("Text3")->setText(q("\xC5sens skola"));
    edit("Text9")->setText(QStringLiteral("180"));
    w.click("Command2", w.settings());
    EXPECT_FALSE(w.settings()->isVisible());
    const std::string saved = readBytes(w.dir.file("Tivra.ini"));
    for (const char* line :
         {"SKOLA: \xC5sens skola\r\n", "TONING:  230\r\n", "TONING LEKTION:  180\r\n", "HELG:  1\r\n"}) {
        EXPECT_NE(saved.find(line), std::string::npos) << line << saved;
    }
    w.open("Arkiv_ini");
    w.click("Command3", w.settings());
    EXPECT_FALSE(w.settings()->isVisible());
    // The settings and the print dialog share one help pop-up, in which each shows its own
    // text only; the about box names the folder in use.
    w.open("help_help");
    w.child<QWidget>("Form3")->close();
    w.open("help_help"); // the help window comes back
    EXPECT_TRUE(w.child<QWidget>("Form3")->isVisible());
    w.open("Arkiv_ini");
    w.open("Arkiv_skrivut");
    auto helpOf = [&](QWidget* dialog) {
        std::string seen;
        QTimer::singleShot(0, [&] {
            auto* popup = w.child<Form5>("Form5");
            auto* box = w.child<QPlainTextEdit>("Text1", popup);
            seen = fromQString(popup->windowTitle() + QLatin1Char('|') + box->toPlainText()).value_or("?") +
                   (box->isReadOnly() ? "" : " writable");
            popup->accept();
        });
        w.click("Command4", dialog);
        return seen;
    };
    EXPECT_EQ(helpOf(w.print()), "Skriv ut|" + fromQString(toDisplay(printHelpText())).value_or(""));
    EXPECT_EQ(w.child<QLabel>("Label6", w.child<QWidget>("Form3"))->text(), toDisplay(bookingText()));
    EXPECT_EQ(helpOf(w.settings()), "Tivra.ini|" + fromQString(toDisplay(settingsHelpText())).value_or(""));
    w.open("help_om");
    EXPECT_EQ(w.messages.log().back(),
              "Om programmet|" + aboutText() +
                  "\r\n\r\nVersion " TIVRA_VERSION "\r\nMapp: " + w.dir.path().string());
}

} // namespace
} // namespace tivra

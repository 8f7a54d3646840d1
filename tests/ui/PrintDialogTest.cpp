// The print dialog through its controls: the week it loads, what its boxes keep, the
// main window's preset, and where "OK" and "Spara som PDF..." send the document.
#include "support/RecordingSurface.h"
#include "ui/Form4.h"
#include "ui/StartedWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QProcess>

namespace tivra {
namespace {

using namespace test;

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

// The demo-like school of the widget tests, with a booking of B12 in week 40.
struct PrintWindow : StartedWindow {
    explicit PrintWindow(const Files& files = school("0", {{"AB", "Prov", "60", "2", "10.00", "B12", "", "40",
                                                            ""}}))
        : StartedWindow(files, kWeek40) {
        auto owned = std::make_unique<RecordingOutput>();
        output = owned.get();
        form->setPrintOutput(std::move(owned));
    }
    Form4* dialog() const { return form->findChild<Form4*>(QStringLiteral("Form4")); }
    void open() const { child<QAction>("Arkiv_skrivut")->trigger(); }
    // A control of the dialog.
    template <typename T> T* in(const char* name) const {
        T* w = dialog()->findChild<T*>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void typeIn(const char* name, const char* cp1252) const {
        auto* e = in<QLineEdit>(name);
        e->setFocus();
        e->selectAll();
        e->del();
        keys(e, toQString(cp1252));
    }
    void press(const char* button) const { QTest::mouseClick(in<QPushButton>(button), Qt::LeftButton); }
    // The weeks, rooms and objects boxes and the five check boxes (+ checked, - not).
    std::string boxes() const {
        QStringList all{in<QLineEdit>("Text1")->text(), in<QLineEdit>("Text2")->text(),
                        in<QLineEdit>("Text3")->text()};
        QString checks;
        for (const char* name : {"Check1", "Check2", "Check3", "Check4", "Check5"}) {
            checks += QLatin1Char(in<QCheckBox>(name)->isChecked() ? '+' : '-');
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
    EXPECT_EQ(w.dialog()->windowTitle(), QStringLiteral("Skriv ut"));
    EXPECT_EQ(w.boxes(), "5|||---+-");
    w.typeIn("Text2", "b12");
    w.in<QCheckBox>("Check5")->click();
    w.press("Command2"); // Avbryt
    EXPECT_FALSE(w.dialog()->isVisible());
    w.open();
    EXPECT_EQ(w.boxes(), "5|b12||---++");
    w.dialog()->close(); // the title-bar close
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(w.dialog(), nullptr);
    w.program.selection.valdvecka = 41;
    w.open();
    EXPECT_EQ(w.boxes(), "41|||---+-");
}

TEST(PrintDialog, RefusedWeeksKeepTheDialogOpenAsTyped) {
    PrintWindow w;
    w.open();
    w.typeIn("Text2", "b12,x");
    for (const char* weeks : {"54", "16-"}) {
        w.typeIn("Text1", weeks);
        w.press("Command1");
        EXPECT_TRUE(w.dialog()->isVisible());
        EXPECT_EQ(w.boxes(), std::string(weeks) + "|b12,x||---+-");
    }
    EXPECT_EQ(w.messages.log(),
              (std::vector<std::string>{"Skriv ut|Ange vecka/veckor.", "Skriv ut|Ange giltiga veckor."}));
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

TEST(PrintDialog, OkSendsThePlansPagesOrSaysWhyNot) {
    PrintWindow w;
    w.open();
    w.typeIn("Text1", "40-41");
    w.typeIn("Text2", "B12 B14");
    w.in<QCheckBox>("Check5")->click();
    w.in<QCheckBox>("Check6")->click();
    w.output->installed = false;
    w.press("Command1");
    w.output->installed = true;
    w.output->refuse = true;
    w.press("Command1");
    EXPECT_EQ(w.messages.log(),
              (std::vector<std::string>{"Skriv ut|Ingen skrivare \xE4r installerad. Anv\xE4nd Spara som PDF.",
                                        "Skriv ut|Utskriften kunde inte startas."}));
    EXPECT_TRUE(w.dialog()->isVisible());
    w.output->refuse = false;
    w.press("Command1");
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
    w.in<QCheckBox>("Check1")->click();
    w.in<QCheckBox>("Check5")->click();
    w.messages.fileNames.push_back(w.dir.file("d\xF6rrar"));
    w.press("Command6");
    const std::string pdf = w.dir.file("d\xC3\xB6rrar.pdf"); // the file system's name is UTF-8
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {QString::fromStdString(pdf)});
    info.waitForFinished();
    EXPECT_TRUE(info.readAllStandardOutput().contains("Pages:           3\n"));
    EXPECT_TRUE(w.dialog()->isVisible());
    EXPECT_TRUE(w.output->documents.empty());
}

TEST(PrintDialog, WithoutATimetableOnlyTheOtherObjectsAreOffered) {
    PrintWindow w(
        {{"Tivra.ini", crlf({"BOKNINGSFIL: b.bok", "BOKA: KANON 1"})}, {"b.bok", "Antal:  0 \r\n"}});
    w.open();
    for (const char* name : {"Label1", "Text2", "Check1"}) {
        EXPECT_FALSE(w.in<QWidget>(name)->isEnabled()) << name;
    }
    EXPECT_EQ(w.in<QLabel>("Label2")->text(), QStringLiteral("Objekt"));
}

} // namespace
} // namespace tivra

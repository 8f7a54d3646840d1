// The settings dialog through its controls: what it shows, when it fills again, the
// file choice, save and cancel, and its help.
#include "ui/Form2.h"
#include "ui/Form4.h"
#include "ui/Form5.h"
#include "ui/HelpTexts.h"
#include "ui/StartedWindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QTimer>

namespace tivra {
namespace {

using namespace test;

struct SettingsWindow : StartedWindow {
    SettingsWindow() : StartedWindow(school("0", {}), kWeek40) {}
    Form2* dialog() const { return form->findChild<Form2*>(QStringLiteral("Form2")); }
    void open() const {
        child<QAction>("Arkiv_ini")->trigger();
        QApplication::setActiveWindow(dialog());
    }
    QLineEdit* text(const char* name) const { return dialog()->findChild<QLineEdit*>(QLatin1String(name)); }
    void press(const char* button) const {
        QTest::mouseClick(dialog()->findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
    }
    // The title and text of the help pop-up that `press` shows, closed again at once.
    std::pair<std::string, std::string> helpOf(QWidget* window, const char* button) const {
        std::pair<std::string, std::string> seen;
        QTimer::singleShot(0, [&] {
            auto* popup = form->findChild<Form5*>(QStringLiteral("Form5"));
            seen = {fromQString(popup->windowTitle()).value_or("?"),
                    fromQString(popup->findChild<QPlainTextEdit*>()->toPlainText()).value_or("?")};
            popup->accept();
        });
        QTest::mouseClick(window->findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
        return seen;
    }
};

TEST(SettingsDialog, ShowsTheRunningSettingsAgainAfterAVisitToTheMainWindow) {
    SettingsWindow w;
    w.program.running.slutvecka = 76;
    w.open();
    ASSERT_TRUE(w.dialog()->isVisible());
    EXPECT_EQ(w.dialog()->windowTitle(), QStringLiteral("Tivra.ini"));
    QStringList shown;
    for (const char* name :
         {"Text1(0)", "Text1(2)", "Text1(3)", "Text1(4)", "Text1(5)", "Text1(6)", "Text6", "Text7"}) {
        shown << w.text(name)->text();
    }
    EXPECT_EQ(joined(shown), "skolan|skolan.bok|8|16|34|24|4|230");
    EXPECT_EQ(w.dialog()->findChild<QPlainTextEdit*>(QStringLiteral("Text8"))->toPlainText(),
              QStringLiteral("KANON 1\nKANON 2"));
    w.text("Text3")->setText(QStringLiteral("Osparad"));
    QApplication::setActiveWindow(w.form.get());
    QApplication::setActiveWindow(w.dialog());
    EXPECT_EQ(w.text("Text3")->text(), QString());
}

TEST(SettingsDialog, BrowseSaveAndCancel) {
    SettingsWindow w;
    w.open();
    w.messages.fileNames.push_back(w.dir.file("nytt.sch"));
    w.press("Command1");
    EXPECT_EQ(w.text("Text1(0)")->text(), toQString(w.dir.file("nytt.sch")));
    w.press("Command6"); // cancelled
    EXPECT_EQ(w.text("Text1(2)")->text(), QString());
    w.text("Text1(3)")->setText(QStringLiteral("9"));
    w.text("Text1(4)")->setText(QStringLiteral("9"));
    w.press("Command2");
    EXPECT_TRUE(w.dialog()->isVisible()); // refused, as typed
    EXPECT_EQ(w.text("Text1(4)")->text(), QStringLiteral("9"));
    w.text("Text1(4)")->setText(QStringLiteral("15"));
    w.text("Text3")->setText(q("\xC5sens skola"));
    w.press("Command2");
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
    w.press("Command3");
    EXPECT_FALSE(w.dialog()->isVisible());
}

TEST(SettingsDialog, ItsHelpAndThePrintDialogsNeverShowEachOther) {
    SettingsWindow w;
    w.open();
    std::string shown = installningarHelpText();
    for (std::size_t crlf; (crlf = shown.find("\r\n")) != std::string::npos;) {
        shown.erase(crlf, 1); // the pop-up breaks its lines on LF alone
    }
    EXPECT_EQ(w.helpOf(w.dialog(), "Command4"), (std::pair<std::string, std::string>{"Tivra.ini", shown}));
    auto print = w.helpOf(w.form->form4(), "Command4");
    EXPECT_EQ(print.first, "Skriv ut");
    EXPECT_TRUE(print.second.starts_with("Ange vilka salar")) << print.second;
    EXPECT_EQ(w.helpOf(w.dialog(), "Command4").second, shown);
}

} // namespace
} // namespace tivra

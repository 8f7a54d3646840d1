// The help window, the help pop-up and the about box: which text each shows, and how the
// windows come and go.
#include "ui/Form4.h"
#include "ui/Form5.h"
#include "ui/HelpTexts.h"
#include "ui/StartedWindow.h"

#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTimer>

namespace tivra {
namespace {

using namespace test;

TEST(Help, TheHelpWindowComesForwardAndBackWithItsThreeTabs) {
    StartedWindow s({}, kWeek40);
    auto open = [&] {
        s.child<QAction>("help_help")->trigger();
        return s.form->findChild<QWidget*>(QStringLiteral("Form3"));
    };
    QWidget* help = open();
    ASSERT_TRUE(help && help->isVisible());
    EXPECT_EQ(help->windowTitle(), q("Hj\xE4lpavsnitt"));
    auto* tabs = help->findChild<QTabWidget*>(QStringLiteral("SSTab1"));
    ASSERT_EQ(tabs->count(), 3);
    EXPECT_EQ(joined({tabs->tabText(0), tabs->tabText(1), tabs->tabText(2)}),
              "\xD6versikt|Till administrat\xF6ren|Boka");
    EXPECT_EQ(open(), help);
    help->close();
    EXPECT_EQ(open(), help);
    EXPECT_TRUE(help->isVisible());
    const std::pair<const char*, std::string> labels[] = {
        {"Label1", oversiktText()}, {"Label2", administratorText()}, {"Label6", bokaText()}};
    for (const auto& [name, text] : labels) {
        EXPECT_EQ(help->findChild<QLabel*>(QLatin1String(name))->text(), toDisplay(text)) << name;
    }
    s.child<QAction>("help_om")->trigger();
    // With the folder in use, for support to ask about.
    EXPECT_EQ(s.messages.log(), (std::vector<std::string>{"Om programmet|" + aboutText() +
                                                          "\r\n\r\nMapp: " + s.dir.path().string()}));
}

TEST(Help, ThePopUpShowsTheAskingDialogsTextOnly) {
    StartedWindow s({}, kWeek40);
    s.form->form5()->setHelp("Tivra.ini", "Inst\xE4llningarnas hj\xE4lp"); // another dialog asked first
    s.child<QAction>("Arkiv_skrivut")->trigger();
    std::string title, text;
    bool readOnly = false;
    QTimer::singleShot(0, [&] {
        auto* popup = s.form->findChild<Form5*>(QStringLiteral("Form5"));
        title = fromQString(popup->windowTitle()).value_or("?");
        auto* box = popup->findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
        text = fromQString(box->toPlainText()).value_or("?");
        readOnly = box->isReadOnly();
        popup->accept();
    });
    QTest::mouseClick(s.form->form4()->findChild<QPushButton*>(QStringLiteral("Command4")), Qt::LeftButton);
    EXPECT_EQ(title, "Skriv ut");
    EXPECT_EQ(toQString(text), toDisplay(skrivUtHelpText()));
    EXPECT_TRUE(readOnly);
}

} // namespace
} // namespace tivra

// The help window, the help pop-up and the about box: their texts to the byte, and how
// the windows come and go.
#include "core/Text1252.h"
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

// UTF-8, as the texts are written for the user; the program holds them in Windows-1252.
const char* const kOversikt =
    "Programmet används för bokning av salar och andra objekt. "
    "\r\n\r\n"
    "Om det används tillsammans med Timora visas vid bokningar salsschemat. Även personalscheman kan visas.";
const char* const kAdministrator =
    "Programmet behöver ha tillgång till en salslista och/eller en lista över övriga bokningsobjekt."
    "\r\n\r\n"
    "Om programmet används tillsammans med Timora ska programmet ha tillgång till Timoras schemafiler. "
    "Timoras salslista kommer då att användas. Används inte Timora skapas salslistan som en textfil i t ex "
    "Anteckningar med en sal per rad. Ge filen filtillägget .sal. "
    "\r\n\r\n"
    "Man kan även välja att lägga alla bokningsobjekt i samma lista, se nedan."
    "\r\n\r\n"
    "Används programmet tillsammans med Timora, om man där inte valt veckovis schemaläggning men vissa "
    "lektioner ändå äger rum vissa veckor, kan man vid skapandet av dem i rutan Not ange veckor i formen "
    "VECKOR: 2-4 8-11. Denna information används då av Tivra."
    "\r\n\r\n"
    "Vid första programstart och inför nytt läsår väljs Arkiv / Tivra.ini. Tivra.ini är en fil där "
    "programmets inställningar sparas. Här listas även andra bokningsobjekt än salar. Se hjälpen till denna "
    "dialogruta. Ange speciellt namnet på bokningsfilen som sedan automatiskt läses in vid programstart."
    "\r\n\r\n"
    "Vid dagens första inläsning av bokningarna skapar programmet en kopia med filtillägget bk0 - bk9, där "
    "siffran är datumets entalssiffra. Mappen för denna backup anges i Tivra.ini. Vid behov kan "
    "bokningsfilen återställas från den kopia som bedöms lämplig. Kopiera kopian till bokningsfilens plats "
    "och ändra filtilägget till bok.";
const char* const kBoka =
    "Välj Salar eller Annat. Finns bara en lista heter det enda valet Objekt. Skriv salen eller objektet i "
    "rutan eller välj från listan. Välj vecka. Befintliga bokningar (och/eller schemalagda tider för salar) "
    "visas i schemat. Peka på bokning för visning av bokningsdata i rutan under schemat."
    "\r\n\r\n"
    "Fyll i bokningsdata i de olika rutorna. Tidsomfattningen kan även markeras direkt i dagsrutan. Klicka "
    "Boka. Bokningarna sparas omedelbart, så klicka bara Avsluta när du är klar. "
    "\r\n\r\n"
    "Högerklicka på en bokning i schemat för att avboka eller ändra bokningsdata."
    "\r\n\r\n"
    "Ska bokning göras för flera veckor görs först bokning för startveckan enligt ovan. Högerklicka på "
    "bokningen i schemat och välj 'Flera veckor' från popup-menyn."
    "\r\n\r\n"
    "Väljs 'Visa alla bokningar' visas för vald vecka alla bokningar av salar och andra objekt i samma "
    "schema. Detta ger en överblick över vilka tider bokningar förekommer. Även personalscheman kan visas "
    "vid användning tillsammans med Timora."
    "\r\n\r\n"
    "Bokningar kan skrivas ut som listor eller som veckoscheman. Använd knappen 'Skriv ut vald' eller "
    "menyvalet Arkiv/Skriv ut. Utskrifter görs till i Windows vald standardskrivare. Denna kan ändras via "
    "Arkiv/Skrivare."
    "\r\n\r\n";
const char* const kSkrivUt =
    "Ange vilka salar och/eller andra objekt som ska skrivas ut. Eller kryssa rutan/rutorna Alla."
    "\r\n\r\n"
    "Kryssa önskad(e) typ(er) av utskrift(er). En lista är en löpande förteckning vecka för vecka över "
    "bokningar. Veckoscheman är grafiska scheman, en sida per vecka."
    "\r\n\r\n"
    "Kryssa om utskrift önskas även för obokade objekt."
    "\r\n\r\n"
    "Ange period för utskrifterna. Önskas utskrift för en följd av veckor skrivs denna i formen 16-24, även "
    "perioden 46-8 är tillåten.";

TEST(Help, TextsToTheByte) {
    EXPECT_EQ(toUtf8(oversiktText()), kOversikt);
    EXPECT_EQ(toUtf8(administratorText()), kAdministrator);
    EXPECT_EQ(toUtf8(bokaText()), kBoka);
    EXPECT_EQ(toUtf8(skrivUtHelpText()), kSkrivUt);
    const std::string about = toUtf8(aboutText());
    EXPECT_TRUE(about.starts_with("\r\nEtt program för bokning av salar och utrustning.\r\n")) << about;
    EXPECT_EQ(std::count(about.begin(), about.end(), '\n'), 3); // four lines
}

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
    EXPECT_EQ(s.messages.log(), (std::vector<std::string>{"Om programmet|" + aboutText()}));
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

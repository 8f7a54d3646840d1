#include "ui/SwedishQt.h"

#include <QHash>

namespace tivra {
namespace {

const QHash<QByteArray, QString>& swedish() {
    static const QHash<QByteArray, QString> texts = [] {
        // English as Qt writes it, Swedish as the rest of the program speaks.
        const std::pair<const char*, const char*> pairs[] = {
            // Buttons of every dialog.
            {"OK", "OK"},
            {"&OK", "&OK"},
            {"Cancel", "Avbryt"},
            {"&Cancel", "&Avbryt"},
            {"Close", "Stäng"},
            {"&Close", "&Stäng"},
            {"Save", "Spara"},
            {"&Save", "&Spara"},
            {"Open", "Öppna"},
            {"&Open", "&Öppna"},
            {"Apply", "Verkställ"},
            {"Reset", "Återställ"},
            {"Help", "Hjälp"},
            {"Yes", "Ja"},
            {"&Yes", "&Ja"},
            {"No", "Nej"},
            {"&No", "&Nej"},
            {"Discard", "Förkasta"},
            {"Show Details...", "Visa detaljer..."},
            {"Hide Details...", "Dölj detaljer..."},
            // File dialogs.
            {"Look in:", "Leta i:"},
            {"File &name:", "Fil&namn:"},
            {"File name:", "Filnamn:"},
            {"Files of type:", "Filtyp:"},
            {"Save As", "Spara som"},
            {"Back", "Bakåt"},
            {"Forward", "Framåt"},
            {"Parent Directory", "Överordnad mapp"},
            {"Create New Folder", "Skapa ny mapp"},
            {"List View", "Lista"},
            {"Detail View", "Detaljer"},
            {"Sidebar", "Sidopanel"},
            {"New Folder", "Ny mapp"},
            {"&New Folder", "&Ny mapp"},
            {"&Rename", "&Byt namn"},
            {"&Delete", "&Ta bort"},
            {"Show &hidden files", "Visa &dolda filer"},
            {"Recent Places", "Senaste platser"},
            {"All Files (*)", "Alla filer (*)"},
            {"Directory:", "Mapp:"},
            {"&Choose", "&Välj"},
            {"Directories", "Mappar"},
            {"Computer", "Dator"},
            {"My Computer", "Dator"},
            {"Name", "Namn"},
            {"Size", "Storlek"},
            {"Type", "Typ"},
            {"Kind", "Typ"},
            {"Date Modified", "Ändrad"},
            {"Folder", "Mapp"},
            {"File", "Fil"},
            {"Drive", "Enhet"},
            {"%1 already exists.\nDo you want to replace it?", "%1 finns redan.\nVill du ersätta den?"},
            // Text fields' own menu.
            {"&Undo", "&Ångra"},
            {"&Redo", "&Gör om"},
            {"Cu&t", "Klipp &ut"},
            {"&Copy", "&Kopiera"},
            {"&Paste", "Klistra &in"},
            {"Delete", "Ta bort"},
            {"Select All", "Markera allt"},
            // The printer choice and the page set-up.
            {"Print", "Skriv ut"},
            {"&Print", "Skriv &ut"},
            {"Printer", "Skrivare"},
            {"&Name:", "&Namn:"},
            {"P&roperties", "&Egenskaper"},
            {"Properties", "Egenskaper"},
            {"Location:", "Plats:"},
            {"Type:", "Typ:"},
            {"Preview", "Förhandsgranskning"},
            {"Output &file:", "Utdata&fil:"},
            {"&Options >>", "&Alternativ >>"},
            {"&Options <<", "&Alternativ <<"},
            {"Options", "Alternativ"},
            {"Print to File (PDF)", "Skriv till fil (PDF)"},
            {"Local file", "Lokal fil"},
            {"Copies", "Kopior"},
            {"Copies:", "Kopior:"},
            {"Print range", "Utskriftsområde"},
            {"Print all", "Alla sidor"},
            {"Pages from", "Sidor från"},
            {"to", "till"},
            {"Pages", "Sidor"},
            {"Current Page", "Aktuell sida"},
            {"Selection", "Markering"},
            {"Collate", "Sortera"},
            {"Reverse", "Omvänd ordning"},
            {"Color Mode", "Färgläge"},
            {"Color", "Färg"},
            {"Grayscale", "Gråskala"},
            {"Duplex Printing", "Dubbelsidig utskrift"},
            {"None", "Ingen"},
            {"Long side", "Långsida"},
            {"Short side", "Kortsida"},
            {"Advanced", "Avancerat"},
            {"Page Setup", "Utskriftsformat"},
            {"Paper", "Papper"},
            {"Page size:", "Pappersformat:"},
            {"Width:", "Bredd:"},
            {"Height:", "Höjd:"},
            {"Paper source:", "Papperskälla:"},
            {"Orientation", "Orientering"},
            {"Portrait", "Stående"},
            {"Landscape", "Liggande"},
            {"Reverse landscape", "Omvänt liggande"},
            {"Reverse portrait", "Omvänt stående"},
            {"Margins", "Marginaler"},
            {"Page Layout", "Sidlayout"},
            {"Page order:", "Sidordning:"},
            {"Pages per sheet:", "Sidor per ark:"},
            {"Custom", "Anpassad"},
            {"Job", "Jobb"},
            {"Job Options", "Jobbalternativ"},
            // The print preview.
            {"Print Preview", "Förhandsgranska"},
            {"Next page", "Nästa sida"},
            {"Previous page", "Föregående sida"},
            {"First page", "Första sidan"},
            {"Last page", "Sista sidan"},
            {"Fit width", "Anpassa till bredd"},
            {"Fit page", "Anpassa till sida"},
            {"Zoom in", "Zooma in"},
            {"Zoom out", "Zooma ut"},
            {"Show single page", "Visa en sida"},
            {"Show facing pages", "Visa uppslag"},
            {"Show overview of all pages", "Visa alla sidor"},
            {"Page setup", "Utskriftsformat"},
            {"Export to PDF", "Exportera till PDF"},
            // The command line's help.
            {"Usage: %1", "Användning: %1"},
            {"[options]", "[flaggor]"},
            {"Options:", "Flaggor:"},
            {"Arguments:", "Argument:"},
            {"Displays help on commandline options.", "Visar hjälp om flaggorna."},
            {"Displays help, including generic Qt options.", "Visar hjälp, även Qt:s allmänna flaggor."},
            {"Displays version information.", "Visar programmets version."},
            {"Displays help including Qt specific options.", "Visar hjälp, även Qt:s egna flaggor."},
        };
        QHash<QByteArray, QString> table;
        for (const auto& [english, svenska] : pairs) {
            table.insert(QByteArray(english), QString::fromUtf8(svenska));
        }
        return table;
    }();
    return texts;
}

} // namespace

QString SwedishQt::translate(const char* /*context*/, const char* sourceText, const char* /*disambiguation*/,
                             int /*n*/) const {
    if (sourceText == nullptr) {
        return {};
    }
    return swedish().value(QByteArray(sourceText));
}

} // namespace tivra

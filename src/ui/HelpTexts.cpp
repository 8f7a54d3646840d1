#include "ui/HelpTexts.h"

#include <utility>

namespace tivra {
namespace {

constexpr const char* kBreak = "\r\n\r\n";

// Paragraphs joined by an empty line; `last` says whether the last one is followed by one too.
template <std::size_t N> std::string paragraphs(const char* const (&parts)[N], bool last) {
    std::string text;
    for (std::size_t i = 0; i < N; ++i) {
        text += parts[i];
        if (i + 1 < N || last) {
            text += kBreak;
        }
    }
    return text;
}

const char* const kOverview[] = {"Programmet anv\xE4nds f\xF6r bokning av salar och andra objekt. ",
                                 "Om det anv\xE4nds tillsammans med Timora visas vid bokningar salsschemat. "
                                 "\xC4ven personalscheman kan visas."};

const char* const kAdministrator[] = {
    "Programmet beh\xF6ver ha tillg\xE5ng till en salslista och/eller en lista \xF6ver \xF6vriga "
    "bokningsobjekt.",
    "Om programmet anv\xE4nds tillsammans med Timora ska programmet ha tillg\xE5ng till Timoras schemafiler. "
    "Timoras salslista kommer d\xE5 att anv\xE4ndas. Anv\xE4nds inte Timora skapas salslistan som en textfil "
    "i t ex Anteckningar med en sal per rad. Ge filen filtill\xE4gget .sal. ",
    "Man kan \xE4ven v\xE4lja att l\xE4gga alla bokningsobjekt i samma lista, se nedan.",
    "Anv\xE4nds programmet tillsammans med Timora, om man d\xE4r inte valt veckovis schemal\xE4ggning men "
    "vissa lektioner \xE4nd\xE5 \xE4ger rum vissa veckor, kan man vid skapandet av dem i rutan Not ange "
    "veckor i formen VECKOR: 2-4 8-11. Denna information anv\xE4nds d\xE5 av Tivra.",
    "Vid f\xF6rsta programstart och inf\xF6r nytt l\xE4s\xE5r v\xE4ljs Arkiv / Tivra.ini. Tivra.ini \xE4r en "
    "fil d\xE4r programmets inst\xE4llningar sparas. H\xE4r listas \xE4ven andra bokningsobjekt \xE4n salar. "
    "Se hj\xE4lpen till denna dialogruta. Ange speciellt namnet p\xE5 bokningsfilen som sedan automatiskt "
    "l\xE4ses in vid programstart.",
    "Vid dagens f\xF6rsta inl\xE4sning av bokningarna skapar programmet en kopia med filtill\xE4gget bk0 - "
    "bk9, d\xE4r siffran \xE4r datumets entalssiffra. Mappen f\xF6r denna backup anges i Tivra.ini. Vid "
    "behov kan bokningsfilen \xE5terst\xE4llas fr\xE5n den kopia som bed\xF6ms l\xE4mplig. Kopiera kopian "
    "till bokningsfilens plats och \xE4ndra filtil\xE4gget till bok."};

const char* const kBooking[] = {
    "V\xE4lj Salar eller Annat. Finns bara en lista heter det enda valet Objekt. Skriv salen eller objektet "
    "i rutan eller v\xE4lj fr\xE5n listan. V\xE4lj vecka. Befintliga bokningar (och/eller schemalagda tider "
    "f\xF6r salar) visas i schemat. Peka p\xE5 bokning f\xF6r visning av bokningsdata i rutan under schemat.",
    "Fyll i bokningsdata i de olika rutorna. Tidsomfattningen kan \xE4ven markeras direkt i dagsrutan. "
    "Klicka Boka. Bokningarna sparas omedelbart, s\xE5 klicka bara Avsluta n\xE4r du \xE4r klar. ",
    "H\xF6gerklicka p\xE5 en bokning i schemat f\xF6r att avboka eller \xE4ndra bokningsdata.",
    "Ska bokning g\xF6ras f\xF6r flera veckor g\xF6rs f\xF6rst bokning f\xF6r startveckan enligt ovan. "
    "H\xF6gerklicka p\xE5 bokningen i schemat och v\xE4lj 'Flera veckor' fr\xE5n popup-menyn.",
    "V\xE4ljs 'Visa alla bokningar' visas f\xF6r vald vecka alla bokningar av salar och andra objekt i samma "
    "schema. Detta ger en \xF6verblick \xF6ver vilka tider bokningar f\xF6rekommer. \xC4ven personalscheman "
    "kan visas vid anv\xE4ndning tillsammans med Timora.",
    "Bokningar kan skrivas ut som listor eller som veckoscheman. Knappen 'Skriv ut' f\xF6rbereder ett "
    "veckoschema f\xF6r den sal eller det objekt som visas; via menyvalet Arkiv/Skriv ut v\xE4ljer du "
    "sj\xE4lv vad som skrivs ut. Utskriften g\xE5r till den skrivare som v\xE4ljs under Arkiv/Skrivare. I "
    "utskriftsdialogen finns ocks\xE5 F\xF6rhandsgranska, Spara som PDF och vecko\xF6versikten \xF6ver alla "
    "salar; se Hj\xE4lp d\xE4r.",
    "Lediga salar\r\nFyll i dag, starttid och l\xE4ngd och klicka 'Lediga salar'. Ett f\xF6nster bredvid "
    "schemat visar vilka salar (med Annat valt: vilka objekt) som \xE4r lediga just den tiden i den vecka "
    "som visas, och vilka som bara en lektion st\xE5r i v\xE4gen f\xF6r. Dubbelklicka eller tryck Enter "
    "p\xE5 en sal s\xE5 visas salens vecka. Det du skrivit i rutorna finns kvar, s\xE5 n\xE4sta klick kan "
    "vara Boka.",
    "Exportera\r\nArkiv/Exportera... sparar bokningarna och lektionerna f\xF6r den sal, det objekt eller den "
    "person som visas, f\xF6r hela bokningsperioden. V\xE4lj filtyp i dialogen: Kalender (.ics) kan l\xE4sas "
    "in i telefonens eller datorns kalender, Kalkylblad (.csv) \xF6ppnas i ett kalkylprogram. "
    "Filtill\xE4gget l\xE4ggs till om du inte skriver det. Finns filen redan fr\xE5gar programmet innan den "
    "ers\xE4tts.",
    "Tangentbordet\r\nEnter i bokningsrutorna bokar, precis som knappen Boka. Page Up och Page Down visar "
    "f\xF6reg\xE5"
    "ende och n\xE4sta vecka. Ctrl+O \xF6ppnar en bokningsfil och Ctrl+P \xF6ppnar utskriften.",
    "Statusraden och uppdatering\r\nRaden l\xE4ngst ned i f\xF6nstret ber\xE4ttar vad som senast h\xE4nde: "
    "vilken bokning som bokades, \xE4ndrades eller avbokades, vart en utskrift eller export gick och hur "
    "m\xE5nga sidor den blev. L\xE4ngst till h\xF6ger st\xE5r vilken bokningsfil som \xE4r \xF6ppen. Bokar "
    "n\xE5gon p\xE5 en annan dator l\xE4ses bokningarna in igen och veckan ritas om inom n\xE5gra sekunder. "
    "Det du skrivit i rutorna och det du markerat i schemat finns kvar."};

const char* const kPrintHelp[] = {
    "Ange vilka salar och/eller andra objekt som ska skrivas ut. Eller kryssa rutan/rutorna Alla.",
    "Kryssa \xF6nskad(e) typ(er) av utskrift(er). En lista \xE4r en l\xF6pande f\xF6rteckning vecka f\xF6r "
    "vecka \xF6ver bokningar. Veckoscheman \xE4r grafiska scheman, en sida per vecka.",
    "Vecko\xF6versikt\r\nKryssa 'Skriv ut vecko\xF6versikt' f\xF6r ett liggande blad per vecka med alla "
    "salar och objekt som har bokningar den veckan.",
    "Kryssa om utskrift \xF6nskas \xE4ven f\xF6r obokade objekt.",
    "Ange period f\xF6r utskrifterna. \xD6nskas utskrift f\xF6r en f\xF6ljd av veckor skrivs denna i formen "
    "16-24, \xE4ven perioden 46-8 \xE4r till\xE5ten.",
    "OK skriver ut p\xE5 den skrivare som v\xE4ljs under Arkiv/Skrivare.",
    "F\xF6rhandsgranska\r\nVisar sida f\xF6r sida hur utskriften blir, utan att n\xE5got skrivs ut.",
    "Spara som PDF\r\nSparar samma utskrift som en PDF-fil i st\xE4llet f\xF6r p\xE5 papper, till exempel "
    "f\xF6r att skicka med e-post eller skriva ut senare. Finns filen redan fr\xE5gar programmet innan den "
    "ers\xE4tts."};

} // namespace

std::string overviewText() {
    return paragraphs(kOverview, false);
}

std::string administratorText() {
    return paragraphs(kAdministrator, false);
}

std::string bookingText() {
    return paragraphs(kBooking, true);
}

std::string printHelpText() {
    return paragraphs(kPrintHelp, false);
}

std::string settingsHelpText() {
    // Each section: its heading, its body, an empty line; the closing sentence last.
    static const std::pair<const char*, const char*> sections[] = {
        {"Schema/Salslista",
         "Filnamn (inklusive ev. s\xF6kv\xE4g) p\xE5 aktuellt schema - om Timora anv\xE4nds f\xF6r "
         "schemal\xE4ggning. Du kan anv\xE4nda knappen Bl\xE4"
         "ddra. Alternativt namnet p\xE5 salslistan. L\xE4mna rutan tom om programmet enbart anv\xE4nds "
         "f\xF6r bokning av andra objekt eller om \xE4ven salar l\xE4ggs i listan Bokningsobjekt."},
        {"Bokningsfil", "Filnamn (inklusive ev. s\xF6kv\xE4g) p\xE5 bokningsfil som ska \xF6ppnas vid "
                        "programstart. Anv\xE4nds inte nytt filnamn ska inf\xF6r nytt l\xE4s\xE5r eller "
                        "annan period gammal bokningsfil raderas."},
        {"S\xF6kv\xE4g backup",
         "S\xF6kv\xE4g till den mapp d\xE4r backup p\xE5 bokningslistan ska sparas. \xC4ven "
         "n\xE4tverkss\xF6kv\xE4g till en utdelad mapp kan anv\xE4ndas, t ex \\\\server\\backup. Anv\xE4nd "
         "om m\xF6jligt en annan disk \xE4n f\xF6r programmet."},
        {"Start/sluttid",
         "Dagens start- och sluttid som hela timmar (de bokningstider som kan komma ifr\xE5ga)."},
        {"Start/slutvecka", "T ex startvecka 34, slutvecka 24 f\xF6r ett skol\xE5r."},
        {"Bokningsperioder",
         "Om vissa salar eller objekt bara ska kunna bokas begr\xE4nsade perioder, anges h\xE4r perioder i "
         "formen\r\nsal startvecka-slutvecka, t ex:\r\n15 36-37\r\nDatasal 36-39"},
        {"Linjebredd", "Tjocklek p\xE5 linjer i utskrifter. Typiskt v\xE4rde 4. M\xE5ste utprovas."},
        {"Toningsgrad", "Fyllning av rutor p\xE5 veckoscheman. H\xF6gsta v\xE4rde 255 = ingen toning. "
                        "Typiskt v\xE4rde 230. M\xE5ste utprovas. Man kan v\xE4lja olika gr\xE5skalor f\xF6r "
                        "bokningar och schemalagda aktiviteter."},
        {"Bokningsobjekt", "Lista p\xE5 andra objekt \xE4n salar. Skriv ett objekt per rad. Man kan \xE4ven "
                           "v\xE4lja att l\xE4gga alla objekt (\xE4ven salar) i denna lista."},
    };
    std::string text;
    for (const auto& [heading, body] : sections) {
        text += std::string(heading) + "\r\n" + body + kBreak;
    }
    return text + "Klicka 'Spara i Tivra.ini'. Starta om programmet f\xF6r att ta inst\xE4llningarna i bruk.";
}

std::string aboutText() {
    return std::string("\r\n") + "Ett program f\xF6r bokning av salar och utrustning.\r\n" +
           "Titta g\xE4rna efter nya versioner av Tivra: se projektets README.\r\n" +
           "Kontakt: se README-filen som f\xF6ljer med Tivra.";
}

} // namespace tivra

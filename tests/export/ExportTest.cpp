#include "export/CsvExport.h"
#include "export/IcsExport.h"
#include "support/Rows.h"

#include <gtest/gtest.h>
#include <libical/ical.h>

#include <tuple>

namespace tivra {
namespace {

// A school year 2026/27 counted from week 33, a room with a booking over the new year and
// a lesson in weeks 2-4 of the spring.
struct ExportSchool {
    Program program;
    const Date today{2026, 11, 20};
    ExportSchool() {
        program.settings.startvecka = 33;
        program.settings.slutvecka = 78;
        BookingTable& t = program.bokningar;
        test::addLesson(t, {"MA1", "NA1a", "60", "2", "08.15", "B14 B12", "AB", "", "", "2-4"});
        test::addBooking(t, {"\xC5SA", "M\xF6te; \"viktigt\"", "90", "3", "13.00", "B14", "", "51-54"});
        test::addBooking(t, {"BO", "", "30", "1", "10.00", "B12", "", "40"});
    }
    std::vector<Occurrence> of(const std::string& objekt, bool lessons) const {
        return occurrences(program, ExportChoice{objekt, {}, 33, 78, lessons}, today);
    }
};

// The dates over the new year and the lessons' weeks are read in the spreadsheet rows below.
TEST(Export, ASignatureChoosesItsBookingsAndEachOccurrenceKeepsItsIdentity) {
    ExportSchool school;
    EXPECT_EQ(occurrences(school.program, {{}, "\xC5SA", 33, 78, false}, school.today).size(), 4u);
    // The identity stays from one export to the next and differs for another booking.
    const std::vector<Occurrence> first = school.of("B14", false);
    EXPECT_EQ(first[0].uid, school.of("B14", false)[0].uid);
    EXPECT_NE(first[0].uid, first[1].uid) << "another week";
    school.program.bokningar.row(2).kommentar = "M\xF6te";
    EXPECT_NE(first[0].uid, school.of("B14", false)[0].uid) << "another comment";
}

// Every row of a spreadsheet export after its mark and heads: times a spreadsheet reads as
// times, the day a booking at midnight falls on, the date a booking over midnight ends,
// lessons in columns of their own; the calendar parses back in Swedish local time and ends
// where the grid ends (47 minutes after 08.00 end at 08.45).
TEST(Export, EveryRowReadsRightInASpreadsheetAndTheCalendarEndsWhereTheGridEndsIt) {
    ExportSchool school;
    BookingTable& t = school.program.bokningar;
    test::addBooking(t, {"KV", "F\xF6r\xE4ldram\xF6te", "60", "4", "23.30", "B14", "", "40"});
    test::addBooking(t, {"MN", "Natt", "30", "5", "24.00", "B14", "", "40"});
    test::addBooking(t, {"UDD", "Udda", "47", "1", "08.00", "B14", "", "40"});
    ExportChoice choice{"B14", {}, 40, 55, true};
    const std::vector<Occurrence> found = occurrences(school.program, choice, school.today);
    const std::string csv = csvText(found);
    std::vector<std::string> lines;
    for (std::size_t at = 0, next; (next = csv.find("\r\n", at)) != std::string::npos; at = next + 2) {
        lines.push_back(csv.substr(at, next - at));
    }
    EXPECT_EQ(
        lines,
        (std::vector<std::string>{
            "\xEF\xBB\xBF"
            "Datum;Vecka;Dag;Start;Slut;Slutdatum;Objekt;Signatur;Kommentar;Kurs;Klass;L\xC3\xA4rare;Typ",
            "2026-09-28;40;M\xC3\xA5n;08:00;08:45;2026-09-28;B14;UDD;Udda;;;;Bokning",
            "2026-10-01;40;Tor;23:30;00:30;2026-10-02;B14;KV;F\xC3\xB6r\xC3\xA4ldram\xC3\xB6te;;;;Bokning",
            "2026-10-03;40;L\xC3\xB6r;00:00;00:30;2026-10-03;B14;MN;Natt;;;;Bokning",
            "2026-12-16;51;Ons;13:00;14:30;2026-12-16;B14;\xC3\x85SA;\"M\xC3\xB6te; "
            "\"\"viktigt\"\"\";;;;Bokning",
            "2026-12-23;52;Ons;13:00;14:30;2026-12-23;B14;\xC3\x85SA;\"M\xC3\xB6te; "
            "\"\"viktigt\"\"\";;;;Bokning",
            "2027-01-06;1;Ons;13:00;14:30;2027-01-06;B14;\xC3\x85SA;\"M\xC3\xB6te; "
            "\"\"viktigt\"\"\";;;;Bokning",
            "2027-01-12;2;Tis;08:15;09:15;2027-01-12;B14 B12;;;MA1;NA1a;AB;Lektion",
            "2027-01-13;2;Ons;13:00;14:30;2027-01-13;B14;\xC3\x85SA;\"M\xC3\xB6te; "
            "\"\"viktigt\"\"\";;;;Bokning",
            "2027-01-19;3;Tis;08:15;09:15;2027-01-19;B14 B12;;;MA1;NA1a;AB;Lektion",
        }));
    const std::string ics = icsText(found, 0);
    icalcomponent* calendar = icalparser_parse_string(ics.c_str());
    ASSERT_NE(calendar, nullptr);
    EXPECT_EQ(icalcomponent_count_components(calendar, ICAL_VEVENT_COMPONENT), 9);
    EXPECT_EQ(icalcomponent_count_components(calendar, ICAL_VTIMEZONE_COMPONENT), 1);
    icalcomponent* event = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT);
    EXPECT_STREQ(icalcomponent_get_summary(event), "B14 \xE2\x80\x93 UDD: Udda");
    EXPECT_STREQ(icaltime_as_ical_string(icalcomponent_get_dtstart(event)), "20260928T080000");
    EXPECT_STREQ(icaltime_get_tzid(icalcomponent_get_dtend(event)), "Europe/Stockholm");
    icalcomponent_free(calendar);
    EXPECT_NE(ics.find("SUMMARY:B14 \xE2\x80\x93 \xC3\x85SA: M\xC3\xB6te\\; \"viktigt\"\r\n"),
              std::string::npos)
        << "escaped as the standard wants";
    EXPECT_NE(ics.find("DTEND;TZID=Europe/Stockholm:20260928T084500"), std::string::npos);
    EXPECT_NE(ics.find("DTEND;TZID=Europe/Stockholm:20261002T003000"), std::string::npos);
    EXPECT_NE(ics.find("DTEND;TZID=Europe/Stockholm:20261003T003000"), std::string::npos);
    EXPECT_NE(ics.find("DTSTART;TZID=Europe/Stockholm:20261003T000000"), std::string::npos);
}

TEST(Export, ASpreadsheetNeverRunsATypedSignatureOrCommentAsAFormula) {
    ExportSchool school;
    Bokning& booking = school.program.bokningar.row(3);
    // What the cells read after the day and the times: object, signature, comment.
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"BO", "=HYPERLINK(\"x\")", "B12;BO;\"'=HYPERLINK(\"\"x\"\")\""},
        {"BO", "+46 70", "B12;BO;\"'+46 70\""},
        {"BO", "-1", "B12;BO;\"'-1\""},
        {"@BO", "\tx", "B12;\"'@BO\";\"'\tx\""},
        {"BO", "\rx", "B12;BO;\"'\rx\""},
        {"B-O", "a=b", "B12;B-O;a=b"},
        {"BO", "Sal \"A\"", "B12;BO;\"Sal \"\"A\"\"\""}};
    for (const auto& [signatur, kommentar, cells] : cases) {
        booking.signatur = signatur;
        booking.kommentar = kommentar;
        const std::string csv = csvText(school.of("B12", false));
        EXPECT_NE(csv.find(std::string("10:30;2026-09-28;") + cells + ";;;;Bokning\r\n"), std::string::npos)
            << csv;
    }
}

} // namespace
} // namespace tivra

#include "view/Details.h"

#include "core/RowRules.h"
#include "view/ViewFixture.h"

#include <gtest/gtest.h>

#include <string>

namespace tivra {
namespace {

TEST(Details, BookingAndLessonLinesByteForByte) {
    test::ViewProgram p;
    int lesson = p.lesson({.kommentar = "NA2", .larare = "AB CD", .notering = "Lab", .veckor = "2-4 8-11"});
    int everyWeek = p.lesson({.signatur = "MA1", .langd = "40", .starttid = "9.30", .larare = "EF"});
    int booking = p.booking({.kommentar = "M\xF6te", .vecka = "60"});
    int span = p.booking({.signatur = "CD", .langd = "50", .starttid = "10.00", .vecka = "50-54"});
    int comment = p.booking({.kommentar = "Prov%%intern", .larare = "X", .notering = "Y"});
    int note = p.booking({.kommentar = "Prov", .notering = "Lab%%hemlig"});
    BookingTable& t = p.program.bokningar;

    const std::string lessonText = "AB    08.15 - 09.00   (45 min)   Veckor: 2-4 8-11\r\nNA2\r\nAB CD\r\nLab";
    EXPECT_EQ(detailsText(t, booking), "AB    08.15 - 09.00   (45 min)   Vecka: 8\r\nM\xF6te\r\n\r\n");
    EXPECT_EQ(detailsText(t, span), "CD    10.00 - 10.50   (50 min)   Veckor: 50-2\r\n\r\n\r\n");
    EXPECT_EQ(detailsText(t, lesson), lessonText);
    EXPECT_EQ(detailsText(t, everyWeek), "MA1    9.30 - 10.10   (40 min)\r\n\r\nEF\r\n");
    // Everything from the first "%%" on is hidden.
    EXPECT_EQ(detailsText(t, comment), "AB    08.15 - 09.00   (45 min)   Vecka: 40\r\nProv");
    EXPECT_EQ(detailsText(t, note), "AB    08.15 - 09.00   (45 min)   Vecka: 40\r\nProv\r\n\r\nLab");
    // The week list of a lesson wins over whatever its vecka holds.
    t.row(lesson).vecka = "40-42";
    EXPECT_EQ(detailsText(t, lesson), lessonText);
    // A dash in front is no range: a booking shows its one week.
    t.row(span).vecka = "-5";
    EXPECT_EQ(detailsText(t, span), "CD    10.00 - 10.50   (50 min)   Vecka: -5\r\n\r\n\r\n");
    // No row: nothing.
    EXPECT_EQ(detailsText(t, 0), "");
    EXPECT_EQ(detailsText(t, t.antalrader + 1), "");
}

TEST(Details, EndLabelRoundsAFractionalSlot) {
    auto end = [](const char* start, const std::string& langd) {
        return endLabel(test::Row{.langd = langd, .starttid = start});
    };
    EXPECT_EQ(end("08.00", "47"), "08.45"); // 9.4 slots
    EXPECT_EQ(end("08.00", "48"), "08.50"); // 9.6 slots
    EXPECT_EQ(end("23.30", "45"), "24.15");
    EXPECT_EQ(end("9", "45"), "00.40"); // no ".": slot 0, the time before midnight
    // A length beyond any number still gives a time.
    EXPECT_EQ(end("08.00", std::string(400, '9')).size(), 5u);
}

} // namespace
} // namespace tivra

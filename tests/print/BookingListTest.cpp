#include "print/BookingList.h"
#include "PrintFixture.h"
#include "print/WeekSchedule.h"

namespace tivra::test {
namespace {

using BookingList = PrintFixture;

TEST_F(BookingList, SortsByFirstWeekDayAndTimeAndNamesEachWeekAndDayOnce) {
    lesson("B12", "1", "08.00", "60");
    booking("B12", "12", "2", "13.00", "60", "AB", "Sent");
    booking("B12", "12", "2", "13.00", "60", "AB2", "Samma tid");
    booking("B12", "12", "2", "08.00", "60", "CDEFGHIJ", "Tidigt");
    booking("B12", "12", "1", "10.00", "30", "EF", std::string(100, 'x'));
    booking("B12", "36", "1", "08.00", "45", "GH", "Enstaka");
    booking("B12", "34-40", "1", "14.00", "60", "IJ", "L\xE5ng");
    booking("B14", "12", "1", "09.00", "60", "KL", "Annan sal");
    booking("B12", "12", "3", "09.00", "60", "MN", "Avbokad").cancel();
    Printout out = printout();
    skrivut(out, "B12", 12, 36);

    const std::vector<std::string> expected{
        "Skolan", "Bokningar av B12", "05-12-2026", "V  12 ", "M\xC5N", "10.00 - 10.30", "EF",
        std::string(59, 'x'), // cut to fit 11906 / 2
        "TIS", "08.00 - 09.00", "CDEFGH", "Tidigt", "13.00 - 14.00", "AB", "Sent", "13.00 - 14.00", "AB2",
        "Samma tid", // equal keys in table order
        // weeks 34-40 under each of its weeks, before a later first week at an earlier time
        "V  34 ", "M\xC5N", "14.00 - 15.00", "IJ", "L\xE5ng", "V  35 ", "M\xC5N", "14.00 - 15.00", "IJ",
        "L\xE5ng", "V  36 ", "M\xC5N", "14.00 - 15.00", "IJ", "L\xE5ng", "08.00 - 08.45", "GH", "Enstaka"};
    EXPECT_EQ(surface.texts(1), expected);
    // The date stands on the title's line, the day names and times in their columns.
    EXPECT_EQ(surface.find("05-12-2026")->y1, surface.find("Bokningar av B12")->y1);
    EXPECT_DOUBLE_EQ(surface.find("TIS")->x1, 0.2 * surface.W);
    EXPECT_DOUBLE_EQ(surface.find("Tidigt")->x1, 0.44 * surface.W);
    // A time wider than its column pushes the signature one blank along.
    const Drawn* signature = surface.find("CDEFGH");
    const Drawn* time = surface.find("08.00 - 09.00");
    ASSERT_TRUE(signature && time);
    EXPECT_GT(signature->x1, surface.rightOf(*time));
    EXPECT_EQ(surface.pages(), 1);
}

TEST_F(BookingList, HeadsTheWeeksOfAPeriodOverTheNewYearAsTheUserCountsThem) {
    program.settings.startvecka = 33;
    booking("B12", "51-54", "1", "08.00");
    booking("B12", "53", "3", "08.00");
    Printout out = printout();
    skrivut(out, "B12", 51, 54);
    std::vector<std::string> weeks;
    for (const std::string& text : surface.texts(1)) {
        if (text.starts_with("V ") || text == "M\xC5N" || text == "ONS") {
            weeks.push_back(text);
        }
    }
    EXPECT_EQ(weeks, (std::vector<std::string>{"V  51 ", "M\xC5N", "V  52 ", "M\xC5N", "V  1 ", "M\xC5N",
                                               "ONS", "V  2 ", "M\xC5N"}));
}

// Pages break by the page height the device reports, here Letter in landscape.
TEST_F(BookingList, ListsEveryBookingOverAsManyPagesAsItTakes) {
    surface.W = 12240;
    surface.H = 15840;
    surface.landscape = true;
    for (int i = 0; i < 2500; ++i) {
        booking("B12", "5", "1", "08.00", "60", "S" + std::to_string(i));
    }
    Printout out = printout();
    skrivut(out, "B12", 5, 5);
    int times = 0;
    int weeks = 0;
    for (const Drawn& d : surface.all(Drawn::Kind::Text)) {
        times += d.text == "08.00 - 09.00" ? 1 : 0;
        weeks += d.text.starts_with("V ") ? 1 : 0;
        ASSERT_LE(d.y1, 0.92 * surface.pageHeight() + 240) << d.text << " on page " << d.page;
    }
    EXPECT_EQ(times, 2500);
    EXPECT_EQ(weeks, 1);
    // The next page: its head, then neither week nor day again.
    EXPECT_EQ(surface.texts(2).at(0), "Bokningar av B12, sida  2 ");
    EXPECT_EQ(surface.texts(2).at(1), "08.00 - 09.00");
}

// With a real font's widths, a long object name is cut with an ellipsis so that the week
// and the date stay on the page, and a comment in capitals ends inside the margin.
TEST_F(BookingList, LongNamesAndCommentsInCapitalsStayOnThePage) {
    const std::string name = "WWW Datavagn med fyrtio b\xE4rbara datorer";
    program.settings.bokaobjekt.push_back(name);
    booking(name, "12", "1", "10.00", "30", "EF", std::string(40, 'W') + std::string(40, 'i'));
    for (bool schedule : {false, true}) {
        surface = RecordingSurface();
        Printout out = printout();
        (schedule ? skrivut_grafiskt : skrivut)(out, name, 12, 12);
        const Drawn* title = nullptr;
        const Drawn* comment = nullptr;
        const std::vector<Drawn> texts = surface.all(Drawn::Kind::Text, 1);
        for (const Drawn& d : texts) {
            title = d.text.starts_with("Bokningar av WWW") ? &d : title;
            comment = d.text.starts_with("WWWWWW") ? &d : comment;
        }
        const Drawn* date = surface.find("05-12-2026", 1);
        ASSERT_TRUE(title && date && comment) << schedule;
        EXPECT_TRUE(title->text.find('\x85') != std::string::npos) << title->text;
        EXPECT_EQ(schedule, title->text.ends_with("  vecka 12 ")) << title->text;
        EXPECT_LT(surface.rightOf(*title), date->x1) << schedule;
        EXPECT_LE(surface.rightOf(*date), surface.pageWidth()) << schedule;
        EXPECT_LE(surface.rightOf(*comment), surface.pageWidth()) << schedule;
    }
}

} // namespace
} // namespace tivra::test

#include "print/PrintPlan.h"
#include "PrintFixture.h"
#include "support/Fakes.h"

#include <tuple>

namespace tivra::test {
namespace {

class PrintPlanTest : public PrintFixture {
  protected:
    PrintPlanTest() {
        lesson("B2", "1", "08.00", "60");
        booking("B12", "36", "1", "08.00");
        booking("B14", "30-40", "2", "08.00");
        booking("KANON 1", "36", "3", "08.00");
        booking("B1", "50", "1", "08.00");
    }
};

TEST_F(PrintPlanTest, WeeksOfTheDialog) {
    // The weeks as "first-last" of the school year, or what the dialog was told.
    const std::tuple<std::string, int, std::string> cases[] = {
        {"53", 1, "53-53"},
        {"54", 1, "Skriv ut|Ange vecka/veckor."},
        {"0", 1, "Skriv ut|Ange vecka/veckor."},
        {"", 1, "Skriv ut|Ange vecka/veckor."},
        {"16-", 1, "Skriv ut|Ange giltiga veckor."},
        {"16-24", 33, "68-76"},
        {"46-8", 33, "46-60"},
        {"46-8", 1, "Skriv ut|Ange giltiga veckor."},
        {"5", 33, "57-57"},
        {"33-34", 33, "33-34"},                        // the school year's first week is this year's
        {"1-200", 1, "Skriv ut|Ange giltiga veckor."}, // hundreds of empty pages
    };
    for (const auto& [text, startvecka, expected] : cases) {
        ScriptedMessages messages;
        std::optional<PrintPlan> plan = printWeeks(text, startvecka, messages);
        std::string got = plan ? std::to_string(plan->firstWeek) + "-" + std::to_string(plan->lastWeek) : "";
        for (const std::string& line : messages.log()) {
            got += line;
        }
        EXPECT_EQ(got, expected) << text;
    }
}

TEST_F(PrintPlanTest, ObjectsChosenByNameMarkAndKind) {
    struct Case {
        std::string salar, objekt;
        bool everyRoom, withUnbooked, lists;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {"b12,b14", "", false, false, true, {"B12", "B14"}}, // 30-40 meets 35-36
        {" B12   B14 ", "", false, false, true, {"B12", "B14"}},
        {"B1", "", false, false, true, {}},          // not B12
        {"", "", true, false, true, {"B12", "B14"}}, // lessons alone: not B2
        {"", "kanon 1", false, false, true, {"KANON 1"}},
        {"KANON 1", "", false, false, true, {}}, // not a room
        {"", "", true, true, true, {"B1", "B12", "B14", "B2"}},
        {"", "", true, false, false, {}},
    };
    PrintChoice choice;
    ScriptedMessages messages;
    for (const Case& c : cases) {
        choice.veckor = "35-36";
        choice.salar = c.salar;
        choice.objekt = c.objekt;
        choice.everyRoom = c.everyRoom;
        choice.withUnbooked = c.withUnbooked;
        choice.lists = c.lists;
        const std::optional<PrintPlan> plan = planPrintout(program, choice, messages);
        std::vector<std::string> names;
        for (const PrintJob& job : plan.value().jobs) {
            names.push_back(job.objekt);
        }
        EXPECT_EQ(names, c.names) << c.salar << "|" << c.objekt;
    }
    choice.veckor = "54";
    EXPECT_FALSE(planPrintout(program, choice, messages));
    EXPECT_EQ(messages.log(), std::vector<std::string>{"Skriv ut|Ange vecka/veckor."});
}

TEST_F(PrintPlanTest, OneDocumentOfListsAndSchedulesObjectAfterObject) {
    PrintChoice choice;
    choice.veckor = "36-37";
    choice.salar = "B12 B14";
    choice.weekSchedules = true;
    booking("B12", "36", "1", "8", "60"); // unreadable start, listed and drawn
    ScriptedMessages messages;
    std::optional<PrintPlan> plan = planPrintout(program, choice, messages);
    ASSERT_TRUE(plan);
    PrintNotes notes = renderPlan(*plan, program, Date{2026, 12, 5}, surface);
    EXPECT_EQ(surface.pages(), 6);
    std::vector<std::string> titles;
    for (int page = 1; page <= 6; ++page) {
        titles.push_back(surface.texts(page).at(1));
    }
    EXPECT_EQ(titles, (std::vector<std::string>{
                          "Bokningar av B12", "Bokningar av B12  vecka 36 ", "Bokningar av B12  vecka 37 ",
                          "Bokningar av B14", "Bokningar av B14  vecka 36 ", "Bokningar av B14  vecka 37 "}));
    EXPECT_EQ(surface.endDocs(), 1);
    EXPECT_EQ(surface.drawn.back().kind, Drawn::Kind::EndDoc);
    EXPECT_EQ(surface.drawn.back().page, 6); // no empty sheet after the last schedule
    EXPECT_TRUE(messages.shown.empty());     // the render says nothing itself
    reportPrintNotes(notes, messages);
    EXPECT_EQ(messages.log(), (std::vector<std::string>{"Skriv ut|Felaktigt tidsformat."}));

    // Stopped after its second step: two sheets, and the document is not ended.
    EXPECT_EQ(planSteps(*plan), 6);
    RecordingSurface stopped;
    int steps = 0;
    EXPECT_TRUE(
        renderPlan(*plan, program, Date{2026, 12, 5}, stopped, [&] { return ++steps < 2; }).interrupted);
    EXPECT_EQ(stopped.pages(), 2);
    EXPECT_EQ(stopped.endDocs(), 0);

    // After an overview in landscape, the lists and schedules are upright again.
    choice.overview = true;
    std::optional<PrintPlan> withOverview = planPrintout(program, choice, messages);
    ASSERT_TRUE(withOverview);
    RecordingSurface after;
    renderPlan(*withOverview, program, Date{2026, 12, 5}, after);
    EXPECT_FALSE(after.landscape);
}

} // namespace
} // namespace tivra::test

#pragma once
// The print dialog's "OK" without its window, in two halves: the plan (the checks with
// their messages, which objects and weeks, in which order) and the render of a plan on a
// surface, which shows no message, so that a print preview can repaint it at will.
#include "config/Program.h"
#include "core/Messages.h"
#include "print/Printout.h"
#include "print/WeekOverview.h"

#include <optional>
#include <string>
#include <vector>

namespace tivra {

// The dialog's values, Windows-1252 as typed.
struct PrintChoice {
    std::string veckor;         // Text1: "36", "46-8"
    std::string salar;          // Text2: rooms, separated by blanks or commas
    std::string objekt;         // Text3: other objects
    bool everyRoom = false;     // Check1
    bool everyObject = false;   // Check2
    bool withUnbooked = false;  // Check3
    bool lists = true;          // Check4
    bool weekSchedules = false; // Check5
    bool overview = false;      // Check6: the all-rooms week sheet
    bool withLessons = false;   // Check7: the lessons on the week sheet too
};

// One object of the document: its list, then its week schedules.
struct PrintJob {
    std::string objekt; // as stored in the room or object list
    bool lista = false;
    bool schema = false;
};

struct PrintPlan {
    int firstWeek = 0; // school-year weeks
    int lastWeek = 0;
    std::vector<PrintJob> jobs; // rooms in list order, then the other objects
    // The week sheet's objects (none when it is not printed or has nothing to show).
    OverviewChoice overview;
    bool empty() const { return jobs.empty() && overview.objects.empty(); }
};

inline constexpr const char* kPrintTitle = "Skriv ut";

// The weeks of Text1 in school-year numbers; nothing, after its message (titled `title`:
// the export reads its weeks the same way), when they are refused.
std::optional<PrintPlan> printWeeks(const std::string& veckor, int startvecka, Messages& messages,
                                    const char* title = kPrintTitle);

// The checks and the choice of objects. Nothing, after a message, when the weeks are
// refused; an empty plan when there is nothing to print, which starts no document.
std::optional<PrintPlan> planPrintout(const Program& program, const PrintChoice& choice, Messages& messages);

// The lists and week pages of the plan: the steps a progress bar counts.
int planSteps(const PrintPlan& plan);

// Draws the plan's document on the surface and ends it. Shows nothing; what it noticed
// is in the result, for reportPrintNotes. `goOn` is asked after every step; when it says
// no, drawing stops and the document is left unended, for the caller to withdraw.
PrintNotes renderPlan(const PrintPlan& plan, const Program& program, const Date& today, PrintSurface& surface,
                      const GoOn& goOn = {});

} // namespace tivra

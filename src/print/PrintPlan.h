#pragma once
// The print dialog's "OK" without its window, in two halves: the plan (the checks with
// their messages, which objects and weeks, in which order) and the render of a plan on a
// surface, which shows no message, so that a print preview can repaint it at will.
#include "config/Program.h"
#include "core/Messages.h"
#include "print/Printout.h"

#include <optional>
#include <string>
#include <vector>

namespace tivra {

// The dialog's values, Windows-1252 as typed.
struct PrintChoice {
    std::string veckor;        // Text1: "36", "46-8"
    std::string salar;         // Text2: rooms, separated by blanks or commas
    std::string objekt;        // Text3: other objects
    bool allaSalar = false;    // Check1
    bool allaObjekt = false;   // Check2
    bool avenObokade = false;  // Check3
    bool listor = true;        // Check4
    bool veckoscheman = false; // Check5
    bool oversikt = false;     // Check6: the all-rooms week sheet
};

// One object of the document: its list, then its week schedules.
struct PrintJob {
    std::string objekt; // as stored in the room or object list
    bool lista = false;
    bool schema = false;
};

struct PrintPlan {
    int forstavecka = 0; // school-year weeks
    int sistavecka = 0;
    std::vector<PrintJob> jobs; // rooms in list order, then the other objects
    // The objects of the week sheet, rooms first; every one of them gets a row, booked or
    // not, with oversiktAlla.
    std::vector<std::string> oversikt;
    bool oversiktAlla = false;
    bool empty() const { return jobs.empty() && oversikt.empty(); }
};

inline constexpr const char* kPrintTitle = "Skriv ut";

// The weeks of Text1 in school-year numbers; nothing, after its message (titled `title`:
// the export reads its weeks the same way), when they are refused.
std::optional<PrintPlan> printWeeks(const std::string& veckor, int startvecka, Messages& messages,
                                    const char* title = kPrintTitle);

// The checks and the choice of objects. Nothing, after a message, when the weeks are
// refused; an empty plan when there is nothing to print, which starts no document.
std::optional<PrintPlan> planera(const Program& program, const PrintChoice& choice, Messages& messages);

// The lists and week pages of the plan: the steps a progress bar counts.
int planSteps(const PrintPlan& plan);

// Draws the plan's document on the surface and ends it. Shows nothing; what it noticed
// is in the result, for reportPrintNotes. `goOn` is asked after every step; when it says
// no, drawing stops and the document is left unended, for the caller to withdraw.
PrintNotes renderPlan(const PrintPlan& plan, const Program& program, const Date& today, PrintSurface& surface,
                      const GoOn& goOn = {});

} // namespace tivra

#pragma once
// The choice of view kind, object, week and day made with the controls above the grid.
// Each function updates the stored choice and tells the window what to show; the window
// redraws through visasalsschema when asked to.
#include "config/Program.h"
#include "config/ViewObjects.h"
#include "core/Calendar.h"

#include <string>
#include <string_view>
#include <vector>

namespace tivra {

// A typed week: its whole number, +52 below startvecka (next calendar year), held to
// slutvecka above it.
int correctedWeek(std::string_view text, int startvecka, int slutvecka);
// The arrows ">" and "<": one week on or back, never past the period's ends.
int nextWeek(int valdvecka, int slutvecka);
int previousWeek(int valdvecka, int startvecka);

// The 1-based position of the first entry equal to the normalised text; 0 when none.
int findEntry(const std::vector<std::string>& list, std::string_view text);
// The first staff entry that begins with the text's first word and a blank, so a
// signature alone finds its person; 0 when none.
int findStaff(const std::vector<std::string>& personal, std::string_view text);

// The object field after a choice of view kind.
struct ObjectField {
    std::vector<std::string> entries;
    std::string text;
    bool redraw = false; // an empty list leaves the grid as it was
};
// An option button: selects the view kind and returns to the entry chosen there before
// (the first one the first time).
ObjectField chooseView(Program& program, ViewKind viewKind);
// Text typed into or picked from the object field, looked up in the current view kind's
// list; true when it named an entry, which is now chosen and must be drawn. Partial
// text and the overview change nothing.
bool chooseObject(Program& program, std::string_view text);

// The 1-based position of the normalised text in the day field's list; 0 when absent.
int findDay(const std::vector<std::string>& dayList, std::string_view text);
// Text in the day field: stores the day when the list holds it; false (and valddag kept)
// when it does not. Never redraws.
bool chooseDay(Selection& val, const std::vector<std::string>& dayList, std::string_view text);
// What a click on day header d (1..7) puts into the day field: its day name, Sunday's
// too; the empty text for any other index.
std::string dayHeaderChoice(int d);

} // namespace tivra

#pragma once
// Printing from a window: a wait cursor while the document is made, and for more than a
// few pages a progress dialog ("Skriver ut...") whose "Avbryt" stops it; a stopped
// document is withdrawn whole.
#include "config/Program.h"
#include "gui/PrintOutput.h"
#include "print/PrintPlan.h"

class QWidget;

namespace tivra {

// Above this many lists and week pages the progress dialog shows.
inline constexpr int kFewPages = 3;

// Sends the plan's document to the output. Shows no message; the notes are for the
// caller to report once it is done.
PrintResult printWithProgress(const PrintPlan& plan, const Program& program, const Date& today,
                              PrintOutput& output, QWidget* parent, PrintNotes& notes);

} // namespace tivra

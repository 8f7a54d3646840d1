#pragma once
// What one printed document is drawn with: the surface, the program's state and today's
// date, and what the drawing noticed on the way. A render never shows a message (a print
// preview repaints the same document many times); the caller reports the notes once,
// after the document is ended.
#include "config/Program.h"
#include "core/Clock.h"
#include "core/Messages.h"
#include "print/PrintSurface.h"

#include <functional>
#include <string>

namespace tivra {

struct PrintNotes {
    bool badStartTime = false; // a printed row's start time could not be read
    bool interrupted = false;  // the user stopped the document part-way; it was not ended
};

// Asked after each list and each week page: false stops the document there.
using GoOn = std::function<bool()>;

struct Printout {
    PrintSurface& surface;
    const Program& program;
    Date today;
    PrintNotes notes;
    GoOn goOn;
    // After a list or a page: whether to go on, noting a stop.
    bool nextStep() {
        if (goOn && !notes.interrupted && !goOn()) {
            notes.interrupted = true;
        }
        return !notes.interrupted;
    }
};

// Today's date as the printouts head their pages: "05-12-2026".
std::string dateText(const Date& date);

// A number as the printouts write it: a blank, the digits, a blank (" 5 ").
std::string numberText(long long value);

// Moves to the column x on the current line, or, when what stands on the line already
// reaches it, one blank past that: a wide time or a long name pushes the next column
// along instead of running into it.
void moveToColumn(PrintSurface& surface, double x);

// A page's title from the current position in the current font, `before` + the object's
// name + `after`, then the date in 10 pt at the column `dateColumn`, or further left when
// it would leave the page. A long name is cut with an ellipsis so that the rest of the
// title and the date stay on the page.
void titleAndDate(PrintSurface& surface, const std::string& before, const std::string& name,
                  const std::string& after, double dateColumn, const std::string& date);

// The start slot of a row that is printed; a time that cannot be read is noted and
// counts as 0, so the row is drawn from the top of the axis.
int printedStartSlot(Printout& out, const Bokning& row);

// The notes of a finished document as messages, each once.
void reportPrintNotes(const PrintNotes& notes, Messages& messages);

} // namespace tivra

#include "print/Printout.h"

#include "print/TextFitting.h"

#include "core/Number.h"
#include "core/RowRules.h"

#include <algorithm>

namespace tivra {
namespace {

std::string twoDigits(int value) {
    std::string digits = decimalText(static_cast<long long>(value));
    return digits.size() < 2 ? "0" + digits : digits;
}

} // namespace

std::string dateText(const Date& date) {
    return twoDigits(date.day) + "-" + twoDigits(date.month) + "-" +
           decimalText(static_cast<long long>(date.year));
}

std::string numberText(long long value) {
    return printForm(value) + " ";
}

void moveToColumn(PrintSurface& surface, double x) {
    double reached = surface.currentX();
    surface.setCurrentX(reached > 0 ? std::max(x, reached + surface.textWidth(" ")) : x);
}

void titleAndDate(PrintSurface& surface, const std::string& before, const std::string& name,
                  const std::string& after, double dateColumn, const std::string& date) {
    const double titleSize = 16;
    surface.setFontSize(10);
    const double column = std::min(dateColumn, surface.pageWidth() - surface.textWidth(date));
    surface.setFontSize(titleSize);
    const double room = column - surface.currentX() - surface.textWidth(before + after + " ");
    surface.writeOn(before + shortenedName(surface, name, room) + after);
    surface.setFontSize(10);
    moveToColumn(surface, column);
    surface.writeLine(date);
}

int printedStartSlot(Printout& out, const Bokning& row) {
    int slot = startSlot(row);
    if (slot == 0) {
        out.notes.badStartTime = true;
    }
    return slot;
}

void reportPrintNotes(const PrintNotes& notes, Messages& messages) {
    if (notes.badStartTime) {
        messages.show("Felaktigt tidsformat.", "Skriv ut", Icon::Exclamation);
    }
}

} // namespace tivra

#include "view/Details.h"

#include "core/Calendar.h"
#include "core/Number.h"
#include "core/RowRules.h"

#include <cctype>
#include <string_view>

namespace tivra {
namespace {

std::string weekSuffix(const BookingTable& table, int r) {
    const Bokning& row = table.row(r);
    if (!row.veckor.empty()) {
        return "   Veckor: " + row.veckor;
    }
    WeekSpan span = weekSpan(row.vecka);
    std::size_t dash = row.vecka.find('-');
    if (dash != std::string::npos && dash >= 1) {
        return "   Veckor: " + shownWeek(span.w1) + "-" + shownWeek(span.w2);
    }
    if (table.isBooking(r)) {
        return "   Vecka: " + shownWeek(span.w1);
    }
    return {};
}

} // namespace

std::string detailsText(const BookingTable& table, int r) {
    if (r <= 0 || r > table.antalrader || r > kMaxRows) {
        return {};
    }
    const Bokning& row = table.row(r);
    std::string text =
        row.signatur + "    " + row.starttid + " - " + endLabel(row) + "   (" + row.langd + " min)";
    text += weekSuffix(table, r);
    text += "\r\n" + row.kommentar + "\r\n" + row.larare + "\r\n" + row.notering;
    std::size_t cut = text.find("%%");
    if (cut != std::string::npos) {
        text.erase(cut);
    }
    return text;
}

std::string bookingSummary(const Bokning& row) {
    int day = static_cast<int>(roundHalfEven(textvarde(row.dag)));
    std::string dayName = day >= 1 && day <= 7 ? dagrubrik(day) : std::string();
    for (char& c : dayName) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return row.objekt + " " + dayName + " " + row.starttid + "\x96" + endLabel(row) + " " + weeksLabel(row);
}

} // namespace tivra

#include "core/RowRules.h"

#include "core/Calendar.h"
#include "core/Number.h"
#include "core/TextHelpers.h"

#include <algorithm>

namespace tivra {

WeekSpan weekSpan(std::string_view vecka) {
    double w1 = textvarde(vecka);
    std::size_t dash = vecka.find('-');
    double w2 = dash == std::string_view::npos ? w1 : textvarde(vecka.substr(dash + 1));
    return WeekSpan{w1, w2};
}

WeekSpan wholeWeekSpan(std::string_view vecka) {
    WeekSpan span = weekSpan(vecka);
    return WeekSpan{static_cast<double>(roundHalfEven(span.w1)), static_cast<double>(roundHalfEven(span.w2))};
}

bool rowOfObject(const BookingTable& table, int r, std::string_view name) {
    const Bokning& row = table.row(r);
    if (row.objekt.empty()) {
        return false;
    }
    return table.isLesson(r) ? containsWord(row.objekt, name) : row.objekt == name;
}

bool rowInWeek(const BookingTable& table, int r, int week) {
    const Bokning& row = table.row(r);
    if (!gallervecka(week, row.veckor)) {
        return false;
    }
    return table.isLesson(r) || weekSpan(row.vecka).covers(static_cast<double>(week));
}

int startSlot(const Bokning& row) {
    return tidslot(row.starttid);
}

namespace {

int endSlot(const Bokning& row) {
    double slot = startSlot(row) + textvarde(row.langd) / 5;
    // Far beyond any day either way: keeps the conversion to int defined for any length.
    constexpr long long limit = 100000000;
    return static_cast<int>(std::clamp(roundHalfEven(slot), -limit, limit));
}

} // namespace

std::string endLabel(const Bokning& row) {
    return tidtext(endSlot(row));
}

MinuteSpan clipToAxis(double start, double length, double first, double last) {
    if (start < first) {
        length = std::max(0.0, length - (first - start));
        start = first;
    }
    if (start > last) {
        length = 0;
    } else if (start + length > last) {
        length = last - start;
    }
    return {start, length};
}

int rowDay(const Bokning& row) {
    const double day = textvarde(row.dag);
    return day >= 1 && day <= 7 && day == static_cast<double>(static_cast<int>(day)) ? static_cast<int>(day)
                                                                                     : 0;
}

int endMinutes(const Bokning& row) {
    return (endSlot(row) - 1) * 5;
}

std::string weeksLabel(const Bokning& row) {
    WeekSpan span = weekSpan(row.vecka);
    return span.w2 != span.w1 ? "veckor " + shownWeek(span.w1) + "-" + shownWeek(span.w2)
                              : "vecka " + shownWeek(span.w1);
}

} // namespace tivra

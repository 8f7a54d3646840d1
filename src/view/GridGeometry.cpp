#include "view/GridGeometry.h"

#include "core/Number.h"
#include "core/RowRules.h"

#include <algorithm>

namespace tivra {
namespace {

constexpr double kGapFactor = 1.08; // a day box and the gap after it, in box widths

bool validDay(int d) {
    return d >= 1 && d <= 7;
}

} // namespace

GridGeometry::GridGeometry(double windowWidth, int helg, double axisHeight)
    : width_(0), weekend_(helg == 1), axisHeight_(std::max(0.0, axisHeight)) {
    // A window narrower than the margin would give negative widths, which no widget takes.
    double n = dayCount();
    width_ = std::max(0.0, (windowWidth * 0.98 - kDayBoxLeft) / (kGapFactor * n));
}

Rect GridGeometry::dayBox(int d) const {
    return Rect{kDayBoxLeft + (d - 1) * kGapFactor * width_, kDayBoxTop, width_, axisHeight_};
}

Rect GridGeometry::header(int d) const {
    return Rect{dayBox(d).left, kHeaderTop, width_, kHeaderHeight};
}

bool GridGeometry::dayVisible(int d) const {
    return validDay(d) && (d <= 5 || weekend_);
}

double TimeAxis::y(double minutes) const {
    double span = (sluttimme - starttimme) * 60.0;
    if (span <= 0) {
        return kDayBoxTop;
    }
    return kDayBoxTop + axisHeight * (minutes - starttimme * 60.0) / span;
}

double TimeAxis::height(double minutes) const {
    double span = (sluttimme - starttimme) * 60.0;
    if (span <= 0) {
        return 0;
    }
    return axisHeight * minutes / span;
}

std::optional<Rect> placeBox(const GridGeometry& grid, const TimeAxis& axis, double dag, int startSlot,
                             double length) {
    // Saturday and Sunday rows wait for a grid that shows them.
    if (dag > 5 && !grid.weekend()) {
        return std::nullopt;
    }
    // A day field that names no column (a hand-edited file) has nowhere to go.
    long long day = roundHalfEven(dag);
    if (!validDay(static_cast<int>(std::clamp(day, 0LL, 8LL)))) {
        return std::nullopt;
    }
    const MinuteSpan span =
        clipToAxis((startSlot - 1) * 5.0, length, axis.starttimme * 60.0, axis.sluttimme * 60.0);
    if (!(span.length > 0)) {
        return std::nullopt;
    }
    return Rect{grid.dayBox(static_cast<int>(day)).left, axis.y(span.start), grid.dayWidth(),
                axis.height(span.length)};
}

std::optional<Rect> visaShape1(const GridGeometry& grid, const TimeAxis& axis, int valddag, int s1, int s2) {
    if (!validDay(valddag)) {
        return std::nullopt;
    }
    double slots = (axis.sluttimme - axis.starttimme) * 12.0;
    if (slots <= 0) {
        return std::nullopt;
    }
    s2 = std::min(s2, axis.sluttimme * 12);
    // A start at or after the last slot would need a negative height.
    if (s2 < s1) {
        return std::nullopt;
    }
    double w = grid.dayWidth();
    double top = kDayBoxTop + axis.axisHeight * (s1 - 1 - axis.starttimme * 12.0) / slots;
    return Rect{grid.dayBox(valddag).left + 0.02 * w, top, 0.96 * w, axis.axisHeight * (s2 - s1) / slots};
}

} // namespace tivra

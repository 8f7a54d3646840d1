#include "view/Marking.h"

#include "core/Number.h"
#include "core/Text1252.h"
#include "core/TextHelpers.h"

#include <algorithm>
#include <cmath>

namespace tivra {
namespace {

// The last slot an end may have: 23.55. Slot 289 would be 24.00.
constexpr int kLastSlot = 288;
// A typed length below this is taken as still being typed.
constexpr double kShortestLength = 20;

double minutesOf(const std::string& time) {
    return textvarde(std::string_view(time).substr(3));
}

} // namespace

int slotAt(const TimeAxis& axis, double y, double boxHeight) {
    double fraction = boxHeight > 0 ? y / boxHeight : 0;
    double hours = (axis.sluttimme - axis.starttimme) * fraction + axis.starttimme;
    return static_cast<int>(roundHalfEven(hours * 12)) + 1;
}

int pressMarking(Markering& m, const TimeAxis& axis, int day, double y) {
    m.markering = true;
    m.markeringY = static_cast<int>(roundHalfEven(y));
    m.markeringsdag = day;
    m.shape1Height = 0;
    m.startslot = slotAt(axis, y, axis.axisHeight);
    return m.startslot;
}

DragSpan dragMarking(Markering& m, const GridGeometry& grid, const TimeAxis& axis, double y) {
    const double h = axis.axisHeight;
    double a = m.markeringY;
    double b = y;
    if (b < a) {
        std::swap(a, b);
    }
    // The pointer may leave the box; the span stays inside it.
    a = std::clamp(a, 0.0, h);
    b = std::clamp(b, 0.0, h);
    m.startslot = slotAt(axis, a, h);
    int endslot = slotAt(axis, b, h);
    m.shape1Height = b - a;
    Rect box = grid.dayBox(m.markeringsdag);
    double w = grid.dayWidth();
    return DragSpan{Rect{box.left + 0.02 * w, box.top + a, 0.95 * w, b - a}, m.startslot, endslot};
}

bool releaseMarking(Markering& m) {
    bool wasDrag = m.markering;
    m.markering = false;
    return wasDrag && kDayBoxHeight / 100 > m.shape1Height;
}

int lengthStartSlot(std::string_view text) {
    std::optional<std::string> t = typedTime(text);
    if (!t || !(textvarde(*t) > 0 && textvarde(*t) < 24 && minutesOf(*t) < 60)) {
        return 0;
    }
    return tidslot(*t);
}

int typedTimeSlot(std::string_view text) {
    std::optional<std::string> t = typedTime(text);
    if (!t || !(textvarde(*t) >= 0 && textvarde(*t) <= 24 && minutesOf(*t) < 60)) {
        return 0;
    }
    return tidslot(*t);
}

LengthTyped lengthTyped(std::string_view start, std::string_view length) {
    double minutes = textvarde(length);
    if (minutes < kShortestLength) {
        return {};
    }
    int s = lengthStartSlot(start);
    // Worked in floating point: a length of any size must not overflow the slot.
    double e = s + std::floor(minutes / 5);
    if (s > 0 && e <= kLastSlot) {
        int endslot = static_cast<int>(e);
        return {LengthTyped::Kind::Show, tidtext(endslot), s, endslot};
    }
    return {LengthTyped::Kind::Hide, {}, 0, 0};
}

std::optional<std::string> lengthFromEnd(std::string_view start, std::string_view end) {
    int s = typedTimeSlot(start);
    int e = typedTimeSlot(end);
    if (s > 0 && e > 0 && e > s) {
        return decimalText(static_cast<long long>(e - s) * 5);
    }
    return std::nullopt;
}

StartTyped startTyped(std::string_view start, std::string_view end, std::string_view length, bool editing) {
    if (editing) {
        int s = lengthStartSlot(start);
        // Worked in floating point, as a typed length is.
        double e = s + std::floor(textvarde(length) / 5);
        if (s > 0 && e > s && e <= kLastSlot) {
            int endslot = static_cast<int>(e);
            return {StartTyped::Kind::End, tidtext(endslot), s, endslot};
        }
    }
    int s = typedTimeSlot(start);
    int e = typedTimeSlot(end);
    if (s == 0 || e == 0) {
        return {};
    }
    if (e <= s) {
        return {StartTyped::Kind::EmptyEnd, {}, 0, 0};
    }
    if (editing) {
        return {}; // the length stays: the end could not follow, but still lies after the start
    }
    return {StartTyped::Kind::Length, decimalText(static_cast<long long>(e - s) * 5), s, e};
}

} // namespace tivra

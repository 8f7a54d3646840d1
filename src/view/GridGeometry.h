#pragma once
// Where the week grid puts things, in twips (1/1440 inch) from the window's top-left:
// the day boxes (Label2) and their headers (Label3), laid out once at start-up from the
// window width, the time axis from the first to the last hour of the day, the boxes of
// lessons and bookings (Label4) and the marking rectangle (Shape1). Every value is left
// unrounded; the window converts to pixels.
#include <optional>

namespace tivra {

struct Rect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

// Design values of the first day box and header; everything else derives from them. The
// booking fields take the window's left part; the hour scale stands between them and the
// first day box.
inline constexpr double kBookingColumnWidth = 3840;
inline constexpr double kHourScaleWidth = 540;
inline constexpr double kDayBoxLeft = kBookingColumnWidth + kHourScaleWidth;
inline constexpr double kDayBoxTop = 330;     // T0 of the time axis
inline constexpr double kDayBoxHeight = 5370; // H of the time axis
inline constexpr double kHeaderTop = 30;
inline constexpr double kHeaderHeight = 210;
// Label4(1)..Label4(100) can show rows; Label4(0) never does.
inline constexpr int kBoxPool = 100;

// The vertical axis of the day boxes, from starttimme to sluttimme (whole hours), over a
// day box of `axisHeight` twips.
struct TimeAxis {
    int starttimme = 8;
    int sluttimme = 16;
    double axisHeight = kDayBoxHeight;

    // The top of a time (minutes since midnight), and the height of a length in minutes.
    // An axis without positive span maps everything to the top with no height.
    double y(double minutes) const;
    double height(double minutes) const;
};

// The layout of the day columns, for the window's size: laid out again when the window
// is resized. A change of helg needs a restart.
class GridGeometry {
  public:
    // `windowWidth` and the day boxes' height in twips. A helg other than 1 lays out
    // Monday to Friday.
    GridGeometry(double windowWidth, int helg, double axisHeight = kDayBoxHeight);
    // The time axis of these day boxes.
    TimeAxis axis(int starttimme, int sluttimme) const { return {starttimme, sluttimme, axisHeight_}; }
    double axisHeight() const { return axisHeight_; }

    int dayCount() const { return weekend_ ? 7 : 5; }
    bool weekend() const { return weekend_; }
    // W: the width of every day box, header and lesson/booking box.
    double dayWidth() const { return width_; }
    // Label2(d) and Label3(d), d = 1..7 (Monday..Sunday); laid out even when hidden.
    Rect dayBox(int d) const;
    Rect header(int d) const;
    // Saturday and Sunday are hidden without weekends; a day outside 1..7 never exists.
    bool dayVisible(int d) const;

  private:
    double width_;
    bool weekend_;
    double axisHeight_;
};

// The box of one row of the booking table, or nothing when the row is not drawn: its day
// is hidden or not a day, or nothing of it falls between the first and last hour.
// `startSlot` is the row's start as a 5-minute slot (1 = 00.00), `length` its minutes;
// the part before the first hour and after the last hour is cut off.
std::optional<Rect> placeBox(const GridGeometry& grid, const TimeAxis& axis, double dag, int startSlot,
                             double length);

// Shape1 over slots s1 (inclusive) to s2 (exclusive) of day `valddag`, or nothing when it
// must be hidden: no day chosen, an axis without span, or an end before the start.
// The end is held to the last slot of the day; the start is not limited.
std::optional<Rect> visaShape1(const GridGeometry& grid, const TimeAxis& axis, int valddag, int s1, int s2);

} // namespace tivra

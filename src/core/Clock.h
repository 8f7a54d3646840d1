#pragma once
#include <chrono>

namespace tivra {

// A calendar date in the Gregorian calendar.
struct Date {
    int year = 2000;
    int month = 1; // 1..12
    int day = 1;   // 1..31
    friend bool operator==(const Date&, const Date&) = default;
};

// A moment of the local clock: the date and the time of day.
struct DateTime {
    Date date;
    int hour = 0;   // 0..23
    int minute = 0; // 0..59
    int second = 0; // 0..59
};

class Clock {
  public:
    virtual ~Clock() = default;
    virtual Date today() = 0;
    // Today's date with the time of day, read once so the two belong together.
    virtual DateTime now() = 0;
    // The short wait between two write attempts of a file.
    virtual void pause(std::chrono::milliseconds duration) = 0;
};

// The system clock: local date and time, and a real sleep.
class SystemClock : public Clock {
  public:
    Date today() override { return now().date; }
    DateTime now() override;
    void pause(std::chrono::milliseconds duration) override;
};

} // namespace tivra

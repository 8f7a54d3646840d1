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

class Clock {
  public:
    virtual ~Clock() = default;
    virtual Date today() = 0;
    // The short wait between two write attempts of a file.
    virtual void pause(std::chrono::milliseconds duration) = 0;
};

// The system clock: local date, and a real sleep.
class SystemClock : public Clock {
  public:
    Date today() override;
    void pause(std::chrono::milliseconds duration) override;
};

} // namespace tivra

// The command line of the program with a switch for the process tests, which the
// program a school installs does not have: TIVRA_TEST_TODAY=YYYY-MM-DD, the day the
// program runs on, so that no test depends on the day it is run (the time of day stays
// the system's).
#include "app/WindowMode.h"

#include <QByteArray>

#include <cstdio>
#include <optional>

namespace {

// The system clock on another day.
class DayClock : public tivra::SystemClock {
  public:
    explicit DayClock(tivra::Date day) : day_(day) {}
    tivra::Date today() override { return day_; }
    tivra::DateTime now() override {
        tivra::DateTime moment = SystemClock::now();
        moment.date = day_;
        return moment;
    }

  private:
    tivra::Date day_;
};

std::optional<tivra::Date> testDay() {
    int year = 0;
    int month = 0;
    int day = 0;
    const QByteArray text = qgetenv("TIVRA_TEST_TODAY");
    if (std::sscanf(text.constData(), "%d-%d-%d", &year, &month, &day) != 3) {
        return std::nullopt;
    }
    return tivra::Date{year, month, day};
}

} // namespace

int main(int argc, char** argv) {
    tivra::ChangeSetup setup;
    std::optional<DayClock> clock;
    if (std::optional<tivra::Date> day = testDay()) {
        setup.clock = &clock.emplace(*day);
    }
    return tivra::runCommandLine(argc, argv, tivra::widgetParts(), setup);
}

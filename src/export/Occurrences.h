#pragma once
// What an export hands to calendars and spreadsheets: each time a booking (or a lesson)
// takes place, with its real date, as the week grid dates that week and day.
#include "config/Program.h"
#include "core/Clock.h"

#include <optional>
#include <string>
#include <vector>

namespace tivra {

struct ExportChoice {
    std::string objekt; // the room or object, as in its list; empty when a person is asked for
    std::string person; // a signature: that person's bookings and lessons
    int firstWeek = 0;  // school-year weeks
    int lastWeek = 0;
    bool lessons = false; // the lessons too, not only the bookings
};

// One time a row takes place. Texts are Windows-1252 as stored.
struct Occurrence {
    Date date;
    int week = 0;  // school-year week
    int start = 0; // minutes after midnight
    int end = 0;   // minutes after midnight, where the grid ends it; past 24 hours over midnight
    bool lesson = false;
    std::string objekt;    // a booking's object, a lesson's rooms
    std::string signatur;  // a booking's signature, a lesson's course
    std::string kommentar; // a booking's comment, a lesson's group
    std::string larare;    // a lesson's teachers
    std::string uid;       // the same for the same row and week in every export
};

// What the window shows, as an export: the chosen room, object or person over the whole
// booking period, lessons included; nothing when no single one is shown.
std::optional<ExportChoice> shownChoice(const Program& program);

// The occurrences of the chosen rows in the weeks asked for, by date and start time. A
// booking over weeks 10-14 gives five; a lesson one for each week its week list admits.
// Days the calendar cannot date (outside the school year's labels) are left out.
std::vector<Occurrence> occurrences(const Program& program, const ExportChoice& choice, const Date& today);

} // namespace tivra

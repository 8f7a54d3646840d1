#pragma once
// The whole state of one running program, owned by main and passed by reference.
// Tests build their own.
#include "config/Settings.h"
#include "core/BookingFile.h"
#include "core/BookingTable.h"
#include "core/Calendar.h"

#include <string>
#include <vector>

namespace tivra {

inline constexpr int kMaxSalar = 200;
inline constexpr int kMaxPersonal = 200;
inline constexpr int kMaxSchemaperioder = 50;

// What the timetable's files give besides the lessons.
struct Timetable {
    std::string lasar;                       // the school year, empty when none
    std::vector<std::string> schemaperioder; // named periods of the timetable
    std::vector<std::string> personal;       // staff signatures
};

// The choice made in the main window.
enum class ViewKind { Salar = 1, Annat = 2, Personal = 3, AllaBokningar = 4 };

struct Selection {
    int valdvecka = 0;
    int idagvecka = 0;
    int valddag = 0; // 1 = Monday; 0 = none
    int valdsal = 0; // 1-based positions in the lists; 0 = none
    int valtobjekt = 0;
    int valdperson = 0;
    ViewKind viewKind = ViewKind::Salar;
};

struct Program {
    // The settings as start-up used them: the room list, the timetable, the booking file,
    // the object lists and periods, the day and week lists, the grid's hours and weekdays
    // and the week limits. Everything that start-up derived from them reads these, and
    // they stay so until the next start, whatever the settings dialog saves.
    Settings settings;
    // The running settings: what the settings dialog shows and takes its values over
    // into, Tivra.ini as the next start will read it. Start-up makes them equal to
    // `settings`. The printouts take their school name, fonts, line width and grey levels
    // from here, so a save changes those at once.
    Settings running;
    std::vector<std::string> salar; // rooms, normalised, at most 200
    Timetable timetable;
    BookingTable bokningar;
    BookingFileState bookingFile;
    Selection selection;
};

// What datum reads from the program, with today's date from the clock.
inline WeekDating weekDating(const Program& program, const Date& today) {
    return WeekDating{program.timetable.lasar, today, program.settings.startvecka,
                      program.selection.idagvecka, program.settings.slutvecka};
}

} // namespace tivra

#include "config/Startup.h"

#include "config/ObjectLists.h"
#include "config/TimetableImport.h"
#include "core/Calendar.h"
#include "core/Number.h"
#include "core/Path.h"

#include <optional>

namespace tivra {
namespace {

// The stages of start-up and what goes wrong in each:
//
//   stage  step                      on failure: report              then go on with
//   1      settings file             nothing                         defaults for the rest
//   7/8/9  backup folder             "Kan inte skapa ..."            no separator appended
//   0      hours, days, weeks        "Fel vid programstart"          nothing: start-up ends
//   2      room list (.sal)          "Kan inte öppna ....sal."       timetable, single-list mode
//   6      timetable settings (.ini) nothing                         lessons
//   4      lessons (.sca)            staff view disabled             legacy file; no .sig
//   5      staff (.sig)              nothing                         legacy file
//   3      legacy object file        "Fel vid läsning av ..."        booking file; no notice
//
// Each stage is one function below; the function's failure branch is its handler.

const char* const kStartTitle = "Fel vid programstart";
constexpr int kDefaultStart = 8;
constexpr int kDefaultEnd = 16;
// Week numbers of a booking period run from 1 to 52, and up to 104 in the numbering of a
// period that goes over the new year.
constexpr int kFirstWeek = 0;
constexpr int kLastWeek = 104;

struct Run {
    Program& program;
    Platform& platform;
    StartupView& view;

    Settings& settings() { return program.settings; }
    void tell(const std::string& text, const std::string& title, Icon icon) {
        platform.messages.show(text, title, icon);
    }
};

// Stage 1. A missing file is the normal case of a new installation and is not reported.
// A line that stops the reading keeps what was read before it.
void readSettingsStage(Run& run) {
    readSettingsFile(run.platform.disk, run.settings());
}

// The folder holding the booking file (its links resolved); empty without a booking file.
std::string bookingFolder(Disk& disk, const std::string& bokningsfil) {
    if (bokningsfil.empty()) {
        return {};
    }
    const std::string real = disk.linkTarget(bokningsfil);
    const std::string folder = real.substr(0, real.size() - fileNamePart(real).size());
    return folder.empty() ? std::string(".") : folder;
}

// Stages 7, 8 and 9: the folder of the daily copies, created when missing (its last level
// only). Only a folder that exists or was made gets its separator, so a failure leaves
// the copies named from the bare text, beside where the user can see them. It is made as
// shared as the booking file's folder: whoever loads first on a day writes the copy.
void backupFolderStage(Run& run) {
    std::string& mapp = run.settings().backupmapp;
    if (mapp.empty()) {
        return;
    }
    Disk& disk = run.platform.disk;
    if (!disk.isFolder(mapp)) {
        std::string fault = disk.createFolder(mapp, bookingFolder(disk, run.settings().bokningsfil));
        if (!fault.empty()) {
            run.tell("Kan inte skapa " + mapp + "." + "\r\n" + fault, "Skapa backupmapp", Icon::Exclamation);
            return;
        }
    }
    if (!endsWithSeparator(mapp)) {
        mapp += folderSeparator();
    }
}

// Hours that make no day would leave the grid without height; the file keeps what it
// says, and the program runs this time with the usual day.
void hoursCheck(Run& run) {
    Settings& s = run.settings();
    if (0 <= s.starttimme && s.starttimme < s.sluttimme && s.sluttimme <= 24) {
        return;
    }
    run.tell("Felaktiga tider i Tivra.ini: STARTTID " + decimalText(static_cast<long long>(s.starttimme)) +
                 " och SLUTTID " + decimalText(static_cast<long long>(s.sluttimme)) + ". Tiderna " +
                 decimalText(static_cast<long long>(kDefaultStart)) + " och " +
                 decimalText(static_cast<long long>(kDefaultEnd)) + " anv\xE4nds.",
             kStartTitle, Icon::Exclamation);
    s.starttimme = kDefaultStart;
    s.sluttimme = kDefaultEnd;
}

// Stage 0, today's week and the day list.
void todayAndDays(Run& run) {
    const Settings& s = run.settings();
    Selection& val = run.program.selection;
    Date today = run.platform.clock.today();
    val.valdvecka = todaysWeek(today, s.startvecka);
    val.idagvecka = val.valdvecka;

    int days = s.helg == 1 ? 7 : 5;
    for (int d = 1; d <= days; ++d) {
        run.view.dayList.push_back(dagnamn(d));
    }
    int d = dayOfWeek(today);
    if (d <= 5 || s.helg == 1) {
        run.view.dayText = dagnamn(d);
        val.valddag = d;
    }
}

// Stage 0, the week list. A period outside any school year would make a list of
// thousands of entries or none that makes sense: that is the fault of this stage.
std::optional<std::string> weekListFault(Run& run) {
    const Settings& s = run.settings();
    auto inRange = [](int w) { return w >= kFirstWeek && w <= kLastWeek; };
    if (!inRange(s.startvecka) || !inRange(s.slutvecka)) {
        return "Felaktiga veckor i Tivra.ini: STARTVECKA " +
               decimalText(static_cast<long long>(s.startvecka)) + " och SLUTVECKA " +
               decimalText(static_cast<long long>(s.slutvecka)) + ".";
    }
    for (int w = s.startvecka; w <= s.slutvecka; ++w) {
        run.view.weekList.push_back(shownWeek(w));
    }
    run.view.weekText = shownWeek(run.program.selection.valdvecka);
    return std::nullopt;
}

// Stage 0 as a whole; false when its fault ended start-up.
bool listsStage(Run& run) {
    todayAndDays(run);
    if (auto fault = weekListFault(run)) {
        run.tell(*fault, kStartTitle, Icon::Exclamation);
        run.view.ended = true;
        return false;
    }
    return true;
}

// One list of objects only: the rooms are gone from the choice.
void singleListMode(Run& run) {
    run.view.singleList = true;
    run.view.printRoomRowEnabled = false;
}

// Stage 2. A room list that cannot be read degrades to single-list mode; the timetable
// may still be there, so the staff view stays on.
void roomListStage(Run& run, const std::string& schemafil) {
    if (auto rooms = readRooms(schemafil + ".sal", run.platform.disk)) {
        run.program.salar = std::move(*rooms);
        return;
    }
    run.program.salar.clear();
    singleListMode(run);
    run.tell("Kan inte \xF6ppna " + schemafil + ".sal." + "\r\n" + "Redigera vid behov Tivra.ini.",
             "\xD6ppna salslista", Icon::Exclamation);
}

// Stages 6, 4 and 5: the timetable's settings, lessons and staff. Only the lessons have a
// visible consequence when missing; without them the staff list is not read either.
void timetableStages(Run& run, const std::string& schemafil) {
    Program& p = run.program;
    Disk& disk = run.platform.disk;
    if (!readTimetableIni(schemafil + ".ini", disk, run.platform.messages, p.timetable)) {
        run.view.unread.push_back(schemafil + ".ini");
    }
    if (!readLessons(schemafil + ".sca", disk, p.timetable, p.bokningar)) {
        p.bokningar.antallektioner = 0;
        p.bokningar.antalrader = 0;
        run.view.option3Enabled = false;
        run.view.unread.push_back(schemafil + ".sca");
        return;
    }
    if (!readStaff(schemafil + ".sig", disk, p.timetable)) {
        run.view.unread.push_back(schemafil + ".sig");
    }
}

// Step 11.
void objectsAndTimetable(Run& run) {
    std::string& schemafil = run.settings().schemafil;
    if (schemafil.empty()) {
        singleListMode(run);
        run.view.option3Enabled = false;
        return;
    }
    schemafil = utantillagg(schemafil);
    roomListStage(run, schemafil);
    timetableStages(run, schemafil);
}

// Stage 3: an object list from before the objects moved into the settings file. It
// replaces the BOKA: objects, and the user is reminded to save the settings once.
void legacyObjectsStage(Run& run) {
    const std::string& objektfil = run.settings().objektfil;
    if (objektfil.empty()) {
        return;
    }
    auto objects = readObjectFile(objektfil, run.platform.disk);
    if (!objects) {
        run.tell("Fel vid l\xE4sning av " + objektfil, "\xD6ppna lista p\xE5 bokningsobjekt",
                 Icon::Exclamation);
        return;
    }
    run.settings().bokaobjekt = std::move(*objects);
    run.tell("Fr\xE5n och med version 1.32 \xE4r listan p\xE5 bokningsobjekt inkluderad i Tivra.ini.\r\n"
             "Spara om Tivra.ini. " +
                 objektfil + " kan sedan tas bort.",
             "Nyhet", Icon::Information);
}

// Step 13. The load reports its own failures; the window opens either way.
void bookingFileStep(Run& run, const std::string& named) {
    const Settings& s = run.settings();
    if (s.bokningsfil.empty() && named.empty()) {
        return;
    }
    BookingFileState& fil = run.program.bookingFile;
    fil.aktuellfil = named.empty() ? s.bokningsfil : named;
    fil.forstalasning = named.empty();
    run.view.bookings = oppnabokningar(run.program.bokningar, fil, s.backupmapp, run.platform);
}

// What the object box shows first: the rooms, or in single-list mode the other objects.
void firstObject(Run& run) {
    Selection& val = run.program.selection;
    StartupView& view = run.view;
    if (view.singleList) {
        val.viewKind = ViewKind::Annat;
        view.objectList = run.settings().bokaobjekt;
        val.valtobjekt = view.objectList.empty() ? 0 : 1;
    } else {
        val.viewKind = ViewKind::Salar;
        view.objectList = run.program.salar;
        val.valdsal = view.objectList.empty() ? 0 : 1;
    }
    if (!view.objectList.empty()) {
        view.objectText = view.objectList.front();
    }
}

void runStages(Run& run, const std::string& bookingFile) {
    readSettingsStage(run);
    backupFolderStage(run);
    hoursCheck(run);
    if (!listsStage(run)) {
        return;
    }
    objectsAndTimetable(run);
    legacyObjectsStage(run);
    bookingFileStep(run, bookingFile);
    firstObject(run);
}

} // namespace

StartupView startup(Program& program, Platform& platform, const std::string& bookingFile) {
    StartupView view;
    program = Program{}; // the built-in defaults
    Run run{program, platform, view};
    runStages(run, bookingFile);
    program.running = program.settings;
    return view;
}

} // namespace tivra

#pragma once
// The one sequence every change of the booking file runs ("Boka", "Avboka", "Redigera",
// "Flera veckor"): take the lock beside the file, reload, check the change against the
// rows just loaded, change the table, save, give the lock back.
//
// Sound behaviour for a file that several copies of the program share:
// - the lock is held from the reload to the end of the save and given back on every
//   path, a program that ends on a fatal error included; while another copy holds it
//   the change waits up to lockWait and is then refused with the holder's name;
// - no dialog is ever on screen while the lock is held: messages raised under the lock
//   are shown after it is given back, and a question makes the sequence give the lock
//   back, ask, and start over from the reload (a Yes holds for the rest of the change);
// - just before the file is replaced, its bytes are compared with those this run loaded;
//   when a copy that takes no lock has written meanwhile, the change starts over from
//   the reload, at most three times, and then ends with "Ändringarna ej sparade.".
#include "booking/BookingLock.h"
#include "config/Program.h"
#include "core/Platform.h"
#include "core/Workstation.h"

#include <chrono>
#include <functional>
#include <set>
#include <string>
#include <utility>

namespace tivra {

// What a change needs besides the program state.
struct ChangeEnvironment {
    Platform& platform;
    BookingLock& lock;
    std::chrono::milliseconds lockWait{10000};
    // Called before the first message or question the change shows after its reload, so
    // the window can redraw first and the user sees what the message speaks of (a
    // booking another workstation made meanwhile). Again before the next message once a
    // question was answered, since the change reloads after that.
    std::function<void()> beforeMessages{};
    // Set by the change: whether the screen was redrawn after the last reload, so that
    // the caller need not redraw again.
    bool redrawn = false;
    // With no booking file open: asks for one ("Spara som...") and saves the table into
    // it; true when saved. Without it such a change is not kept.
    std::function<bool(Program& program)> saveAs{};
    // Who makes the change, for the change log.
    Workstation workstation = thisWorkstation();
    // Set by the change: why its entry could not be added to the change log
    // ("Ändringsloggen kunde inte skrivas: ORSAK"); empty when it was, or none was due.
    // The change itself stands.
    std::string logFailure{};
};

// What the check of a change against the freshly loaded rows decided.
struct Verdict {
    enum class Kind {
        Go,     // apply the change and save
        Refuse, // show text (exclamation, title) and end; nothing is written
        Ask,    // ask text (title) without the lock; Yes starts over from the reload
        Stop,   // end quietly; nothing is written (the booking is gone meanwhile)
    };
    Kind kind = Kind::Go;
    std::string text;
    std::string title;
    // Names the question, so that a Yes given to it holds when the change starts over.
    std::string key;
    // The question's default button is No.
    bool defaultNo = false;

    static Verdict go() { return {}; }
    static Verdict refuse(std::string text, std::string title) {
        return {Kind::Refuse, std::move(text), std::move(title), {}, false};
    }
    static Verdict ask(std::string text, std::string title, std::string key, bool defaultNo = false) {
        return {Kind::Ask, std::move(text), std::move(title), std::move(key), defaultNo};
    }
    static Verdict stop() { return {Kind::Stop, {}, {}, {}, false}; }
};

// The keys of the questions answered Yes so far in this change.
using Answers = std::set<std::string>;

// A change as the log records it: the event and the booking before and after (a row with
// an empty object where there is none).
struct LoggedChange {
    std::string event;
    Bokning before;
    Bokning after;
};

// The two parts that differ between the operations.
struct ChangeSteps {
    // Runs under the lock on the rows just loaded, as often as the change starts over.
    // It shows nothing itself: a refusal or a question is its result.
    std::function<Verdict(const Program& program, const Answers& answers)> check;
    // Changes the table, under the lock, after a Go. False when it refused: its message
    // goes through `messages` and is shown once the lock is given back.
    std::function<bool(Program& program, Messages& messages)> apply;
    // What the change log records of it: read after a Go, before `apply`, on the rows the
    // check saw. Without it nothing is logged.
    std::function<LoggedChange(const Program& program)> logged{};
};

enum class ChangeResult {
    Saved,     // the change is in the booking file
    Refused,   // a message said why; the file is as it was and the table holds what it holds
    Declined,  // the user answered No to a question; nothing was written
    Unchanged, // the check stopped quietly; nothing was written
};

// Runs the change. `title` heads the messages of the sequence itself ("Ändringarna ej
// sparade.", the busy file). With no booking file open there is nothing to lock or
// reload; the save asks for a file, and a change that no file takes is taken back.
// Whatever the result, the booking rows were reloaded: the caller redraws.
ChangeResult runChange(const std::string& title, Program& program, ChangeEnvironment& env,
                       const ChangeSteps& steps);

// "Ändringarna ej sparade."
// "Ändringsloggen kunde inte skrivas: "
inline constexpr const char* kLogNotWritten = "\xC4ndringsloggen kunde inte skrivas: ";

inline constexpr const char* kNotSaved = "\xC4ndringarna ej sparade.";

} // namespace tivra

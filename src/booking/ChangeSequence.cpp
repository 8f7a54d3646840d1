#include "booking/ChangeSequence.h"

#include "core/BookingSave.h"
#include "core/ChangeLog.h"
#include "core/ForwardingMessages.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace tivra {
namespace {

// How often a change starts over after another copy wrote the file under it.
constexpr int kStartOvers = 3;

// Holds the lock for one run and gives it back at the latest when the run ends.
class LockGuard {
  public:
    explicit LockGuard(BookingLock& lock) : lock_(lock) {}
    ~LockGuard() { release(); }
    LockGuard(const LockGuard&) = delete;
    LockGuard& operator=(const LockGuard&) = delete;

    LockResult take(const std::string& lockFile, std::chrono::milliseconds wait) {
        LockResult result = lock_.tryLock(lockFile, wait);
        held_ = result == LockResult::Taken;
        return result;
    }
    void release() {
        if (held_) {
            held_ = false;
            lock_.unlock();
        }
    }

  private:
    BookingLock& lock_;
    bool held_ = false;
};

// The messages of a run: what is raised under the lock waits until the lock is given
// back, so nobody waits for the file while a box is on screen.
class HeldMessages : public ForwardingMessages {
  public:
    HeldMessages(Messages& screen, LockGuard& guard) : ForwardingMessages(screen), guard_(guard) {}

    // Gives the lock back and shows what waited, in order.
    void release() {
        guard_.release();
        std::vector<Held> waiting = std::exchange(held_, {});
        for (const Held& h : waiting) {
            target().show(h.text, h.title, h.icon);
        }
    }

    void show(const std::string& text, const std::string& title, Icon icon) override {
        held_.push_back({text, title, icon});
    }
    bool ask(const std::string& text, const std::string& title) override {
        release();
        return ForwardingMessages::ask(text, title);
    }
    bool askNo(const std::string& text, const std::string& title) override {
        release();
        return ForwardingMessages::askNo(text, title);
    }
    std::string input(const std::string& prompt, const std::string& title,
                      const std::string& defaultText) override {
        release();
        return ForwardingMessages::input(prompt, title, defaultText);
    }
    std::string openFileName(const std::string& folder, const std::string& filter) override {
        release();
        return ForwardingMessages::openFileName(folder, filter);
    }
    SaveChoice saveFile(const std::string& folder, const std::string& filter) override {
        release();
        return ForwardingMessages::saveFile(folder, filter);
    }
    // The program may end without unwinding: the lock must not outlive it.
    [[noreturn]] void fatal(const std::string& text, const std::string& title) override {
        release();
        ForwardingMessages::fatal(text, title);
    }

  private:
    struct Held {
        std::string text;
        std::string title;
        Icon icon;
    };
    LockGuard& guard_;
    std::vector<Held> held_;
};

// The screen of a change: the window may redraw before the first message shows, and
// again after each answered question, since the change then reloads.
class RedrawFirst : public ForwardingMessages {
  public:
    explicit RedrawFirst(ChangeEnvironment& env) : ForwardingMessages(env.platform.messages), env_(env) {}

    void show(const std::string& text, const std::string& title, Icon icon) override {
        redraw();
        ForwardingMessages::show(text, title, icon);
    }
    bool ask(const std::string& text, const std::string& title) override {
        redraw();
        return answered(ForwardingMessages::ask(text, title));
    }
    bool askNo(const std::string& text, const std::string& title) override {
        redraw();
        return answered(ForwardingMessages::askNo(text, title));
    }
    std::string input(const std::string& prompt, const std::string& title,
                      const std::string& defaultText) override {
        redraw();
        return ForwardingMessages::input(prompt, title, defaultText);
    }

  private:
    void redraw() {
        if (!env_.redrawn && env_.beforeMessages) {
            env_.beforeMessages();
            env_.redrawn = true;
        }
    }
    bool answered(bool yes) {
        env_.redrawn = false;
        return yes;
    }
    ChangeEnvironment& env_;
};

// The booking rows before a change, to take it back when no file takes it. With a file
// open they are the rows of the load just made; without one they are copied, which is
// rare enough not to matter.
class RowsBefore {
  public:
    explicit RowsBefore(const Program& program) {
        if (program.bookingFile.aktuellfil.empty()) {
            const BookingTable& table = program.bokningar;
            antalrader_ = table.antalrader;
            rows_.assign(table.rows.begin() + table.antallektioner + 1,
                         table.rows.begin() + table.antalrader + 1);
        }
    }
    void restore(Program& program) const {
        if (!antalrader_) {
            restoreLoaded(program.bokningar, program.bookingFile);
            return;
        }
        BookingTable& table = program.bokningar;
        std::copy(rows_.begin(), rows_.end(), table.rows.begin() + table.antallektioner + 1);
        table.antalrader = *antalrader_;
    }

  private:
    std::optional<int> antalrader_;
    std::vector<Bokning> rows_;
};

enum class RunEnd { Finished, Asked, Overtaken };

struct Run {
    RunEnd end = RunEnd::Finished;
    ChangeResult result = ChangeResult::Refused;
    Verdict question;
};

Run finished(ChangeResult result) {
    return {RunEnd::Finished, result, {}};
}

std::string busyText(const LockHolder& holder) {
    return "Bokningsfilen anv\xE4nds av " + holder.user + " p\xE5 " + holder.host +
           ". F\xF6rs\xF6k igen om en stund.";
}

SaveResult save(Program& program, Platform& platform) {
    if (program.bookingFile.aktuellfil.empty()) {
        return SaveResult::NoFile;
    }
    return saveIfUnchanged(program.bokningar, program.bookingFile, platform);
}

// Why the lock was not taken, as the user reads it.
std::string lockRefusal(LockResult taken, const std::string& lockFile, const BookingLock& lock) {
    switch (taken) {
    case LockResult::HeldByOther:
        return busyText(lock.holder());
    case LockResult::NotAFile:
        // Waiting would never help: no copy of the program holds a folder.
        return "L\xE5sfilen " + lockFile + " \xE4r ingen fil. Meddela administrat\xF6ren.";
    default:
        // A read-only folder or file system: the user must learn why nothing is saved.
        if (std::error_code error = lock.failure()) {
            return std::string(kNotSaved) + " L\xE5sfilen " + lockFile +
                   " kan inte skapas: " + systemErrorText(error);
        }
        return kNotSaved;
    }
}

// Adds the change to the log of the file just saved, still under its lock.
void logChange(const LoggedChange& change, const std::string& bookingFile, ChangeEnvironment& env) {
    LogEntry entry{logTime(env.platform.clock.now()),
                   change.event,
                   change.after.objekt.empty() ? change.before.signatur : change.after.signatur,
                   env.workstation.user,
                   env.workstation.host,
                   change.before,
                   change.after};
    std::string failure = appendToLog(bookingFile, entry, env.platform.disk);
    if (!failure.empty()) {
        env.logFailure = kLogNotWritten + failure;
    }
}

// One pass from the lock to the save.
Run runOnce(const std::string& title, Program& program, ChangeEnvironment& env, const ChangeSteps& steps,
            const Answers& answers) {
    Messages& screen = env.platform.messages;
    LockGuard guard(env.lock);
    HeldMessages held(screen, guard);
    Platform locked{env.platform.disk, env.platform.clock, held};
    const bool open = !program.bookingFile.aktuellfil.empty();
    if (open) {
        // Beside the file itself: a copy that reaches it through a link takes the same lock.
        const std::string lockFile =
            lockFileName(env.platform.disk.linkTarget(program.bookingFile.aktuellfil));
        LockResult taken = guard.take(lockFile, env.lockWait);
        if (taken != LockResult::Taken) {
            screen.show(lockRefusal(taken, lockFile, env.lock), title, Icon::Exclamation);
            return finished(ChangeResult::Refused);
        }
    }
    if (oppnabokningar(program.bokningar, program.bookingFile, program.settings.backupmapp, locked) ==
        LoadResult::Failed) {
        held.release();
        screen.show(kNotSaved, title, Icon::Exclamation);
        return finished(ChangeResult::Refused);
    }
    Verdict verdict = steps.check(program, answers);
    if (verdict.kind != Verdict::Kind::Go) {
        held.release();
        switch (verdict.kind) {
        case Verdict::Kind::Refuse:
            screen.show(verdict.text, verdict.title, Icon::Exclamation);
            return finished(ChangeResult::Refused);
        case Verdict::Kind::Ask:
            return {RunEnd::Asked, ChangeResult::Declined, std::move(verdict)};
        default:
            return finished(ChangeResult::Unchanged);
        }
    }
    RowsBefore before(program);
    std::optional<LoggedChange> logged;
    if (steps.logged) {
        logged = steps.logged(program);
    }
    SaveResult saved = SaveResult::NotSaved;
    const bool applied = steps.apply(program, held);
    if (applied) {
        saved = save(program, locked);
    }
    if (saved == SaveResult::Saved && logged) {
        logChange(*logged, env.platform.disk.linkTarget(program.bookingFile.aktuellfil), env);
    }
    held.release();
    if (saved == SaveResult::NoFile && env.saveAs && env.saveAs(program)) {
        saved = SaveResult::Saved;
    }
    if (saved == SaveResult::Saved) {
        return finished(ChangeResult::Saved);
    }
    before.restore(program);
    if (saved == SaveResult::Overtaken) {
        return {RunEnd::Overtaken, ChangeResult::Refused, {}};
    }
    if (applied && !open) {
        // No file took the change: it is not kept, so the screen shows only what a file holds.
        screen.show(kNotSaved, title, Icon::Exclamation);
    }
    return finished(ChangeResult::Refused);
}

ChangeResult runRuns(const std::string& title, Program& program, ChangeEnvironment& env,
                     const ChangeSteps& steps) {
    Answers answers;
    int startOvers = 0;
    for (;;) {
        Run run = runOnce(title, program, env, steps, answers);
        switch (run.end) {
        case RunEnd::Finished:
            return run.result;
        case RunEnd::Asked: {
            Messages& screen = env.platform.messages;
            if (!(run.question.defaultNo ? screen.askNo(run.question.text, run.question.title)
                                         : screen.ask(run.question.text, run.question.title))) {
                return ChangeResult::Declined;
            }
            answers.insert(run.question.key);
            break;
        }
        case RunEnd::Overtaken:
            if (++startOvers > kStartOvers) {
                env.platform.messages.show(kNotSaved, title, Icon::Exclamation);
                return ChangeResult::Refused;
            }
            break;
        }
    }
}

} // namespace

ChangeResult runChange(const std::string& title, Program& program, ChangeEnvironment& outer,
                       const ChangeSteps& steps) {
    outer.redrawn = false;
    outer.logFailure.clear();
    RedrawFirst screen(outer);
    Platform platform{outer.platform.disk, outer.platform.clock, screen};
    ChangeEnvironment env{platform, outer.lock, outer.lockWait, {}, false, outer.saveAs, outer.workstation};
    ChangeResult result = runRuns(title, program, env, steps);
    outer.logFailure = env.logFailure;
    return result;
}

} // namespace tivra

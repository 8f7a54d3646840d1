#pragma once
// Test doubles for the platform seams.
#include "core/Clock.h"
#include "core/Disk.h"
#include "core/Messages.h"

#include <chrono>
#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

namespace tivra::test {

// Records every dialog; answers questions, input boxes and file dialogs from queues. With
// a queue empty it answers as Enter would: a question with its default button (Yes for
// ask, No for askNo, as the kind records), an input box with its default text, a file
// dialog cancelled. fatal records and throws ProgramEnded.
class ScriptedMessages : public Messages {
  public:
    enum class Kind { Show, Ask, AskNo, Input, OpenFile, SaveFile, Fatal };
    struct Shown {
        Kind kind;
        std::string text;
        std::string title;
        Icon icon;
    };

    std::vector<Shown> shown;
    std::deque<bool> answers;
    std::deque<std::string> inputs;
    std::deque<std::string> fileNames;
    // The filter chosen with each saved name (the first when empty).
    std::deque<int> filters;
    // Called as each message box would show, to see what is on screen behind it.
    std::function<void()> onShow;

    void show(const std::string& text, const std::string& title, Icon icon) override;
    bool ask(const std::string& text, const std::string& title) override;
    bool askNo(const std::string& text, const std::string& title) override;
    std::string input(const std::string& prompt, const std::string& title,
                      const std::string& defaultText) override;
    std::string openFileName(const std::string& folder, const std::string& filter) override;
    SaveChoice saveFile(const std::string& folder, const std::string& filter) override;
    [[noreturn]] void fatal(const std::string& text, const std::string& title) override;

    // The texts of all recorded dialogs, in order, as "title|text".
    std::vector<std::string> log() const;
};

// A clock pinned to one date and time of day, whose pauses are only counted.
class FixedClock : public Clock {
  public:
    explicit FixedClock(Date date) : date(date) {}
    Date date;
    int hour = 12;
    int minute = 0;
    int second = 0;
    std::vector<std::chrono::milliseconds> pauses;
    Date today() override { return date; }
    DateTime now() override { return DateTime{date, hour, minute, second}; }
    void pause(std::chrono::milliseconds d) override { pauses.push_back(d); }
};

// The real disk, with any operation replaceable by a test to inject a failure.
class FaultyDisk : public RealDisk {
  public:
    // A new file's write: false fails it with an input/output error.
    std::function<std::optional<bool>(const std::string& path, std::string_view bytes)> onWrite;
    // A createNew that fails with this error, before anything is written.
    std::function<std::optional<std::error_code>(const std::string& path)> onCreate;
    std::function<std::optional<std::optional<std::string>>(const std::string& path)> onRead;
    std::function<std::optional<bool>(const std::string& from, const std::string& to)> onReplace;
    std::function<std::optional<bool>(const std::string& path)> onWritable;
    std::function<std::optional<std::optional<Date>>(const std::string& path)> onModificationDate;
    // An append that fails with this error, writing nothing.
    std::function<std::optional<std::error_code>(const std::string& path)> onAppend;
    std::vector<std::string> writes; // paths written, in order

    std::optional<std::string> readAll(const std::string& path) override;
    std::error_code createNew(const std::string& path, std::string_view bytes,
                              const std::string& sharedLike) override;
    bool replace(const std::string& from, const std::string& to) override;
    bool isWritable(const std::string& path) override;
    std::optional<Date> modificationDate(const std::string& path) override;
    std::error_code appendLine(const std::string& path, std::string_view bytes) override;
};

// A fresh empty folder, removed with everything in it at the end of the test.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    // The path of a name inside the folder, as a text.
    std::string file(const std::string& name) const { return (path_ / name).string(); }

  private:
    std::filesystem::path path_;
};

// Whole-file helpers for fixtures: bytes exactly as given.
void writeBytes(const std::string& path, const std::string& bytes);
std::string readBytes(const std::string& path);
// Lines joined with CR LF, the last one ended too.
std::string crlf(const std::vector<std::string>& lines);

} // namespace tivra::test

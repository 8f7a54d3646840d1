#pragma once
// The few file operations the booking file and the settings file need. Paths are
// Windows-1252 bytes as they stand in the files and may use "\" or "/" as separators;
// the real implementation turns them into the platform's own form.
#include "core/Clock.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace tivra {

// No file the program reads comes near this: the largest booking file it writes is 50000
// lines. Anything larger is no file of ours and is not read whole.
inline constexpr std::uintmax_t kMaxReadBytes = std::uintmax_t{64} * 1024 * 1024;

class Disk {
  public:
    virtual ~Disk() = default;
    // The whole content of a regular file of at most kMaxReadBytes; nothing when it is
    // missing, cannot be read, or is something else (a folder, a pipe, a device).
    virtual std::optional<std::string> readAll(const std::string& path) = 0;
    // Creates a file that does not exist yet and writes the bytes into it. Whatever stands
    // at the name already (a file, a pipe, a link, even one that leads nowhere) refuses:
    // a link is never followed. With `sharedLike` naming a file, the new one takes its
    // permission bits and its group (where the user may set it), so colleagues reach it
    // as they reach that file. The empty error on success; a failure may leave a partly
    // written file behind.
    virtual std::error_code createNew(const std::string& path, std::string_view bytes,
                                      const std::string& sharedLike) = 0;
    // Forces a written file's bytes onto the storage device, so that a power loss after
    // a later rename cannot leave the name on lost bytes.
    virtual bool flush(const std::string& path) = 0;
    // Forces the folder holding `path` onto the storage device, so a rename in it lasts.
    virtual bool flushFolder(const std::string& path) = 0;
    // Puts `from` in place of `to` in one atomic step; false when refused. Whatever stood
    // at `to` (a link too) is replaced, never written through.
    virtual bool replace(const std::string& from, const std::string& to) = 0;
    // The file the path names with every link on the way resolved (a linked folder as
    // well as a linked file), so that two paths to one file give one name; the path itself
    // when no part of it is a link or a link leads nowhere.
    virtual std::string linkTarget(const std::string& path) = 0;
    // The absolute path the system would reach: relative to the current folder, every
    // link of its existing part followed, "." and ".." gone. Used to compare paths, not
    // to open them.
    virtual std::string resolved(const std::string& path) = 0;
    // Both paths reach one existing file, by whatever names (links, hard links, a file
    // system that ignores letter case).
    virtual bool sameFile(const std::string& first, const std::string& second) = 0;
    // The regular files beside `prefix` whose names begin with its last part and that
    // were last modified longer than `age` ago.
    virtual std::vector<std::string> filesOlderThan(const std::string& prefix, std::chrono::seconds age) = 0;
    virtual bool remove(const std::string& path) = 0;
    // A file or a folder of that name exists.
    virtual bool exists(const std::string& path) = 0;
    virtual bool isFolder(const std::string& path) = 0;
    // A plain file stands there (a link to one counts), not a folder, pipe or device.
    virtual bool isFile(const std::string& path) = 0;
    // A file that exists may be written, or a missing file may be created there.
    virtual bool isWritable(const std::string& path) = 0;
    // The local date of the last modification; nothing when it cannot be read.
    virtual std::optional<Date> modificationDate(const std::string& path) = 0;
    // Creates the last level of the path; the empty text on success, else the
    // description of the error in Swedish (see systemErrorText). With `sharedLike` naming
    // a folder, the new one takes its permission bits and its group, as createNew.
    virtual std::string createFolder(const std::string& path, const std::string& sharedLike) = 0;
    // Adds the bytes at the end of an existing regular file (never through a link) and
    // forces them onto the storage device. When the file does not end in CR LF (a writer
    // stopped half-way), a CR LF goes first, so the bytes begin a line of their own. The
    // empty error on success.
    virtual std::error_code appendLine(const std::string& path, std::string_view bytes) = 0;
    // The size of a regular file in bytes; nothing when it is missing or something else.
    virtual std::optional<std::uintmax_t> fileSize(const std::string& path) = 0;
};

// The file system of this machine.
class RealDisk : public Disk {
  public:
    std::optional<std::string> readAll(const std::string& path) override;
    std::error_code createNew(const std::string& path, std::string_view bytes,
                              const std::string& sharedLike) override;
    bool flush(const std::string& path) override;
    bool flushFolder(const std::string& path) override;
    bool replace(const std::string& from, const std::string& to) override;
    std::string linkTarget(const std::string& path) override;
    std::string resolved(const std::string& path) override;
    bool sameFile(const std::string& first, const std::string& second) override;
    std::vector<std::string> filesOlderThan(const std::string& prefix, std::chrono::seconds age) override;
    bool remove(const std::string& path) override;
    bool exists(const std::string& path) override;
    bool isFolder(const std::string& path) override;
    bool isFile(const std::string& path) override;
    bool isWritable(const std::string& path) override;
    std::optional<Date> modificationDate(const std::string& path) override;
    std::string createFolder(const std::string& path, const std::string& sharedLike) override;
    std::error_code appendLine(const std::string& path, std::string_view bytes) override;
    std::optional<std::uintmax_t> fileSize(const std::string& path) override;
};

// The platform's path for a path read from a file (Windows-1252, either separator).
std::string nativePath(const std::string& path);
// The same as a path object, for the file system library.
std::filesystem::path fileSystemPath(const std::string& path);

// A system error as a user should read it: Swedish for the common causes, the system's
// own text for the rest. Windows-1252.
std::string systemErrorText(std::error_code error);

} // namespace tivra

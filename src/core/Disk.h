#pragma once
// The few file operations the booking file and the settings file need. Paths are
// Windows-1252 bytes as they stand in the files and may use "\" or "/" as separators;
// the real implementation turns them into the platform's own form.
#include "core/Clock.h"

#include <optional>
#include <string>
#include <string_view>

namespace tivra {

class Disk {
  public:
    virtual ~Disk() = default;
    // The whole content of a file; nothing when it is missing or cannot be read.
    virtual std::optional<std::string> readAll(const std::string& path) = 0;
    // Creates or truncates the file and writes the bytes; false on any failure
    // (a failure may leave a partly written file behind).
    virtual bool writeAll(const std::string& path, std::string_view bytes) = 0;
    // Puts `from` in place of `to` in one atomic step; false when refused.
    virtual bool replace(const std::string& from, const std::string& to) = 0;
    virtual bool remove(const std::string& path) = 0;
    // A file or a folder of that name exists.
    virtual bool exists(const std::string& path) = 0;
    virtual bool isFolder(const std::string& path) = 0;
    // A file that exists may be written, or a missing file may be created there.
    virtual bool isWritable(const std::string& path) = 0;
    // The local date of the last modification; nothing when it cannot be read.
    virtual std::optional<Date> modificationDate(const std::string& path) = 0;
    // Creates the last level of the path; the empty text on success, else the
    // description of the error.
    virtual std::string createFolder(const std::string& path) = 0;
};

// The file system of this machine.
class RealDisk : public Disk {
  public:
    std::optional<std::string> readAll(const std::string& path) override;
    bool writeAll(const std::string& path, std::string_view bytes) override;
    bool replace(const std::string& from, const std::string& to) override;
    bool remove(const std::string& path) override;
    bool exists(const std::string& path) override;
    bool isFolder(const std::string& path) override;
    bool isWritable(const std::string& path) override;
    std::optional<Date> modificationDate(const std::string& path) override;
    std::string createFolder(const std::string& path) override;
};

// The platform's path for a path read from a file (Windows-1252, either separator).
std::string nativePath(const std::string& path);

} // namespace tivra

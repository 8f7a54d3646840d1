#include "core/Disk.h"

#include "core/Text1252.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace tivra {
namespace {

fs::path toPath(const std::string& path) {
    return fileSystemPath(path);
}

std::optional<std::string> fromNative(const fs::path& path) {
#ifdef _WIN32
    std::u8string utf8 = path.u8string();
    return fromUtf8(std::string(utf8.begin(), utf8.end()));
#else
    return fromUtf8(path.string());
#endif
}

// Some part of the path, the last one or a folder on the way, is a symbolic link.
bool passesALink(const fs::path& path) {
    fs::path walked;
    for (const fs::path& part : path) {
        walked /= part;
        std::error_code ec;
        if (fs::is_symlink(walked, ec)) {
            return true;
        }
    }
    return false;
}

#ifdef _WIN32
// The common refusals as the portable conditions, so callers can tell them apart.
std::error_code windowsError(DWORD code) {
    switch (code) {
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return std::make_error_code(std::errc::file_exists);
    case ERROR_ACCESS_DENIED:
        return std::make_error_code(std::errc::permission_denied);
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return std::make_error_code(std::errc::no_such_file_or_directory);
    case ERROR_WRITE_PROTECT:
        return std::make_error_code(std::errc::read_only_file_system);
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return std::make_error_code(std::errc::no_space_on_device);
    default:
        return {static_cast<int>(code), std::system_category()};
    }
}
#else
std::error_code lastError() {
    return {errno, std::generic_category()};
}

// Gives the file or folder open as `fd` the group and permission bits of `like`; the
// group only where the user may set it. The group first: changing it may clear the bits.
void shareLike(int fd, const std::string& like) {
    struct stat model {};
    if (like.empty() || ::stat(toPath(like).c_str(), &model) != 0) {
        return;
    }
    if (::fchown(fd, static_cast<uid_t>(-1), model.st_gid) != 0) {
        // Not a member of that group: the file keeps the user's own.
    }
    ::fchmod(fd, model.st_mode & 07777);
}

// Opens the file or folder, forces it onto the disk and closes it again.
bool syncOpened(const char* name, int flags) {
    int fd = ::open(name, flags);
    if (fd < 0) {
        return false;
    }
    bool flushed = ::fsync(fd) == 0;
    ::close(fd);
    return flushed;
}
#endif

} // namespace

std::string nativePath(const std::string& path) {
    std::string utf8 = toUtf8(path);
#ifndef _WIN32
    for (char& c : utf8) {
        if (c == '\\') {
            c = '/';
        }
    }
#endif
    return utf8;
}

fs::path fileSystemPath(const std::string& path) {
    std::string native = nativePath(path);
#ifdef _WIN32
    return fs::path(reinterpret_cast<const char8_t*>(native.c_str()));
#else
    return fs::path(native);
#endif
}

std::optional<std::string> RealDisk::readAll(const std::string& path) {
    fs::path p = toPath(path);
    // A pipe would hang the open and a device would never end: only regular files.
    std::error_code ec;
    if (!fs::is_regular_file(p, ec)) {
        return std::nullopt;
    }
    std::uintmax_t size = fs::file_size(p, ec);
    if (ec || size > kMaxReadBytes) {
        return std::nullopt;
    }
    std::ifstream in(p, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    // Read in one call straight into a string of the file's length; what the length did
    // not tell (a file that grew meanwhile) follows in pieces, up to the limit.
    std::string content(static_cast<std::size_t>(size), '\0');
    in.read(content.data(), static_cast<std::streamsize>(size));
    content.resize(static_cast<std::size_t>(in.gcount()));
    char piece[65536];
    while (in && content.size() <= kMaxReadBytes) {
        in.read(piece, sizeof piece);
        content.append(piece, static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad() || content.size() > kMaxReadBytes) {
        return std::nullopt;
    }
    return content;
}

std::error_code RealDisk::createNew(const std::string& path, std::string_view bytes,
                                    const std::string& sharedLike) {
    fs::path p = toPath(path);
#ifdef _WIN32
    // NTFS keeps no Unix group: the folder's permissions are inherited anyway.
    (void)sharedLike;
    HANDLE file = CreateFileW(p.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return windowsError(GetLastError());
    }
    std::error_code error;
    while (!bytes.empty() && !error) {
        DWORD written = 0;
        auto piece = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1U << 30));
        if (WriteFile(file, bytes.data(), piece, &written, nullptr) == 0) {
            error = windowsError(GetLastError());
        } else if (written == 0) {
            error = std::make_error_code(std::errc::io_error);
        }
        bytes.remove_prefix(written);
    }
    CloseHandle(file);
    return error;
#else
    int fd = ::open(p.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) {
        return lastError();
    }
    std::error_code error;
    while (!bytes.empty() && !error) {
        ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno != EINTR) {
            error = lastError();
        } else if (written == 0) {
            error = std::make_error_code(std::errc::io_error);
        }
        bytes.remove_prefix(written > 0 ? static_cast<std::size_t>(written) : 0);
    }
    shareLike(fd, sharedLike);
    if (::close(fd) != 0 && !error) {
        error = lastError();
    }
    return error;
#endif
}

bool RealDisk::flush(const std::string& path) {
#ifdef _WIN32
    HANDLE file = CreateFileW(toPath(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    bool flushed = FlushFileBuffers(file) != 0;
    CloseHandle(file);
    return flushed;
#else
    return syncOpened(toPath(path).c_str(), O_RDONLY | O_CLOEXEC);
#endif
}

bool RealDisk::flushFolder(const std::string& path) {
#ifdef _WIN32
    // A rename on NTFS is journalled with the folder; there is no folder to flush.
    (void)path;
    return true;
#else
    fs::path folder = toPath(path).parent_path();
    return syncOpened(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
#endif
}

bool RealDisk::replace(const std::string& from, const std::string& to) {
    fs::path source = toPath(from);
    fs::path target = toPath(to);
#ifdef _WIN32
    // One step, and on the disk before it returns. A file another program holds open
    // refuses; the caller retries as after any failed write.
    return MoveFileExW(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) !=
           0;
#else
    std::error_code ec;
    // rename replaces the target in one step, a link at its name as well.
    fs::rename(source, target, ec);
    return !ec;
#endif
}

std::string RealDisk::linkTarget(const std::string& path) {
    fs::path p = toPath(path);
    if (!passesALink(p)) {
        return path;
    }
    std::error_code ec;
    fs::path target = fs::weakly_canonical(p, ec);
    if (ec) {
        return path;
    }
    return fromNative(target).value_or(path);
}

std::string RealDisk::resolved(const std::string& path) {
    std::error_code ec;
    fs::path absolute = fs::absolute(toPath(path), ec);
    if (ec) {
        return path;
    }
    fs::path full = fs::weakly_canonical(absolute, ec);
    return fromNative(ec ? absolute.lexically_normal() : full).value_or(path);
}

bool RealDisk::sameFile(const std::string& first, const std::string& second) {
    std::error_code ec;
    return fs::equivalent(toPath(first), toPath(second), ec) && !ec;
}

std::vector<std::string> RealDisk::filesOlderThan(const std::string& prefix, std::chrono::seconds age) {
    std::vector<std::string> found;
    std::size_t cut = prefix.find_last_of("/\\");
    std::string folderPart = cut == std::string::npos ? std::string() : prefix.substr(0, cut + 1);
    std::string start = prefix.substr(folderPart.size());
    fs::path folder = toPath(folderPart.empty() ? std::string(".") : folderPart);
    const auto before = fs::file_time_type::clock::now() - age;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code entryError;
        std::optional<std::string> name = fromNative(it->path().filename());
        if (!name || !name->starts_with(start) || !it->is_regular_file(entryError)) {
            continue;
        }
        auto written = it->last_write_time(entryError);
        if (!entryError && written < before) {
            found.push_back(folderPart + *name);
        }
    }
    return found;
}

bool RealDisk::remove(const std::string& path) {
    std::error_code ec;
    return fs::remove(toPath(path), ec);
}

bool RealDisk::exists(const std::string& path) {
    std::error_code ec;
    return fs::exists(toPath(path), ec);
}

bool RealDisk::isFolder(const std::string& path) {
    std::error_code ec;
    return fs::is_directory(toPath(path), ec);
}

bool RealDisk::isFile(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(toPath(path), ec);
}

bool RealDisk::isWritable(const std::string& path) {
    fs::path p = toPath(path);
    std::error_code ec;
    bool present = fs::exists(p, ec);
#ifdef _WIN32
    if (present) {
        auto perms = fs::status(p, ec).permissions();
        return !ec && (perms & fs::perms::owner_write) != fs::perms::none;
    }
    return true;
#else
    if (present) {
        return ::access(p.c_str(), W_OK) == 0;
    }
    fs::path parent = p.parent_path().empty() ? fs::path(".") : p.parent_path();
    return ::access(parent.c_str(), W_OK) == 0;
#endif
}

std::optional<Date> RealDisk::modificationDate(const std::string& path) {
    std::error_code ec;
    auto written = fs::last_write_time(toPath(path), ec);
    if (ec) {
        return std::nullopt;
    }
    auto system = std::chrono::time_point_cast<std::chrono::system_clock::duration>(
        written - fs::file_time_type::clock::now() + std::chrono::system_clock::now());
    std::time_t t = std::chrono::system_clock::to_time_t(system);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &t);
#else
    localtime_r(&t, &local);
#endif
    return Date{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

std::string RealDisk::createFolder(const std::string& path, const std::string& sharedLike) {
    std::error_code ec;
    fs::path p = toPath(path);
    // Only the last level: a missing parent is an error, as the user must see.
    if (!p.has_filename()) {
        p = p.parent_path();
    }
    if (!fs::create_directory(p, ec)) {
        return ec ? systemErrorText(ec) : std::string();
    }
#ifdef _WIN32
    (void)sharedLike;
#else
    int fd = ::open(p.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd >= 0) {
        shareLike(fd, sharedLike);
        ::close(fd);
    }
#endif
    return {};
}

std::error_code RealDisk::appendLine(const std::string& path, std::string_view bytes) {
    fs::path p = toPath(path);
#ifdef _WIN32
    HANDLE file = CreateFileW(p.c_str(), GENERIC_READ | FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return windowsError(GetLastError());
    }
    std::string line;
    LARGE_INTEGER size{};
    char tail[2] = {'\r', '\n'};
    if (GetFileSizeEx(file, &size) != 0 && size.QuadPart > 0) {
        LARGE_INTEGER at{};
        at.QuadPart = size.QuadPart >= 2 ? size.QuadPart - 2 : 0;
        DWORD read = 0;
        tail[0] = '\0';
        if (SetFilePointerEx(file, at, nullptr, FILE_BEGIN) != 0) {
            ReadFile(file, tail + (size.QuadPart >= 2 ? 0 : 1), size.QuadPart >= 2 ? 2 : 1, &read, nullptr);
        }
    }
    if (tail[0] != '\r' || tail[1] != '\n') {
        line = "\r\n";
    }
    line.append(bytes);
    std::error_code error;
    std::string_view rest(line);
    while (!rest.empty() && !error) {
        DWORD written = 0;
        auto piece = static_cast<DWORD>(std::min<std::size_t>(rest.size(), 1U << 30));
        if (WriteFile(file, rest.data(), piece, &written, nullptr) == 0) {
            error = windowsError(GetLastError());
        } else if (written == 0) {
            error = std::make_error_code(std::errc::io_error);
        }
        rest.remove_prefix(written);
    }
    if (!error && FlushFileBuffers(file) == 0) {
        error = windowsError(GetLastError());
    }
    CloseHandle(file);
    return error;
#else
    int fd = ::open(p.c_str(), O_RDWR | O_APPEND | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        return lastError();
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return std::make_error_code(std::errc::invalid_argument);
    }
    std::string line;
    char tail[2] = {'\r', '\n'};
    if (st.st_size > 0) {
        tail[0] = '\0';
        const off_t from = st.st_size >= 2 ? st.st_size - 2 : 0;
        if (::pread(fd, tail + (st.st_size >= 2 ? 0 : 1), st.st_size >= 2 ? 2 : 1, from) < 0) {
            tail[1] = '\0';
        }
    }
    if (tail[0] != '\r' || tail[1] != '\n') {
        line = "\r\n";
    }
    line.append(bytes);
    std::string_view rest(line);
    std::error_code error;
    while (!rest.empty() && !error) {
        ssize_t written = ::write(fd, rest.data(), rest.size());
        if (written < 0 && errno != EINTR) {
            error = lastError();
        } else if (written == 0) {
            error = std::make_error_code(std::errc::io_error);
        }
        rest.remove_prefix(written > 0 ? static_cast<std::size_t>(written) : 0);
    }
    if (!error && ::fsync(fd) != 0) {
        error = lastError();
    }
    if (::close(fd) != 0 && !error) {
        error = lastError();
    }
    return error;
#endif
}

std::optional<std::uintmax_t> RealDisk::fileSize(const std::string& path) {
    std::error_code ec;
    fs::path p = toPath(path);
    if (!fs::is_regular_file(p, ec)) {
        return std::nullopt;
    }
    std::uintmax_t size = fs::file_size(p, ec);
    if (ec) {
        return std::nullopt;
    }
    return size;
}

std::string systemErrorText(std::error_code error) {
    if (error == std::errc::no_such_file_or_directory) {
        return "Filen eller mappen finns inte.";
    }
    if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted) {
        return "\xC5tkomst nekad.";
    }
    if (error == std::errc::no_space_on_device) {
        return "Disken \xE4r full.";
    }
    if (error == std::errc::file_too_large) {
        return "Filen blev st\xF6rre \xE4n systemet till\xE5ter.";
    }
    if (error == std::errc::read_only_file_system) {
        return "Filsystemet \xE4r skrivskyddat.";
    }
    if (error == std::errc::is_a_directory) {
        return "Det finns en mapp d\xE4r en fil skulle vara.";
    }
    if (error == std::errc::not_a_directory) {
        return "Det finns en fil d\xE4r en mapp skulle vara.";
    }
    if (error == std::errc::io_error) {
        return "Fel vid l\xE4sning eller skrivning p\xE5 disken.";
    }
    if (error == std::errc::file_exists) {
        return "Filen finns redan.";
    }
    if (error == std::errc::too_many_symbolic_link_levels) {
        return "F\xF6r m\xE5nga niv\xE5"
               "er av symboliska l\xE4nkar.";
    }
    if (error == std::errc::filename_too_long) {
        return "Filnamnet \xE4r f\xF6r l\xE5ngt.";
    }
    return fromUtf8(error.message()).value_or(error.message());
}

} // namespace tivra

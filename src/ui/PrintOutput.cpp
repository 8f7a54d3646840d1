#include "ui/PrintOutput.h"

#include "core/Disk.h"
#include "ui/QtPrintSurface.h"

#include <QBuffer>
#include <QByteArray>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <system_error>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX // std::min below, not the macro
#endif
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace tivra {
namespace {

constexpr const char kNotAFile[] = "Det \xE4r ingen vanlig fil.";
constexpr const char kNotWhole[] = "Filen blev inte hel.";
constexpr const char kNotMade[] = "Dokumentet kunde inte g\xF6ras.";
constexpr const char kEndMarker[] = "%%EOF";

fs::path fsPath(const QString& path) {
    QByteArray utf8 = path.toUtf8();
    return fs::path(std::u8string(reinterpret_cast<const char8_t*>(utf8.constData()),
                                  static_cast<std::size_t>(utf8.size())));
}

PrintResult drawOn(QtPrintSurface& surface, const std::function<bool(PrintSurface&)>& draw) {
    if (!draw(surface)) {
        surface.abort();
        return PrintResult::Cancelled;
    }
    return surface.ok() ? PrintResult::Done : PrintResult::Refused;
}

// A PDF ends with its end marker, perhaps followed by a line break.
bool endsWithEndMarker(QByteArray tail) {
    while (!tail.isEmpty() && (tail.back() == '\n' || tail.back() == '\r')) {
        tail.chop(1);
    }
    return tail.endsWith(kEndMarker);
}

#ifdef _WIN32
std::error_code lastError() {
    return {static_cast<int>(GetLastError()), std::system_category()};
}
#else
std::error_code errnoError() {
    return {errno, std::generic_category()};
}
#endif

// Creates the file, which must not exist under any form (a link included), writes the
// bytes and forces them onto the disk. A failure after the creation removes the file
// again. Local to the PDF until the disk seam has such a write of its own.
std::error_code writeNewFile(const fs::path& path, const QByteArray& bytes) {
    const char* data = bytes.constData();
    auto left = static_cast<std::size_t>(bytes.size());
    std::error_code error;
#ifdef _WIN32
    HANDLE file =
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return lastError();
    }
    while (!error && left > 0) {
        DWORD written = 0;
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(left, std::size_t{1} << 20));
        if (WriteFile(file, data, chunk, &written, nullptr) == 0) {
            error = lastError();
        }
        data += written;
        left -= written;
    }
    if (!error && FlushFileBuffers(file) == 0) {
        error = lastError();
    }
    CloseHandle(file);
#else
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) {
        return errnoError();
    }
    while (!error && left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            error = errno == EINTR ? std::error_code() : errnoError();
            continue;
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    if (!error && ::fsync(fd) != 0) {
        error = errnoError();
    }
    // Some network file systems report a failed write only here.
    if (::close(fd) != 0 && !error) {
        error = errnoError();
    }
#endif
    if (error) {
        std::error_code ignored;
        fs::remove(path, ignored);
    }
    return error;
}

// The file on the disk holds the whole document: its length, and the end marker at its end.
bool isWhole(const fs::path& path, const QByteArray& document) {
    std::error_code ec;
    if (fs::file_size(path, ec) != static_cast<std::uintmax_t>(document.size()) || ec) {
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    const auto length = static_cast<std::streamoff>(std::min<qsizetype>(document.size(), 64));
    QByteArray tail(static_cast<qsizetype>(length), '\0');
    in.seekg(-length, std::ios::end);
    in.read(tail.data(), length);
    return in && endsWithEndMarker(tail);
}

// A name beside the file that no other print to the same name picks.
fs::path temporaryBeside(const fs::path& target) {
    const QString tag =
        QString::number(QRandomGenerator::system()->generate64(), 16).rightJustified(16, u'0');
    fs::path name = target;
    name += fsPath(QStringLiteral(".tmp") + tag).native();
    return name;
}

// Where the file goes: a link is followed and stays a link.
fs::path placeOf(const fs::path& path) {
    std::error_code ec;
    if (!fs::is_symlink(path, ec)) {
        return path;
    }
    fs::path target = fs::canonical(path, ec);
    return ec ? path : target;
}

#ifndef _WIN32
// The rename lasts only once its folder is on the disk; a folder that cannot be flushed
// still holds the file.
void flushFolderOf(const fs::path& file) {
    const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}
#endif

} // namespace

bool PrinterOutput::available() {
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

PrintResult PrinterOutput::print(const std::function<bool(PrintSurface&)>& draw) {
    // The printer serves the whole run: a week sheet must not leave it landscape.
    const QPageLayout::Orientation chosen = printer_.pageLayout().orientation();
    QtPrintSurface surface(printer_);
    PrintResult result = drawOn(surface, draw);
    printer_.setPageOrientation(chosen);
    return result;
}

PrintResult PdfOutput::print(const std::function<bool(PrintSurface&)>& draw) {
    reason_.clear();
    std::error_code ec;
    const fs::file_status place = fs::status(fsPath(path_), ec);
    if (fs::exists(place) && !fs::is_regular_file(place)) {
        reason_ = kNotAFile;
        return PrintResult::Refused;
    }
    QBuffer document;
    document.open(QIODevice::WriteOnly);
    PrintResult result = PrintResult::Refused;
    bool drawn = false;
    {
        std::unique_ptr<QPdfWriter> writer = makePdfWriter(document, layout_);
        QtPrintSurface surface(*writer);
        result = drawOn(surface, draw);
        drawn = surface.started();
    }
    if (result == PrintResult::Refused || (result == PrintResult::Done && !drawn)) {
        reason_ = kNotMade;
        return PrintResult::Refused;
    }
    if (result == PrintResult::Done) {
        reason_ = store(document.data());
    }
    return reason_.empty() ? result : PrintResult::Refused;
}

std::string PdfOutput::store(const QByteArray& document) const {
    if (!endsWithEndMarker(document)) {
        return kNotWhole;
    }
    const fs::path target = placeOf(fsPath(path_));
    fs::path temporary;
    std::error_code error = std::make_error_code(std::errc::file_exists);
    // A name taken by another print is drawn again.
    for (int attempt = 0; attempt < 16 && error == std::errc::file_exists; ++attempt) {
        temporary = temporaryBeside(target);
        error = writeNewFile(temporary, document);
    }
    if (error) {
        return systemErrorText(error);
    }
    std::error_code ignored;
    if (!isWhole(temporary, document)) {
        fs::remove(temporary, ignored);
        return kNotWhole;
    }
    fs::rename(temporary, target, error);
    if (error) {
        fs::remove(temporary, ignored);
        return systemErrorText(error);
    }
#ifndef _WIN32
    flushFolderOf(target);
#endif
    return {};
}

} // namespace tivra

#include "core/Disk.h"

#include "core/Text1252.h"

#include <chrono>
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace tivra {
namespace {

fs::path toPath(const std::string& path) {
    std::string native = nativePath(path);
#ifdef _WIN32
    return fs::path(reinterpret_cast<const char8_t*>(native.c_str()));
#else
    return fs::path(native);
#endif
}

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

std::optional<std::string> RealDisk::readAll(const std::string& path) {
    fs::path p = toPath(path);
    std::ifstream in(p, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    // A regular file is read in one call straight into a string of its length; a stream
    // copy grows its buffer step by step and copies the bytes each time.
    std::string content;
    std::error_code ec;
    std::uintmax_t size = fs::file_size(p, ec);
    if (!ec && size > 0) {
        content.resize(static_cast<std::size_t>(size));
        in.read(content.data(), static_cast<std::streamsize>(size));
        content.resize(static_cast<std::size_t>(in.gcount()));
        in.clear(in.rdstate() & std::ios::badbit);
    }
    // What the length did not tell: a file that grew meanwhile, or one without a length.
    std::ostringstream rest;
    rest << in.rdbuf();
    content += std::move(rest).view();
    if (in.bad()) {
        return std::nullopt;
    }
    return content;
}

bool RealDisk::writeAll(const std::string& path, std::string_view bytes) {
    std::ofstream out(toPath(path), std::ios::binary | std::ios::trunc);
    if (!out) {
        return false;
    }
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    return static_cast<bool>(out);
}

bool RealDisk::replace(const std::string& from, const std::string& to) {
    std::error_code ec;
    // rename replaces the target in one step on POSIX and with MoveFileEx on Windows.
    fs::rename(toPath(from), toPath(to), ec);
    return !ec;
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

std::string RealDisk::createFolder(const std::string& path) {
    std::error_code ec;
    fs::path p = toPath(path);
    // Only the last level: a missing parent is an error, as the user must see.
    if (!p.has_filename()) {
        p = p.parent_path();
    }
    if (!fs::create_directory(p, ec) && ec) {
        return ec.message();
    }
    if (ec) {
        return ec.message();
    }
    return {};
}

} // namespace tivra

#include "support/Fakes.h"

#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace tivra::test {

void ScriptedMessages::show(const std::string& text, const std::string& title, Icon icon) {
    shown.push_back({Kind::Show, text, title, icon});
    if (onShow) {
        onShow();
    }
}

namespace {

// The front of a queue of scripted answers, or `none` when it is empty.
template <typename T> T next(std::deque<T>& queue, T none) {
    if (queue.empty()) {
        return none;
    }
    T front = std::move(queue.front());
    queue.pop_front();
    return front;
}

} // namespace

bool ScriptedMessages::ask(const std::string& text, const std::string& title) {
    shown.push_back({Kind::Ask, text, title, Icon::Question});
    return next(answers, true);
}

bool ScriptedMessages::askNo(const std::string& text, const std::string& title) {
    shown.push_back({Kind::AskNo, text, title, Icon::Question});
    return next(answers, false);
}

std::string ScriptedMessages::input(const std::string& prompt, const std::string& title,
                                    const std::string& defaultText) {
    shown.push_back({Kind::Input, prompt + "|" + defaultText, title, Icon::Question});
    return next(inputs, defaultText);
}

std::string ScriptedMessages::openFileName(const std::string& folder, const std::string& filter) {
    shown.push_back({Kind::OpenFile, folder + "|" + filter, {}, Icon::Question});
    return next(fileNames, std::string());
}

SaveChoice ScriptedMessages::saveFile(const std::string& folder, const std::string& filter) {
    shown.push_back({Kind::SaveFile, folder + "|" + filter, {}, Icon::Question});
    std::string name = next(fileNames, std::string());
    return {std::move(name), next(filters, 0)};
}

void ScriptedMessages::fatal(const std::string& text, const std::string& title) {
    shown.push_back({Kind::Fatal, text, title, Icon::Critical});
    throw ProgramEnded(text);
}

std::vector<std::string> ScriptedMessages::log() const {
    std::vector<std::string> out;
    for (const auto& s : shown) {
        out.push_back(s.title + "|" + s.text);
    }
    return out;
}

namespace {

// The hook's answer when it gives one, otherwise what the real disk does.
template <typename Hook, typename Real, typename... Args>
auto hooked(const Hook& hook, const Real& real, const Args&... args) {
    if (hook) {
        if (auto answer = hook(args...)) {
            return *answer;
        }
    }
    return real();
}

} // namespace

std::optional<std::string> FaultyDisk::readAll(const std::string& path) {
    return hooked(
        onRead, [&] { return RealDisk::readAll(path); }, path);
}

std::error_code FaultyDisk::createNew(const std::string& path, std::string_view bytes,
                                      const std::string& sharedLike) {
    writes.push_back(path);
    if (onCreate) {
        if (std::optional<std::error_code> refused = onCreate(path)) {
            return *refused;
        }
    }
    if (onWrite) {
        if (std::optional<bool> written = onWrite(path, bytes)) {
            return *written ? std::error_code() : std::make_error_code(std::errc::io_error);
        }
    }
    return RealDisk::createNew(path, bytes, sharedLike);
}

bool FaultyDisk::replace(const std::string& from, const std::string& to) {
    return hooked(
        onReplace, [&] { return RealDisk::replace(from, to); }, from, to);
}

bool FaultyDisk::isWritable(const std::string& path) {
    return hooked(
        onWritable, [&] { return RealDisk::isWritable(path); }, path);
}

std::optional<Date> FaultyDisk::modificationDate(const std::string& path) {
    return hooked(
        onModificationDate, [&] { return RealDisk::modificationDate(path); }, path);
}

std::error_code FaultyDisk::appendLine(const std::string& path, std::string_view bytes) {
    return hooked(
        onAppend, [&] { return RealDisk::appendLine(path, bytes); }, path);
}

TempDir::TempDir() {
    std::random_device rd;
    auto base = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        auto candidate = base / ("tivra-test-" + std::to_string(rd()));
        if (std::filesystem::create_directory(candidate)) {
            path_ = candidate;
            return;
        }
    }
    throw std::runtime_error("no temporary folder");
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write fixture " + path);
    }
}

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + path);
    }
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string crlf(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& l : lines) {
        out += l;
        out += "\r\n";
    }
    return out;
}

} // namespace tivra::test

#include "core/FileReplace.h"

#include "core/FileNames.h"

#include <algorithm>
#include <chrono>
#include <system_error>

namespace tivra {
namespace {

struct Attempt {
    WriteOutcome outcome = WriteOutcome::Refused;
    std::error_code error; // why it failed
};

Attempt attemptWrite(Disk& disk, const std::string& path, std::string_view bytes,
                     const std::optional<std::string>& expected, const WriteOptions& options) {
    const std::string target = options.atLink == AtLink::Follow ? disk.linkTarget(path) : path;
    const std::string temporary = temporaryName(target);
    const std::error_code created =
        disk.createNew(temporary, bytes, options.sharedLike.empty() ? target : options.sharedLike);
    if (created == std::errc::file_exists) {
        return {WriteOutcome::Refused, created}; // not ours to remove
    }
    Attempt attempt{WriteOutcome::Refused, created};
    if (created) {
        // A partly written file is left behind.
    } else if (!disk.flush(temporary) || disk.readAll(temporary) != bytes) {
        attempt.error = std::make_error_code(std::errc::io_error);
    } else if (!disk.isWritable(target)) {
        // A protected target stays protected: the rename must not get around it.
        attempt.error = std::make_error_code(std::errc::permission_denied);
    } else if (expected && disk.readAll(target) != *expected) {
        attempt.outcome = WriteOutcome::Overtaken;
    } else if (disk.replace(temporary, target)) {
        disk.flushFolder(target);
        return {WriteOutcome::Written, {}};
    } else {
        attempt.error = std::make_error_code(std::errc::io_error);
    }
    disk.remove(temporary);
    return attempt;
}

} // namespace

WriteResult writeWhole(Disk& disk, const std::string& path, std::string_view bytes,
                       const std::optional<std::string>& expected, const WriteOptions& options) {
    if (options.plainFileOnly) {
        if (std::string refusal = outputPlaceRefusal(disk, path); !refusal.empty()) {
            return {WriteOutcome::Refused, refusal};
        }
    }
    const int attempts = options.retryClock ? kWriteAttempts : 1;
    Attempt attempt;
    for (int n = 1; n <= attempts; ++n) {
        attempt = attemptWrite(disk, path, bytes, expected, options);
        if (attempt.outcome != WriteOutcome::Refused) {
            return {attempt.outcome, {}};
        }
        if (options.retryClock) {
            options.retryClock->pause(std::chrono::milliseconds(200));
        }
    }
    return {WriteOutcome::Refused, systemErrorText(attempt.error)};
}

std::string outputPlaceRefusal(Disk& disk, const std::string& path) {
    // A device or a folder at the name would be replaced by a file: /dev/null for everyone.
    if (disk.exists(path) && !disk.isFile(path)) {
        return "Det \xE4r ingen vanlig fil.";
    }
    return {};
}

void removeStaleTemporaries(Disk& disk, const std::string& path, AtLink atLink) {
    removeStaleTemporaries(disk, std::vector<std::string>{path}, atLink);
}

void removeStaleTemporaries(Disk& disk, const std::vector<std::string>& paths, AtLink atLink) {
    // Ten minutes is far beyond the longest save; a younger file may be a colleague's.
    constexpr std::chrono::minutes kStale{10};
    std::vector<std::string> targets;
    targets.reserve(paths.size());
    for (const std::string& path : paths) {
        targets.push_back(atLink == AtLink::Follow ? disk.linkTarget(path) : path);
    }
    if (targets.empty()) {
        return;
    }
    // One look at the folder for all of them: what their names have in common.
    std::string common = targets.front();
    for (const std::string& target : targets) {
        common.resize(static_cast<std::size_t>(
            std::mismatch(common.begin(), common.end(), target.begin(), target.end()).first -
            common.begin()));
    }
    for (const std::string& name : disk.filesOlderThan(common, kStale)) {
        if (std::ranges::any_of(targets,
                                [&](const std::string& target) { return isTemporaryOf(name, target); })) {
            disk.remove(name);
        }
    }
}

} // namespace tivra

#include "config/SchoolFiles.h"

#include "core/BookingFile.h"
#include "core/FileNames.h"
#include "core/Path.h"
#include "core/Text1252.h"

#include <algorithm>
#include <array>
#include <vector>

namespace tivra {
namespace {

// A path as the file system tells names apart: on Windows neither letter case nor the
// kind of separator counts.
std::string comparable(std::string path) {
#ifdef _WIN32
    std::replace(path.begin(), path.end(), '/', '\\');
    return upper(path);
#else
    return path;
#endif
}

bool same(const std::string& a, const std::string& b) {
    return comparable(a) == comparable(b);
}

bool startsWith(const std::string& text, const std::string& start) {
    return comparable(text).starts_with(comparable(start));
}

std::string withoutTrailingSeparators(std::string path) {
    while (path.size() > 1 && endsWithSeparator(path)) {
        path.pop_back();
    }
    return path;
}

std::string folderOf(const std::string& path) {
    return path.substr(0, path.size() - fileNamePart(path).size());
}

// Where the program's names beside a file lead: its folder resolved with the name kept
// (the lock and the day's copy go beside a link), and the whole path resolved (the
// temporary files go beside the file a link leads to).
std::array<std::string, 2> placesOf(Disk& disk, const std::string& path) {
    const std::string folder = folderOf(path);
    std::string beside = disk.resolved(folder.empty() ? std::string(".") : folder);
    if (!endsWithSeparator(beside)) {
        beside += folderSeparator();
    }
    return {beside + fileNamePart(path), disk.resolved(path)};
}

// The booking file at `base` itself, its lock, the lock's helpers and its temporaries.
bool isOfBookingFile(const std::string& target, const std::string& base) {
    const std::string lock = lockFileName(base);
    return same(target, base) || same(target, lock) || startsWith(target, lock + ".") ||
           startsWith(target, temporaryPrefix(base));
}

// The copies of a replaced booking file at `base`, kept beside it when there is no backup
// folder.
bool isReplacedCopyBeside(const std::string& target, const std::string& base) {
    return startsWith(target, replacedCopyPrefix(base)) &&
           comparable(target).ends_with(comparable(kBookingExtension));
}

// The settings as start-up used them and as the next start will read them.
std::array<const Settings*, 2> settingsOf(const Program& program) {
    return {&program.settings, &program.running};
}

// The day's copies of the booking file `file`, named as the load names them, wherever the
// backup folder (or its absence) puts them.
bool isDailyCopy(const Program& program, const std::string& target, const std::string& file, Disk& disk) {
    // Every such name has ".bk" in it; other names need not be resolved 31 times over.
    if (comparable(fileNamePart(target)).find(comparable(kDailyBackupMark)) == std::string::npos) {
        return false;
    }
    for (const Settings* s : settingsOf(program)) {
        for (int day = 1; day <= 31; ++day) {
            if (same(target, disk.resolved(dailyBackupName(file, s->backupmapp, day)))) {
                return true;
            }
        }
    }
    return false;
}

bool isBookingFamily(const Program& program, const std::string& path, const std::string& target, Disk& disk) {
    const bool backupsBeside =
        std::ranges::any_of(settingsOf(program), [](const Settings* s) { return s->backupmapp.empty(); });
    for (const std::string& file :
         {program.settings.bokningsfil, program.running.bokningsfil, program.bookingFile.aktuellfil}) {
        if (file.empty()) {
            continue;
        }
        if (disk.sameFile(path, file) || isDailyCopy(program, target, file, disk)) {
            return true;
        }
        for (const std::string& base : placesOf(disk, file)) {
            if (isOfBookingFile(target, base) || (backupsBeside && isReplacedCopyBeside(target, base))) {
                return true;
            }
        }
    }
    return false;
}

bool isInBackupFolder(const Program& program, const std::string& target, Disk& disk) {
    const std::string folder = withoutTrailingSeparators(folderOf(target));
    return std::ranges::any_of(settingsOf(program), [&](const Settings* s) {
        return !s->backupmapp.empty() &&
               same(folder, withoutTrailingSeparators(disk.resolved(s->backupmapp)));
    });
}

// Tivra.ini, the room list, the timetable's files and the old object list.
std::vector<std::string> namedFiles(const Program& program) {
    std::vector<std::string> files{kSettingsFile};
    for (const Settings* s : settingsOf(program)) {
        if (!s->schemafil.empty()) {
            for (const char* extension : {".sal", ".ini", ".sca", ".sig"}) {
                files.push_back(s->schemafil + extension);
            }
        }
        if (!s->objektfil.empty()) {
            files.push_back(s->objektfil);
        }
    }
    return files;
}

} // namespace

bool isSchoolFile(const Program& program, const std::string& path, Disk& disk) {
    const std::string target = disk.resolved(path);
    if (isBookingFamily(program, path, target, disk) || isInBackupFolder(program, target, disk)) {
        return true;
    }
    return std::ranges::any_of(namedFiles(program), [&](const std::string& file) {
        return same(target, disk.resolved(file)) || disk.sameFile(path, file);
    });
}

std::string schoolFileRefusal(const std::string& path) {
    return path + " \xE4r en av skolans filer och kan inte skrivas \xF6ver.";
}

} // namespace tivra

#include "app/OutputFile.h"

#include "config/SchoolFiles.h"
#include "core/Disk.h"
#include "core/FileReplace.h"
#include "core/Text1252.h"

#include <optional>

namespace tivra {

std::string schoolFileRefusalFor(const Program& program, const QString& absolute, const QString& given) {
    // The school's files have names of the code page; a name outside it is none of them.
    std::optional<std::string> path = fromUtf8(absolute.toStdString());
    RealDisk disk;
    if (!path || !isSchoolFile(program, *path, disk)) {
        return {};
    }
    return schoolFileRefusal(fromUtf8(given.toStdString()).value_or(*path));
}

bool writeOutput(const Program& program, const QString& absolute, const QString& given,
                 std::string_view bytes, Messages& messages, const char* title) {
    const std::string refusal = schoolFileRefusalFor(program, absolute, given);
    if (!refusal.empty()) {
        messages.show(refusal, title, Icon::Exclamation);
        return false;
    }
    RealDisk disk;
    const std::string path = fromUtf8(absolute.toStdString()).value_or("");
    const std::string why = path.empty() ? std::string(kUnnamableFile)
                                         : writeWhole(disk, path, bytes, std::nullopt, kOutputFile).reason;
    if (!why.empty()) {
        messages.show("Filen " + path + " kunde inte skrivas. " + why, title, Icon::Exclamation);
        return false;
    }
    return true;
}

} // namespace tivra

#include "gui/PrintOutput.h"

#include "core/FileReplace.h"
#include "gui/Convert.h"
#include "gui/QtPrintSurface.h"

#include <QBuffer>
#include <QByteArray>
#include <QFileInfo>
#include <QPdfWriter>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace tivra {
namespace {

constexpr const char kNotWhole[] = "Filen blev inte hel.";
constexpr const char kNotMade[] = "Dokumentet kunde inte g\xF6ras.";
constexpr const char kEndMarker[] = "%%EOF";

// A PDF ends with its end marker, perhaps followed by a line break.
bool endsWithEndMarker(QByteArray tail) {
    while (!tail.isEmpty() && (tail.back() == '\n' || tail.back() == '\r')) {
        tail.chop(1);
    }
    return tail.endsWith(kEndMarker);
}

} // namespace

PrintResult drawOn(QtPrintSurface& surface, const std::function<bool(PrintSurface&)>& draw) {
    if (!draw(surface)) {
        surface.abort();
        return PrintResult::Cancelled;
    }
    return surface.ok() ? PrintResult::Done : PrintResult::Refused;
}

std::string PdfOutput::name() const {
    return fromQString(QFileInfo(path_).fileName()).value_or(std::string());
}

PrintResult PdfOutput::print(const std::function<bool(PrintSurface&)>& draw) {
    std::optional<std::string> path = fromQString(path_);
    RealDisk disk;
    reason_ = path ? outputPlaceRefusal(disk, *path) : std::string(kUnnamableFile);
    if (!reason_.empty()) {
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
        pages_ = surface.pages();
    }
    if (result == PrintResult::Refused || (result == PrintResult::Done && !drawn)) {
        reason_ = kNotMade;
        return PrintResult::Refused;
    }
    if (result == PrintResult::Done) {
        reason_ = store(*path, document.data());
    }
    return reason_.empty() ? result : PrintResult::Refused;
}

std::string PdfOutput::store(const std::string& path, const QByteArray& document) const {
    if (!endsWithEndMarker(document)) {
        return kNotWhole;
    }
    RealDisk disk;
    return writeWhole(disk, path,
                      std::string_view(document.constData(), static_cast<std::size_t>(document.size())),
                      std::nullopt, kOutputFile)
        .reason;
}

} // namespace tivra

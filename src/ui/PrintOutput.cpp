#include "ui/PrintOutput.h"

#include "ui/QtPrintSurface.h"

#include <QByteArray>
#include <QFile>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include <filesystem>
#include <memory>
#include <string>

namespace tivra {
namespace {

std::filesystem::path fsPath(const QString& path) {
    QByteArray utf8 = path.toUtf8();
    return std::filesystem::path(std::u8string(reinterpret_cast<const char8_t*>(utf8.constData()),
                                               static_cast<std::size_t>(utf8.size())));
}

PrintResult drawOn(QtPrintSurface& surface, const std::function<bool(PrintSurface&)>& draw) {
    if (!draw(surface)) {
        surface.abort();
        return PrintResult::Cancelled;
    }
    return surface.ok() ? PrintResult::Done : PrintResult::Refused;
}

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
    const QString partial = path_ + QStringLiteral(".tmp");
    PrintResult result = PrintResult::Refused;
    {
        std::unique_ptr<QPdfWriter> writer = makePdfWriter(partial, layout_);
        QtPrintSurface surface(*writer);
        result = drawOn(surface, draw);
    }
    if (result == PrintResult::Done) {
        std::error_code error;
        std::filesystem::rename(fsPath(partial), fsPath(path_), error);
        if (error) {
            result = PrintResult::Refused;
        }
    }
    QFile::remove(partial);
    return result;
}

} // namespace tivra

#include "ui/PrinterOutput.h"

#include "gui/Convert.h"
#include "gui/QtPrintSurface.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace tivra {
namespace {

// The printer is made before the output that uses it, and lives as long.
struct OwnPrinter {
    QPrinter printer{QPrinter::HighResolution};
};

class OwnedPrinterOutput : private OwnPrinter, public PrinterOutput {
  public:
    OwnedPrinterOutput(const QString& name, const QPageLayout& layout) : PrinterOutput(printer) {
        if (!name.isEmpty()) {
            printer.setPrinterName(name);
        }
        printer.setPageLayout(layout);
    }
};

} // namespace

bool PrinterOutput::available() {
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

PrintResult PrinterOutput::print(const std::function<bool(PrintSurface&)>& draw) {
    // The printer serves the whole run: a week sheet must not leave it landscape.
    const QPageLayout::Orientation chosen = printer_.pageLayout().orientation();
    QtPrintSurface surface(
        printer_, {[this] { printer_.setColorMode(QPrinter::Color); }, [this] { printer_.abort(); }});
    PrintResult result = drawOn(surface, draw);
    pages_ = surface.pages();
    printer_.setPageOrientation(chosen);
    return result;
}

std::string PrinterOutput::name() const {
    return fromQString(printer_.printerName()).value_or(std::string());
}

std::unique_ptr<PrintOutput> systemPrinter(const QString& name, const QPageLayout& layout) {
    return std::make_unique<OwnedPrinterOutput>(name, layout);
}

} // namespace tivra

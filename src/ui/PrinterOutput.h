#pragma once
// The printer as a place for printed documents. It needs Qt's print support, which the
// command line does not link: `tivra print` gets its printer from here through the
// program's widget parts (app/CommandLine.h).
#include "gui/PrintOutput.h"

#include <QPageLayout>
#include <QString>

#include <memory>

class QPrinter;

namespace tivra {

// The printer, as the printer choice last set it.
class PrinterOutput : public PrintOutput {
  public:
    explicit PrinterOutput(QPrinter& printer) : printer_(printer) {}
    // False when no printer is installed: a job would go nowhere, or to a stray file.
    bool available() override;
    PrintResult print(const std::function<bool(PrintSurface&)>& draw) override;
    int pages() const override { return pages_; }
    std::string name() const override;

  private:
    QPrinter& printer_;
    int pages_ = 0;
};

// The printer named (the system's default when the name is empty) with the page layout,
// owned by the output.
std::unique_ptr<PrintOutput> systemPrinter(const QString& name, const QPageLayout& layout);

} // namespace tivra

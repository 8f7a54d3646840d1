#pragma once
// Where a printed document goes: the printer of this run, or a PDF file. The print
// dialog and `tivra print` send documents here; tests put a recording in its place.
#include "print/PrintSurface.h"

#include <QPageLayout>
#include <QString>

#include <functional>

class QPrinter;

namespace tivra {

enum class PrintResult {
    Done,      // the document went whole to the printer or the file
    Refused,   // the printer or the file could not take it; nothing was made
    Cancelled, // the user stopped it; what was drawn was withdrawn
};

class PrintOutput {
  public:
    virtual ~PrintOutput() = default;
    // Whether there is anywhere to send a document.
    virtual bool available() = 0;
    // Draws one document on a fresh surface. `draw` returns false when the user stopped
    // it part-way.
    virtual PrintResult print(const std::function<bool(PrintSurface&)>& draw) = 0;
};

// The printer, as the printer choice last set it.
class PrinterOutput : public PrintOutput {
  public:
    explicit PrinterOutput(QPrinter& printer) : printer_(printer) {}
    // False when no printer is installed: a job would go nowhere, or to a stray file.
    bool available() override;
    PrintResult print(const std::function<bool(PrintSurface&)>& draw) override;

  private:
    QPrinter& printer_;
};

// A PDF file, written beside its place and renamed there once whole: a stopped or failed
// document never leaves half a file, nor removes the one that was there.
class PdfOutput : public PrintOutput {
  public:
    PdfOutput(const QString& path, const QPageLayout& layout) : path_(path), layout_(layout) {}
    bool available() override { return true; }
    PrintResult print(const std::function<bool(PrintSurface&)>& draw) override;

  private:
    QString path_;
    QPageLayout layout_;
};

} // namespace tivra

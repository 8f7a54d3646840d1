#pragma once
// Where a printed document goes: the printer of this run (ui/PrinterOutput.h), or a PDF
// file. The print dialog and `tivra print` send documents here; tests put a recording in
// its place.
#include "print/PrintSurface.h"

#include <QPageLayout>
#include <QString>

#include <functional>
#include <string>

class QByteArray;

namespace tivra {

class QtPrintSurface;

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
    // The pages of the last document, and where it went: the printer's or the file's name
    // (Windows-1252), for the status line.
    virtual int pages() const = 0;
    virtual std::string name() const = 0;
};

// Draws one document on `surface`: Cancelled (the document withdrawn) when `draw` stops.
PrintResult drawOn(QtPrintSurface& surface, const std::function<bool(PrintSurface&)>& draw);

// A PDF file. The document is made whole in memory, written to a temporary file of its own
// beside its place (created new, never through a link), forced onto the disk, checked and
// only then renamed there: a stopped or failed document never leaves part of a file, nor
// removes the one that was there, and PDFs written to one name at once never mix.
class PdfOutput : public PrintOutput {
  public:
    PdfOutput(const QString& path, const QPageLayout& layout) : path_(path), layout_(layout) {}
    bool available() override { return true; }
    // Refuses at once, before drawing, a place that holds something other than a file.
    PrintResult print(const std::function<bool(PrintSurface&)>& draw) override;
    int pages() const override { return pages_; }
    std::string name() const override;
    // Why the last document was refused, in Swedish (Windows-1252); empty otherwise.
    const std::string& reason() const { return reason_; }

  private:
    // Writes the finished document into place; the reason of a failure, or empty.
    std::string store(const std::string& path, const QByteArray& document) const;

    QString path_;
    QPageLayout layout_;
    std::string reason_;
    int pages_ = 0;
};

} // namespace tivra

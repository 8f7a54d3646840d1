#pragma once
// The print surface on a Qt paged device: a printer for paper, a QPdfWriter for a file.
// Twips become device dots at the device's own resolution, and text is measured with the
// device's font metrics, so what is measured is what is printed.
//
// The painter is begun on the first drawing, not before: a printout that draws nothing
// sends no job to the printer and leaves no file behind.
#include "print/PrintSurface.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QString>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>

class QIODevice;
class QPagedPaintDevice;
class QPdfWriter;

namespace tivra {

class QtPrintSurface : public PrintSurface {
  public:
    // What a printer's job needs beyond the painting: a printer is switched to colour
    // when the job begins, so that grey levels print as the grey asked for, and its job
    // is cancelled when the document is withdrawn.
    struct JobHooks {
        std::function<void()> begin;
        std::function<void()> abort;
    };

    // The device must outlive the surface.
    explicit QtPrintSurface(QPagedPaintDevice& device, JobHooks hooks = {});
    ~QtPrintSurface() override;
    QtPrintSurface(const QtPrintSurface&) = delete;
    QtPrintSurface& operator=(const QtPrintSurface&) = delete;

    // False once the device refused the job (the painter could not begin); nothing is
    // drawn after that. True before the first drawing, when nothing was asked of it yet.
    bool ok() const { return state_ != State::Refused; }
    // Whether anything was drawn, that is whether a job or file was started.
    bool started() const { return begun_; }
    // The pages begun so far, each by a drawing on it.
    int pages() const { return pages_; }

    double pageWidth() override;
    double pageHeight() override;

    double currentX() override { return x_; }
    double currentY() override { return y_; }
    void moveTo(double x, double y) override;

    void setFontName(const std::string& name) override;
    void setFontSize(double points) override;
    void setLineWidth(int dots) override;

    void write(const std::string& text, bool endLine) override;
    double textWidth(const std::string& text) override;
    double textHeight(const std::string& text) override;

    void line(double x1, double y1, double x2, double y2) override;
    void box(double x1, double y1, double x2, double y2) override;
    void filledBox(double x1, double y1, double x2, double y2, int grey) override;

    void setLandscape(bool landscape) override;
    void newPage() override;
    void endDoc() override;
    // Withdraws a document stopped part-way: a printer's job is cancelled and nothing
    // more is drawn. A PDF's file is the caller's to remove.
    void abort();

  private:
    enum class State { Waiting, Drawing, Refused, Ended };
    struct Font {
        QFont font;
        QFontMetricsF metrics;
        double ascent;
        double height;
        std::unordered_map<std::string, double> advances; // device dots
    };

    // Begins the painter or makes the page asked for, as the next drawing needs; false
    // when nothing may be drawn.
    bool readyToDraw();
    Font& font();
    // The width of a text in the current font, in device dots.
    double advance(const std::string& text);
    QPointF dots(double x, double y) const;
    QRectF dotRect(double x1, double y1, double x2, double y2) const;

    QPagedPaintDevice& device_;
    JobHooks hooks_;
    QPageLayout::Orientation chosen_; // the device's own, which "not landscape" returns to
    QPainter painter_;
    State state_ = State::Waiting;
    bool begun_ = false;
    int pages_ = 0;
    double dotsPerTwipX_;
    double dotsPerTwipY_;
    double x_ = 0;
    double y_ = 0;
    bool pageAsked_ = false;
    bool pageUsed_ = false;

    std::string fontName_ = "Arial";
    double fontSize_ = 10;
    std::map<std::pair<std::string, double>, Font> fonts_;
    Font* font_ = nullptr;
    const Font* painterFont_ = nullptr;
    int lineWidth_ = 1;
};

// A4 portrait unless told otherwise, with 10 mm margins on every side: about what a
// laser printer cannot reach anyway, so a PDF and paper show the same printable area.
QPageLayout pdfPageLayout(QPageSize::PageSizeId size = QPageSize::A4,
                          QPageLayout::Orientation orientation = QPageLayout::Portrait);

// A PDF writer for the file at `path` (Qt's form), at 600 dpi like a typical laser printer,
// so that line widths in dots look as they do on paper. The file is only written once a
// surface draws on it.
std::unique_ptr<QPdfWriter> makePdfWriter(const QString& path, const QPageLayout& layout = pdfPageLayout());
// The same writing into a device that is open for writing.
std::unique_ptr<QPdfWriter> makePdfWriter(QIODevice& device, const QPageLayout& layout = pdfPageLayout());

} // namespace tivra

#include "gui/QtPrintSurface.h"

#include "gui/Convert.h"
#include "gui/Twips.h"

#include <QPagedPaintDevice>
#include <QPdfWriter>
#include <QPen>

#include <algorithm>
#include <utility>

namespace tivra {

QtPrintSurface::QtPrintSurface(QPagedPaintDevice& device, JobHooks hooks)
    : device_(device), hooks_(std::move(hooks)), chosen_(device.pageLayout().orientation()),
      dotsPerTwipX_(device.logicalDpiX() / kTwipsPerInch),
      dotsPerTwipY_(device.logicalDpiY() / kTwipsPerInch) {}

QtPrintSurface::~QtPrintSurface() {
    endDoc();
}

double QtPrintSurface::pageWidth() {
    return device_.width() / dotsPerTwipX_;
}

double QtPrintSurface::pageHeight() {
    return device_.height() / dotsPerTwipY_;
}

void QtPrintSurface::moveTo(double x, double y) {
    x_ = x;
    y_ = y;
}

void QtPrintSurface::setFontName(const std::string& name) {
    if (name != fontName_) {
        fontName_ = name;
        font_ = nullptr;
    }
}

void QtPrintSurface::setFontSize(double points) {
    if (points != fontSize_) {
        fontSize_ = points;
        font_ = nullptr;
    }
}

void QtPrintSurface::setLineWidth(int dots) {
    lineWidth_ = std::max(dots, 1);
}

void QtPrintSurface::write(const std::string& text, bool endLine) {
    const Font& f = font();
    if (!text.empty()) {
        const QString shown = toQString(text);
        if (readyToDraw()) {
            if (painterFont_ != &f) {
                painter_.setFont(f.font);
                painterFont_ = &f;
            }
            painter_.setPen(Qt::black);
            painter_.drawText(QPointF(x_ * dotsPerTwipX_, y_ * dotsPerTwipY_ + f.ascent), shown);
        }
        if (!endLine) {
            x_ += advance(text) / dotsPerTwipX_;
        }
    }
    if (endLine) {
        x_ = 0;
        y_ += f.height / dotsPerTwipY_;
    }
}

double QtPrintSurface::textWidth(const std::string& text) {
    return advance(text) / dotsPerTwipX_;
}

double QtPrintSurface::advance(const std::string& text) {
    Font& f = font();
    // The same few texts (times, signatures, labels) are measured page after page, and
    // shaping them again costs more than looking them up.
    auto [known, added] = f.advances.try_emplace(text, 0.0);
    if (added) {
        known->second = f.metrics.horizontalAdvance(toQString(text));
    }
    return known->second;
}

double QtPrintSurface::textHeight(const std::string&) {
    return font().height / dotsPerTwipY_;
}

void QtPrintSurface::line(double x1, double y1, double x2, double y2) {
    if (readyToDraw()) {
        painter_.setPen(QPen(Qt::black, lineWidth_, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter_.drawLine(dots(x1, y1), dots(x2, y2));
    }
}

void QtPrintSurface::box(double x1, double y1, double x2, double y2) {
    if (readyToDraw()) {
        painter_.setPen(QPen(Qt::black, lineWidth_, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter_.setBrush(Qt::NoBrush);
        painter_.drawRect(dotRect(x1, y1, x2, y2));
    }
}

void QtPrintSurface::filledBox(double x1, double y1, double x2, double y2, int grey) {
    if (readyToDraw()) {
        const int level = std::clamp(grey, 0, 255);
        painter_.fillRect(dotRect(x1, y1, x2, y2), QColor(level, level, level));
    }
}

void QtPrintSurface::setLandscape(bool landscape) {
    // The device takes the new layout for the page it begins next; its size answers at once.
    device_.setPageOrientation(landscape ? QPageLayout::Landscape : chosen_);
}

void QtPrintSurface::newPage() {
    pageAsked_ = true;
    moveTo(0, 0);
}

void QtPrintSurface::abort() {
    if (state_ == State::Drawing) {
        if (hooks_.abort) {
            hooks_.abort();
        }
        if (painter_.isActive()) {
            painter_.end();
        }
        state_ = State::Ended;
    }
}

void QtPrintSurface::endDoc() {
    if (state_ == State::Drawing) {
        painter_.end();
    }
    if (state_ != State::Refused) {
        state_ = State::Ended;
    }
}

bool QtPrintSurface::readyToDraw() {
    if (state_ == State::Waiting) {
        // Colour mode keeps a grey level the grey it is; a greyscale job may map it anew.
        if (hooks_.begin) {
            hooks_.begin();
        }
        if (!painter_.begin(&device_)) {
            state_ = State::Refused;
            return false;
        }
        state_ = State::Drawing;
        begun_ = true;
        pages_ = 1;
    }
    if (state_ != State::Drawing) {
        return false;
    }
    // A page asked for before anything was drawn on the current one would stay blank.
    if (pageAsked_ && pageUsed_) {
        device_.newPage();
        ++pages_;
        pageUsed_ = false;
    }
    pageAsked_ = false;
    pageUsed_ = true;
    return true;
}

QtPrintSurface::Font& QtPrintSurface::font() {
    if (font_ == nullptr) {
        auto key = std::make_pair(fontName_, fontSize_);
        auto found = fonts_.find(key);
        if (found == fonts_.end()) {
            // A family that is not installed falls to fontconfig's substitute for it.
            QFont f(toQString(fontName_));
            f.setPointSizeF(fontSize_ > 0 ? fontSize_ : 1);
            QFontMetricsF metrics(f, &device_);
            found = fonts_.emplace(key, Font{f, metrics, metrics.ascent(), metrics.height(), {}}).first;
        }
        font_ = &found->second;
    }
    return *font_;
}

QPointF QtPrintSurface::dots(double x, double y) const {
    return {x * dotsPerTwipX_, y * dotsPerTwipY_};
}

QRectF QtPrintSurface::dotRect(double x1, double y1, double x2, double y2) const {
    return QRectF(dots(x1, y1), dots(x2, y2)).normalized();
}

QPageLayout pdfPageLayout(QPageSize::PageSizeId size, QPageLayout::Orientation orientation) {
    return QPageLayout(QPageSize(size), orientation, QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
}

namespace {

std::unique_ptr<QPdfWriter> configured(std::unique_ptr<QPdfWriter> writer, const QPageLayout& layout) {
    writer->setResolution(600);
    writer->setPageLayout(layout);
    writer->setTitle(QStringLiteral("Tivra"));
    writer->setCreator(QStringLiteral("Tivra"));
    return writer;
}

} // namespace

std::unique_ptr<QPdfWriter> makePdfWriter(const QString& path, const QPageLayout& layout) {
    return configured(std::make_unique<QPdfWriter>(path), layout);
}

std::unique_ptr<QPdfWriter> makePdfWriter(QIODevice& device, const QPageLayout& layout) {
    return configured(std::make_unique<QPdfWriter>(&device), layout);
}

} // namespace tivra

#include "ui/GridBox.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace tivra {
namespace {

// Space between the border and the caption.
constexpr int kCaptionMargin = 2;

} // namespace

GridBox::GridBox(QWidget* parent) : QWidget(parent) {
    // Only the box's own rectangle is painted; whatever stands behind shows elsewhere.
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void GridBox::setFill(const QColor& colour) {
    if (colour != fill_) {
        fill_ = colour;
        update();
    }
}

void GridBox::setBorder(int width) {
    if (width != border_) {
        border_ = width;
        update();
    }
}

void GridBox::setHourLines(int parts) {
    if (parts != hourLines_) {
        hourLines_ = parts;
        update();
    }
}

void GridBox::setCaption(const QString& caption) {
    if (caption != caption_) {
        caption_ = caption;
        update();
    }
}

void GridBox::setAlignment(Qt::Alignment alignment) {
    alignment_ = alignment;
    update();
}

void GridBox::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    QRect box = rect();
    if (fill_.isValid()) {
        painter.fillRect(box, fill_);
    }
    if (hourLines_ > 1) {
        QColor faint = palette().color(QPalette::WindowText);
        faint.setAlpha(40);
        painter.setPen(QPen(faint, 1));
        for (int i = 1; i < hourLines_; ++i) {
            double y = box.height() * static_cast<double>(i) / hourLines_;
            painter.drawLine(QPointF(0, y), QPointF(box.width(), y));
        }
    }
    if (border_ > 0) {
        QPen pen(palette().color(QPalette::WindowText), border_);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        // A pen of width w is centred on the line: inset by half of it to stay inside.
        double half = border_ / 2.0;
        painter.drawRect(QRectF(box).adjusted(half, half, -half, -half));
    }
    if (!caption_.isEmpty()) {
        // The ring and dots of a capital Å Ä Ö may rise above the font's ascent: the text
        // starts low enough that they stay clear of the top border.
        int top = border_ > 0 ? border_ + 1 + capitalRise() : 0;
        QRect text = box.adjusted(border_ + kCaptionMargin, top, -border_ - kCaptionMargin, -border_);
        // A box with a border keeps its text inside it; a bare caption (a day header) may
        // stand a little taller than its box rather than lose the tops of its letters. The
        // clip is the box's inside, not the text's rectangle: the marks stand above that.
        if (border_ > 0) {
            painter.setClipRect(box.adjusted(border_, border_, -border_, -border_));
        }
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(text, static_cast<int>(alignment_), fittingCaption(text.size()));
    }
}

// Measured once per font: a redraw paints a hundred boxes of the same font.
int GridBox::capitalRise() {
    if (!riseFont_ || *riseFont_ != font()) {
        QFontMetrics metrics(font());
        int rise = -metrics.tightBoundingRect(QStringLiteral("\u00C5\u00C4\u00D6")).top() - metrics.ascent();
        riseFont_ = font();
        rise_ = std::max(0, rise);
    }
    return rise_;
}

// A half line is unreadable: a short box shows the lines that fit whole (the first
// one always, as far as it goes), and a line too long for the width ends in "...".
QString GridBox::fittingCaption(const QSize& space) const {
    QFontMetrics metrics(font());
    QStringList lines = caption_.split(QLatin1Char('\n'));
    qsizetype fit =
        std::clamp<qsizetype>(space.height() / std::max(1, metrics.lineSpacing()), 1, lines.size());
    lines.resize(fit);
    for (QString& line : lines) {
        line = metrics.elidedText(line, Qt::ElideRight, space.width());
    }
    return lines.join(QLatin1Char('\n'));
}

void GridBox::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
    emit mousePressed(event->position());
    emit buttonPressed(event->button(), event->position());
}

void GridBox::mouseReleaseEvent(QMouseEvent* event) {
    bool click =
        pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    emit mouseReleased(event->position());
    if (click) {
        emit clicked();
    }
}

void GridBox::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    emit pointerMoved();
    emit mouseMoved(event->position(), event->buttons());
}

} // namespace tivra

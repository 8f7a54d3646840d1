#pragma once
// A box of the week grid: a day box, a day header, a lesson or booking box, or the
// marking rectangle. It paints itself (fill, border, the caption's lines that fit), which
// keeps a redraw of the whole pool cheap, and carries the text tag in which a lesson or
// booking box records the row of the booking table it shows.
#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>

#include <optional>

namespace tivra {

class GridBox : public QWidget {
    Q_OBJECT

  public:
    explicit GridBox(QWidget* parent = nullptr);

    // An invalid colour leaves the box transparent.
    void setFill(const QColor& colour);
    QColor fill() const { return fill_; }
    // Border width in pixels; 0 for none.
    void setBorder(int width);
    int border() const { return border_; }
    // Faint lines across the box that part it into `parts` equal rows (the hours of a
    // day box); 0 or 1 for none.
    void setHourLines(int parts);
    // Lines separated by "\n".
    void setCaption(const QString& caption);
    QString caption() const { return caption_; }
    void setAlignment(Qt::Alignment alignment);
    void setTag(const QString& tag) { tag_ = tag; }
    QString tag() const { return tag_; }

  signals:
    // A press and release of the left button inside the box.
    void clicked();
    // The pointer moved over the box (with mouse tracking on, also without a button).
    void pointerMoved();
    // The same three events with the pointer's position in the box's pixels. Any button
    // counts. While a button is held the box keeps receiving the moves and the release,
    // even outside its rectangle (the position then lies outside it too).
    void mousePressed(QPointF pos);
    void mouseMoved(QPointF pos, Qt::MouseButtons buttons);
    void mouseReleased(QPointF pos);
    // A press of any button, naming it: a lesson or booking box chooses its row with it.
    void buttonPressed(Qt::MouseButton button, QPointF pos);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    QString fittingCaption(const QSize& space) const;
    // How far the marks of Å Ä Ö rise above the font's ascent, in pixels; 0 when not.
    int capitalRise();

    QColor fill_;
    int border_ = 0;
    int hourLines_ = 0;
    std::optional<QFont> riseFont_;
    int rise_ = 0;
    QString caption_;
    Qt::Alignment alignment_ = Qt::AlignLeft | Qt::AlignTop;
    QString tag_;
    bool pressed_ = false;
};

} // namespace tivra

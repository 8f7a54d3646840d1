#pragma once
// The week grid: a day box and a day header per day (Label2(d), Label3(d), d = 1..7,
// Monday..Sunday), the lesson and booking boxes (Label4(n), n = 0..100; Label4(0) never
// shows a row), the hour scale beside the day boxes, the marking rectangle (Shape1) and
// the details line under them (Label5).
// A control array keeps one widget per element, named with its index in parentheses, so
// a test finds an element with findChild<GridBox*>("Label4(3)").
//
// The grid's boxes stand at their designed positions in twips from the window's client
// area (view/GridGeometry.h), converted to pixels by ui/Twips.h; the grid puts a view of
// the week (view/WeekView.h) on them and tells what the pointer does on them.
#include "config/Program.h"
#include "view/GridGeometry.h"
#include "view/Marking.h"

#include <QPointF>
#include <QSize>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>
#include <utility>

class QLabel;

namespace tivra {

class GridBox;
struct WeekView;

class WeekGrid : public QWidget {
    Q_OBJECT

  public:
    // `program` must outlive the grid; the grid reads its settings, chosen day and rows.
    WeekGrid(const Program& program, QWidget* parent = nullptr);

    // Lays the grid out for the window's width and the grid's own height.
    void layOut();
    // The layout; nothing before the first layOut().
    const GridGeometry* geometry() const { return grid_ ? &*grid_ : nullptr; }

    // Puts a view of the week on the boxes; `today` (1..7) has its header marked, 0 none.
    void showWeek(const WeekView& view, int today);
    // Puts the marking rectangle over slots s1 (inclusive) to s2 (exclusive) of the
    // chosen day, or hides it when there is no day.
    void markSpan(int s1, int s2);
    void hideSpan();
    // A wide border on each shown box whose row `edited` accepts, a thin one elsewhere.
    void outlineRows(const std::function<bool(int row)>& edited);
    // The details line says nothing until the pointer next shows it something.
    void clearDetails();
    // The row of the lesson or booking box at a point of the screen, or nothing.
    std::optional<int> rowAt(QPoint global) const;

  signals:
    // Laid out anew for another size: the week must be shown again.
    void relaidOut();
    void dayHeaderClicked(int d);
    // A press on the box of `row`, at `global` on the screen.
    void rowPressed(int row, Qt::MouseButton button, QPoint global);
    // A marking began on day box `day` at `slot`.
    void markingStarted(int day, int slot);
    // The marking now spans slots startslot (inclusive) to endslot (exclusive).
    void spanMarked(int startslot, int endslot);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void build();
    void connectBoxes();
    void layoutHourScale();
    TimeAxis timeAxis() const;
    // The height the day boxes and their headers have, above the details line.
    int daysHeight() const;
    // The pixel rectangle of a rectangle in the client area's twips.
    QRect place(const Rect& r) const;
    void showHeaders(const std::array<std::string, 7>& headers, int today);
    void showBoxes(const WeekView& view);
    void stackShortestOnTop(const WeekView& view);
    int rowOf(const GridBox* box) const;
    void pressDay(int day, QPointF pos);
    void moveOverDay(int day, QPointF pos);
    void releaseDay();

    const Program& program_;
    QLabel* Label5 = nullptr;                        // the details line
    std::array<GridBox*, 7> label2_{};               // day boxes
    std::array<GridBox*, 7> label3_{};               // day headers
    std::array<GridBox*, 101> label4_{};             // lesson and booking boxes
    GridBox* Shape1 = nullptr;                       // marking rectangle
    std::optional<std::pair<int, int>> shape1Slots_; // the slots Shape1 last marked
    std::array<QLabel*, 25> hourLabels_{};           // the hour scale, "0.00" to "24.00"
    QSize laidOutFor_;                               // the size the layout is for
    std::optional<GridGeometry> grid_;
    Markering marking_; // the drag on the day boxes
};

} // namespace tivra

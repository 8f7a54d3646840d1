#include "ui/WeekGrid.h"

#include "core/Number.h"
#include "core/TextHelpers.h"
#include "gui/Convert.h"
#include "gui/Twips.h"
#include "ui/GridBox.h"
#include "view/Details.h"
#include "view/WeekView.h"

#include <QLabel>
#include <QResizeEvent>

#include <algorithm>
#include <numeric>
#include <vector>

namespace tivra {
namespace {

// Twips between the days and the details line, and the line's height.
constexpr double kDetailsGap = 60;
constexpr double kDetailsHeight = 900;
const QColor kDayBoxColour(255, 255, 224);
const QColor kTodayColour(204, 228, 255);

QColor colourOf(const Rgb& rgb) {
    return QColor(rgb.r, rgb.g, rgb.b);
}

QString indexedName(const char* array, int index) {
    return QLatin1String(array) + QLatin1Char('(') + QString::number(index) + QLatin1Char(')');
}

GridBox* gridBox(const char* array, int index, QWidget* parent) {
    auto* box = new GridBox(parent);
    box->setObjectName(indexedName(array, index));
    return box;
}

// The design captions, shown until the first redraw writes the dates.
const char* designHeader(int d) {
    static const char* const names[] = {"M\xE5ndag", "Tisdag",    "Onsdag",   "Torsdag",
                                        "Fredag",    "L\xF6rdag", "S\xF6ndag"};
    return names[d - 1];
}

} // namespace

WeekGrid::WeekGrid(const Program& program, QWidget* parent) : QWidget(parent), program_(program) {
    setObjectName(QStringLiteral("weekGrid"));
    build();
    connectBoxes();
}

// Created in stacking order: day boxes at the bottom, the lesson and booking boxes over
// them, the marking rectangle on top.
void WeekGrid::build() {
    Label5 = new QLabel(this);
    Label5->setObjectName(QStringLiteral("Label5"));
    // Comments and notes are the users' own text: never read as markup.
    Label5->setTextFormat(Qt::PlainText);
    Label5->setWordWrap(true);
    Label5->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label5->setFixedHeight(px(kDetailsHeight));
    // The days take every pixel of height the details line leaves.
    setMinimumHeight(px(kDayBoxTop + kDayBoxHeight / 2) + px(kDetailsGap) + px(kDetailsHeight));
    for (int d = 1; d <= 7; ++d) {
        GridBox* day = gridBox("Label2", d, this);
        day->setFill(kDayBoxColour);
        day->setBorder(1);
        day->setMouseTracking(true);
        label2_[static_cast<std::size_t>(d - 1)] = day;

        GridBox* header = gridBox("Label3", d, this);
        header->setCaption(toQString(designHeader(d)));
        header->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        header->setCursor(Qt::PointingHandCursor);
        label3_[static_cast<std::size_t>(d - 1)] = header;
    }
    // Three caption lines in a box of three quarters of an hour: a smaller type than
    // the window's.
    QFont boxFont = font();
    boxFont.setPointSizeF(boxFont.pointSizeF() * 0.85);
    for (int n = 0; n <= kBoxPool; ++n) {
        GridBox* box = gridBox("Label4", n, this);
        box->setFill(colourOf(kLessonColour));
        box->setBorder(1);
        box->setFont(boxFont);
        box->setMouseTracking(true);
        box->hide();
        label4_[static_cast<std::size_t>(n)] = box;
    }
    for (int h = 0; h < static_cast<int>(hourLabels_.size()); ++h) {
        auto* label = new QLabel(QString::number(h) + QStringLiteral(".00"), this);
        label->setObjectName(indexedName("hour", h));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QFont small = label->font();
        small.setPointSizeF(small.pointSizeF() * 0.85);
        label->setFont(small);
        label->hide();
        hourLabels_[static_cast<std::size_t>(h)] = label;
    }
    Shape1 = new GridBox(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setBorder(2);
    // Marking goes on in the day box under the rectangle.
    Shape1->setAttribute(Qt::WA_TransparentForMouseEvents);
    Shape1->hide();
}

// Qt hands the moves and the release to the box that got the press, wherever the pointer
// goes, so a marked span always stays in the box where the drag began.
void WeekGrid::connectBoxes() {
    for (int d = 1; d <= 7; ++d) {
        GridBox* day = label2_[static_cast<std::size_t>(d - 1)];
        connect(day, &GridBox::mousePressed, this, [this, d](QPointF pos) { pressDay(d, pos); });
        connect(day, &GridBox::mouseMoved, this, [this, d](QPointF pos) { moveOverDay(d, pos); });
        connect(day, &GridBox::mouseReleased, this, [this] { releaseDay(); });
        connect(label3_[static_cast<std::size_t>(d - 1)], &GridBox::clicked, this,
                [this, d] { emit dayHeaderClicked(d); });
    }
    for (GridBox* box : label4_) {
        connect(box, &GridBox::pointerMoved, this,
                [this, box] { Label5->setText(toDisplay(detailsText(program_.bokningar, rowOf(box)))); });
        connect(box, &GridBox::buttonPressed, this, [this, box](Qt::MouseButton button, QPointF pos) {
            emit rowPressed(rowOf(box), button, box->mapToGlobal(pos.toPoint()));
        });
    }
}

QRect WeekGrid::place(const Rect& r) const {
    // The grid stands right of the booking column, which the twips count from.
    return pxRect(r.left, r.top, r.width, r.height).translated(-px(kBookingColumnWidth), 0);
}

// From the window's width, the grid's height, and the weekend setting: at start-up and
// again whenever the grid's size changes.
void WeekGrid::layOut() {
    const Settings& s = program_.settings;
    laidOutFor_ = size();
    Label5->setGeometry(px(kHourScaleWidth), height() - px(kDetailsHeight), width() - px(kHourScaleWidth),
                        px(kDetailsHeight));
    double axisHeight = std::max(kDayBoxHeight / 4, twipsOf(daysHeight()) - kDayBoxTop);
    grid_.emplace(twipsOf(window()->width()), s.helg, axisHeight);
    for (int d = 1; d <= 7; ++d) {
        GridBox* day = label2_[static_cast<std::size_t>(d - 1)];
        GridBox* header = label3_[static_cast<std::size_t>(d - 1)];
        day->setGeometry(place(grid_->dayBox(d)));
        header->setGeometry(place(grid_->header(d)));
        day->setVisible(grid_->dayVisible(d));
        header->setVisible(grid_->dayVisible(d));
        day->setHourLines(s.sluttimme - s.starttimme);
    }
    int boxWidth = px(grid_->dayWidth());
    for (GridBox* box : label4_) {
        box->resize(boxWidth, box->height());
    }
    layoutHourScale();
}

// "8.00", "9.00" ... beside the hour lines, as the printed schedule has them.
void WeekGrid::layoutHourScale() {
    const Settings& s = program_.settings;
    const TimeAxis axis = timeAxis();
    for (int h = 0; h < static_cast<int>(hourLabels_.size()); ++h) {
        QLabel* label = hourLabels_[static_cast<std::size_t>(h)];
        // The last hour line gets its label too: the day ends there.
        if (h < s.starttimme || h > s.sluttimme) {
            label->hide();
            continue;
        }
        double y = axis.y(h * 60.0);
        label->setGeometry(place({kBookingColumnWidth, y - 120, kHourScaleWidth - 30, 240}));
        label->show();
    }
}

void WeekGrid::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!grid_ || size() == laidOutFor_) {
        return;
    }
    layOut();
    emit relaidOut();
    if (Shape1->isVisible() && shape1Slots_) {
        markSpan(shape1Slots_->first, shape1Slots_->second);
    }
}

int WeekGrid::daysHeight() const {
    return height() - px(kDetailsGap) - px(kDetailsHeight);
}

TimeAxis WeekGrid::timeAxis() const {
    const Settings& s = program_.settings;
    return grid_ ? grid_->axis(s.starttimme, s.sluttimme) : TimeAxis{s.starttimme, s.sluttimme};
}

void WeekGrid::showWeek(const WeekView& view, int today) {
    showHeaders(view.headers, today);
    showBoxes(view);
}

void WeekGrid::showHeaders(const std::array<std::string, 7>& headers, int today) {
    for (int d = 1; d <= 7; ++d) {
        GridBox* header = label3_[static_cast<std::size_t>(d - 1)];
        header->setCaption(toQString(headers[static_cast<std::size_t>(d - 1)]));
        header->setFill(d == today ? kTodayColour : QColor());
        QFont font = header->font();
        font.setBold(d == today);
        header->setFont(font);
    }
}

// The result is that of hiding every box and filling Label4(1) upwards; boxes that stay
// on screen are refilled in place rather than hidden and shown again.
void WeekGrid::showBoxes(const WeekView& view) {
    std::size_t n = 1;
    for (const Box& b : view.boxes) {
        GridBox* box = label4_.at(n++);
        box->setGeometry(place(b.rect));
        box->setCaption(toDisplay(b.caption));
        // The box may show only the lines that fit; the pointer shows them all.
        box->setToolTip(toDisplay(b.caption));
        box->setFill(colourOf(b.colour()));
        box->setTag(QString::number(b.rad));
        box->show();
    }
    label4_[0]->hide();
    for (; n < label4_.size(); ++n) {
        label4_[n]->hide();
    }
    stackShortestOnTop(view);
}

// Only the overview moves overlapping boxes apart; elsewhere the taller one goes underneath: a whole-day
// booking would otherwise hide the short ones inside it. The marking stays above all.
void WeekGrid::stackShortestOnTop(const WeekView& view) {
    std::vector<std::size_t> order(view.boxes.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return view.boxes[a].rect.height > view.boxes[b].rect.height;
    });
    for (std::size_t i : order) {
        label4_.at(i + 1)->raise();
    }
    Shape1->raise();
}

void WeekGrid::markSpan(int s1, int s2) {
    if (!grid_) {
        return;
    }
    shape1Slots_ = std::pair{s1, s2};
    std::optional<Rect> r = visaShape1(*grid_, timeAxis(), program_.selection.valddag, s1, s2);
    if (!r) {
        Shape1->hide();
        return;
    }
    Shape1->setGeometry(place(*r));
    Shape1->show();
}

void WeekGrid::clearDetails() {
    Label5->clear();
}

void WeekGrid::hideSpan() {
    Shape1->hide();
}

void WeekGrid::outlineRows(const std::function<bool(int row)>& edited) {
    for (std::size_t n = 1; n < label4_.size(); ++n) {
        GridBox* box = label4_[n];
        if (box->isVisible()) {
            box->setBorder(edited(rowOf(box)) ? 3 : 1);
        }
    }
}

std::optional<int> WeekGrid::rowAt(QPoint global) const {
    QWidget* under = childAt(mapFromGlobal(global));
    auto box = std::find(label4_.begin(), label4_.end(), under);
    if (under == nullptr || box == label4_.end()) {
        return std::nullopt;
    }
    return rowOf(*box);
}

// The tag holds the row as decimal text; an empty tag reads as row 0.
int WeekGrid::rowOf(const GridBox* box) const {
    return static_cast<int>(wholePart(textvarde(fromQString(box->tag()).value_or(std::string()))));
}

void WeekGrid::pressDay(int day, QPointF pos) {
    int slot = pressMarking(marking_, timeAxis(), day, twipsOf(pos.y()));
    Shape1->resize(Shape1->width(), 0);
    emit markingStarted(day, slot);
}

void WeekGrid::moveOverDay(int day, QPointF pos) {
    if (!grid_) {
        return;
    }
    double y = twipsOf(pos.y());
    if (!marking_.markering) {
        marking_.startslot = slotAt(timeAxis(), y, grid_->dayBox(day).height);
        Label5->setText(toQString(tidtext(marking_.startslot)));
        return;
    }
    DragSpan span = dragMarking(marking_, *grid_, timeAxis(), y);
    Shape1->setGeometry(place(span.shape1));
    Shape1->show();
    emit spanMarked(span.startslot, span.endslot);
}

void WeekGrid::releaseDay() {
    if (releaseMarking(marking_)) {
        Shape1->hide();
    }
}

} // namespace tivra

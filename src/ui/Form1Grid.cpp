// The week grid of the main window: its controls, their layout at start-up, and the
// redraw that puts a view of the week on them.
#include "ui/Form1.h"

#include "core/Calendar.h"
#include "core/Number.h"
#include "ui/Convert.h"
#include "ui/GridBox.h"
#include "ui/Twips.h"
#include "view/Details.h"
#include "view/WeekView.h"

#include <QLabel>
#include <QMenu>
#include <QMouseEvent>

#include <algorithm>
#include <numeric>
#include <vector>

namespace tivra {
namespace {

const QColor kDayBoxColour(255, 255, 224);
const QColor kTodayColour(204, 228, 255);

QRect pixels(const Rect& r) {
    return pxRect(r.left, r.top, r.width, r.height);
}

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

GridBox* Form1::Label2(int d) const {
    return label2_.at(static_cast<std::size_t>(d - 1));
}

GridBox* Form1::Label3(int d) const {
    return label3_.at(static_cast<std::size_t>(d - 1));
}

GridBox* Form1::Label4(int n) const {
    return label4_.at(static_cast<std::size_t>(n));
}

// Created in stacking order: day boxes at the bottom, the lesson and booking boxes over
// them, the marking rectangle on top.
void Form1::buildGrid() {
    for (int d = 1; d <= 7; ++d) {
        GridBox* day = gridBox("Label2", d, client_);
        day->setFill(kDayBoxColour);
        day->setBorder(1);
        label2_[static_cast<std::size_t>(d - 1)] = day;

        GridBox* header = gridBox("Label3", d, client_);
        header->setCaption(toQString(designHeader(d)));
        header->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        header->setCursor(Qt::PointingHandCursor);
        label3_[static_cast<std::size_t>(d - 1)] = header;
    }
    // Three caption lines in a box of three quarters of an hour: a smaller type than
    // the window's.
    QFont boxFont = client_->font();
    boxFont.setPointSizeF(boxFont.pointSizeF() * 0.85);
    for (int n = 0; n <= kBoxPool; ++n) {
        GridBox* box = gridBox("Label4", n, client_);
        box->setFill(colourOf(kLessonColour));
        box->setBorder(1);
        box->setFont(boxFont);
        box->setMouseTracking(true);
        box->hide();
        connect(box, &GridBox::pointerMoved, this, [this, n] { Label4_MouseMove(n); });
        label4_[static_cast<std::size_t>(n)] = box;
    }
    for (int h = 0; h < static_cast<int>(hourLabels_.size()); ++h) {
        auto* label = new QLabel(QString::number(h) + QStringLiteral(".00"), client_);
        label->setObjectName(indexedName("hour", h));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QFont small = label->font();
        small.setPointSizeF(small.pointSizeF() * 0.85);
        label->setFont(small);
        label->hide();
        hourLabels_[static_cast<std::size_t>(h)] = label;
    }
    Shape1 = new GridBox(client_);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setBorder(2);
    // Marking goes on in the day box under the rectangle.
    Shape1->setAttribute(Qt::WA_TransparentForMouseEvents);
    Shape1->hide();
}

// From the window's width, the height the grid's space has, and the weekend setting: at
// start-up and again whenever the window's size changes.
void Form1::layoutGrid() {
    const Settings& s = program_.settings;
    double axisHeight = std::max(kDayBoxHeight / 4, twipsOf(weekGrid_->height()) - kDayBoxTop);
    grid_.emplace(twipsOf(width()), s.helg, axisHeight);
    for (int d = 1; d <= 7; ++d) {
        Label2(d)->setGeometry(pixels(grid_->dayBox(d)));
        Label3(d)->setGeometry(pixels(grid_->header(d)));
        Label2(d)->setVisible(grid_->dayVisible(d));
        Label3(d)->setVisible(grid_->dayVisible(d));
        Label2(d)->setHourLines(s.sluttimme - s.starttimme);
    }
    int boxWidth = px(grid_->dayWidth());
    for (GridBox* box : label4_) {
        box->resize(boxWidth, box->height());
    }
    layoutHourScale();
}

// "8.00", "9.00" ... beside the hour lines, as the printed schedule has them.
void Form1::layoutHourScale() {
    const Settings& s = program_.settings;
    const TimeAxis axis = grid_->axis(s.starttimme, s.sluttimme);
    for (int h = 0; h < static_cast<int>(hourLabels_.size()); ++h) {
        QLabel* label = hourLabels_[static_cast<std::size_t>(h)];
        // The last hour line gets its label too: the day ends there.
        if (h < s.starttimme || h > s.sluttimme) {
            label->hide();
            continue;
        }
        double y = axis.y(h * 60.0);
        label->setGeometry(pxRect(kBookingColumnWidth, y - 120, kHourScaleWidth - 30, 240));
        label->show();
    }
}

void Form1::relayoutGrid() {
    if (!grid_ || weekGrid_->size() == laidOutFor_) {
        return;
    }
    laidOutFor_ = weekGrid_->size();
    layoutGrid();
    visasalsschema();
    if (Shape1->isVisible() && shape1Slots_) {
        visaShape1(shape1Slots_->first, shape1Slots_->second);
    }
}

// Today's column is marked while the week shown is today's.
void Form1::markToday() {
    const int today =
        program_.selection.valdvecka == program_.selection.idagvecka ? dayOfWeek(platform_.clock.today()) : 0;
    for (int d = 1; d <= 7; ++d) {
        Label3(d)->setFill(d == today ? kTodayColour : QColor());
        QFont font = Label3(d)->font();
        font.setBold(d == today);
        Label3(d)->setFont(font);
    }
}

void Form1::set_date(const std::array<std::string, 7>& headers) {
    for (int d = 1; d <= 7; ++d) {
        Label3(d)->setCaption(toQString(headers[static_cast<std::size_t>(d - 1)]));
    }
}

// The result is that of hiding every box and filling Label4(1) upwards; boxes that stay
// on screen are refilled in place rather than hidden and shown again.
void Form1::showBoxes(const WeekView& view) {
    std::size_t n = 1;
    for (const Box& b : view.boxes) {
        GridBox* box = label4_.at(n++);
        box->setGeometry(pixels(b.rect));
        box->setCaption(toDisplay(b.caption));
        // The box may show only the lines that fit; the pointer shows them all.
        box->setToolTip(toDisplay(b.caption));
        box->setFill(colourOf(b.colour()));
        box->setTag(QString::number(b.rad));
        box->show();
    }
    Label4(0)->hide();
    for (; n < label4_.size(); ++n) {
        label4_[n]->hide();
    }
    stackShortestOnTop(view);
    markEdited();
}

// Only the overview moves overlapping boxes apart; elsewhere the taller one goes underneath: a whole-day
// booking would otherwise hide the short ones inside it. The marking stays above all.
void Form1::stackShortestOnTop(const WeekView& view) {
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

void Form1::visasalsschema() {
    ++redrawCount_;
    // The details line spoke of a box of the grid as it was.
    Label5->clear();
    if (!grid_) {
        return;
    }
    WeekView view = tivra::visasalsschema(program_, *grid_, platform_.clock.today());
    if (view.unchanged) {
        return;
    }
    set_date(view.headers);
    markToday();
    showBoxes(view);
    reportOverflow(view, platform_.messages);
}

void Form1::visaShape1(int s1, int s2) {
    if (!grid_) {
        return;
    }
    const Settings& s = program_.settings;
    shape1Slots_ = std::pair{s1, s2};
    std::optional<Rect> r =
        tivra::visaShape1(*grid_, grid_->axis(s.starttimme, s.sluttimme), program_.selection.valddag, s1, s2);
    if (!r) {
        Shape1->hide();
        return;
    }
    Shape1->setGeometry(pixels(*r));
    Shape1->show();
}

void Form1::Label4_MouseMove(int n) {
    // The tag holds the row as decimal text; an empty tag reads as row 0.
    double r = textvarde(fromQString(Label4(n)->tag()).value_or(std::string()));
    Label5->setText(toDisplay(detailsText(program_.bokningar, static_cast<int>(wholePart(r)))));
}

void Form1::Form_MouseMove() {
    Label5->clear();
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == weekGrid_ && event->type() == QEvent::Resize) {
        relayoutGrid();
    }
    if (watched == Avbok) {
        return event->type() == QEvent::MouseButtonPress && pressBesideMenu(static_cast<QMouseEvent*>(event));
    }
    if (event->type() == QEvent::MouseMove) {
        auto* widget = static_cast<QWidget*>(watched);
        QPoint at = widget->mapTo(client_, static_cast<QMouseEvent*>(event)->position().toPoint());
        // Moves over a control that does not take them arrive here too: only the bare
        // background counts.
        QWidget* under = client_->childAt(at);
        if (under == nullptr || under == bookingColumn_ || under == weekGrid_) {
            Form_MouseMove();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace tivra

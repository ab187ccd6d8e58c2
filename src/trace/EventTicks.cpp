#include "trace/EventTicks.h"

#include "store/Units.h"
#include "trace/QtChart.h"

#include <QChart>
#include <QChartView>
#include <QFontMetricsF>
#include <QPainter>
#include <QValueAxis>
#include <cmath>

namespace trace {

namespace {
// Above the traces and the cursor labels, below the legend.
constexpr double kTicksZ = 6;
constexpr double kSize = 6;
constexpr int kFontPoints = 7;
const QColor kOpenLike(255, 170, 0);
const QColor kShortLike(0, 220, 120);
const QColor kNeither(Qt::white);

QFont tickFont() {
    QFont f;
    f.setPointSize(kFontPoints);
    return f;
}
} // namespace

EventTicks::EventTicks(const QtChart& chart)
    : QGraphicsObject(chart.view() ? chart.view()->chart() : nullptr), chart_(chart) {
    setZValue(kTicksZ);
    setAcceptedMouseButtons(Qt::NoButton);
    connect(&store::Units::notifier(), &store::UnitsNotifier::changed, this, &EventTicks::place);
    if (QChart* c = chart.view() ? chart.view()->chart() : nullptr)
        connect(c, &QChart::plotAreaChanged, this, &EventTicks::place);
    for (Axis a : {Axis::Bottom, Axis::Top})
        if (QValueAxis* axis = chart.axis(a))
            connect(axis, &QValueAxis::rangeChanged, this, &EventTicks::place);
}

void EventTicks::place() {
    QChart* chart = chart_.view() ? chart_.view()->chart() : nullptr;
    const QValueAxis* axis = chart_.axis(chart_.distanceAxis());
    if (chart == nullptr || axis == nullptr) return;
    prepareGeometryChange();
    area_ = chart->plotArea();
    ticks_.clear();
    const double span = axis->max() - axis->min();
    if (!(span > 0)) return update();
    for (const EventMark& m : chart_.eventMarks()) {
        // The axis counts in the shown unit; marks are kept in metres.
        const double x =
            area_.left() + (store::Units::toShown(m.metres) - axis->min()) / span * area_.width();
        if (!std::isfinite(x) || x < area_.left() - 0.5 || x > area_.right() + 0.5) continue;
        ticks_.push_back({m.label, x, m.polarity < 0 ? -1 : m.polarity > 0 ? 1 : 0});
    }
    update();
}

void EventTicks::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setFont(tickFont());
    const QFontMetricsF metrics(painter->font());
    const double base = area_.bottom() - 1;
    for (const Tick& t : ticks_) {
        const QColor color = t.polarity > 0 ? kOpenLike : t.polarity < 0 ? kShortLike : kNeither;
        painter->setPen(QPen(color, 1, Qt::DotLine));
        painter->drawLine(QPointF(t.x, base - 2 * kSize), QPointF(t.x, area_.top() + metrics.height()));
        // Neither up nor down (the launch end): a bar.
        const QPolygonF triangle =
            t.polarity == 0  ? QPolygonF(QRectF(t.x - 1, base - 2 * kSize, 2, 2 * kSize))
            : t.polarity > 0 ? QPolygonF({QPointF(t.x, base - 2 * kSize), QPointF(t.x - kSize, base),
                                          QPointF(t.x + kSize, base)})
                             : QPolygonF({QPointF(t.x, base), QPointF(t.x - kSize, base - 2 * kSize),
                                          QPointF(t.x + kSize, base - 2 * kSize)});
        painter->setPen(Qt::NoPen);
        painter->setBrush(color);
        painter->drawPolygon(triangle);
        const double width = metrics.horizontalAdvance(t.label);
        const QRectF box(t.x - width / 2, base - 2 * kSize - metrics.height() - 1, width, metrics.height());
        painter->fillRect(box.adjusted(-1, 0, 1, 0), QColor(0, 0, 0, 170));
        painter->setPen(color);
        painter->drawText(box, Qt::AlignCenter, t.label);
    }
}

} // namespace trace

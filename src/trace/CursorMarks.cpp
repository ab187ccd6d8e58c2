#include "trace/CursorMarks.h"

#include "store/Units.h"
#include "store/ViewState.h"
#include "trace/QtChart.h"
#include "trace/SlotLayout.h"

#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLineSeries>
#include <QPainter>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace trace {

namespace {
// Above the traces (Qt Charts puts its line series at 4), below the legend.
constexpr double kMarksZ = 5;
constexpr double kGap = 3;
constexpr int kFontPoints = 8;

QFont markFont() {
    QFont f;
    f.setPointSize(kFontPoints);
    return f;
}
} // namespace

CursorMarks::CursorMarks(const QtChart& chart, const store::ViewState& state)
    : QGraphicsObject(chart.view() ? chart.view()->chart() : nullptr), chart_(chart), state_(state) {
    setZValue(kMarksZ);
    setAcceptedMouseButtons(Qt::NoButton);
    connect(&state, &store::ViewState::changed, this, &CursorMarks::place);
    connect(&store::Units::notifier(), &store::UnitsNotifier::changed, this, &CursorMarks::place);
    if (QChart* c = chart.view() ? chart.view()->chart() : nullptr)
        connect(c, &QChart::plotAreaChanged, this, &CursorMarks::place);
    for (Axis a : {Axis::Bottom, Axis::Top})
        if (QValueAxis* axis = chart.axis(a))
            connect(axis, &QValueAxis::rangeChanged, this, &CursorMarks::place);
}

std::optional<double> CursorMarks::lineAt(int slot) const {
    const QList<QPointF>& points = chart_.points(slot);
    QLineSeries* series = chart_.series(SlotLayout::kLowerCurrent);
    QChart* chart = chart_.view() ? chart_.view()->chart() : nullptr;
    if (points.isEmpty() || !chart_.isActive(slot) || series == nullptr || chart == nullptr)
        return std::nullopt;
    const double x = chart->mapToPosition(QPointF(store::Units::toShown(points.front().x()), 0), series).x();
    if (!std::isfinite(x) || x < chart->plotArea().left() - 0.5 || x > chart->plotArea().right() + 0.5)
        return std::nullopt;
    return x;
}

void CursorMarks::place() {
    QChart* chart = chart_.view() ? chart_.view()->chart() : nullptr;
    if (chart == nullptr) return;
    prepareGeometryChange();
    area_ = chart->plotArea();
    const QFontMetricsF metrics(markFont());
    const double row = metrics.height();
    const auto at = [&](const QString& text, double x, int line) {
        const double width = metrics.horizontalAdvance(text);
        // Right of the line where there is room, else left of it.
        const double left = x + kGap + width <= area_.right() ? x + kGap : x - kGap - width;
        return QPointF(left, area_.top() + kGap + line * row);
    };
    const std::optional<double> x1 = lineAt(SlotLayout::kCursorK1);
    const std::optional<double> x2 = lineAt(SlotLayout::kCursorK2);
    const bool feet = store::Units::current() == store::LengthUnit::Feet;
    const QString m = feet ? QCoreApplication::translate("CursorMarks", "%1 ft")
                           : QCoreApplication::translate("CursorMarks", "%1 m");
    const QString k1 = m.arg(store::Units::showText(state_.editK1));
    const QString k2 = m.arg(store::Units::showText(state_.editK2));
    marks_ = {};
    if (x1) marks_[0] = {k1, at(k1, *x1, 0), chart_.color(SlotLayout::kCursorK1)};
    if (x2) marks_[1] = {k2, at(k2, *x2, 1), chart_.color(SlotLayout::kCursorK2)};
    if (x1 && x2) {
        const QString l = (feet ? QCoreApplication::translate("CursorMarks", "L = %1 ft")
                                : QCoreApplication::translate("CursorMarks", "L = %1 m"))
                              .arg(store::Units::showText(state_.editL));
        const double middle = (*x1 + *x2) / 2 - metrics.horizontalAdvance(l) / 2;
        const double left = std::clamp(middle, area_.left(),
                                       std::max(area_.left(), area_.right() - metrics.horizontalAdvance(l)));
        marks_[2] = {l, QPointF(left, area_.top() + kGap + 2 * row), Qt::white};
    }
    update();
}

void CursorMarks::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    painter->setFont(markFont());
    const QFontMetricsF metrics(painter->font());
    for (const Mark& mark : marks_) {
        if (mark.text.isEmpty()) continue;
        // A dark backing keeps the text legible over a trace.
        const QRectF box(mark.at, QSizeF(metrics.horizontalAdvance(mark.text), metrics.height()));
        painter->fillRect(box.adjusted(-1, 0, 1, 0), QColor(0, 0, 0, 170));
        painter->setPen(mark.color);
        painter->drawText(box, Qt::AlignLeft | Qt::AlignVCenter, mark.text);
    }
}

} // namespace trace

#include "report/ChartPainter.h"

#include "report/AxisTicks.h"
#include "report/ReportItem.h"
#include "store/Units.h"
#include "trace/Chart.h"
#include "trace/SeriesShaper.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPolygonF>
#include <cmath>

namespace report {

namespace {

constexpr double kLeftRoom = 46; // amplitude labels and the rotated title
constexpr double kRightRoom = 12;
constexpr double kLabelRoom = 16; // distance labels
constexpr double kTitleRoom = 13; // distance title
constexpr double kFarRoom = 8;
constexpr double kTickLength = 3;
constexpr int kDistanceTicks = 10;
constexpr int kAmplitudeTicks = 6;

struct Scale {
    double min, max, from, to; // value range onto a pixel range
    bool valid() const { return std::isfinite(min) && std::isfinite(max) && max > min; }
    double map(double v) const { return from + (v - min) / (max - min) * (to - from); }
};

bool onTop(const trace::Chart& chart) { return chart.distanceAxis() == trace::Axis::Top; }

void drawDistanceAxis(QPainter& p, const trace::Chart& chart, const QRectF& plot, const Scale& x) {
    const bool top = onTop(chart);
    const double edge = top ? plot.top() : plot.bottom();
    const double outward = top ? -1 : 1;
    const QFontMetricsF metrics(p.font(), p.device());
    if (x.valid()) {
        // Round ticks in the shown unit, placed on the metres scale.
        const double min = store::Units::toShown(x.min), max = store::Units::toShown(x.max);
        const double step = AxisTicks::step(min, max, kDistanceTicks);
        for (double v : AxisTicks::ticks(min, max, kDistanceTicks)) {
            const double px = x.map(store::Units::fromShown(v));
            p.setPen(QPen(QColor(215, 215, 215), 0.5));
            p.drawLine(QPointF(px, plot.top()), QPointF(px, plot.bottom()));
            p.setPen(QPen(Qt::black, 0.8));
            p.drawLine(QPointF(px, edge), QPointF(px, edge + outward * kTickLength));
            const QString text = AxisTicks::label(v, step);
            const double w = metrics.horizontalAdvance(text);
            const double baseline =
                top ? edge - kTickLength - metrics.descent() - 1 : edge + kTickLength + metrics.ascent() + 1;
            p.drawText(QPointF(px - w / 2, baseline), text);
        }
    }
    const QString title = chart.axisTitle(chart.distanceAxis());
    if (title.isEmpty()) return;
    const double w = metrics.horizontalAdvance(title);
    const double baseline =
        top ? plot.top() - kLabelRoom - metrics.descent() : plot.bottom() + kLabelRoom + metrics.ascent() + 1;
    p.drawText(QPointF(plot.center().x() - w / 2, baseline), title);
}

void drawAmplitudeAxis(QPainter& p, const trace::Chart& chart, const QRectF& plot, const Scale& y) {
    const QFontMetricsF metrics(p.font(), p.device());
    if (y.valid()) {
        const double step = AxisTicks::step(y.min, y.max, kAmplitudeTicks);
        for (double v : AxisTicks::ticks(y.min, y.max, kAmplitudeTicks)) {
            const double py = y.map(v);
            p.setPen(QPen(QColor(215, 215, 215), 0.5));
            p.drawLine(QPointF(plot.left(), py), QPointF(plot.right(), py));
            p.setPen(QPen(Qt::black, 0.8));
            p.drawLine(QPointF(plot.left() - kTickLength, py), QPointF(plot.left(), py));
            const QString text = AxisTicks::label(v, step);
            p.drawText(QPointF(plot.left() - kTickLength - 2 - metrics.horizontalAdvance(text),
                               py + metrics.ascent() / 2 - 1),
                       text);
        }
    }
    const QString title = chart.axisTitle(trace::Axis::Left);
    if (title.isEmpty()) return;
    p.save();
    p.translate(plot.left() - kLeftRoom + metrics.ascent() + 1, plot.center().y());
    p.rotate(-90);
    p.drawText(QPointF(-metrics.horizontalAdvance(title) / 2, 0), title);
    p.restore();
}

void drawSlot(QPainter& p, const trace::Chart& chart, int slot, const QRectF& plot, const Scale& x,
              const Scale& y) {
    QList<QPointF> points = chart.points(slot);
    if (points.isEmpty()) return;
    if (chart.stairs(slot)) points = trace::SeriesShaper::stairs(points, chart.invertedStairs(slot));
    // Thinned to the paper's dots: the print looks the same, the file stays small.
    const QPaintDevice* device = p.device();
    const double dpi = device && device->logicalDpiX() > 0 ? device->logicalDpiX() : 96.0;
    const int columns = std::max(1, int(plot.width() * dpi / 96.0));
    points = trace::SeriesShaper::thin(points, x.min, x.max, columns);

    QPolygonF line;
    line.reserve(points.size());
    for (const QPointF& pt : points) {
        if (!std::isfinite(pt.x()) || !std::isfinite(pt.y())) continue;
        line.append(QPointF(x.map(pt.x()), y.map(pt.y())));
    }
    if (line.isEmpty()) return;
    QPen pen(chart.color(slot), 1.0);
    pen.setStyle(chart.dashed(slot) ? Qt::DashLine : Qt::SolidLine);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    if (line.size() == 1) p.drawPoint(line.first());
    else p.drawPolyline(line);
}

// `taken` holds the labels drawn so far: one that would cover another (cursors
// close together) goes a line lower.
void drawLineLabel(QPainter& p, const trace::Chart& chart, int slot, const QRectF& plot, const Scale& x,
                   QList<QRectF>& taken) {
    if (slot < 0 || slot >= chart.seriesCount() || !chart.isActive(slot)) return;
    const QList<QPointF>& points = chart.points(slot);
    const QString title = chart.title(slot).trimmed();
    if (points.isEmpty() || title.isEmpty() || !std::isfinite(points.first().x())) return;
    const double px = x.map(points.first().x());
    if (px < plot.left() || px > plot.right()) return;
    const QFontMetricsF metrics(p.font(), p.device());
    const double w = metrics.horizontalAdvance(title);
    // Beside the line, on the side with room for the text.
    const double left = px + 2 + w <= plot.right() ? px + 2 : px - 2 - w;
    QRectF box(left, plot.top() + 1, w, metrics.height());
    for (const QRectF& other : taken)
        if (box.intersects(other)) box.moveTop(std::max(box.top(), other.bottom()));
    taken.append(box);
    p.setPen(ReportItem::legibleOnPaper(chart.color(slot)));
    p.drawText(QPointF(box.left(), box.top() + metrics.ascent()), title);
}

} // namespace

QRectF ChartPainter::plotArea(const trace::Chart& chart, const QRectF& frame) {
    const double labelSide = kLabelRoom + (chart.axisTitle(chart.distanceAxis()).isEmpty() ? 0 : kTitleRoom);
    const double topRoom = onTop(chart) ? labelSide : kFarRoom;
    const double bottomRoom = onTop(chart) ? kFarRoom : labelSide;
    QRectF plot = frame.adjusted(kLeftRoom, topRoom, -kRightRoom, -bottomRoom);
    if (plot.width() < 1 || plot.height() < 1) plot = QRectF(frame.topLeft(), QSizeF(1, 1));
    return plot;
}

void ChartPainter::paint(QPainter& painter, const trace::Chart& chart, const QRectF& frame,
                         const QList<int>& labelledLines) {
    const QRectF plot = plotArea(chart, frame);
    const trace::Axis distance = chart.distanceAxis();
    const Scale x{chart.axisMin(distance), chart.axisMax(distance), plot.left(), plot.right()};
    const Scale y{chart.axisMin(trace::Axis::Left), chart.axisMax(trace::Axis::Left), plot.bottom(),
                  plot.top()};

    painter.save();
    painter.setFont(ReportItem::designFont(painter, 7));
    drawDistanceAxis(painter, chart, plot, x);
    drawAmplitudeAxis(painter, chart, plot, y);
    if (x.valid() && y.valid()) {
        painter.save();
        painter.setClipRect(plot, Qt::IntersectClip);
        for (int s = 0; s < chart.seriesCount(); ++s)
            if (chart.isActive(s)) drawSlot(painter, chart, s, plot, x, y);
        painter.setFont(ReportItem::designFont(painter, 7, true));
        QList<QRectF> taken;
        for (int s : labelledLines) drawLineLabel(painter, chart, s, plot, x, taken);
        painter.restore();
    }
    painter.setPen(QPen(Qt::black, 0.8));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot);
    painter.restore();
}

} // namespace report

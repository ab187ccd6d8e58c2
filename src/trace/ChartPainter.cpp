#include "trace/ChartPainter.h"

#include "trace/Chart.h"
#include "trace/RasterLines.h"
#include "trace/SeriesShaper.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <utility>

namespace trace {

namespace {

constexpr double kTickLength = 3;
constexpr double kGap = 2;
constexpr double kMarkSize = 5;
// Far enough outside any target to be clipped, near enough for the
// rasteriser's fixed-point coordinates.
constexpr double kCoordinateLimit = 1e6;

void drawAxes(QPainter& p, const Chart& chart, const ChartLayout& l, const ChartStyle& style) {
    const bool top = chart.distanceAxis() == Axis::Top;
    const QRectF& plot = l.plot;
    const double edge = top ? plot.top() : plot.bottom();
    const double outward = top ? -1 : 1;
    const QFontMetricsF m(p.font(), p.device());
    for (const AxisTick& t : l.xTicks) {
        p.setPen(QPen(style.grid, 0.5));
        p.drawLine(QPointF(t.position, plot.top()), QPointF(t.position, plot.bottom()));
        p.setPen(QPen(style.ink, 0.8));
        p.drawLine(QPointF(t.position, edge), QPointF(t.position, edge + outward * kTickLength));
        const double baseline =
            top ? edge - kTickLength - kGap - m.descent() : edge + kTickLength + kGap + m.ascent();
        p.drawText(QPointF(t.position - m.horizontalAdvance(t.label) / 2, baseline), t.label);
    }
    for (const AxisTick& t : l.yTicks) {
        p.setPen(QPen(style.grid, 0.5));
        p.drawLine(QPointF(plot.left(), t.position), QPointF(plot.right(), t.position));
        p.setPen(QPen(style.ink, 0.8));
        p.drawLine(QPointF(plot.left() - kTickLength, t.position), QPointF(plot.left(), t.position));
        p.drawText(QPointF(plot.left() - kTickLength - kGap - m.horizontalAdvance(t.label),
                           t.position + (m.ascent() - m.descent()) / 2),
                   t.label);
    }
    p.setPen(style.ink);
    const QString xTitle = chart.axisTitle(chart.distanceAxis());
    if (!xTitle.isEmpty()) {
        const double baseline = top ? l.frame.top() + m.ascent() : l.frame.bottom() - m.descent();
        p.drawText(QPointF(plot.center().x() - m.horizontalAdvance(xTitle) / 2, baseline), xTitle);
    }
    const QString yTitle = chart.axisTitle(Axis::Left);
    if (!yTitle.isEmpty()) {
        p.save();
        p.translate(l.frame.left() + kGap + m.ascent(), plot.center().y());
        p.rotate(-90);
        p.drawText(QPointF(-m.horizontalAdvance(yTitle) / 2, 0), yTitle);
        p.restore();
    }
}

void drawSlot(QPainter& p, const Chart& chart, int slot, const ChartLayout& l) {
    QList<QPointF> points = chart.points(slot);
    if (points.isEmpty()) return;
    // Thinned to the target's dots (the plot's width as the painter puts it
    // on the device): it looks the same, and a file stays small.
    const QPaintDevice* device = p.device();
    const double ratio = device ? device->devicePixelRatioF() : 1.0;
    const double dots = p.worldTransform().mapRect(l.plot).width() * ratio;
    const int columns = int(std::clamp(dots, 1.0, 1e5));
    const qsizetype before = points.size();
    points = SeriesShaper::thin(points, l.xMin, l.xMax, columns);
    const ChartLayout::Mapping map = l.mapping();
    auto place = [&map](const QPointF& pt) {
        return QPointF(std::clamp(map.x(pt.x()), -kCoordinateLimit, kCoordinateLimit),
                       std::clamp(map.y(pt.y()), -kCoordinateLimit, kCoordinateLimit));
    };
    const QColor colour = chart.color(slot);
    if (points.size() < before) {
        // Denser than the dots: one stroke a column paints what the polyline
        // would, without going over each dot several times (and steps
        // narrower than a dot look like the line through their corners).
        QList<QLineF> strokes = SeriesShaper::columnStrokes(points, l.xMin, l.xMax, columns);
        for (QLineF& s : strokes) s = QLineF(place(s.p1()), place(s.p2()));
        if (std::optional<RasterLines> dots = RasterLines::on(p, colour)) {
            dots->lines(strokes);
            return;
        }
        QPen pen(colour, 1.0);
        pen.setCapStyle(Qt::SquareCap); // a level stroke is still a dot
        p.setPen(pen);
        p.drawLines(strokes);
        return;
    }
    if (chart.stairs(slot)) points = SeriesShaper::stairs(points, chart.invertedStairs(slot));
    // Written in place, then cut to the finite points placed.
    QPolygonF line(points.size());
    QPointF* placed = line.data();
    for (const QPointF& pt : std::as_const(points))
        if (std::isfinite(pt.x()) && std::isfinite(pt.y())) *placed++ = place(pt);
    line.resize(placed - line.constData());
    if (line.isEmpty()) return;
    if (line.size() > 1 && !chart.dashed(slot)) {
        if (std::optional<RasterLines> dots = RasterLines::on(p, colour)) {
            dots->polyline(line);
            return;
        }
    }
    QPen pen(colour, 1.0);
    pen.setStyle(chart.dashed(slot) ? Qt::DashLine : Qt::SolidLine);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    if (line.size() == 1) p.drawPoint(line.first());
    else p.drawPolyline(line);
}

void drawLineLabels(QPainter& p, const Chart& chart, const ChartLayout& l, const ChartStyle& style) {
    const QFontMetricsF m(p.font(), p.device());
    for (const PlacedLabel& label : l.lineLabels) {
        if (style.labelBacking.alpha() > 0) p.fillRect(label.box.adjusted(-1, 0, 1, 0), style.labelBacking);
        const QColor colour = label.slot < 0 ? style.plotInk : chart.color(label.slot);
        p.setPen(label.slot >= 0 && style.labelColour ? style.labelColour(colour) : colour);
        p.drawText(QPointF(label.box.left(), label.box.top() + m.ascent()), label.text);
    }
}

void drawEventMarks(QPainter& p, const ChartLayout& l, const ChartStyle& style) {
    const QFontMetricsF m(p.font(), p.device());
    const double base = l.plot.bottom() - kGap, top = base - kMarkSize;
    for (const PlacedMark& e : l.events) {
        const QColor colour = style.eventColour(e.polarity);
        const double x = e.x;
        // A dotted line up the plot and, standing on its bottom, a triangle
        // pointing the way of the event's polarity (a bar for neither way).
        p.setPen(QPen(colour, 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(x, top - m.height() - kGap), QPointF(x, l.plot.top() + m.height()));
        QPolygonF mark;
        if (e.polarity > 0)
            mark << QPointF(x, top) << QPointF(x - kMarkSize / 2, base) << QPointF(x + kMarkSize / 2, base);
        else if (e.polarity < 0)
            mark << QPointF(x, base) << QPointF(x - kMarkSize / 2, top) << QPointF(x + kMarkSize / 2, top);
        else mark << QPointF(x, top) << QPointF(x, base);
        p.setPen(QPen(colour, 1));
        p.setBrush(colour);
        p.drawPolygon(mark);
        const double w = m.horizontalAdvance(e.label);
        const QRectF box(x - w / 2, top - kGap - m.height(), w, m.height());
        if (style.labelBacking.alpha() > 0) p.fillRect(box.adjusted(-1, 0, 1, 0), style.labelBacking);
        p.drawText(QPointF(box.left(), box.top() + m.ascent()), e.label);
    }
    p.setBrush(Qt::NoBrush);
}

void legendOf(QPainter& p, const Chart& chart, const ChartLayout& l, const ChartStyle& style) {
    if (l.legendSlots.isEmpty()) return;
    const QFontMetricsF m(p.font(), p.device());
    p.setPen(QPen(style.grid, 0.5));
    p.setBrush(style.legendBackground);
    p.drawRect(l.legend);
    p.setBrush(Qt::NoBrush);
    double y = l.legend.top() + kGap;
    for (int s : l.legendSlots) {
        const double middle = y + m.height() / 2;
        p.setPen(QPen(chart.color(s), 2));
        p.drawLine(QPointF(l.legend.left() + kGap, middle), QPointF(l.legend.left() + kGap + 12, middle));
        p.setPen(style.plotInk);
        p.drawText(QPointF(l.legend.left() + 3 * kGap + 12, y + m.ascent()), chart.legendName(s));
        y += m.height();
    }
}

} // namespace

ChartLayout ChartPainter::paint(QPainter& painter, const Chart& chart, const QRectF& frame,
                                const ChartStyle& style) {
    const ChartLayout l = ChartLayout::of(chart, frame, style, painter.device());
    draw(painter, chart, l, style);
    return l;
}

void ChartPainter::draw(QPainter& painter, const Chart& chart, const ChartLayout& l,
                        const ChartStyle& style) {
    drawBackground(painter, chart, l, style);
    drawContent(painter, chart, l, style);
}

void ChartPainter::drawBackground(QPainter& painter, const Chart& chart, const ChartLayout& l,
                                  const ChartStyle& style) {
    painter.save();
    if (style.background.alpha() > 0) painter.fillRect(l.frame, style.background);
    painter.fillRect(l.plot, style.plotBackground);
    painter.setFont(style.font);
    drawAxes(painter, chart, l, style);
    painter.restore();
}

void ChartPainter::drawContent(QPainter& painter, const Chart& chart, const ChartLayout& l,
                               const ChartStyle& style) {
    drawPlot(painter, chart, l, style);
    drawLegend(painter, chart, l, style);
    drawFrame(painter, l, style);
}

void ChartPainter::drawPlot(QPainter& painter, const Chart& chart, const ChartLayout& l,
                            const ChartStyle& style) {
    if (!l.valid()) return;
    painter.save();
    painter.setClipRect(l.plot, Qt::IntersectClip);
    painter.setFont(style.font);
    for (int s = 0; s < chart.seriesCount(); ++s)
        if (chart.isActive(s)) drawSlot(painter, chart, s, l);
    drawEventMarks(painter, l, style);
    painter.setFont(style.boldFont);
    drawLineLabels(painter, chart, l, style);
    painter.restore();
}

void ChartPainter::drawLegend(QPainter& painter, const Chart& chart, const ChartLayout& l,
                              const ChartStyle& style) {
    painter.save();
    painter.setFont(style.font);
    legendOf(painter, chart, l, style);
    painter.restore();
}

void ChartPainter::drawFrame(QPainter& painter, const ChartLayout& l, const ChartStyle& style) {
    painter.save();
    painter.setPen(QPen(style.ink, 0.8));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(l.plot);
    painter.restore();
}

} // namespace trace

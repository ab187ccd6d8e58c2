#include "trace/ChartPainter.h"

#include "trace/Chart.h"
#include "trace/SeriesShaper.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPolygonF>
#include <cmath>

namespace trace {

namespace {

constexpr double kTickLength = 3;
constexpr double kGap = 2;
constexpr double kMarkSize = 5;
const QColor kGrid(215, 215, 215);

void drawAxes(QPainter& p, const Chart& chart, const ChartLayout& l) {
    const bool top = chart.distanceAxis() == Axis::Top;
    const QRectF& plot = l.plot;
    const double edge = top ? plot.top() : plot.bottom();
    const double outward = top ? -1 : 1;
    const QFontMetricsF m(p.font(), p.device());
    for (const AxisTick& t : l.xTicks) {
        p.setPen(QPen(kGrid, 0.5));
        p.drawLine(QPointF(t.position, plot.top()), QPointF(t.position, plot.bottom()));
        p.setPen(QPen(Qt::black, 0.8));
        p.drawLine(QPointF(t.position, edge), QPointF(t.position, edge + outward * kTickLength));
        const double baseline =
            top ? edge - kTickLength - kGap - m.descent() : edge + kTickLength + kGap + m.ascent();
        p.drawText(QPointF(t.position - m.horizontalAdvance(t.label) / 2, baseline), t.label);
    }
    for (const AxisTick& t : l.yTicks) {
        p.setPen(QPen(kGrid, 0.5));
        p.drawLine(QPointF(plot.left(), t.position), QPointF(plot.right(), t.position));
        p.setPen(QPen(Qt::black, 0.8));
        p.drawLine(QPointF(plot.left() - kTickLength, t.position), QPointF(plot.left(), t.position));
        p.drawText(QPointF(plot.left() - kTickLength - kGap - m.horizontalAdvance(t.label),
                           t.position + (m.ascent() - m.descent()) / 2),
                   t.label);
    }
    p.setPen(Qt::black);
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
    // Thinned to the target's dots: it looks the same, and a file stays small.
    const QPaintDevice* device = p.device();
    const double dpi = device && device->logicalDpiX() > 0 ? device->logicalDpiX() : 96.0;
    const int columns = std::max(1, int(l.plot.width() * dpi / 96.0));
    points = SeriesShaper::thin(points, l.xMin, l.xMax, columns);
    if (chart.stairs(slot)) points = SeriesShaper::stairs(points, chart.invertedStairs(slot));
    QPolygonF line;
    line.reserve(points.size());
    for (const QPointF& pt : points)
        if (std::isfinite(pt.x()) && std::isfinite(pt.y()))
            line.append(QPointF(l.mapX(pt.x()), l.mapY(pt.y())));
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
void drawLineLabel(QPainter& p, const Chart& chart, int slot, const ChartLayout& l, const ChartStyle& style,
                   QList<QRectF>& taken) {
    if (slot < 0 || slot >= chart.seriesCount() || !chart.isActive(slot)) return;
    const QList<QPointF>& points = chart.points(slot);
    const QString title = chart.title(slot).trimmed();
    if (points.isEmpty() || title.isEmpty() || !std::isfinite(points.first().x())) return;
    const double px = l.mapX(points.first().x());
    if (px < l.plot.left() || px > l.plot.right()) return;
    const QFontMetricsF m(p.font(), p.device());
    const double w = m.horizontalAdvance(title);
    // Beside the line, on the side with room for the text.
    const double left = px + kGap + w <= l.plot.right() ? px + kGap : px - kGap - w;
    QRectF box(left, l.plot.top() + 1, w, m.height());
    for (const QRectF& other : taken)
        if (box.intersects(other)) box.moveTop(std::max(box.top(), other.bottom()));
    taken.append(box);
    const QColor colour = chart.color(slot);
    p.setPen(style.labelColour ? style.labelColour(colour) : colour);
    p.drawText(QPointF(box.left(), box.top() + m.ascent()), title);
}

void drawEventMarks(QPainter& p, const Chart& chart, const ChartLayout& l) {
    const QFontMetricsF m(p.font(), p.device());
    for (const EventMark& e : chart.eventMarks()) {
        if (!std::isfinite(e.metres)) continue;
        const double x = l.mapX(e.metres);
        if (x < l.plot.left() || x > l.plot.right()) continue;
        // Standing on the plot's bottom, pointing the way of the event's polarity.
        const double base = l.plot.bottom() - kGap, top = base - kMarkSize;
        QPolygonF mark;
        if (e.polarity > 0)
            mark << QPointF(x, top) << QPointF(x - kMarkSize / 2, base) << QPointF(x + kMarkSize / 2, base);
        else if (e.polarity < 0)
            mark << QPointF(x, base) << QPointF(x - kMarkSize / 2, top) << QPointF(x + kMarkSize / 2, top);
        else mark << QPointF(x, top) << QPointF(x, base);
        p.setPen(QPen(Qt::darkMagenta, 1));
        p.setBrush(Qt::darkMagenta);
        p.drawPolygon(mark);
        p.drawText(QPointF(x - m.horizontalAdvance(e.label) / 2, top - kGap - m.descent()), e.label);
    }
    p.setBrush(Qt::NoBrush);
}

void drawLegend(QPainter& p, const Chart& chart, const ChartLayout& l) {
    if (l.legendSlots.isEmpty()) return;
    const QFontMetricsF m(p.font(), p.device());
    p.setPen(QPen(Qt::black, 0.5));
    p.setBrush(Qt::white);
    p.drawRect(l.legend);
    p.setBrush(Qt::NoBrush);
    double y = l.legend.top() + kGap;
    for (int s : l.legendSlots) {
        const double middle = y + m.height() / 2;
        p.setPen(QPen(chart.color(s), 2));
        p.drawLine(QPointF(l.legend.left() + kGap, middle), QPointF(l.legend.left() + kGap + 12, middle));
        p.setPen(Qt::black);
        p.drawText(QPointF(l.legend.left() + 3 * kGap + 12, y + m.ascent()), chart.legendName(s));
        y += m.height();
    }
}

} // namespace

ChartStyle ChartStyle::standard(const QPaintDevice* device) {
    ChartStyle s;
    const double dpi = device && device->logicalDpiY() > 0 ? device->logicalDpiY() : 96.0;
    s.font.setFamily(QStringLiteral("Sans Serif"));
    s.font.setStyleHint(QFont::SansSerif);
    s.font.setPointSizeF(7 * 96.0 / dpi);
    s.boldFont = s.font;
    s.boldFont.setBold(true);
    return s;
}

ChartLayout ChartPainter::paint(QPainter& painter, const Chart& chart, const QRectF& frame,
                                const ChartStyle& style) {
    const ChartLayout l = ChartLayout::of(chart, frame, style.font, painter.device());
    painter.save();
    painter.setFont(style.font);
    drawAxes(painter, chart, l);
    if (l.valid()) {
        painter.save();
        painter.setClipRect(l.plot, Qt::IntersectClip);
        for (int s = 0; s < chart.seriesCount(); ++s)
            if (chart.isActive(s)) drawSlot(painter, chart, s, l);
        drawEventMarks(painter, chart, l);
        painter.setFont(style.boldFont);
        QList<QRectF> taken;
        for (int s : style.labelledLines) drawLineLabel(painter, chart, s, l, style, taken);
        painter.restore();
    }
    drawLegend(painter, chart, l);
    painter.setPen(QPen(Qt::black, 0.8));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(l.plot);
    painter.restore();
    return l;
}

} // namespace trace

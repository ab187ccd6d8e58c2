#pragma once
#include <QGraphicsItem>
#include <QList>
#include <QPen>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <vector>

namespace trace {

// Draws the traces of one chart over its plot area. Qt Charts' line series
// rebuild a stroked outline of the whole line for hit-testing on every change;
// at the offset buttons' repeat that alone took longer than the redraw may,
// so the chart's series only carry the legend and the axes and the lines are
// drawn here, mapped with the same axis limits.
class TraceLayer : public QGraphicsItem {
public:
    TraceLayer(int traceCount, QGraphicsItem* parent);

    int traceCount() const { return int(traces_.size()); }
    // Points in axis values, already shaped (thinned, stairs) for drawing.
    void setPoints(int trace, QList<QPointF> points);
    const QList<QPointF>& points(int trace) const;
    void setPen(int trace, const QPen& pen);
    QPen pen(int trace) const;
    void setTraceVisible(int trace, bool visible);
    bool traceVisible(int trace) const;

    // The plot rectangle in the parent's coordinates and the axis limits it shows.
    void setPlotArea(const QRectF& area);
    void setLimits(double xMin, double xMax, double yMin, double yMax);
    // Where a value lands in the parent's coordinates; false when a limit
    // pair or the plot area is degenerate (nothing is drawn then).
    bool mapToPlot(const QPointF& value, QPointF& position) const;

    QRectF boundingRect() const override { return area_; }
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    struct Trace {
        QList<QPointF> points;
        QPen pen;
        bool visible = false;
    };
    bool valid(int trace) const { return trace >= 0 && trace < traceCount(); }
    bool drawable() const { return xMax_ > xMin_ && yMax_ > yMin_ && !area_.isEmpty(); }

    std::vector<Trace> traces_;
    QRectF area_;
    double xMin_ = 0, xMax_ = 0, yMin_ = 0, yMax_ = 0;
    QPolygonF scratch_; // reused between paints: no allocation per repaint
};

} // namespace trace

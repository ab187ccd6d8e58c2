#pragma once
#include <QList>
#include <QRectF>
#include <QString>

class QPaintDevice;

namespace trace {

class Chart;
struct ChartStyle;

// A text placed over the plot: a labelled line's (slot) or, with slot -1,
// the span label between two lines.
struct PlacedLabel {
    int slot = -1;
    QString text;
    QRectF box;
};

// An event mark as drawn: where across the target, its number, its polarity.
struct PlacedMark {
    double x = 0;
    QString label;
    int polarity = 1;
};

// A tick of an axis: its value (in the shown unit for distances), where it
// falls along the axis in the target's coordinates, and its text.
struct AxisTick {
    double value = 0;
    double position = 0;
    QString label;

    bool operator==(const AxisTick& o) const {
        return value == o.value && position == o.position && label == o.label;
    }
};

// Where everything of a chart goes on one target, computed once from the
// chart's content, the target rectangle and the font: the plot rectangle,
// the ticks of the distance and amplitude axes at 1, 2 or 5 × 10^n (never
// more than a dozen intervals, never a label over another or out of the
// frame), the legend's box, the labels of the style's labelled lines (each
// beside its line, one below another where they would meet) and the event
// marks inside the plot. Every target (window, page, picture) draws from it.
struct ChartLayout {
    static constexpr int kMaxIntervals = 12;

    QRectF frame;
    QRectF plot;
    // The limits the plot shows: distances in metres, amplitudes as they are.
    double xMin = 0, xMax = 0, yMin = 0, yMax = 0;
    QList<AxisTick> xTicks, yTicks;
    // The slots listed in the legend, in order, and its box (empty without one).
    QList<int> legendSlots;
    QRectF legend;
    QList<PlacedLabel> lineLabels;
    QList<PlacedMark> events;

    static ChartLayout of(const Chart& chart, const QRectF& frame, const ChartStyle& style,
                          const QPaintDevice* device = nullptr);

    // The same frame, plot and ticks: the same background.
    bool sameAxes(const ChartLayout& o) const {
        return frame == o.frame && plot == o.plot && xTicks == o.xTicks && yTicks == o.yTicks;
    }
    // Both axes have a range to draw the traces against.
    bool valid() const { return xMax > xMin && yMax > yMin; }
    double xScale() const { return plot.width() / (xMax - xMin); }
    double yScale() const { return plot.height() / (yMax - yMin); }
    double mapX(double metres) const { return plot.left() + (metres - xMin) * xScale(); }
    double mapY(double value) const { return plot.bottom() - (value - yMin) * yScale(); }

    // mapX and mapY, to the bit, with their scales worked out once for a trace's many points.
    struct Mapping {
        double left, xMin, xScale, bottom, yMin, yScale;
        double x(double metres) const { return left + (metres - xMin) * xScale; }
        double y(double value) const { return bottom - (value - yMin) * yScale; }
    };
    Mapping mapping() const { return {plot.left(), xMin, xScale(), plot.bottom(), yMin, yScale()}; }
};

} // namespace trace

#pragma once
#include <QList>
#include <QRectF>

class QPainter;

namespace trace {
class Chart;
}

namespace report {

// Draws a chart of the trace view on paper: the plot frame with a light grid,
// the distance axis (top or bottom, as the chart uses it) and the amplitude
// axis with their limits and titles, and every shown slot as a line in its
// colour. Stairs are drawn through their corner points; dashed slots dashed.
// No legend. Coordinates are design pixels. The slots in `labelledLines`
// (vertical lines such as the cursors) carry their title at the top of the plot.
class ChartPainter {
public:
    static void paint(QPainter& painter, const trace::Chart& chart, const QRectF& frame,
                      const QList<int>& labelledLines = {});
    // Where the traces go inside `frame`, leaving room for labels and titles.
    static QRectF plotArea(const trace::Chart& chart, const QRectF& frame);
};

} // namespace report

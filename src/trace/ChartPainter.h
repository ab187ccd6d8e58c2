#pragma once
#include "trace/ChartLayout.h"
#include "trace/ChartStyle.h"

class QPainter;

namespace trace {

class Chart;

// Draws a whole chart onto any painter from its ChartLayout: background and
// frame, a light grid, the distance axis (top or bottom, as the chart uses it)
// and the amplitude axis with their ticks and titles, every shown slot in its
// colour (stairs through their corners, dashed slots dashed, long traces
// thinned to the target's pixel columns), the labelled lines' labels, the
// event marks and the legend. The window, the report and the pictures all
// draw their charts here.
class ChartPainter {
public:
    // Lays the chart out for `frame` and draws it.
    static ChartLayout paint(QPainter& painter, const Chart& chart, const QRectF& frame,
                             const ChartStyle& style);
    // Draws a layout made for this painter's device and the chart's content:
    // the background (fills, grid, axes, their ticks and titles), which only
    // the layout's axes and the titles change, then everything over it.
    static void draw(QPainter& painter, const Chart& chart, const ChartLayout& layout,
                     const ChartStyle& style);
    static void drawBackground(QPainter& painter, const Chart& chart, const ChartLayout& layout,
                               const ChartStyle& style);
    static void drawContent(QPainter& painter, const Chart& chart, const ChartLayout& layout,
                            const ChartStyle& style);
    // The parts of the content, in the order drawContent draws them: what
    // lies inside the plot (slots, event marks, line labels), the legend
    // over it, and last the plot's frame.
    static void drawPlot(QPainter& painter, const Chart& chart, const ChartLayout& layout,
                         const ChartStyle& style);
    static void drawLegend(QPainter& painter, const Chart& chart, const ChartLayout& layout,
                           const ChartStyle& style);
    static void drawFrame(QPainter& painter, const ChartLayout& layout, const ChartStyle& style);
};

} // namespace trace

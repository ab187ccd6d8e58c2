#pragma once
#include "trace/ChartLayout.h"

#include <QColor>
#include <QFont>
#include <QList>

class QPainter;
class QPaintDevice;

namespace trace {

class Chart;

// How a target draws a chart: its fonts and which slots are vertical lines
// labelled with their title (the cursors).
struct ChartStyle {
    QFont font;
    QFont boldFont;
    QList<int> labelledLines;
    // The colour a line's label is written in, from the line's colour
    // (paper needs darker yellows than a screen).
    QColor (*labelColour)(const QColor&) = nullptr;

    // Sans-serif 7 pt in 96-dpi pixels on any device, so that a page and a
    // picture of one size lay a chart out alike.
    static ChartStyle standard(const QPaintDevice* device);
};

// Draws a whole chart onto any painter from its ChartLayout: background and
// frame, a light grid, the distance axis (top or bottom, as the chart uses it)
// and the amplitude axis with their ticks and titles, every shown slot in its
// colour (stairs through their corners, dashed slots dashed, long traces
// thinned to the target's pixel columns), the labelled lines' titles, the
// event marks and the legend.
class ChartPainter {
public:
    static ChartLayout paint(QPainter& painter, const Chart& chart, const QRectF& frame,
                             const ChartStyle& style);
};

} // namespace trace

#pragma once
#include <QColor>
#include <QFont>
#include <QList>

class QPaintDevice;

namespace trace {

// How a target draws a chart: its fonts, its colours and which slots are
// vertical lines labelled with their title or their line label (the cursors).
// Paper and pictures of it get white plots; the screen a black one, for
// which the slots' colours were chosen.
struct ChartStyle {
    QFont font;
    QFont boldFont;
    QList<int> labelledLines;

    QColor background = Qt::white;
    QColor plotBackground = Qt::white;
    QColor grid = QColor(215, 215, 215);
    QColor ink = Qt::black;
    QColor legendBackground = Qt::white;
    // Text written over the plot: the legend, the span label.
    QColor plotInk = Qt::black;
    // Behind a line's label, to keep it legible over a trace; none on paper.
    QColor labelBacking = Qt::transparent;
    // The colour a line's label is written in, from the line's colour
    // (paper needs darker yellows than a screen).
    QColor (*labelColour)(const QColor&) = nullptr;
    // An event mark's colour by its polarity: open-like, short-like, neither.
    QColor openLike = Qt::darkMagenta;
    QColor shortLike = Qt::darkMagenta;
    QColor neither = Qt::darkMagenta;

    QColor eventColour(int polarity) const {
        return polarity > 0 ? openLike : polarity < 0 ? shortLike : neither;
    }

    // Sans-serif 7 pt in 96-dpi pixels on any device, so that a page, a
    // picture and a window of one size lay a chart out alike; paper colours.
    static ChartStyle standard(const QPaintDevice* device);
    // The same layout in the screen's colours: a black plot.
    static ChartStyle screen(const QPaintDevice* device);
};

} // namespace trace

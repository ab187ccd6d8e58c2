#pragma once
#include <QLineF>
#include <QList>
#include <QPointF>

namespace trace {

// Turns the logical points of a slot into what a line series has to draw.
class SeriesShaper {
public:
    // Stairs hold each point's value up to the next point's distance and then
    // step; inverted stairs step at the earlier point's distance first and then
    // run level at the next point's value. Both add one corner per segment
    // that is neither level nor vertical.
    static QList<QPointF> stairs(const QList<QPointF>& points, bool inverted);

    // Reduces a polyline to what `columns` pixel columns over xMin..xMax can
    // show: each run of consecutive points inside one column keeps its first,
    // lowest, highest and last point (in their order), and each run outside the
    // range keeps its first and last point, so every line into or across the
    // visible range is kept. Short lists and an empty range come back as they are.
    static QList<QPointF> thin(const QList<QPointF>& points, double xMin, double xMax, int columns);

    // What a polyline denser than its columns covers, drawn with each dot
    // once: in each column a vertical stroke at its middle from the lowest to
    // the highest value the line passes there (the line in from the previous
    // column included), and across skipped columns or from outside the range
    // the segment the line draws. In the points' coordinates; points that are
    // not finite are left out.
    static QList<QLineF> columnStrokes(const QList<QPointF>& points, double xMin, double xMax, int columns);
};

} // namespace trace

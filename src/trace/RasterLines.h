#pragma once
#include "trace/RasterTarget.h"

#include <QColor>
#include <QImage>
#include <QLineF>
#include <QList>
#include <QPolygonF>
#include <QRect>
#include <QTransform>
#include <optional>

class QPainter;

namespace trace {

// Draws the 1-dot lines of a trace straight into the pixels of the image a
// painter paints on: the window's charts have thousands of short segments,
// and the painter's own path for each costs several times what its dots do.
// Only where that leaves the dots the painter itself would set (level and
// upright steps dot for dot, sloped lines within a dot): an opaque colour on
// a RasterTarget.
class RasterLines {
public:
    // The lines of `colour` for the painter's current clip; none where the painter must draw them.
    static std::optional<RasterLines> on(QPainter& painter, const QColor& colour);

    // Each point joined to the next, in the painter's coordinates; the last
    // dot is left off, as a flat line end leaves it.
    void polyline(const QPolygonF& points);
    // Each line from its start to its end dot, both drawn.
    void lines(const QList<QLineF>& lines);

private:
    RasterLines() = default;
    // From and to in the image's pixels; `last` leaves the end dot off.
    void segment(const QPointF& from, const QPointF& to, bool last);
    QPointF place(const QPointF& p) const;

    RasterTarget target_;
    QRgb pixel_ = 0;
};

} // namespace trace

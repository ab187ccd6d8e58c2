#pragma once
#include <QList>
#include <QRect>
#include <QTransform>
#include <QtGlobal>
#include <optional>

class QPainter;

namespace trace {

// The pixels a painter paints on, where the program may set them itself and
// get what the painter would: a 32-bit image the painter does not share,
// drawn on plainly (no smoothing, full opacity, source-over) through a
// transform that only moves. What a painter paints elsewhere (the printed
// report, a scaled screen, a picture file) it draws itself.
struct RasterTarget {
    uchar* bits = nullptr;
    qsizetype stride = 0;
    QTransform toDevice;
    QList<QRect> clip; // in pixels, inside the image

    static std::optional<RasterTarget> of(QPainter& painter);

    quint32* row(int y) const { return reinterpret_cast<quint32*>(bits + y * stride); }
};

} // namespace trace

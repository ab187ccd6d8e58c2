#pragma once
#include <QImage>
#include <QList>
#include <QRect>
#include <functional>
#include <optional>

class QPainter;
class QPaintDevice;

namespace trace {

// A drawing kept as what it does to each pixel, to be done again over
// whatever lies below: a chart's legend and plot frame, whose text and
// fractional pens cost the painter more than this. Each pixel the drawing
// touches keeps its own colour and how much of the pixel below shows
// through (none where it is covered), found by drawing it over black and
// over white; a third drawing, over a pattern, must come out as the stamp
// predicts, or the drawing cannot be kept and none is taken.
class PixelStamp {
public:
    // Draws `draw` (in the coordinates of `like`, at one pixel a unit) into
    // the pixels of each of `areas`, which must hold every pixel it touches.
    static std::optional<PixelStamp> take(const QList<QRect>& areas, const QPaintDevice& like,
                                          const std::function<void(QPainter&)>& draw);

    // Does to the painter's pixels what the drawing did; false, with nothing
    // drawn, where they are not a RasterTarget or the painter does not only
    // move by whole pixels.
    bool put(QPainter& painter) const;

private:
    PixelStamp() = default;
    bool add(const QRect& area, const QPaintDevice& like, const std::function<void(QPainter&)>& draw);

    struct Piece {
        QRect at;             // in the target's pixels
        QImage colour, below; // a pixel's own colour, and how much of the one below it keeps
    };
    QList<Piece> pieces_;
};

} // namespace trace

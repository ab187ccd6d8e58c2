#include "trace/RasterLines.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace trace {

namespace {

// Far beyond any image; keeps a point's pixel within int.
constexpr double kLimit = 1e7;

} // namespace

std::optional<RasterLines> RasterLines::on(QPainter& painter, const QColor& colour) {
    if (colour.alpha() != 255) return std::nullopt;
    std::optional<RasterTarget> target = RasterTarget::of(painter);
    if (!target) return std::nullopt;
    RasterLines r;
    r.target_ = std::move(*target);
    r.pixel_ = colour.rgba();
    return r;
}

// The target's transform only moves, so the move is all of it.
QPointF RasterLines::place(const QPointF& p) const {
    return {std::clamp(p.x() + target_.toDevice.dx(), -kLimit, kLimit),
            std::clamp(p.y() + target_.toDevice.dy(), -kLimit, kLimit)};
}

void RasterLines::polyline(const QPolygonF& points) {
    if (points.isEmpty()) return;
    QPointF from = place(points.first());
    for (qsizetype i = 1; i < points.size(); ++i) {
        const QPointF to = place(points[i]);
        segment(from, to, i + 1 == points.size());
        from = to;
    }
}

void RasterLines::lines(const QList<QLineF>& lines) {
    for (const QLineF& l : lines) segment(place(l.p1()), place(l.p2()), false);
}

namespace {

// floor() for values well within int (every coordinate here is clamped),
// without the library's general rounding: it runs once a dot.
int floorOf(double t) {
    const int i = int(t);
    return i - (t < i);
}

QPoint pixel(const QPointF& p) { return {floorOf(p.x()), floorOf(p.y())}; }

} // namespace

void RasterLines::segment(const QPointF& from, const QPointF& to, bool last) {
    const QPoint a = pixel(from), b = pixel(to);
    for (const QRect& c : target_.clip) {
        if (a.x() == b.x() || a.y() == b.y()) {
            // Level or upright: a run of dots, less the end one a flat end leaves off.
            const bool upright = a.x() == b.x();
            const int at = upright ? a.x() : a.y();
            const int from = upright ? a.y() : a.x(), end = upright ? b.y() : b.x();
            int lo = std::min(from, end), hi = std::max(from, end);
            if (last && end > from) --hi;
            else if (last && end < from) ++lo;
            else if (last) continue;
            if (upright) {
                if (at < c.left() || at > c.right()) continue;
                lo = std::max(lo, c.top());
                hi = std::min(hi, c.bottom());
                if (lo > hi) continue;
                const qsizetype stride = target_.stride;
                const QRgb colour = pixel_;
                uchar* p = target_.bits + lo * stride + qsizetype(at) * 4;
                for (int y = lo; y <= hi; ++y, p += stride) *reinterpret_cast<QRgb*>(p) = colour;
            } else {
                if (at < c.top() || at > c.bottom()) continue;
                lo = std::max(lo, c.left());
                hi = std::min(hi, c.right());
                if (lo > hi) continue;
                quint32* row = target_.row(at);
                std::fill(row + lo, row + hi + 1, pixel_);
            }
            continue;
        }
        // Sloped: along the longer direction, the dot at each row's (or
        // column's) centre, as the painter samples a line; only the rows or
        // columns inside the clip, however far outside the line begins.
        const bool steep = std::abs(to.y() - from.y()) >= std::abs(to.x() - from.x());
        const double u0 = steep ? from.y() : from.x(), u1 = steep ? to.y() : to.x();
        const double v0 = steep ? from.x() : from.y(), v1 = steep ? to.x() : to.y();
        const double slope = (v1 - v0) / (u1 - u0);
        // Centres within [start, end) of the run; a square end, or a joint,
        // takes half a dot more each way.
        const double grow = last ? 0 : 0.5;
        const double lo = std::min(u0, u1) - grow, hi = std::max(u0, u1) + grow;
        const int first = std::max(int(std::ceil(lo - 0.5)), steep ? c.top() : c.left());
        const int past = std::min(int(std::ceil(hi - 0.5)), (steep ? c.bottom() : c.right()) + 1);
        // u runs inside the clip already; only v may leave it. Held in
        // locals: a pixel's store could otherwise alias any of them.
        const int vLo = steep ? c.left() : c.top(), vHi = steep ? c.right() : c.bottom();
        uchar* const bits = target_.bits;
        const qsizetype stride = target_.stride;
        const QRgb colour = pixel_;
        const auto dots = [=](auto put) {
            double centre = first + 0.5; // u + 0.5, counted exactly
            for (int u = first; u < past; ++u, centre += 1) {
                const int v = floorOf(v0 + (centre - u0) * slope);
                if (v >= vLo && v <= vHi) put(u, v);
            }
        };
        if (steep)
            dots([=](int y, int x) { reinterpret_cast<QRgb*>(bits + qsizetype(y) * stride)[x] = colour; });
        else dots([=](int x, int y) { reinterpret_cast<QRgb*>(bits + qsizetype(y) * stride)[x] = colour; });
    }
}

} // namespace trace

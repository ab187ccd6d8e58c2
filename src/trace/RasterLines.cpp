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

QPointF RasterLines::place(const QPointF& p) const {
    const QPointF d = target_.toDevice.map(p);
    return {std::clamp(d.x(), -kLimit, kLimit), std::clamp(d.y(), -kLimit, kLimit)};
}

void RasterLines::polyline(const QPolygonF& points) {
    for (qsizetype i = 1; i < points.size(); ++i)
        segment(place(points[i - 1]), place(points[i]), i + 1 == points.size());
}

void RasterLines::lines(const QList<QLineF>& lines) {
    for (const QLineF& l : lines) segment(place(l.p1()), place(l.p2()), false);
}

namespace {

QPoint pixel(const QPointF& p) { return {int(std::floor(p.x())), int(std::floor(p.y()))}; }

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
                uchar* p = target_.bits + lo * target_.stride + qsizetype(at) * 4;
                for (int y = lo; y <= hi; ++y, p += target_.stride) *reinterpret_cast<QRgb*>(p) = pixel_;
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
        for (int u = first; u < past; ++u) {
            const int v = int(std::floor(v0 + (u + 0.5 - u0) * slope));
            const int x = steep ? v : u, y = steep ? u : v;
            if (c.contains(x, y)) target_.row(y)[x] = pixel_;
        }
    }
}

} // namespace trace

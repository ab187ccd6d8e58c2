#include "trace/SeriesShaper.h"

#include <algorithm>
#include <cmath>

namespace trace {

QList<QPointF> SeriesShaper::stairs(const QList<QPointF>& points, bool inverted) {
    if (points.size() < 2) return points;
    // Written in place, then cut to what was written: a redraw shapes thousands of points.
    QList<QPointF> out(points.size() * 2 - 1);
    const QPointF* in = points.constData();
    QPointF* o = out.data();
    *o++ = in[0];
    for (qsizetype i = 1; i < points.size(); ++i) {
        const QPointF& a = in[i - 1];
        const QPointF& b = in[i];
        // Level or vertical segments need no corner; leaving it out spares the painter a point.
        if (a.y() != b.y() && a.x() != b.x()) *o++ = inverted ? QPointF(a.x(), b.y()) : QPointF(b.x(), a.y());
        *o++ = b;
    }
    out.resize(o - out.constData());
    return out;
}

namespace {

// Column of x: -1 left of the range, `columns` right of it.
int columnOf(double x, double xMin, double xMax, int columns) {
    if (!(x >= xMin)) return -1;
    if (x > xMax) return columns;
    // Not below zero here, so the cast floors it.
    const double c = (x - xMin) / (xMax - xMin) * columns;
    return c >= columns ? columns - 1 : int(c);
}

// Appends the points of one run [begin, end) that keep its picture.
void keepRun(const QList<QPointF>& pts, qsizetype begin, qsizetype end, bool outside, QList<QPointF>& out) {
    const qsizetype last = end - 1;
    if (outside || end - begin <= 2) {
        out.append(pts[begin]);
        if (last != begin) out.append(pts[last]);
        return;
    }
    qsizetype lo = begin, hi = begin;
    for (qsizetype i = begin + 1; i < end; ++i) {
        if (pts[i].y() < pts[lo].y()) lo = i;
        if (pts[i].y() > pts[hi].y()) hi = i;
    }
    const qsizetype first = std::min(lo, hi), second = std::max(lo, hi);
    out.append(pts[begin]);
    if (first != begin) out.append(pts[first]);
    if (second != first && second != last) out.append(pts[second]);
    if (last != begin) out.append(pts[last]);
}

} // namespace

QList<QPointF> SeriesShaper::thin(const QList<QPointF>& points, double xMin, double xMax, int columns) {
    if (columns < 1 || !(xMax > xMin) || points.size() <= 4 * qsizetype(columns)) return points;
    QList<QPointF> out;
    out.reserve(4 * qsizetype(columns) + 8);
    qsizetype begin = 0;
    int column = columnOf(points[0].x(), xMin, xMax, columns);
    const qsizetype n = points.size();
    const QPointF* p = points.constData();
    for (qsizetype i = 1; i <= n; ++i) {
        // A run beyond either end (a long tail) keeps only its ends: passed at a glance.
        if (column >= columns) {
            while (i < n && p[i].x() > xMax) ++i;
        } else if (column < 0) {
            while (i < n && !(p[i].x() >= xMin)) ++i;
        }
        const int c = i < n ? columnOf(p[i].x(), xMin, xMax, columns) : column + 1;
        if (c == column && i < n) continue;
        keepRun(points, begin, i, column < 0 || column >= columns, out);
        begin = i;
        column = c;
    }
    return out;
}

QList<QLineF> SeriesShaper::columnStrokes(const QList<QPointF>& points, double xMin, double xMax,
                                          int columns) {
    QList<QLineF> out;
    if (columns < 1 || !(xMax > xMin)) return out;
    out.reserve(std::min<qsizetype>(points.size(), 2 * qsizetype(columns) + 8));
    const double width = (xMax - xMin) / columns;
    bool havePrevious = false, previousInside = false;
    int previousColumn = 0;
    QPointF previousLast;
    for (qsizetype i = 0; i < points.size();) {
        if (!std::isfinite(points[i].x()) || !std::isfinite(points[i].y())) {
            ++i;
            continue;
        }
        const int column = columnOf(points[i].x(), xMin, xMax, columns);
        const QPointF first = points[i];
        double lo = first.y(), hi = first.y();
        QPointF last = first;
        for (++i; i < points.size(); ++i) {
            const QPointF& pt = points[i];
            if (!std::isfinite(pt.x()) || !std::isfinite(pt.y())) continue;
            if (columnOf(pt.x(), xMin, xMax, columns) != column) break;
            lo = std::min(lo, pt.y());
            hi = std::max(hi, pt.y());
            last = pt;
        }
        const bool inside = column >= 0 && column < columns;
        if (havePrevious && previousInside && inside && previousColumn == column - 1) {
            lo = std::min(lo, previousLast.y());
            hi = std::max(hi, previousLast.y());
        } else if (havePrevious) {
            out.append(QLineF(previousLast, first));
        }
        if (inside) {
            const double x = xMin + (column + 0.5) * width;
            out.append(QLineF(x, lo, x, hi));
        }
        havePrevious = true;
        previousInside = inside;
        previousColumn = column;
        previousLast = last;
    }
    return out;
}

} // namespace trace

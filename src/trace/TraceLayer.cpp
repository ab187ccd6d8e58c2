#include "trace/TraceLayer.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace trace {

namespace {

const QList<QPointF>& noPoints() {
    static const QList<QPointF> empty;
    return empty;
}

// Far enough outside any screen to be clipped, near enough for the
// rasteriser's fixed-point coordinates.
constexpr double kCoordinateLimit = 1e6;

double clampCoordinate(double v) {
    if (std::isnan(v)) return 0;
    return std::clamp(v, -kCoordinateLimit, kCoordinateLimit);
}

} // namespace

TraceLayer::TraceLayer(int traceCount, QGraphicsItem* parent)
    : QGraphicsItem(parent), traces_(std::size_t(std::max(0, traceCount))) {
    setAcceptedMouseButtons(Qt::NoButton);
    setAcceptHoverEvents(false);
}

void TraceLayer::setPoints(int trace, QList<QPointF> points) {
    if (!valid(trace) || traces_[trace].points == points) return;
    traces_[trace].points = std::move(points);
    if (traces_[trace].visible) update();
}

const QList<QPointF>& TraceLayer::points(int trace) const {
    return valid(trace) ? traces_[trace].points : noPoints();
}

void TraceLayer::setPen(int trace, const QPen& pen) {
    if (!valid(trace) || traces_[trace].pen == pen) return;
    traces_[trace].pen = pen;
    if (traces_[trace].visible) update();
}

QPen TraceLayer::pen(int trace) const { return valid(trace) ? traces_[trace].pen : QPen(); }

void TraceLayer::setTraceVisible(int trace, bool visible) {
    if (!valid(trace) || traces_[trace].visible == visible) return;
    traces_[trace].visible = visible;
    update();
}

bool TraceLayer::traceVisible(int trace) const { return valid(trace) && traces_[trace].visible; }

void TraceLayer::setPlotArea(const QRectF& area) {
    if (area == area_) return;
    prepareGeometryChange();
    area_ = area;
}

void TraceLayer::setLimits(double xMin, double xMax, double yMin, double yMax) {
    if (xMin == xMin_ && xMax == xMax_ && yMin == yMin_ && yMax == yMax_) return;
    xMin_ = xMin;
    xMax_ = xMax;
    yMin_ = yMin;
    yMax_ = yMax;
    update();
}

bool TraceLayer::mapToPlot(const QPointF& value, QPointF& position) const {
    if (!drawable()) return false;
    const double sx = area_.width() / (xMax_ - xMin_);
    const double sy = area_.height() / (yMax_ - yMin_);
    position = QPointF(clampCoordinate(area_.left() + (value.x() - xMin_) * sx),
                       clampCoordinate(area_.bottom() - (value.y() - yMin_) * sy));
    return true;
}

void TraceLayer::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    if (!drawable()) return;
    painter->save();
    painter->setClipRect(area_);
    for (const Trace& t : traces_) {
        if (!t.visible || t.points.isEmpty()) continue;
        scratch_.resize(t.points.size());
        for (qsizetype i = 0; i < t.points.size(); ++i) mapToPlot(t.points[i], scratch_[i]);
        painter->setPen(t.pen);
        if (scratch_.size() == 1) painter->drawPoint(scratch_[0]);
        else painter->drawPolyline(scratch_);
    }
    painter->restore();
}

} // namespace trace

#include "trace/Chart.h"

#include <algorithm>
#include <cmath>

namespace trace {

Chart::Chart(int seriesCount)
    : slots_(std::size_t(seriesCount > 0 ? seriesCount : 0)), lineLabels_(slots_.size()) {}

Chart::~Chart() = default;

void Chart::setName(const QString& name) {
    name_ = name;
    nameChanged();
}

void Chart::setDescription(const QString& text) {
    description_ = text;
    nameChanged();
}

void Chart::clear(int slot) {
    if (!validSlot(slot)) return;
    slots_[slot].points.clear();
    pointsChanged(slot);
}

void Chart::addPoint(int slot, double x, double y) {
    if (!validSlot(slot)) return;
    slots_[slot].points.append(QPointF(x, y));
    pointsChanged(slot);
}

void Chart::addPoints(int slot, const QList<QPointF>& points) {
    if (!validSlot(slot) || points.isEmpty()) return;
    QList<QPointF>& own = slots_[slot].points;
    // Into an empty slot the list is shared, not copied: a chart and its
    // report copy then hold one list.
    if (own.isEmpty()) own = points;
    else own.append(points);
    pointsChanged(slot);
}

const QList<QPointF>& Chart::points(int slot) const {
    static const QList<QPointF> none;
    return validSlot(slot) ? slots_[slot].points : none;
}

void Chart::setActive(int slot, bool active) {
    if (!validSlot(slot) || slots_[slot].active == active) return;
    slots_[slot].active = active;
    activeChanged(slot);
}

bool Chart::isActive(int slot) const { return validSlot(slot) && slots_[slot].active; }

bool Chart::setAxisMin(Axis axis, double value) {
    AxisState& a = axis_[index(axis)];
    if (!std::isfinite(value) || value > a.max) return false;
    a.min = value;
    axisChanged(axis, AxisPart::Min);
    return true;
}

bool Chart::setAxisMax(Axis axis, double value) {
    AxisState& a = axis_[index(axis)];
    if (!std::isfinite(value) || value < a.min) return false;
    a.max = value;
    axisChanged(axis, AxisPart::Max);
    return true;
}

void Chart::setAxisRange(Axis axis, double min, double max) {
    if (!setAxisMin(axis, min)) {
        setAxisMax(axis, max);
        setAxisMin(axis, min);
        return;
    }
    setAxisMax(axis, max);
}

void Chart::setAxisTitle(Axis axis, const QString& title) {
    axis_[index(axis)].title = title;
    axisChanged(axis, AxisPart::Title);
}

void Chart::setDistanceAxis(Axis axis) {
    if (axis == Axis::Left || axis == distanceAxis_) return;
    distanceAxis_ = axis;
    for (int s = 0; s < seriesCount(); ++s) styleChanged(s);
}

void Chart::setStairs(int slot, bool on) {
    if (!validSlot(slot) || slots_[slot].stairs == on) return;
    slots_[slot].stairs = on;
    styleChanged(slot);
}

bool Chart::stairs(int slot) const { return validSlot(slot) && slots_[slot].stairs; }

void Chart::setInvertedStairs(int slot, bool on) {
    if (!validSlot(slot) || slots_[slot].inverted == on) return;
    slots_[slot].inverted = on;
    styleChanged(slot);
}

bool Chart::invertedStairs(int slot) const { return validSlot(slot) && slots_[slot].inverted; }

void Chart::setTitle(int slot, const QString& title) {
    if (!validSlot(slot)) return;
    slots_[slot].title = title;
    styleChanged(slot);
}

QString Chart::title(int slot) const { return validSlot(slot) ? slots_[slot].title : QString(); }

void Chart::setColor(int slot, const QColor& color) {
    if (!validSlot(slot)) return;
    slots_[slot].color = color;
    styleChanged(slot);
}

QColor Chart::color(int slot) const { return validSlot(slot) ? slots_[slot].color : QColor(); }

void Chart::setDashed(int slot, bool dashed) {
    if (!validSlot(slot)) return;
    slots_[slot].dashed = dashed;
    styleChanged(slot);
}

bool Chart::dashed(int slot) const { return validSlot(slot) && slots_[slot].dashed; }

void Chart::setLegendName(int slot, const QString& name) {
    if (!validSlot(slot) || slots_[slot].legendName == name) return;
    slots_[slot].legendName = name;
    styleChanged(slot);
}

QString Chart::legendName(int slot) const { return validSlot(slot) ? slots_[slot].legendName : QString(); }

void Chart::setEventMarks(const QList<EventMark>& marks) {
    if (marks == eventMarks_) return;
    eventMarks_ = marks;
    marksChanged();
}

void Chart::setLineLabel(int slot, const QString& text) {
    if (!validSlot(slot) || lineLabels_[slot] == text) return;
    lineLabels_[slot] = text;
    marksChanged();
}

QString Chart::lineLabel(int slot) const { return validSlot(slot) ? lineLabels_[slot] : QString(); }

void Chart::setSpanLabel(const QString& text) {
    if (spanLabel_ == text) return;
    spanLabel_ = text;
    marksChanged();
}

void Chart::copyFrom(const Chart& other) {
    if (&other == this) return;
    const int n = std::min(seriesCount(), other.seriesCount());
    for (int s = 0; s < n; ++s) {
        slots_[s] = other.slots_[s];
        styleChanged(s);
        activeChanged(s);
        pointsChanged(s);
    }
    distanceAxis_ = other.distanceAxis_;
    for (Axis a : {Axis::Bottom, Axis::Top, Axis::Left}) {
        axis_[index(a)] = other.axis_[index(a)];
        axisChanged(a, AxisPart::Title);
        axisChanged(a, AxisPart::Min);
        axisChanged(a, AxisPart::Max);
    }
}

} // namespace trace

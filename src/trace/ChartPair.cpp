#include "trace/ChartPair.h"

namespace trace {

void ChartPair::clear(int slot) const {
    both([&](Chart& c) { c.clear(slot); });
}

void ChartPair::addPoint(int slot, double x, double y) const {
    both([&](Chart& c) { c.addPoint(slot, x, y); });
}

void ChartPair::addPoints(int slot, const QList<QPointF>& points) const {
    both([&](Chart& c) { c.addPoints(slot, points); });
}

void ChartPair::setActive(int slot, bool active) const {
    both([&](Chart& c) { c.setActive(slot, active); });
}

void ChartPair::deactivate(int slot) const {
    if (isActive(slot)) setActive(slot, false);
}

void ChartPair::setAxisMin(Axis axis, double value) const {
    both([&](Chart& c) { c.setAxisMin(axis, value); });
}

void ChartPair::setAxisMax(Axis axis, double value) const {
    both([&](Chart& c) { c.setAxisMax(axis, value); });
}

void ChartPair::setAxisRange(Axis axis, double min, double max) const {
    both([&](Chart& c) { c.setAxisRange(axis, min, max); });
}

void ChartPair::setStairs(int slot, bool on) const {
    both([&](Chart& c) { c.setStairs(slot, on); });
}

void ChartPair::setInvertedStairs(int slot, bool on) const {
    both([&](Chart& c) { c.setInvertedStairs(slot, on); });
}

void ChartPair::setLegendName(int slot, const QString& name) const {
    both([&](Chart& c) { c.setLegendName(slot, name); });
}

} // namespace trace

#pragma once
#include "trace/Chart.h"

namespace trace {

// A main-window chart and its report copy: every change goes to both, reads
// come from the main-window chart. The copy may be absent.
class ChartPair {
public:
    ChartPair(Chart& main, Chart* copy) : main_(&main), copy_(copy) {}

    Chart& main() const { return *main_; }
    Chart* copy() const { return copy_; }

    void clear(int slot) const;
    void addPoint(int slot, double x, double y) const;
    void addPoints(int slot, const QList<QPointF>& points) const;
    void setActive(int slot, bool active) const;
    // Hides the slot only when it is shown.
    void deactivate(int slot) const;
    void setAxisMin(Axis axis, double value) const;
    void setAxisMax(Axis axis, double value) const;
    void setAxisRange(Axis axis, double min, double max) const;
    void setStairs(int slot, bool on) const;
    void setInvertedStairs(int slot, bool on) const;
    void setLegendName(int slot, const QString& name) const;

    double axisMin(Axis axis) const { return main_->axisMin(axis); }
    double axisMax(Axis axis) const { return main_->axisMax(axis); }
    bool isActive(int slot) const { return main_->isActive(slot); }

private:
    template <typename F>
    void both(F f) const {
        f(*main_);
        if (copy_) f(*copy_);
    }
    Chart* main_;
    Chart* copy_;
};

} // namespace trace

#pragma once
#include "trace/Chart.h"

#include <QPointer>
#include <vector>

class QChartView;
class QChart;
class QLineSeries;
class QValueAxis;
class QAbstractAxis;

namespace trace {

// The chart side drawn with Qt Charts. It owns its QChartView (put it into a
// layout; if a parent widget deletes it first, the chart simply stops drawing).
// Changes are collected and handed to the line series once per event-loop turn
// (or by flush()), because Qt Charts recomputes its geometry on every change of
// a visible series or of an axis range. Long traces are thinned to the plot's pixel columns; the
// logical point lists stay complete.
class QtChart : public Chart {
public:
    explicit QtChart(int seriesCount);
    ~QtChart() override;

    QChartView* view() const { return view_; }
    QLineSeries* series(int slot) const;
    QValueAxis* axis(Axis axis) const;

    void setLegendVisible(bool visible);
    // Hands every pending change to Qt Charts now.
    void flush();

protected:
    void pointsChanged(int slot) override;
    void styleChanged(int slot) override;
    void activeChanged(int slot) override;
    void axisChanged(Axis axis, AxisPart part) override;
    void nameChanged() override;

private:
    void markDirty(int slot);
    void markAllDirty();
    void scheduleFlush();
    void attachSeries(int slot);
    int pixelColumns() const;

    QPointer<QChartView> view_;
    QChart* chart_ = nullptr;
    std::vector<QLineSeries*> series_;
    // What each series was last given: a redraw that rebuilds a slot with the
    // same points costs Qt Charts nothing.
    std::vector<QList<QPointF>> shown_;
    std::vector<bool> dirty_;
    QValueAxis* axes_[3] = {nullptr, nullptr, nullptr};
    // Axis limits wait for the flush too: a renderer passes through
    // intermediate limits, and each change makes Qt Charts rebuild every series.
    bool axisDirty_[3] = {false, false, false};
    bool flushPending_ = false;
};

} // namespace trace

#pragma once
#include "trace/Chart.h"

#include <QPointer>
#include <QStringList>
#include <vector>

class QChartView;
class QChart;
class QLineSeries;
class QValueAxis;
class QAbstractAxis;

namespace trace {

class TraceLayer;

// The chart side drawn with Qt Charts. It owns its QChartView (put it into a
// layout; if a parent widget deletes it first, the chart simply stops drawing).
// Qt Charts draws the frame, axes and legend; the lines themselves are drawn
// by a TraceLayer over the plot area (the line series stay empty and carry the
// legend entries). Changes are collected and handed over once per event-loop
// turn (or by flush()), because a renderer passes through intermediate states.
// Long traces are thinned to the plot's pixel columns; the logical point lists
// stay complete. The distance axes count in the shown unit (metres or feet),
// so that their ticks fall on round values of it; points and limits stay metres.
class QtChart : public Chart {
public:
    explicit QtChart(int seriesCount);
    ~QtChart() override;

    QChartView* view() const;
    // The legend entry of a slot; its axes map the plot area for the pointer.
    QLineSeries* series(int slot) const;
    QValueAxis* axis(Axis axis) const;
    // What is drawn for a slot: its shaped points, pen and whether it shows.
    const TraceLayer* traces() const { return view_ ? layer_ : nullptr; }

    // Hands every pending change to the screen now.
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
    void updateLayerGeometry();
    void updateLegend();
    void updateCompactness();
    // The axis's limits, and ticks at round values, as many as the plot area
    // has room for, changed in an order that never gives it thousands of ticks.
    void showAxis(Axis axis);
    // The axes count distances in the shown unit; the points stay in metres.
    static double shown(Axis axis, double value);

    QPointer<QChartView> view_;
    QChart* chart_ = nullptr;
    std::vector<QLineSeries*> series_;
    TraceLayer* layer_ = nullptr;
    std::vector<bool> dirty_;
    QValueAxis* axes_[3] = {nullptr, nullptr, nullptr};
    // Axis limits wait for the flush too: a renderer passes through
    // intermediate limits, and each change makes Qt Charts rebuild every series.
    bool axisDirty_[3] = {false, false, false};
    bool flushPending_ = false;
    bool legendDirty_ = true;
    bool compact_ = false;
    QStringList legendShown_; // per slot: the name in the legend, empty when out of it
};

} // namespace trace

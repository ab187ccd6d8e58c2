#pragma once
#include "trace/Chart.h"
#include "trace/ChartLayout.h"
#include "trace/ChartStyle.h"

#include <QPointer>
#include <QSize>
#include <optional>
#include <vector>

class QPaintDevice;
class QWidget;

namespace trace {

// The chart side of the window: a plain widget that the chart painter draws
// in the screen's colours, from the same layout a page or a picture of that
// size gets. It owns its widget (put it into a layout; if a parent widget
// deletes it first, the chart simply stops drawing). Every change asks for a
// repaint, which Qt makes once per event-loop turn however many changes a
// redraw makes. The mouse and keys are the owner's: it filters the widget's
// events and maps positions with distanceAt() and xOf().
class ScreenChart : public Chart {
public:
    explicit ScreenChart(int seriesCount);
    ~ScreenChart() override;

    QWidget* view() const;

    // The slots labelled on the plot (the cursors) with their line label.
    void setLabelledLines(const QList<int>& lines);
    // The screen's style for a device: the widget's, or a picture's.
    ChartStyle styleFor(const QPaintDevice* device) const;
    // Where everything goes at the widget's present size, as the next paint draws it.
    const ChartLayout& layout() const;

    // The distance in metres at a point of the widget; nothing outside the
    // plot unless `anywhere` (a drag), nor while the axis has no range.
    std::optional<double> distanceAt(const QPointF& at, bool anywhere = false) const;
    // Where a distance in metres falls across the widget.
    std::optional<double> xOf(double metres) const;

    // Called as the widget begins to paint: what a batch changed so far is
    // asked for first.
    void painting() const;

protected:
    void pointsChanged(int slot) override;
    void styleChanged(int slot) override;
    void activeChanged(int slot) override;
    void axisChanged(Axis axis, AxisPart part) override;
    void nameChanged() override;
    void marksChanged() override;
    void batchEnded() override;

private:
    // Something of the axes changed: everything is laid out and drawn again.
    void changed() const;
    // Something inside the plot changed; `relayout` when the layout may differ.
    void plotChanged(bool relayout) const;
    // The traces changed in a batch ask for the pixels they left and those
    // they take; the same points set again ask for none.
    void settle() const;

    // A slot's points as last painted, with their extent once measured.
    struct Shown {
        QList<QPointF> points;
        std::optional<QRectF> extent;
    };
    QRectF extentOf(Shown& shown) const;
    // Whether the layout was made for the axis's present limits.
    bool laidOutLimits(Axis axis) const;

    QPointer<QWidget> view_;
    QList<int> labelledLines_;
    mutable std::optional<ChartLayout> layout_;
    mutable QSize layoutSize_;
    mutable std::vector<Shown> shown_;
    mutable std::vector<int> touched_; // slots changed in a batch, not yet settled
    mutable bool limitsTouched_ = false;
};

} // namespace trace

#pragma once
#include <QColor>
#include <QList>
#include <QPointF>
#include <QString>
#include <array>
#include <vector>

namespace trace {

enum class Axis { Bottom = 0, Top = 1, Left = 2 };
enum class AxisPart { Min, Max, Title };

// A labelled tick at a distance over the plot, outside the slots: it is in
// no legend and no cursor takes it.
struct EventMark {
    double metres = 0;
    QString label;
    int polarity = 1; // +1 drawn pointing up, -1 down, 0 neither

    bool operator==(const EventMark&) const = default;
};

// One chart of the trace view: numbered line series ("slots") and three axes.
// The renderers only talk to this interface. It keeps the full, logical content
// of every slot (points, activation, line style) and the axis limits; a concrete
// side (recording for tests, the screen, the report) follows the changes
// through the protected hooks.
class Chart {
public:
    virtual ~Chart();
    Chart(const Chart&) = delete;
    Chart& operator=(const Chart&) = delete;

    int seriesCount() const { return int(slots_.size()); }
    const QString& name() const { return name_; }
    void setName(const QString& name);
    // What the chart shows, for people and screen readers ("Waveform overview").
    const QString& description() const { return description_; }
    void setDescription(const QString& text);

    void clear(int slot);
    void addPoint(int slot, double x, double y);
    void addPoints(int slot, const QList<QPointF>& points);
    const QList<QPointF>& points(int slot) const;

    void setActive(int slot, bool active);
    bool isActive(int slot) const;

    // An axis refuses a minimum above its maximum and a maximum below its
    // minimum, as the chart toolkit of the earlier program did; the return
    // value says whether the limit was taken.
    double axisMin(Axis axis) const { return axis_[index(axis)].min; }
    double axisMax(Axis axis) const { return axis_[index(axis)].max; }
    bool setAxisMin(Axis axis, double value);
    bool setAxisMax(Axis axis, double value);
    // Sets both limits, trying the order that the current limits accept.
    void setAxisRange(Axis axis, double min, double max);
    const QString& axisTitle(Axis axis) const { return axis_[index(axis)].title; }
    void setAxisTitle(Axis axis, const QString& title);

    // The horizontal axis the series are drawn against (Top or Bottom).
    Axis distanceAxis() const { return distanceAxis_; }
    void setDistanceAxis(Axis axis);

    void setStairs(int slot, bool on);
    bool stairs(int slot) const;
    void setInvertedStairs(int slot, bool on);
    bool invertedStairs(int slot) const;

    void setTitle(int slot, const QString& title);
    QString title(int slot) const;
    void setColor(int slot, const QColor& color);
    QColor color(int slot) const;
    // Dashed lines stay out of the legend (the window frame).
    void setDashed(int slot, bool dashed);
    bool dashed(int slot) const;
    // What the legend calls a trace: the name of the waveform it shows. A slot
    // without one (cursor lines, "Top"/"Bottom", an unused slot) stays out of the legend.
    void setLegendName(int slot, const QString& name);
    QString legendName(int slot) const;

    // The event ticks over the plot; empty when none are shown.
    void setEventMarks(const QList<EventMark>& marks);
    const QList<EventMark>& eventMarks() const { return eventMarks_; }

    // What a labelled line (a cursor) says where a target labels it: its
    // distance on the screen; without one, the slot's title. Written between
    // the first two labelled lines: the span label (their distance apart).
    // Neither is copied by copyFrom: each target labels its own lines.
    void setLineLabel(int slot, const QString& text);
    QString lineLabel(int slot) const;
    void setSpanLabel(const QString& text);
    const QString& spanLabel() const { return spanLabel_; }

    // Makes this chart an exact copy of another one with the same slot count.
    void copyFrom(const Chart& other);

    // The changes made while a Batch lives are followed as one when the last
    // ends: a redraw sets most slots again to the points they had.
    class Batch {
    public:
        explicit Batch(Chart& chart) : chart_(chart) { ++chart_.batched_; }
        ~Batch() {
            if (--chart_.batched_ == 0) chart_.batchEnded();
        }
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        Chart& chart_;
    };

protected:
    explicit Chart(int seriesCount);

    virtual void pointsChanged(int slot) {}
    virtual void styleChanged(int slot) {}
    virtual void activeChanged(int slot) {}
    virtual void axisChanged(Axis axis, AxisPart part) {}
    virtual void nameChanged() {}
    // Event marks, line labels or the span label changed.
    virtual void marksChanged() {}
    virtual void batchEnded() {}
    bool batched() const { return batched_ > 0; }

    bool validSlot(int slot) const { return slot >= 0 && slot < seriesCount(); }

private:
    struct Slot {
        QList<QPointF> points;
        bool active = false;
        bool stairs = false;
        bool inverted = false;
        bool dashed = false;
        QString title;
        QString legendName;
        QColor color;
    };
    struct AxisState {
        double min = 0;
        double max = 0;
        QString title;
    };
    static int index(Axis axis) { return int(axis); }

    std::vector<Slot> slots_;
    std::array<AxisState, 3> axis_;
    Axis distanceAxis_ = Axis::Bottom;
    QString name_;
    QString description_;
    QList<EventMark> eventMarks_;
    std::vector<QString> lineLabels_;
    QString spanLabel_;
    int batched_ = 0;
};

} // namespace trace

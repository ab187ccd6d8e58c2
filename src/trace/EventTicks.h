#pragma once
#include <QGraphicsObject>
#include <QList>
#include <QPolygonF>

namespace trace {

class QtChart;

// The chart's event marks drawn over its plot: at each distance a small
// triangle on the plot's lower edge, pointing up for an open-like echo and
// down for a short-like one (a bar for the launch end), with its number above. Placed again whenever the
// marks (place()), the plot area, the distance axis or the length unit
// change. The chart owns it.
class EventTicks : public QGraphicsObject {
    Q_OBJECT
public:
    explicit EventTicks(const QtChart& chart);

    struct Tick {
        QString label;
        double x = 0;     // in the chart's coordinates
        int polarity = 1; // 0 for the launch end
    };
    // As drawn: only the marks inside the plot.
    const QList<Tick>& ticks() const { return ticks_; }

    QRectF boundingRect() const override { return area_; }
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

public slots:
    void place();

private:
    const QtChart& chart_;
    QList<Tick> ticks_;
    QRectF area_;
};

} // namespace trace

#pragma once
#include <QGraphicsObject>
#include <QString>
#include <array>
#include <optional>

namespace store {
class ViewState;
}

namespace trace {

class QtChart;

// The small labels on the lower chart's cursor lines: each line's distance at
// its top and, between the two lines, their distance L. Drawn over the plot
// area from the cursor slots and the boxes, and placed again whenever these,
// the plot area or the distance axis change. The chart owns it.
class CursorMarks : public QGraphicsObject {
    Q_OBJECT
public:
    CursorMarks(const QtChart& chart, const store::ViewState& state);

    // K1, K2 and L as drawn; an empty text is not drawn.
    struct Mark {
        QString text;
        QPointF at; // the text's top left corner, in the chart's coordinates
        QColor color;
    };
    const std::array<Mark, 3>& marks() const { return marks_; }

    QRectF boundingRect() const override { return area_; }
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    void place();
    // The line's horizontal place in the chart, or nothing when it is not drawn.
    std::optional<double> lineAt(int slot) const;

    const QtChart& chart_;
    const store::ViewState& state_;
    std::array<Mark, 3> marks_;
    QRectF area_;
};

} // namespace trace

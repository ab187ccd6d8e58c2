#pragma once
#include <QObject>

namespace store {
class ViewState;
}

namespace trace {

class Chart;

// What the lower chart writes on its cursor lines: each line's distance and,
// between the two lines, their distance L, in the shown unit, kept in step
// with the cursor boxes. The chart places and draws them (ChartLayout).
class CursorMarks : public QObject {
    Q_OBJECT
public:
    CursorMarks(Chart& chart, const store::ViewState& state, QObject* parent);

private:
    void show();

    Chart& chart_;
    const store::ViewState& state_;
};

} // namespace trace

#pragma once
#include "report/ReportItem.h"
#include "trace/Chart.h"
#include "trace/ChartPainter.h"

namespace report {

// A chart of the report (QRChart1, QRChart2): it keeps what the trace view
// puts into it, as every chart does, and draws it when the page is printed.
class ReportChart : public ReportItem, public trace::Chart {
    Q_OBJECT
public:
    ReportChart(const QString& name, const QRectF& rect, int seriesCount, QObject* parent);

    // Slots drawn as vertical lines that carry their title on the page (the cursors).
    QList<int> labelledLines;

    // The chart's fonts in design pixels, the cursors' labels legible on paper.
    trace::ChartStyle style(const QPainter& painter) const;
    void paint(QPainter& painter, const QPointF& bandOrigin) const override;

protected:
    void nameChanged() override;
};

} // namespace report

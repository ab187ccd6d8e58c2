#include "report/ReportChart.h"

#include "trace/ChartPainter.h"

#include <QPainter>

namespace report {

ReportChart::ReportChart(const QString& name, const QRectF& rect, int seriesCount, QObject* parent)
    : ReportItem(name, rect, parent), trace::Chart(seriesCount) {
    setName(name);
}

trace::ChartStyle ReportChart::style(const QPainter& painter) const {
    trace::ChartStyle s = trace::ChartStyle::standard(painter.device());
    s.labelledLines = labelledLines;
    s.labelColour = &ReportItem::legibleOnPaper;
    return s;
}

void ReportChart::paint(QPainter& painter, const QPointF& bandOrigin) const {
    trace::ChartPainter::paint(painter, *this, rect.translated(bandOrigin), style(painter));
}

void ReportChart::nameChanged() { setObjectName(name()); }

} // namespace report

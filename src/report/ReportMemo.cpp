#include "report/ReportMemo.h"

#include <QFontMetricsF>
#include <QPainter>

namespace report {

ReportMemo::ReportMemo(const QString& name, const QRectF& rect, double points, QObject* parent)
    : ReportItem(name, rect, parent), points(points) {}

void ReportMemo::paint(QPainter& painter, const QPointF& bandOrigin) const {
    if (lines.isEmpty()) return;
    painter.setFont(designFont(painter, points));
    painter.setPen(Qt::black);
    const QFontMetricsF metrics(painter.font(), painter.device());
    const QRectF box = rect.translated(bandOrigin);
    const double step = metrics.lineSpacing();
    double baseline = box.top() + metrics.ascent();
    for (const QString& line : lines) {
        if (baseline > box.bottom()) break;
        painter.drawText(QPointF(box.left(), baseline),
                         metrics.elidedText(line, Qt::ElideRight, box.width()));
        baseline += step;
    }
}

} // namespace report

#include "report/ReportLabel.h"

#include <QFontMetricsF>
#include <QPainter>

namespace report {

ReportLabel::ReportLabel(const QString& name, const QRectF& rect, double points, QObject* parent)
    : ReportItem(name, rect, parent), points(points) {}

void ReportLabel::paint(QPainter& painter, const QPointF& bandOrigin) const {
    if (caption.isEmpty()) return;
    painter.setFont(designFont(painter, points, bold, italic));
    painter.setPen(Qt::black);
    const QRectF box = rect.translated(bandOrigin);
    const QString shown =
        QFontMetricsF(painter.font(), painter.device()).elidedText(caption, Qt::ElideRight, box.width());
    painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
}

} // namespace report

#include "report/ReportImage.h"

#include <QPainter>

namespace report {

ReportImage::ReportImage(const QString& name, const QRectF& rect, QObject* parent)
    : ReportItem(name, rect, parent) {}

void ReportImage::paint(QPainter& painter, const QPointF& bandOrigin) const {
    if (image.isNull()) return;
    painter.drawImage(rect.translated(bandOrigin), image);
}

} // namespace report

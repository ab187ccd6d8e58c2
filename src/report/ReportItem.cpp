#include "report/ReportItem.h"

#include <QPaintDevice>
#include <QPainter>

namespace report {

const QString ReportItem::kFontFamily = QStringLiteral("Arial");

ReportItem::ReportItem(const QString& name, const QRectF& rect, QObject* parent)
    : QObject(parent), rect(rect) {
    setObjectName(name);
}

QFont ReportItem::designFont(const QPainter& painter, double points, bool bold, bool italic) {
    QFont font(kFontFamily);
    font.setStyleHint(QFont::SansSerif);
    const QPaintDevice* device = painter.device();
    const double dpi = device && device->logicalDpiY() > 0 ? device->logicalDpiY() : 96.0;
    font.setPointSizeF(points * 96.0 / dpi);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

} // namespace report

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

QColor ReportItem::legibleOnPaper(const QColor& colour) {
    // Perceived brightness, 0..255; above this, text on white fades.
    constexpr double kMaxBrightness = 120;
    const double brightness = 0.299 * colour.red() + 0.587 * colour.green() + 0.114 * colour.blue();
    if (brightness <= kMaxBrightness) return colour;
    const double f = kMaxBrightness / brightness;
    return QColor(int(colour.red() * f), int(colour.green() * f), int(colour.blue() * f));
}

} // namespace report

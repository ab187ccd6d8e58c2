#include "trace/ChartStyle.h"

#include <QPaintDevice>

namespace trace {

ChartStyle ChartStyle::standard(const QPaintDevice* device) {
    ChartStyle s;
    const double dpi = device && device->logicalDpiY() > 0 ? device->logicalDpiY() : 96.0;
    s.font.setFamily(QStringLiteral("Sans Serif"));
    s.font.setStyleHint(QFont::SansSerif);
    s.font.setPointSizeF(7 * 96.0 / dpi);
    s.boldFont = s.font;
    s.boldFont.setBold(true);
    return s;
}

ChartStyle ChartStyle::screen(const QPaintDevice* device) {
    ChartStyle s = standard(device);
    s.plotBackground = Qt::black;
    s.grid = QColor(60, 60, 60);
    s.legendBackground = Qt::black;
    s.plotInk = Qt::white;
    s.labelBacking = QColor(0, 0, 0, 170);
    s.openLike = QColor(255, 170, 0);
    s.shortLike = QColor(0, 220, 120);
    s.neither = Qt::white;
    return s;
}

} // namespace trace

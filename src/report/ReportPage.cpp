#include "report/ReportPage.h"

#include "report/ReportBand.h"

#include <QMarginsF>
#include <QPageSize>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>

namespace report {

ReportPage::ReportPage(QObject* parent) : QObject(parent) { setObjectName(QStringLiteral("QuickRep1")); }

QPageLayout ReportPage::pageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter);
}

void ReportPage::paint(QPainter& painter) const {
    const QPaintDevice* device = painter.device();
    if (!device || device->logicalDpiX() <= 0 || device->logicalDpiY() <= 0) return;
    painter.save();
    painter.scale(device->logicalDpiX() / 96.0, device->logicalDpiY() / 96.0);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    double top = 0;
    for (const ReportBand* band : bands) {
        band->paint(painter, top, kContentWidth);
        top += std::max(band->height, 0);
    }
    painter.restore();
}

} // namespace report

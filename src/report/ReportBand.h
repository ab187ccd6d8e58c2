#pragma once
#include <QList>
#include <QObject>

class QPainter;

namespace report {

class ReportItem;

// A horizontal strip of the page with its items. Bands are printed one under
// the other, so a band's height moves everything below it; items are cut at
// the band's edges (a band of height 1 hides its chart).
class ReportBand : public QObject {
    Q_OBJECT
public:
    ReportBand(const QString& name, int height, QObject* parent);

    int height;
    QList<ReportItem*> items; // owned by the form

    void paint(QPainter& painter, double top, double width) const;
};

} // namespace report

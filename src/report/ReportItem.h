#pragma once
#include <QColor>
#include <QFont>
#include <QObject>
#include <QRectF>

class QPainter;

namespace report {

// One printable part of a band. Its place is in design pixels (96 per inch),
// relative to the band's top-left corner; the page scales them to paper.
class ReportItem : public QObject {
    Q_OBJECT
public:
    ReportItem(const QString& name, const QRectF& rect, QObject* parent);

    QRectF rect;

    virtual void paint(QPainter& painter, const QPointF& bandOrigin) const = 0;

    // The font of the given point size for a painter that draws in design
    // pixels: the painter's scale must not enlarge the type a second time.
    static QFont designFont(const QPainter& painter, double points, bool bold = false, bool italic = false);
    // A trace's colour for text on white paper: a light one (yellow, light
    // green) darkened until it reads, any other as it is.
    static QColor legibleOnPaper(const QColor& colour);
    static const QString kFontFamily;
};

} // namespace report

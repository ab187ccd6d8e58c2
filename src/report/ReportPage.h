#pragma once
#include <QList>
#include <QObject>
#include <QPageLayout>

class QPainter;

namespace report {

class ReportBand;

// The report's page (QuickRep1): A4 portrait with 10 mm margins, and the
// bands printed on it from the top of the printable area down.
class ReportPage : public QObject {
    Q_OBJECT
public:
    explicit ReportPage(QObject* parent);

    // Printable width between the margins, in design pixels (96 per inch).
    static constexpr double kContentWidth = 190.0 / 25.4 * 96.0;
    static constexpr double kContentHeight = 277.0 / 25.4 * 96.0;
    static constexpr double kMarginMm = 10.0;

    QList<ReportBand*> bands; // printing order; owned by the form

    static QPageLayout pageLayout();
    // Draws the page on a painter whose origin is the printable area's corner
    // (a printer or PDF writer with the layout above).
    void paint(QPainter& painter) const;
};

} // namespace report

#include "trace/ChartPainter.h"
#include "fakes/RecordingChart.h"
#include "report/ReportChart.h"
#include "report/Tform_print.h"
#include "trace/ChartSet.h"
#include "trace/SlotLayout.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace report;
using trace::Axis;
using trace::SlotLayout;

namespace {

// A lower report chart drawn at 96 dpi onto a white picture, so that design
// pixels are picture pixels and a trace can be found by its colour.
class ChartPainterTest : public ::testing::Test {
protected:
    ChartPainterTest()
        : chart(QStringLiteral("QRChart2"), QRectF(0, 0, 673, 281), SlotLayout::kLowerCount, nullptr) {
        SlotLayout::setupLower(chart);
        chart.setAxisRange(Axis::Bottom, 0, 100);
        chart.setActive(SlotLayout::kCursorK1, false);
        chart.setActive(SlotLayout::kCursorK2, false);
    }

    QImage draw() {
        QImage image(673, 281, QImage::Format_RGB32);
        image.setDotsPerMeterX(3780); // 96 dpi
        image.setDotsPerMeterY(3780);
        image.fill(Qt::white);
        QPainter p(&image);
        plot = trace::ChartPainter::paint(p, chart, QRectF(0, 0, 673, 281), chart.style(p)).plot;
        p.end();
        return image;
    }

    QPoint at(double x, double y) const {
        return QPoint(int(plot.left() + x / 100 * plot.width()),
                      int(plot.bottom() - (y + 130) / 260 * plot.height()));
    }

    // Whether a pixel near `p` has the colour `c` (lines are antialiased).
    static bool near(const QImage& image, QPoint p, QColor c) {
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy) {
                const QColor got = image.pixelColor(p + QPoint(dx, dy));
                if (std::abs(got.red() - c.red()) < 60 && std::abs(got.green() - c.green()) < 60 &&
                    std::abs(got.blue() - c.blue()) < 60 && got != QColor(Qt::white))
                    return true;
            }
        return false;
    }

    ReportChart chart;
    QRectF plot;
};

} // namespace

TEST_F(ChartPainterTest, activeSlot_isDrawnInItsColour_inactiveOneNot) {
    const QColor red(220, 0, 0), blue(0, 0, 220);
    chart.setColor(SlotLayout::kLowerCurrent, red);
    chart.addPoints(SlotLayout::kLowerCurrent, {{0, 50}, {100, 50}});
    chart.setActive(SlotLayout::kLowerCurrent, true);
    chart.setColor(SlotLayout::kLowerCompare1, blue);
    chart.addPoints(SlotLayout::kLowerCompare1, {{0, -50}, {100, -50}});
    chart.setActive(SlotLayout::kLowerCompare1, false);
    const QImage image = draw();
    EXPECT_TRUE(near(image, at(50, 50), red));
    EXPECT_FALSE(near(image, at(50, -50), blue));
}

TEST_F(ChartPainterTest, stairsAndInvertedStairs_turnAtTheirCorners) {
    const QColor red(220, 0, 0);
    chart.setColor(SlotLayout::kLowerCurrent, red);
    chart.addPoints(SlotLayout::kLowerCurrent, {{20, 0}, {80, 100}});
    chart.setActive(SlotLayout::kLowerCurrent, true);
    chart.setStairs(SlotLayout::kLowerCurrent, true);
    QImage image = draw();
    EXPECT_TRUE(near(image, at(79, 0), red)); // level first, then up
    EXPECT_FALSE(near(image, at(21, 100), red));
    chart.setInvertedStairs(SlotLayout::kLowerCurrent, true);
    image = draw();
    EXPECT_TRUE(near(image, at(21, 100), red)); // up first, then level
    EXPECT_FALSE(near(image, at(79, 0), red));
}

TEST_F(ChartPainterTest, pointsOutsideTheAxes_areCutAtThePlot) {
    const QColor red(220, 0, 0);
    chart.setColor(SlotLayout::kLowerCurrent, red);
    // The flat tail of a short plan runs far beyond the lower chart's range.
    chart.addPoints(SlotLayout::kLowerCurrent, {{0, 0}, {5000, 0}});
    chart.setActive(SlotLayout::kLowerCurrent, true);
    const QImage image = draw();
    EXPECT_TRUE(near(image, at(90, 0), red));
    const QPoint beyond(int(plot.right()) + 6, at(90, 0).y());
    EXPECT_FALSE(near(image, beyond, red));
}

TEST_F(ChartPainterTest, emptyOrReversedAxis_drawsFrameWithoutTraces) {
    chart.setAxisRange(Axis::Bottom, 0, 0);
    chart.addPoints(SlotLayout::kLowerCurrent, {{0, 0}, {1, 0}});
    chart.setActive(SlotLayout::kLowerCurrent, true);
    const QImage image = draw();
    EXPECT_FALSE(near(image, at(50, 0), SlotLayout::currentColor()));
}

TEST(ReportChartCopies, attachedReportCharts_followTheWindowCharts) {
    trace::RecordingChart upper(SlotLayout::kUpperCount), lower(SlotLayout::kLowerCount);
    trace::ChartSet charts(upper, lower);
    charts.upper().addPoint(SlotLayout::kUpperCurrent, 1, 2);
    Tform_print form;
    charts.attachCopies(*form.QRChart1, *form.QRChart2);
    EXPECT_EQ(form.QRChart1->points(SlotLayout::kUpperCurrent), QList<QPointF>({{1, 2}}));

    charts.lower().setAxisRange(Axis::Bottom, 100, 225);
    charts.lower().addPoint(SlotLayout::kCursorK1, 150, -130);
    EXPECT_EQ(form.QRChart2->axisMin(Axis::Bottom), 100);
    EXPECT_EQ(form.QRChart2->axisMax(Axis::Bottom), 225);
    EXPECT_EQ(form.QRChart2->points(SlotLayout::kCursorK1).size(), 1);
    EXPECT_EQ(form.findChild<ReportChart*>(QStringLiteral("QRChart1")), form.QRChart1);
    EXPECT_EQ(form.findChild<ReportChart*>(QStringLiteral("QRChart2")), form.QRChart2);
}

#include "trace/ScreenChart.h"
#include "fakes/RecordingChart.h"
#include "trace/ChartPainter.h"
#include "trace/ChartSet.h"
#include "trace/SlotLayout.h"

#include <QBackingStore>
#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <QWidget>
#include <cmath>
#include <gtest/gtest.h>

using namespace trace;

namespace {

struct ScreenChartTest : ::testing::Test {
    ScreenChart upper{SlotLayout::kUpperCount}, lower{SlotLayout::kLowerCount};
    RecordingChart upperCopy{SlotLayout::kUpperCount}, lowerCopy{SlotLayout::kLowerCount};
    ChartSet charts{upper, lower};
    ScreenChartTest() {
        charts.attachCopies(upperCopy, lowerCopy);
        lower.view()->resize(800, 400);
    }

    // Whether a pixel within one of `at` (lines are smoothed) is mostly `c`.
    static bool near(const QImage& image, QPointF at, QColor c) {
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy) {
                const QColor got = image.pixelColor(at.toPoint() + QPoint(dx, dy));
                if (std::abs(got.red() - c.red()) + std::abs(got.green() - c.green()) +
                        std::abs(got.blue() - c.blue()) <
                    90)
                    return true;
            }
        return false;
    }
};

} // namespace

TEST_F(ScreenChartTest, theWidgetDrawsTheTracesWhereItsLayoutMapsThem) {
    EXPECT_EQ(upper.view()->objectName(), "DBChart1");
    EXPECT_EQ(lower.view()->objectName(), "TDBChart1");
    EXPECT_EQ(lower.view()->accessibleName(), "Waveform detail");

    const ChartPair pair = charts.lower();
    pair.setAxisRange(Axis::Bottom, 100, 350);
    pair.addPoints(SlotLayout::kLowerCurrent, {{100, 40}, {350, 40}});
    // Far outside the axes: clipped, never wrapped around into view.
    pair.addPoints(SlotLayout::kLowerCompare1, {{-1e300, 1e300}, {1e12, -1e12}});
    pair.setActive(SlotLayout::kLowerCurrent, true);
    pair.setActive(SlotLayout::kLowerCompare1, true);
    EXPECT_EQ(lowerCopy.points(SlotLayout::kLowerCurrent), lower.points(SlotLayout::kLowerCurrent));

    const ChartLayout& l = lower.layout();
    ASSERT_TRUE(l.valid());
    EXPECT_EQ(l.yMin, -130);
    EXPECT_EQ(l.yMax, 130);
    ASSERT_TRUE(lower.xOf(225).has_value());
    const QPointF at(*lower.xOf(225), l.mapY(40));
    EXPECT_NEAR(*lower.distanceAt(at), 225, 0.5);
    EXPECT_FALSE(lower.distanceAt(l.plot.topLeft() - QPointF(5, 5)).has_value());
    EXPECT_TRUE(lower.distanceAt(l.plot.topLeft() - QPointF(5, 5), true).has_value());

    QImage image = lower.view()->grab().toImage();
    EXPECT_TRUE(near(image, at, SlotLayout::currentColor()));
    pair.setActive(SlotLayout::kLowerCurrent, false);
    image = lower.view()->grab().toImage();
    EXPECT_FALSE(near(image, at, SlotLayout::currentColor()));

    // A degenerate range draws the frame and maps nothing.
    pair.setAxisRange(Axis::Bottom, 5, 5);
    EXPECT_FALSE(lower.xOf(5).has_value());
    EXPECT_FALSE(lower.distanceAt(l.plot.center()).has_value());
    EXPECT_FALSE(lower.view()->grab().isNull());
}

TEST_F(ScreenChartTest, aLongTraceThinnedToThePixelsKeepsItsSinglePeak) {
    const ChartPair pair = charts.lower();
    pair.setAxisRange(Axis::Bottom, 0, 50000);
    for (int q = 0; q < 50000; ++q) pair.addPoint(SlotLayout::kLowerCurrent, q, q == 25000 ? 120 : 0);
    pair.setActive(SlotLayout::kLowerCurrent, true);
    EXPECT_EQ(lowerCopy.points(SlotLayout::kLowerCurrent).size(), 50000);
    const ChartLayout& l = lower.layout();
    const QImage image = lower.view()->grab().toImage();
    EXPECT_TRUE(near(image, {l.mapX(25000), l.mapY(110)}, SlotLayout::currentColor()));
    EXPECT_TRUE(near(image, {l.mapX(10000), l.mapY(0)}, SlotLayout::currentColor()))
        << "its level stretches too";
}

// A moved trace repaints only the plot, over the axes kept from before: what
// the window then holds is what the chart painter draws whole, dot for dot.
TEST_F(ScreenChartTest, aPartialRepaintLeavesWhatAWholePaintDraws) {
    const ChartPair pair = charts.lower();
    pair.setAxisRange(Axis::Bottom, 0, 250);
    QList<QPointF> wave;
    for (int i = 0; i <= 500; ++i) wave.append({i * 0.5, (i * 37) % 101 - 50});
    pair.addPoints(SlotLayout::kLowerCurrent, wave);
    pair.setActive(SlotLayout::kLowerCurrent, true);
    lower.view()->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(lower.view()));
    QCoreApplication::processEvents();
    for (QPointF& p : wave) p.ry() = -p.y() / 2;
    pair.clear(SlotLayout::kLowerCurrent);
    pair.addPoints(SlotLayout::kLowerCurrent, wave);
    QCoreApplication::processEvents();

    QBackingStore* store = lower.view()->backingStore();
    ASSERT_NE(store, nullptr);
    auto* shown = dynamic_cast<QImage*>(store->paintDevice());
    if (!shown) GTEST_SKIP() << "this platform's window is not an image";
    const QImage partly = shown->copy(lower.view()->rect());
    QImage whole(partly.size(), partly.format());
    whole.setDotsPerMeterX(int(std::lround(lower.view()->logicalDpiX() / 0.0254)));
    whole.setDotsPerMeterY(int(std::lround(lower.view()->logicalDpiY() / 0.0254)));
    QPainter painter(&whole);
    ChartPainter::paint(painter, lower, QRectF(whole.rect()), lower.styleFor(&whole));
    painter.end();
    EXPECT_EQ(partly, whole);
    lower.view()->hide();
}

TEST(ScreenChart, aViewDeletedByItsParentStopsDrawingQuietly) {
    auto* chart = new ScreenChart(2);
    delete chart->view();
    chart->addPoint(0, 1, 1);
    chart->setAxisRange(Axis::Bottom, 0, 5);
    EXPECT_EQ(chart->view(), nullptr);
    EXPECT_FALSE(chart->xOf(1).has_value());
    EXPECT_EQ(chart->points(0).size(), 1);
    delete chart;
}

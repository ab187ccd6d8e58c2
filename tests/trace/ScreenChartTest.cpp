#include "trace/ScreenChart.h"
#include "fakes/RecordingChart.h"
#include "trace/ChartPainter.h"
#include "trace/ChartSet.h"
#include "trace/PixelStamp.h"
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
    for (int i = 0; i <= 500; ++i) wave.append({i * 0.5, (i * 37) % 101 - 50.0});
    pair.addPoints(SlotLayout::kLowerCurrent, wave);
    pair.setActive(SlotLayout::kLowerCurrent, true);
    // A compare trace that stays while the current one moves, both in the legend.
    QList<QPointF> compare;
    for (int i = 0; i <= 500; ++i) compare.append({i * 0.5, (i * 53) % 117 - 40.0});
    pair.addPoints(SlotLayout::kLowerCompare1, compare);
    pair.setActive(SlotLayout::kLowerCompare1, true);
    pair.setLegendName(SlotLayout::kLowerCurrent, QStringLiteral("#12 cable A"));
    pair.setLegendName(SlotLayout::kLowerCompare1, QStringLiteral("#7 cable B"));
    lower.view()->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(lower.view()));
    QCoreApplication::processEvents();
    const auto redraw = [&] {
        // As a redraw: the current trace moves, the compare one is set again as it was.
        const ChartSet::Batch batch(charts);
        pair.clear(SlotLayout::kLowerCurrent);
        pair.addPoints(SlotLayout::kLowerCurrent, wave);
        pair.clear(SlotLayout::kLowerCompare1);
        pair.addPoints(SlotLayout::kLowerCompare1, QList<QPointF>(compare.cbegin(), compare.cend()));
    };
    const auto expectWholePaint = [&] {
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
    };
    for (QPointF& p : wave) p.ry() = -p.y() / 2;
    redraw();
    expectWholePaint();
    // A plan beside a long compare record: a level tail far past the plot, moved up.
    for (QPointF& p : wave) p.ry() += 20;
    for (int q = 501; q < 60000; ++q) wave.append({q * 0.5, 20});
    redraw();
    expectWholePaint();
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

// The window's traces are set dot by dot, past the painter: they must be
// the dots the painter itself draws. Level and upright steps dot for dot;
// sloped lines, a line from far outside the plot and a trace denser than
// the pixels within one dot of the painter's.
TEST_F(ScreenChartTest, theTracesDotsAreThePaintersOwn) {
    const ChartPair pair = charts.lower();
    pair.setAxisRange(Axis::Bottom, 0, 250);
    const auto paint = [&](QImage::Format format) {
        QImage image(800, 400, format);
        image.fill(Qt::white);
        QPainter painter(&image);
        ChartPainter::paint(painter, lower, QRectF(image.rect()), lower.styleFor(&image));
        painter.end();
        return image.convertToFormat(QImage::Format_RGB32);
    };
    const auto differing = [](const QImage& a, const QImage& b, int reach) {
        int n = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x) {
                bool found = false;
                for (int dy = -reach; dy <= reach && !found; ++dy)
                    for (int dx = -reach; dx <= reach && !found; ++dx) {
                        const QPoint at(x + dx, y + dy);
                        found = b.rect().contains(at) && b.pixel(at) == a.pixel(x, y);
                    }
                n += !found;
            }
        return n;
    };

    QList<QPointF> steps;
    for (int i = 0; i <= 500; ++i) steps.append({i * 0.5, (i * 37) % 101 - 50.0});
    pair.setStairs(SlotLayout::kLowerCurrent, true);
    pair.addPoints(SlotLayout::kLowerCurrent, steps);
    pair.setActive(SlotLayout::kLowerCurrent, true);
    // A 32-bit image the painter draws on gets the dots set directly; a
    // 24-bit one is left to the painter.
    const QImage own = paint(QImage::Format_RGB32), painters = paint(QImage::Format_RGB888);
    EXPECT_EQ(own, painters);

    QList<QPointF> sloped{{-40000, 80}, {10, -90}, {60, 100}, {61, -100}, {200, 20}, {250, 20}};
    pair.setStairs(SlotLayout::kLowerCompare1, false);
    pair.addPoints(SlotLayout::kLowerCompare1, sloped);
    pair.setActive(SlotLayout::kLowerCompare1, true);
    QList<QPointF> dense;
    for (int i = 0; i <= 20000; ++i) dense.append({i * 0.0125, 60 * std::sin(i * 0.01)});
    pair.addPoints(SlotLayout::kLowerCompare1 + 1, dense);
    pair.setActive(SlotLayout::kLowerCompare1 + 1, true);
    const QImage ownAll = paint(QImage::Format_RGB32), paintersAll = paint(QImage::Format_RGB888);
    EXPECT_EQ(differing(ownAll, paintersAll, 1), 0);
    EXPECT_EQ(differing(paintersAll, ownAll, 1), 0);
    EXPECT_NE(ownAll, own) << "the other traces were drawn";
}

TEST(PixelStamp, doesOverAnyPixelsWhatItsDrawingDoes) {
    const auto legendAndFrame = [](QPainter& p) {
        p.setPen(QPen(Qt::gray, 0.5));
        p.setBrush(Qt::black);
        p.drawRect(QRectF(20.3, 10.6, 90.2, 30.1));
        p.setPen(Qt::white);
        p.drawText(QPointF(26, 30), QStringLiteral("#12 cable A"));
        p.setPen(QPen(Qt::white, 0.8));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(4.5, 3.25, 150.5, 60));
    };
    QImage noise(170, 80, QImage::Format_RGB32);
    for (int y = 0; y < noise.height(); ++y)
        for (int x = 0; x < noise.width(); ++x)
            noise.setPixel(x, y, qRgb(x * 37 % 256, y * 91 % 256, (x ^ y) * 5 % 256));
    QImage painted = noise, stamped = noise;
    {
        QPainter p(&painted);
        legendAndFrame(p);
    }
    const std::optional<PixelStamp> stamp = PixelStamp::take({QRect(0, 0, 170, 80)}, noise, legendAndFrame);
    ASSERT_TRUE(stamp.has_value());
    {
        QPainter p(&stamped);
        EXPECT_TRUE(stamp->put(p));
    }
    EXPECT_EQ(stamped, painted);

    // A drawing whose pixels do not follow from the ones below by a blend cannot be kept.
    EXPECT_FALSE(PixelStamp::take({QRect(0, 0, 40, 40)}, noise, [](QPainter& p) {
        p.setCompositionMode(QPainter::CompositionMode_Difference);
        p.fillRect(QRect(5, 5, 20, 20), QColor(200, 120, 40));
    }));
}

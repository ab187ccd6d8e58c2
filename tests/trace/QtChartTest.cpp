#include "trace/QtChart.h"
#include "store/Units.h"
#include "trace/ChartSet.h"
#include "trace/RecordingChart.h"
#include "trace/SlotLayout.h"
#include "trace/TraceLayer.h"

#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QImage>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>
#include <gtest/gtest.h>

using namespace trace;

namespace {

struct QtChartTest : ::testing::Test {
    QtChart upper{SlotLayout::kUpperCount}, lower{SlotLayout::kLowerCount};
    RecordingChart upperCopy{SlotLayout::kUpperCount}, lowerCopy{SlotLayout::kLowerCount};
    ChartSet charts{upper, lower};
    QtChartTest() {
        charts.attachCopies(upperCopy, lowerCopy);
        lower.view()->resize(800, 400);
        lower.view()->show();
    }
    ~QtChartTest() override { lower.view()->hide(); }
};

} // namespace

TEST_F(QtChartTest, seriesShowWhatTheRecordingSideHolds) {
    EXPECT_EQ(upper.view()->objectName(), "DBChart1");
    EXPECT_EQ(lower.view()->objectName(), "TDBChart1");
    EXPECT_EQ(lower.view()->accessibleName(), "Waveform detail");

    const ChartPair pair = charts.lower();
    pair.setAxisRange(Axis::Bottom, 0, 250);
    for (int i = 0; i < 250; ++i) pair.addPoint(SlotLayout::kLowerCurrent, i, (i * 37) % 101 - 50);
    pair.setActive(SlotLayout::kLowerCurrent, true);
    QCoreApplication::processEvents(); // the change reaches Qt Charts on the next event-loop turn

    const TraceLayer* traces = lower.traces();
    QLineSeries* line = lower.series(SlotLayout::kLowerCurrent);
    ASSERT_NE(traces, nullptr);
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(traces->points(SlotLayout::kLowerCurrent), lowerCopy.points(SlotLayout::kLowerCurrent));
    EXPECT_TRUE(traces->traceVisible(SlotLayout::kLowerCurrent));
    EXPECT_EQ(traces->pen(SlotLayout::kLowerCurrent).color(), SlotLayout::currentColor());
    // The series carries the legend entry only.
    EXPECT_TRUE(line->isVisible());
    EXPECT_TRUE(line->points().isEmpty());
    EXPECT_EQ(line->name(), "  ниж.");
    EXPECT_EQ(line->pen().color(), SlotLayout::currentColor());
    EXPECT_FALSE(traces->traceVisible(SlotLayout::kLowerCompare1));
    EXPECT_FALSE(lower.series(SlotLayout::kLowerCompare1)->isVisible());
    EXPECT_EQ(lower.axis(Axis::Bottom)->min(), 0);
    EXPECT_EQ(lower.axis(Axis::Bottom)->max(), 250);
    EXPECT_EQ(lower.axis(Axis::Left)->min(), -130);
    EXPECT_EQ(lower.axis(Axis::Bottom)->titleText(), "scale, (m)");
    EXPECT_TRUE(upper.series(0)->attachedAxes().contains(upper.axis(Axis::Top)));
    EXPECT_TRUE(lower.series(0)->attachedAxes().contains(lower.axis(Axis::Bottom)));

    pair.setActive(SlotLayout::kLowerCurrent, false);
    EXPECT_FALSE(traces->traceVisible(SlotLayout::kLowerCurrent));
    EXPECT_FALSE(line->isVisible());
}

TEST_F(QtChartTest, stairsAreDrawnWithCornerPointsInTheirDirection) {
    const ChartPair pair = charts.upper();
    pair.setAxisRange(Axis::Top, 0, 10);
    pair.addPoints(0, {{0, 1}, {1, 5}, {2, 3}});
    pair.setStairs(0, true);
    lower.flush();
    upper.flush();
    EXPECT_EQ(upper.traces()->points(0), (QList<QPointF>{{0, 1}, {1, 1}, {1, 5}, {2, 5}, {2, 3}}));
    pair.setInvertedStairs(0, true);
    upper.flush();
    EXPECT_EQ(upper.traces()->points(0), (QList<QPointF>{{0, 1}, {0, 5}, {1, 5}, {1, 3}, {2, 3}}));
    // The logical points stay as they were added.
    EXPECT_EQ(upper.points(0), (QList<QPointF>{{0, 1}, {1, 5}, {2, 3}}));
    EXPECT_EQ(upperCopy.points(0), upper.points(0));
}

TEST_F(QtChartTest, longTracesAreThinnedButKeepTheirPictureAndFullLists) {
    const ChartPair pair = charts.lower();
    pair.setAxisRange(Axis::Bottom, 0, 250);
    for (int q = 0; q < 50000; ++q)
        pair.addPoint(SlotLayout::kLowerCurrent, q, q == 120 ? 100 : (q < 250 ? q % 50 : 0));
    lower.flush();
    const QList<QPointF> shown = lower.traces()->points(SlotLayout::kLowerCurrent);
    EXPECT_EQ(lower.points(SlotLayout::kLowerCurrent).size(), 50000);
    EXPECT_EQ(lowerCopy.points(SlotLayout::kLowerCurrent).size(), 50000);
    EXPECT_LT(shown.size(), 5000);
    EXPECT_TRUE(shown.contains(QPointF(120, 100)));
    EXPECT_TRUE(shown.contains(QPointF(49, 49)));
    EXPECT_EQ(shown.last(), QPointF(49999, 0));

    // Widening the axis brings the whole trace back into view.
    pair.setAxisRange(Axis::Bottom, 0, 60000);
    lower.flush();
    EXPECT_TRUE(lower.traces()->points(SlotLayout::kLowerCurrent).contains(QPointF(120, 100)));
}

TEST(QtChart, aViewDeletedByItsParentStopsDrawingQuietly) {
    auto* chart = new QtChart(2);
    delete chart->view();
    chart->addPoint(0, 1, 1);
    chart->setAxisRange(Axis::Bottom, 0, 5);
    chart->flush();
    EXPECT_EQ(chart->series(0), nullptr);
    EXPECT_EQ(chart->traces(), nullptr);
    EXPECT_EQ(chart->points(0).size(), 1);
    delete chart;
}

TEST_F(QtChartTest, linesLandWhereTheAxesPutTheirValues) {
    const ChartPair pair = charts.lower();
    pair.setAxisRange(Axis::Bottom, 100, 350);
    pair.addPoints(SlotLayout::kLowerCurrent, {{100, 40}, {350, 40}});
    // Far outside the axes: clipped, never wrapped around into view.
    pair.addPoints(SlotLayout::kLowerCompare1, {{-1e300, 1e300}, {1e12, -1e12}});
    pair.setActive(SlotLayout::kLowerCurrent, true);
    pair.setActive(SlotLayout::kLowerCompare1, true);
    lower.flush();
    QCoreApplication::processEvents();

    QChart* chart = lower.view()->chart();
    QLineSeries* series = lower.series(SlotLayout::kLowerCurrent);
    for (const QPointF value : {QPointF(100, -130), QPointF(350, 130), QPointF(275.5, 42.25)}) {
        QPointF mine;
        ASSERT_TRUE(lower.traces()->mapToPlot(value, mine));
        const QPointF theirs = chart->mapToPosition(value, series);
        EXPECT_NEAR(mine.x(), theirs.x(), 0.01);
        EXPECT_NEAR(mine.y(), theirs.y(), 0.01);
    }

    const QImage image = lower.view()->grab().toImage();
    const QPoint at = lower.view()->mapFromScene(chart->mapToScene(chart->mapToPosition({225, 40}, series)));
    bool found = false;
    for (int dy = -1; dy <= 1; ++dy)
        found = found || image.pixelColor(at + QPoint(0, dy)) == SlotLayout::currentColor();
    EXPECT_TRUE(found) << "no trace pixel near " << at.x() << "," << at.y();

    // A degenerate range draws nothing and maps nothing.
    pair.setAxisRange(Axis::Bottom, 5, 5);
    lower.flush();
    QPointF unused;
    EXPECT_FALSE(lower.traces()->mapToPlot({5, 0}, unused));
    EXPECT_FALSE(lower.view()->grab().isNull());
}

namespace {

// The most ticks an axis holds at any moment, even between two of the
// chart's own changes: each change makes Qt Charts lay every tick out.
struct TickWatch {
    int most = 0;
    void watch(QValueAxis* axis) {
        auto count = [this, axis] {
            const double span = axis->max() - axis->min();
            const int n = axis->tickType() == QValueAxis::TicksDynamic && axis->tickInterval() > 0
                              ? int(std::min(span / axis->tickInterval(), 1e9)) + 1
                              : axis->tickCount();
            most = std::max(most, n);
        };
        QObject::connect(axis, &QValueAxis::rangeChanged, axis, count);
        QObject::connect(axis, &QValueAxis::tickIntervalChanged, axis, count);
        QObject::connect(axis, &QValueAxis::tickTypeChanged, axis, count);
    }
    static constexpr int kLimit = 30;
};

} // namespace

TEST(QtChart, noAxisEverHoldsMoreThanAFewDozenTicks) {
    // Ranges as a read of every range gives them, with zooms deep into the
    // longest; sizes from none at all to a 4K screen, hidden or shown. The
    // first jumps are small, so that a fault shows as hundreds of ticks
    // rather than as a test that Qt Charts keeps busy for minutes.
    const QList<QPair<double, double>> ranges = {
        {0, 250}, {0, 12500}, {0, 250},   {30481.6, 30491.6}, {0, 50000}, {0, 0.01},        {0, 1e9},
        {5, 5},   {0, 12500}, {-1, 1e-9}, {0, 250},           {0, 0},     {24999.5, 25000}, {0, 25000}};
    for (const QSize size : {QSize(0, 0), QSize(1, 1), QSize(120, 80), QSize(800, 400), QSize(3840, 2160)}) {
        for (const bool visible : {false, true}) {
            for (const store::LengthUnit unit : {store::LengthUnit::Metres, store::LengthUnit::Feet}) {
                store::Units::setCurrent(unit);
                QtChart chart(SlotLayout::kLowerCount);
                TickWatch ticks;
                for (Axis a : {Axis::Bottom, Axis::Top, Axis::Left}) ticks.watch(chart.axis(a));
                chart.view()->resize(size);
                chart.view()->setVisible(visible);
                chart.addPoints(0, {{0, 1}, {50000, -1}});
                chart.setActive(0, true);
                for (const auto& [min, max] : ranges) {
                    if (ticks.most > TickWatch::kLimit) break;
                    chart.setAxisRange(Axis::Bottom, min, max);
                    chart.setAxisRange(Axis::Left, -130 * max / 250, 130 * max / 250);
                    chart.flush();
                    QCoreApplication::processEvents();
                }
                EXPECT_LE(ticks.most, TickWatch::kLimit)
                    << size.width() << "x" << size.height() << (visible ? " shown" : " hidden") << " in "
                    << store::Units::key(unit).toStdString();
            }
        }
    }
    store::Units::setCurrent(store::LengthUnit::Metres);
}

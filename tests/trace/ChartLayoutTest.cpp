#include "CommaLocale.h"
#include "fakes/RecordingChart.h"
#include "store/Units.h"
#include "trace/ChartPainter.h"
#include "trace/SlotLayout.h"

#include <QFontMetricsF>
#include <QImage>
#include <cmath>
#include <gtest/gtest.h>

using trace::Axis;
using trace::AxisTick;
using trace::ChartLayout;

namespace {

struct UnitScope {
    explicit UnitScope(store::LengthUnit u) { store::Units::setCurrent(u); }
    ~UnitScope() { store::Units::setCurrent(store::LengthUnit::Metres); }
};

// A step of 1, 2 or 5 × 10^n, and every tick a whole number of steps.
void expectRound(const QList<AxisTick>& ticks, const std::string& where) {
    if (ticks.size() < 2) return;
    const double step = ticks[1].value - ticks[0].value;
    const double mantissa = step / std::pow(10.0, std::floor(std::log10(step) + 1e-9));
    EXPECT_TRUE(std::abs(mantissa - 1) < 1e-6 || std::abs(mantissa - 2) < 1e-6 ||
                std::abs(mantissa - 5) < 1e-6)
        << where << " step " << step;
    for (int i = 0; i < ticks.size(); ++i) {
        const double k = ticks[i].value / step;
        EXPECT_NEAR(k, std::round(k), 1e-6) << where;
        if (i > 0) {
            EXPECT_NE(ticks[i].label, ticks[i - 1].label) << where << " labels tell ticks apart";
        }
    }
}

} // namespace

TEST(ChartLayoutTest, ticksAreBoundedRoundAndUncut_overRangesSizesAndUnits) {
    CommaLocale comma;
    trace::RecordingChart chart(trace::SlotLayout::kLowerCount);
    trace::SlotLayout::setupLower(chart);
    const trace::ChartStyle style = trace::ChartStyle::standard(nullptr);
    const QFontMetricsF metrics(style.font);
    // Whole plans of both families and zoom windows, at PR 1.0, 1.5 and 3.0.
    const QList<std::pair<double, double>> ranges = {{0, 12.5},  {0, 25},          {0, 100},     {0, 250},
                                                     {0, 1000},  {0, 4000},        {0, 12500},   {0, 50000},
                                                     {100, 101}, {1234.5, 1240.1}, {9990, 10010}};
    const QList<QSizeF> sizes = {{120, 80}, {200, 120}, {480, 200}, {800, 300}, {1920, 540}, {3840, 2160}};
    for (const store::LengthUnit unit : {store::LengthUnit::Metres, store::LengthUnit::Feet}) {
        const UnitScope scope(unit);
        for (const auto& [min, max] : ranges)
            for (const double pr : {1.0, 1.5, 3.0})
                for (const QSizeF& size : sizes) {
                    chart.setAxisRange(Axis::Bottom, min * pr, max * pr);
                    chart.setAxisRange(Axis::Left, -130, 130);
                    const QRectF frame(QPointF(0, 0), size);
                    const ChartLayout l = ChartLayout::of(chart, frame, style);
                    const std::string where = QStringLiteral("%1..%2 m ×%3 at %4×%5 %6")
                                                  .arg(min)
                                                  .arg(max)
                                                  .arg(pr)
                                                  .arg(size.width())
                                                  .arg(size.height())
                                                  .arg(store::Units::suffix())
                                                  .toStdString();
                    ASSERT_TRUE(frame.contains(l.plot)) << where;
                    EXPECT_LE(l.xTicks.size(), ChartLayout::kMaxIntervals + 1) << where;
                    EXPECT_LE(l.yTicks.size(), ChartLayout::kMaxIntervals + 1) << where;
                    if (size.width() >= 200) {
                        EXPECT_GE(l.xTicks.size(), 2) << where;
                    }
                    if (size.height() >= 120) {
                        EXPECT_GE(l.yTicks.size(), 3) << where;
                    }
                    expectRound(l.xTicks, where);
                    expectRound(l.yTicks, where);
                    double lastRight = -1e9;
                    for (const AxisTick& t : l.xTicks) {
                        const double w = metrics.horizontalAdvance(t.label);
                        EXPECT_GE(t.position - w / 2, frame.left()) << where << " " << t.label.toStdString();
                        EXPECT_LE(t.position + w / 2, frame.right()) << where << " " << t.label.toStdString();
                        EXPECT_GT(t.position - w / 2, lastRight) << where << " labels overlap";
                        lastRight = t.position + w / 2;
                    }
                    double lastTop = 1e9;
                    for (const AxisTick& t : l.yTicks) {
                        EXPECT_GE(t.position - metrics.height() / 2, frame.top()) << where;
                        EXPECT_LE(t.position + metrics.height() / 2, frame.bottom()) << where;
                        EXPECT_LT(t.position + metrics.height() / 2, lastTop) << where << " labels overlap";
                        lastTop = t.position - metrics.height() / 2;
                        EXPECT_GE(l.plot.left() - metrics.horizontalAdvance(t.label), frame.left()) << where;
                    }
                }
    }
    // The amplitude axis at a common size, in the locale's numbers.
    chart.setAxisRange(Axis::Bottom, 100, 101);
    const ChartLayout l = ChartLayout::of(chart, QRectF(0, 0, 800, 300), style);
    ASSERT_FALSE(l.yTicks.isEmpty());
    EXPECT_EQ(l.yTicks.front().label, "-100");
    EXPECT_EQ(l.xTicks[1].label, "100,1");
}

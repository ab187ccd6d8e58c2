#include "trace/DifferenceTrace.h"
#include "TraceFixture.h"
#include "support/ShownText.h"
#include "trace/StoredTrace.h"

using namespace trace;
using S = SlotLayout;

namespace {
using DifferenceTraceTest = TraceFixture;
}

TEST_F(DifferenceTraceTest, aWaveformMinusItselfIsFlatZeroOnItsOwnDistancesAndOffHidesIt) {
    state.setEditKu(shown("1,870"));
    QByteArray plan(385, '\0');
    for (int k = 0; k < 250; ++k) plan[k] = char((k * 37) % 256); // the full -128..127 range
    addPlan(master, 2500, 2, 300, 12, plan);
    addPlan(picture, 2500, 2, 300, -7, plan);
    state.setShowDifference(true);
    view.Redraw(TraceView::Both);

    ASSERT_TRUE(lower.isActive(S::kLowerDifference));
    const QList<QPointF>& diff = lowerPoints(S::kLowerDifference);
    ASSERT_EQ(diff.size(), 250);
    const StoredTrace a = StoredTrace::of(WaveRecord::read(master), 0);
    for (int k = 0; k < 250; ++k) {
        EXPECT_EQ(diff[k].y(), 0) << k; // the offsets differ, the samples do not
        EXPECT_DOUBLE_EQ(diff[k].x(), a.metresAt(k, 1.87)) << k;
    }
    EXPECT_EQ(lower.legendName(S::kLowerDifference), "№ 1 minus № 1");
    expectCopiesEqual();

    state.setShowDifference(false);
    view.Redraw(TraceView::Both);
    EXPECT_FALSE(lower.isActive(S::kLowerDifference));
    EXPECT_TRUE(lower.legendName(S::kLowerDifference).isEmpty());
}

TEST_F(DifferenceTraceTest, aCompareWaveformOfAnotherStepIsResampledAndLeavesNoPointWhereItEnds) {
    state.setTypeIndex(1);
    state.setShowDifference(true);
    addWindowRecord(master, 2000, QStringLiteral("pulse"));  // 0.25 m a sample, 8000 samples
    addWindowRecord(picture, 1000, QStringLiteral("pulse")); // 0.125 m a sample, 8000 samples
    view.Redraw(TraceView::Both);

    const QList<QPointF>& diff = lowerPoints(S::kLowerDifference);
    ASSERT_EQ(diff.size(), 4000); // the compare waveform ends at 1000 m
    for (int k : {0, 1, 1234, 3999}) {
        EXPECT_DOUBLE_EQ(diff[k].x(), k * 0.25);
        EXPECT_DOUBLE_EQ(diff[k].y(), patternSample(k) - patternSample(2 * k)) << k;
    }

    // The other way round every other sample lies between two of the compare waveform's.
    const QList<QPointF> back =
        DifferenceTrace::points(StoredTrace::of(WaveRecord::read(picture), 1),
                                StoredTrace::of(WaveRecord::read(master), 1), 1.5, 0, 1e9);
    ASSERT_EQ(back.size(), 8000);
    EXPECT_DOUBLE_EQ(back[10].y(), patternSample(10) - patternSample(5));
    EXPECT_DOUBLE_EQ(back[11].y(), patternSample(11) - (patternSample(5) + patternSample(6)) / 2.0);
}

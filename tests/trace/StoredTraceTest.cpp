#include "trace/StoredTrace.h"
#include "TraceFixture.h"
#include "support/ShownText.h"

using namespace trace;
using S = SlotLayout;

namespace {
using StoredTraceTest = TraceFixture;
}

// The detector, the difference trace and the export place samples through
// StoredTrace; each sample must stand where the lower chart draws it.
TEST_F(StoredTraceTest, samplesStandWhereTheLowerChartDrawsThemInBothFamilies) {
    state.setEditKu(shown("2,000"));
    QByteArray plan(385, '\0');
    for (int k = 0; k < 250; ++k) plan[k] = char(k - 125);
    addPlan(master, 1000, 2, 130, 0, plan); // start not on a whole step
    view.Redraw(TraceView::WaveformsOnly);
    const StoredTrace p = StoredTrace::of(WaveRecord::read(master), 0);
    ASSERT_TRUE(p.valid());
    ASSERT_EQ(p.size(), 250);
    const QList<QPointF>& drawn = lowerPoints(S::kLowerCurrent);
    const int lead = int(std::lround(p.metresAt(0, 2.0) / (p.step * 0.75)));
    for (int k : {0, 1, 77, 249}) {
        EXPECT_EQ(p.samples[k], k - 125);
        EXPECT_NEAR(drawn[lead + k].x(), p.metresAt(k, 2.0), 1e-9) << k;
        EXPECT_EQ(drawn[lead + k].y(), p.samples[k]);
        EXPECT_EQ(p.sampleAt(p.metresAt(k, 2.0), 2.0), k);
    }

    master.deleteRecord();
    state.setTypeIndex(1);
    addWindowRecord(master, 62.5, QStringLiteral("pulse"), 0, pattern(512, 8000));
    view.Redraw(TraceView::WaveformsOnly);
    const StoredTrace w = StoredTrace::of(WaveRecord::read(master), 1);
    ASSERT_EQ(w.size(), 500); // 62.5 m at 0.125 m
    for (int k : {0, 250, 499}) {
        EXPECT_EQ(w.samples[k], patternSample(k));
        EXPECT_NEAR(lowerPoints(S::kLowerCurrent)[k].x(), w.metresAt(k, 2.0), 1e-9) << k;
    }

    // Blobs too short, ranges outside the tables: nothing to place, no throw.
    addWindowRecord(master, 62.5, QStringLiteral("pulse"), 0, QByteArray(300, '\0'));
    EXPECT_FALSE(StoredTrace::of(WaveRecord::read(master), 1).valid());
    addWindowRecord(master, 63, QStringLiteral("pulse"), 0, pattern(512, 8000));
    EXPECT_FALSE(StoredTrace::of(WaveRecord::read(master), 1).valid());
    EXPECT_EQ(StoredTrace::typeIndexOf("KM-630 ver.1"), 1);
    EXPECT_EQ(StoredTrace::typeIndexOf("KM-41A1 ver.5"), 0);
}

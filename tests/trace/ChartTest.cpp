#include "fakes/RecordingChart.h"
#include "trace/ChartSet.h"
#include "trace/SlotLayout.h"

#include <gtest/gtest.h>

using namespace trace;

TEST(Chart, axisRefusesLimitsThatWouldCross) {
    RecordingChart c(1);
    EXPECT_TRUE(c.setAxisMax(Axis::Bottom, 100));
    EXPECT_FALSE(c.setAxisMin(Axis::Bottom, 150));
    EXPECT_EQ(c.axisMin(Axis::Bottom), 0);
    EXPECT_FALSE(c.setAxisMax(Axis::Bottom, -1));
    EXPECT_FALSE(c.setAxisMax(Axis::Bottom, std::nan("")));
    EXPECT_EQ(c.axisMax(Axis::Bottom), 100);

    // setAxisRange finds the order the current limits accept.
    c.setAxisRange(Axis::Bottom, 200, 300);
    EXPECT_EQ(c.axisMin(Axis::Bottom), 200);
    EXPECT_EQ(c.axisMax(Axis::Bottom), 300);
    c.setAxisRange(Axis::Bottom, -50, -10);
    EXPECT_EQ(c.axisMin(Axis::Bottom), -50);
    EXPECT_EQ(c.axisMax(Axis::Bottom), -10);
    const auto log = c.axisLog(Axis::Bottom);
    ASSERT_EQ(log.size(), 5);
    EXPECT_EQ(log[1].part, AxisPart::Max); // 300 first, since 200 was above the maximum 100
    EXPECT_EQ(log[1].value, 300);
    EXPECT_EQ(log[3].part, AxisPart::Min);
    EXPECT_EQ(log[3].value, -50);
}

TEST(Chart, slotsOutsideTheLayoutAreIgnored) {
    RecordingChart c(2);
    c.addPoint(2, 1, 1);
    c.addPoint(-1, 1, 1);
    c.setActive(5, true);
    EXPECT_TRUE(c.points(2).isEmpty());
    EXPECT_FALSE(c.isActive(5));
    EXPECT_TRUE(c.title(-3).isEmpty());
}

TEST(ChartSet, laysOutBothChartsWithTitlesColoursAndAxes) {
    RecordingChart upper(SlotLayout::kUpperCount), lower(SlotLayout::kLowerCount);
    ChartSet set(upper, lower);
    EXPECT_EQ(upper.name(), "DBChart1");
    EXPECT_EQ(lower.name(), "TDBChart1");
    EXPECT_EQ(upper.title(0), " ниж.");
    EXPECT_EQ(lower.title(2), "  ниж.");
    for (int j = 0; j < 4; ++j) {
        EXPECT_EQ(upper.title(1 + j), QString(" № %1").arg(j + 1));
        EXPECT_EQ(lower.title(3 + j), QString(" № %1").arg(j + 1));
    }
    EXPECT_EQ(upper.color(1), QColor(0, 255, 255));
    EXPECT_EQ(lower.color(4), QColor(255, 0, 255));
    EXPECT_EQ(upper.color(3), QColor(255, 128, 0));
    EXPECT_EQ(lower.title(0), "K1");
    EXPECT_EQ(lower.color(0), QColor(255, 255, 0));
    EXPECT_EQ(lower.title(1), "K2");
    EXPECT_EQ(lower.color(1), QColor(80, 160, 255));
    EXPECT_EQ(upper.title(9), "Top");
    EXPECT_EQ(upper.title(10), "Bottom");
    EXPECT_EQ(lower.title(7), "Top");
    EXPECT_EQ(lower.title(8), "Bottom");
    for (int s = 5; s <= 8; ++s) EXPECT_TRUE(upper.dashed(s));
    EXPECT_EQ(upper.distanceAxis(), Axis::Top);
    EXPECT_EQ(lower.distanceAxis(), Axis::Bottom);
    EXPECT_EQ(lower.axisTitle(Axis::Bottom), "scale, (m)");
    for (Chart* c : {static_cast<Chart*>(&upper), static_cast<Chart*>(&lower)}) {
        EXPECT_EQ(c->axisTitle(Axis::Left), "amplitude");
        EXPECT_EQ(c->axisMin(Axis::Left), -130);
        EXPECT_EQ(c->axisMax(Axis::Left), 130);
    }

    RecordingChart wrong(3);
    EXPECT_THROW(ChartSet(wrong, lower), std::invalid_argument);
}

TEST(ChartSet, reportCopiesStartEqualAndFollowEveryChange) {
    RecordingChart upper(SlotLayout::kUpperCount), lower(SlotLayout::kLowerCount);
    RecordingChart upperCopy(SlotLayout::kUpperCount), lowerCopy(SlotLayout::kLowerCount);
    ChartSet set(upper, lower);
    set.lower().addPoint(2, 1, 2);
    set.lower().setActive(2, true);
    set.lower().setAxisRange(Axis::Bottom, 10, 20);
    set.setStairsEverywhere(true);

    set.attachCopies(upperCopy, lowerCopy);
    EXPECT_EQ(upperCopy.name(), "QRChart1");
    EXPECT_EQ(lowerCopy.name(), "QRChart2");
    EXPECT_EQ(lowerCopy.points(2), lower.points(2));
    EXPECT_TRUE(lowerCopy.isActive(2));
    EXPECT_EQ(lowerCopy.axisMin(Axis::Bottom), 10);
    EXPECT_TRUE(upperCopy.stairs(7));

    set.upper().addPoint(0, 5, 6);
    set.setInvertedStairsOnTraces(true);
    EXPECT_EQ(upperCopy.points(0), upper.points(0));
    for (int s = 0; s < SlotLayout::kUpperCount; ++s)
        EXPECT_EQ(upperCopy.invertedStairs(s), s <= 3) << "upper slot " << s;
    for (int s = 0; s < SlotLayout::kLowerCount; ++s)
        EXPECT_EQ(lowerCopy.invertedStairs(s), s >= 2 && s <= 5) << "lower slot " << s;

    set.detachCopies();
    set.upper().clear(0);
    EXPECT_EQ(upperCopy.points(0).size(), 1);
}

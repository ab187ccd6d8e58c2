#include "CommaLocale.h"
#include "store/MainState.h"
#include "store/Numbers.h"
#include "trace/ChartSet.h"
#include "trace/Cursors.h"
#include "trace/RecordingChart.h"
#include "trace/SlotLayout.h"

#include <gtest/gtest.h>

using namespace trace;

namespace {

struct CursorsTest : ::testing::Test {
    CommaLocale locale;
    store::MainState state;
    RecordingChart upper{SlotLayout::UpperCount}, lower{SlotLayout::LowerCount};
    RecordingChart upperCopy{SlotLayout::UpperCount}, lowerCopy{SlotLayout::LowerCount};
    ChartSet charts{upper, lower};
    Cursors cursors{state, charts};

    CursorsTest() {
        charts.attachCopies(upperCopy, lowerCopy);
        lower.setAxisRange(Axis::Bottom, 0, 250);
    }
    void stepK1(int position, double maxScale = 250, const QString& zoom = "1") {
        state.posK1 = position;
        cursors.StepCursor(maxScale, zoom, state.posK1, SlotLayout::CursorK1, 0, state.editK1);
    }
};

} // namespace

TEST_F(CursorsTest, planStepPlacesTheCursorLineOnBothChartsAndClampsThePosition) {
    stepK1(37);
    EXPECT_EQ(state.editK1, "37,00");
    const QList<QPointF> line{{37, -130}, {37, 130}};
    EXPECT_EQ(lower.points(SlotLayout::CursorK1), line);
    EXPECT_EQ(lowerCopy.points(SlotLayout::CursorK1), line);
    EXPECT_EQ(state.editL, "37,00");

    stepK1(300);
    EXPECT_EQ(state.posK1, 250);
    EXPECT_EQ(state.editK1, "250,00");
    stepK1(-5);
    EXPECT_EQ(state.posK1, 0);
    EXPECT_EQ(state.editK1, "0,00");
}

TEST_F(CursorsTest, planStepFollowsZoomRangeAndTheLowerChartsLeftEnd) {
    stepK1(100, 250, "12"); // 12 stands for 12.5: 25000 / 12.5 / 250 = 8 cm
    EXPECT_EQ(state.editK1, "8,00");
    stepK1(100, 1000, "12"); // 32 cm
    EXPECT_EQ(state.editK1, "32,00");
    lower.setAxisRange(Axis::Bottom, 100, 225);
    stepK1(10, 250, "2");
    EXPECT_EQ(state.editK1, "105,00");
    state.editKu = "3,000";
    stepK1(10, 250, "2");
    EXPECT_EQ(state.editK1, "102,50");
}

TEST_F(CursorsTest, planStepWithoutDefinedStepLeavesTheCursor) {
    stepK1(37);
    stepK1(40, 300); // not a plan range
    EXPECT_EQ(state.editK1, "37,00");
    stepK1(40, 250, "zoom");
    EXPECT_EQ(state.editK1, "37,00");
    stepK1(40, 250, "0");
    EXPECT_EQ(state.editK1, "37,00");
    EXPECT_EQ(state.posK1, 40); // still clamped and stored
}

TEST_F(CursorsTest, windowStepPlacesFromWindowStartAndClampsTo500) {
    state.windowStep = 2;
    state.windowStart = 750;
    state.posK2 = 100;
    cursors.StepCursor(1000, "1", state.posK2, SlotLayout::CursorK2, 1, state.editK2);
    EXPECT_EQ(state.editK2, "950,00");
    EXPECT_EQ(lowerCopy.points(SlotLayout::CursorK2).first(), QPointF(950, -130));
    state.posK2 = 600;
    cursors.StepCursor(1000, "1", state.posK2, SlotLayout::CursorK2, 1, state.editK2);
    EXPECT_EQ(state.posK2, 500);
    EXPECT_EQ(state.editK2, "1750,00");
}

TEST_F(CursorsTest, planConversionsKeepSampleOrDistance) {
    // PlanStart 100 m, PlanStep 50 cm, PR 3.0: PlanStepPR 25 cm.
    state.editKu = "3,000";
    state.posK1 = 40;
    state.posK2 = 0;
    cursors.CursorsToMetresPlan(50, 10000, 25);
    EXPECT_EQ(state.editK1, "60,00");
    EXPECT_EQ(state.editK2, "50,00");
    EXPECT_EQ(state.editL, "10,00");

    state.posK1 = state.posK2 = -1;
    cursors.CursorsFromMetresPlan(10000, 25);
    EXPECT_EQ(state.posK1, 40);
    EXPECT_EQ(state.posK2, 0);

    // A PR step keeps the positions and moves the distances in proportion.
    state.editKu = "1,500";
    cursors.CursorsToMetresPlan(50, 10000, 50);
    EXPECT_EQ(state.posK1, 40);
    EXPECT_EQ(state.editK1, "120,00");
    EXPECT_EQ(state.editK2, "100,00");
}

TEST_F(CursorsTest, distanceBetweenCursorsIsTruncatedInThePlanViewAndRoundedInTheWindowView) {
    state.editK1 = "12,346";
    state.editK2 = "10";
    cursors.CursorsFromMetresPlan(0, 100);
    EXPECT_EQ(state.editL, "2,34");
    EXPECT_EQ(state.editK1, "12,35");
    EXPECT_EQ(state.posK1, 12);

    state.editK1 = "12,346";
    state.windowStep = 2;
    state.windowStart = 0;
    cursors.PlaceCursorWindow(5, SlotLayout::CursorK2, state.editK2);
    EXPECT_EQ(state.editK2, "10,00");
    EXPECT_EQ(state.editL, "2,35");
}

TEST_F(CursorsTest, windowConversionsRoundTrip) {
    state.windowStep = 0.5;
    state.windowStart = 750;
    state.editKu = "3,000";
    state.editK1 = "400";
    state.editK2 = "380.5";
    cursors.CursorsFromMetresWindow();
    // Displayed window start 375 m, 0.25 m per point.
    EXPECT_EQ(state.posK1, 100);
    EXPECT_EQ(state.posK2, 22);
    EXPECT_EQ(state.editL, "19,50");
    cursors.CursorsToMetresWindow();
    EXPECT_EQ(state.editK1, "400,00");
    EXPECT_EQ(state.editK2, "380,50");
}

TEST_F(CursorsTest, zeroStepsLeaveCursorsAndBoxesUnchanged) {
    state.editK1 = "5";
    state.posK1 = 3;
    cursors.CursorsToMetresPlan(0, 0, 0);
    cursors.CursorsFromMetresPlan(0, 0);
    state.windowStep = 0;
    cursors.CursorsToMetresWindow();
    cursors.CursorsFromMetresWindow();
    EXPECT_EQ(state.editK1, "5");
    EXPECT_EQ(state.posK1, 3);
    EXPECT_TRUE(lower.points(SlotLayout::CursorK1).isEmpty());
}

TEST_F(CursorsTest, junkInABoxStopsTheConversionBeforeAnyBoxChanges) {
    state.editK1 = "12";
    state.editK2 = "abc";
    state.posK1 = 7;
    EXPECT_THROW(cursors.CursorsFromMetresPlan(0, 100), store::NumberFormatError);
    EXPECT_EQ(state.editK1, "12");
    EXPECT_EQ(state.posK1, 7);

    state.editK2 = "1";
    state.editKu = "";
    EXPECT_THROW(stepK1(3), store::NumberFormatError);
    EXPECT_EQ(state.editK1, "12");
    state.editKu = "0";
    EXPECT_THROW(cursors.CursorsFromMetresPlan(0, 100), store::NumberFormatError);
}

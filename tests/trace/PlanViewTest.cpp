#include "TraceFixture.h"
#include "store/Numbers.h"
#include "support/ShownText.h"

using namespace trace;
using S = SlotLayout;

namespace {

class PlanViewTest : public TraceFixture {
protected:
    static QByteArray plan(int index, char byte) {
        QByteArray b(385, '\0');
        b[index] = byte;
        return b;
    }
    static QByteArray rampPlan() {
        QByteArray b(385, '\0');
        for (int k = 0; k < 250; ++k) b[k] = char(k % 100);
        return b;
    }
};

} // namespace

TEST_F(PlanViewTest, emptyLibrariesHideTheTracesAndLeaveAxesAndCursors) {
    for (int s : {S::kLowerCurrent, S::kLowerCompare1}) charts.lower().setActive(s, true);
    charts.upper().setActive(S::kUpperCompare1 + 2, true);
    charts.lower().setAxisRange(Axis::Bottom, 5, 50);
    state.setEditK1(shown("7"));
    state.setPosK1(3);
    lower.clearLog();

    view.Redraw(TraceView::Both);
    for (int j = 0; j < 4; ++j) {
        EXPECT_FALSE(upper.isActive(S::kUpperCurrent + j));
        EXPECT_FALSE(lower.isActive(S::kLowerCurrent + j));
    }
    EXPECT_TRUE(lower.axisLog().isEmpty());
    EXPECT_EQ(state.editK1().text(), "7");
    EXPECT_EQ(state.posK1(), 3);
    EXPECT_EQ(view.drawn().planStepPR, 0);
    EXPECT_EQ(state.maxScale(), 250);
    expectCopiesEqual();
}

TEST_F(PlanViewTest, singlePlanIsDrawnSampleBySampleAtItsDistances) {
    addPlan(master, 250, 1, 0, 7, plan(10, char(0xFF)));
    view.Redraw(TraceView::WaveformsOnly);

    EXPECT_EQ(view.drawn().planStep, 100);
    EXPECT_EQ(view.drawn().planStart, 0);
    EXPECT_EQ(view.drawn().planStepPR, 100);
    EXPECT_EQ(upper.axisMin(Axis::Top), 0);
    EXPECT_EQ(upper.axisMax(Axis::Top), 250);
    EXPECT_EQ(lower.axisMin(Axis::Bottom), 0);
    EXPECT_EQ(lower.axisMax(Axis::Bottom), 250);
    ASSERT_EQ(lowerPoints(S::kLowerCurrent).size(), 250);
    ASSERT_EQ(upperPoints(S::kUpperCurrent).size(), 250);
    EXPECT_EQ(lowerPoints(S::kLowerCurrent)[10], QPointF(10, 6));
    EXPECT_EQ(upperPoints(S::kUpperCurrent)[10], QPointF(10, 6));
    EXPECT_EQ(lowerPoints(S::kLowerCurrent)[11], QPointF(11, 7));
    EXPECT_TRUE(lower.isActive(S::kLowerCurrent));
    EXPECT_TRUE(upper.isActive(S::kUpperCurrent));
    EXPECT_FALSE(lower.isActive(S::kLowerCompare1));

    // The frame stands one overview step inside the plan and 3 units inside the amplitude axis.
    EXPECT_EQ(upperPoints(S::kFrameRight), (QList<QPointF>{{249, -130}, {249, 130}}));
    EXPECT_EQ(upperPoints(S::kFrameBottom), (QList<QPointF>{{249, -127}, {1, -127}}));
    EXPECT_EQ(upperPoints(S::kFrameLeft), (QList<QPointF>{{1, -130}, {1, 130}}));
    EXPECT_EQ(upperPoints(S::kFrameTop), (QList<QPointF>{{249, 127}, {1, 127}}));
    expectCopiesEqual();

    // PR 3.0 halves every distance and axis limit; amplitudes stay.
    state.setEditKu(shown("3,000"));
    view.Redraw(TraceView::WaveformsOnly);
    EXPECT_EQ(lower.axisMax(Axis::Bottom), 125);
    EXPECT_EQ(upper.axisMax(Axis::Top), 125);
    EXPECT_EQ(lowerPoints(S::kLowerCurrent)[10], QPointF(5, 6));
    EXPECT_EQ(upperPoints(S::kUpperCurrent)[10], QPointF(5, 6));
    EXPECT_EQ(view.drawn().planStepPR, 50);
}

TEST_F(PlanViewTest, zoomedPlanWithStartFillsItsPartOfTheOverview) {
    addPlan(master, 250, 2, 100, 3, rampPlan());
    lower.clearLog();
    view.Redraw(TraceView::WaveformsOnly);

    EXPECT_EQ(view.drawn().planStep, 50);
    EXPECT_EQ(view.drawn().planStart, 10000);
    // The lower axis goes through 0..0, then takes its maximum before its minimum.
    const auto log = lower.axisLog(Axis::Bottom);
    ASSERT_EQ(log.size(), 4);
    EXPECT_EQ(log[0].part, AxisPart::Min);
    EXPECT_EQ(log[0].value, 0);
    EXPECT_EQ(log[1].part, AxisPart::Max);
    EXPECT_EQ(log[1].value, 0);
    EXPECT_EQ(log[2].part, AxisPart::Max);
    EXPECT_EQ(log[2].value, 225);
    EXPECT_EQ(log[3].part, AxisPart::Min);
    EXPECT_EQ(log[3].value, 100);

    const QList<QPointF>& over = upperPoints(S::kUpperCurrent);
    ASSERT_EQ(over.size(), 250);
    for (int p = 0; p < 100; ++p) EXPECT_EQ(over[p], QPointF(p, 3)) << p;
    for (int p = 100; p < 225; ++p) EXPECT_EQ(over[p], QPointF(p, 3 + (2 * (p - 100)) % 100)) << p;
    for (int p = 225; p < 250; ++p) EXPECT_EQ(over[p], QPointF(p, 3)) << p;

    // Detail: 200 points lead-in, the 250 samples from 100 m in 0.5-m steps, tail to 250 m.
    const QList<QPointF>& detail = lowerPoints(S::kLowerCurrent);
    ASSERT_EQ(detail.size(), 500);
    EXPECT_EQ(detail[199], QPointF(99.5, 3));
    EXPECT_EQ(detail[200], QPointF(100, 3));
    EXPECT_EQ(detail[201], QPointF(100.5, 4));
    EXPECT_EQ(detail[449], QPointF(224.5, 3 + 249 % 100));
    EXPECT_EQ(detail[450], QPointF(225, 3));

    EXPECT_EQ(upperPoints(S::kFrameLeft).first().x(), 101);
    EXPECT_EQ(upperPoints(S::kFrameRight).first().x(), 224);
}

TEST_F(PlanViewTest, longCompareRecordStretchesTheOverview) {
    addPlan(picture, 1000, 1, 0, 5, rampPlan());
    addPlan(master, 250, 1, 0, 0, rampPlan());
    view.Redraw(TraceView::WaveformsOnly);

    EXPECT_EQ(state.maxScale(), 1000);
    EXPECT_EQ(upper.axisMax(Axis::Top), 1000);
    EXPECT_EQ(lower.axisMax(Axis::Bottom), 250); // the selected plan
    const QList<QPointF>& current = upperPoints(S::kUpperCurrent);
    ASSERT_EQ(current.size(), 250);
    EXPECT_EQ(current[1], QPointF(4, 4)); // 4-m steps, every fourth sample
    EXPECT_EQ(current[61], QPointF(244, (61 * 4) % 100));
    EXPECT_EQ(current[62], QPointF(248, 0)); // flat from here
    EXPECT_EQ(lowerPoints(S::kLowerCurrent).size(), 1000);

    const QList<QPointF>& compare = upperPoints(S::kUpperCompare1);
    ASSERT_EQ(compare.size(), 250);
    EXPECT_EQ(compare[3], QPointF(12, 5 + 3));
    EXPECT_TRUE(upper.isActive(S::kUpperCompare1));
    EXPECT_TRUE(lower.isActive(S::kLowerCompare1));
    EXPECT_FALSE(lower.isActive(S::kLowerCompare1 + 1));
    EXPECT_EQ(lowerPoints(S::kLowerCompare1)[1], QPointF(4, 5 + 1));
    expectCopiesEqual();
}

TEST_F(PlanViewTest, selectedWaveformFromAnEmptyCompareLibraryDrawsNothing) {
    addPlan(master, 250, 1, 0);
    view.Redraw(TraceView::WaveformsOnly);
    ASSERT_TRUE(lower.isActive(S::kLowerCurrent));
    state.setWaveSource(2);
    view.Redraw(TraceView::KeepDistances);
    EXPECT_FALSE(lower.isActive(S::kLowerCurrent));
    EXPECT_FALSE(upper.isActive(S::kUpperCurrent));
    EXPECT_EQ(view.drawn().planStepPR, 0);
}

TEST_F(PlanViewTest, walksReturnToTheBookmarkWithoutLookingLikeUserMoves) {
    addPlan(picture, 500, 1, 0);
    addPlan(picture, 1000, 1, 0);
    addPlan(picture, 250, 1, 0);
    addPlan(master, 250, 1, 0);
    picture.moveTo(1);
    userMoves = 0;
    view.Redraw(TraceView::KeepDistances);
    EXPECT_EQ(userMoves, 0);
    EXPECT_GT(scanMoves, 0);
    EXPECT_EQ(picture.recNo(), 1);
    EXPECT_EQ(picture.tag(), store::TagNormal);
    EXPECT_FALSE(picture.controlsDisabled());
    for (int j = 0; j < 3; ++j) EXPECT_TRUE(lower.isActive(S::kLowerCompare1 + j)) << j;

    // The selected record is the compare library's current one.
    state.setWaveSource(2);
    view.Redraw(TraceView::KeepDistances);
    EXPECT_EQ(lower.axisMax(Axis::Bottom), 1000);
    EXPECT_EQ(view.drawn().planStep, 400);
    picture.next();
    EXPECT_EQ(userMoves, 1);
}

TEST_F(PlanViewTest, recordsWithoutAPlanAreHiddenAndTheRestIsDrawn) {
    addPlan(picture, 250, 0.5, 0);                           // ZOOM_L truncates to 0
    addPlan(picture, 1e12, 1, 0);                            // not a range: must not stretch the view
    addPlan(picture, 500, 1, 0, 9, QByteArray(20, char(2))); // short blob
    addPlan(picture, 500, 1, 0);                             // a fourth record has no slots
    addPlan(master, 250, 1, 0, 0, QByteArray(1000, char(1)));
    view.Redraw(TraceView::WaveformsOnly);

    EXPECT_EQ(state.maxScale(), 500);
    EXPECT_FALSE(lower.isActive(S::kLowerCompare1));
    EXPECT_FALSE(lower.isActive(S::kLowerCompare1 + 1));
    EXPECT_TRUE(upper.isActive(S::kUpperCompare1 + 2));
    const QList<QPointF>& shortBlob = lowerPoints(S::kLowerCompare1 + 2);
    EXPECT_EQ(shortBlob[19].y(), 11);
    EXPECT_EQ(shortBlob[20].y(), 9);
    EXPECT_EQ(lowerPoints(S::kLowerCurrent)[249].y(), 1);
    EXPECT_EQ(lowerPoints(S::kLowerCurrent)[250].y(), 0);
    EXPECT_FALSE(upper.isActive(S::kUpperCompare4));
    EXPECT_EQ(upperPoints(S::kFrameRight).size(), 2);
    EXPECT_EQ(upperPoints(S::kFrameRight).first().x(), 248);
}

TEST_F(PlanViewTest, selectedRecordWithoutAPlanLeavesCursorsAndDetailAxis) {
    addPlan(master, 250, 0, 0);
    charts.lower().setAxisRange(Axis::Bottom, 0, 250);
    state.setEditK1(shown("12"));
    state.setPosK1(12);
    view.Redraw(TraceView::Both);
    EXPECT_EQ(view.drawn().planStepPR, 0);
    EXPECT_EQ(state.editK1().text(), "12");
    EXPECT_FALSE(lower.isActive(S::kLowerCurrent));
    EXPECT_TRUE(upperPoints(S::kFrameLeft).isEmpty());
}

TEST_F(PlanViewTest, planShorterThanOneOverviewStepIsOnePoint) {
    addPlan(picture, 50000, 1, 0);
    addPlan(master, 250, 2, 0, 4, plan(0, char(20)));
    view.Redraw(TraceView::WaveformsOnly);
    const QList<QPointF>& over = upperPoints(S::kUpperCurrent);
    ASSERT_EQ(over.size(), 250);
    EXPECT_EQ(over[0], QPointF(0, 24));
    EXPECT_EQ(over[1], QPointF(200, 4));
    EXPECT_EQ(lowerPoints(S::kLowerCurrent).size(), 100000);
}

TEST_F(PlanViewTest, cursorModesKeepDistancesOrSamples) {
    addPlan(master, 250, 1, 0);
    state.setEditK1(shown("12,346"));
    state.setEditK2(shown("10"));
    view.Redraw(TraceView::KeepDistances);
    EXPECT_EQ(state.editK1().text(), "12,35");
    EXPECT_EQ(state.editL()->text(), "2,35");
    EXPECT_EQ(state.posK1(), 12);
    EXPECT_EQ(state.posK2(), 10);
    EXPECT_EQ(lowerCopy.points(S::kCursorK2), (QList<QPointF>{{10, -130}, {10, 130}}));

    state.setEditKu(shown("3,000"));
    view.Redraw(TraceView::KeepPositions);
    EXPECT_EQ(state.posK1(), 12);
    EXPECT_EQ(state.editK1().text(), "6,17");
    EXPECT_EQ(state.editK2().text(), "5,00");
    EXPECT_EQ(lowerPoints(S::kCursorK2), (QList<QPointF>{{5, -130}, {5, 130}}));
}

TEST_F(PlanViewTest, cursorDistanceBeyondTheDetailIsSetToItsEnd) {
    addPlan(master, 250, 2, 100);
    state.setEditK1(shown("300"));
    state.setEditK2(shown("150"));
    view.Redraw(TraceView::KeepDistances);
    EXPECT_EQ(state.editK1().text(), "225,00");
    EXPECT_EQ(state.posK1(), 250);
    EXPECT_EQ(state.editK2().text(), "150,00");
    EXPECT_EQ(state.posK2(), 100);
}

TEST_F(PlanViewTest, prNotAboveZeroHidesEveryTraceAndSaysWhy) {
    addPlan(master, 250, 1, 0);
    addPlan(picture, 250, 1, 0);
    view.Redraw(TraceView::KeepDistances);
    ASSERT_TRUE(lower.isActive(S::kLowerCurrent));
    for (const QString pr : {"-1,500", "0"}) {
        state.setEditKu(shown(pr));
        EXPECT_NO_THROW(view.Redraw(TraceView::KeepDistances));
        EXPECT_FALSE(lower.isActive(S::kLowerCurrent) || lower.isActive(S::kLowerCompare1) ||
                     upper.isActive(S::kUpperCurrent))
            << pr.toStdString();
        EXPECT_TRUE(lower.points(S::kCursorK1).isEmpty());
        EXPECT_TRUE(state.statusNote().contains(pr + " is not above zero"))
            << state.statusNote().toStdString();
        EXPECT_FALSE(picture.controlsDisabled());
    }
    state.setEditKu(shown("1,500"));
    view.Redraw(TraceView::KeepDistances);
    EXPECT_TRUE(lower.isActive(S::kLowerCurrent));
    EXPECT_TRUE(state.statusNote().isEmpty());
}

#include "TraceFixture.h"
#include "store/Numbers.h"
#include "support/ShownText.h"
#include "trace/RangeTables.h"

using namespace trace;
using S = SlotLayout;

namespace {

class WindowViewTest : public TraceFixture {
protected:
    WindowViewTest() {
        state.setTypeIndex(1);
        state.setZoomCaption(shown("1"));
    }
    double windowValue(int slot, int i) const { return lowerPoints(slot).at(i).y(); }
};

} // namespace

TEST(RangeTables, sampleSpacingAndZoomLimitsFollowTheTables) {
    EXPECT_EQ(RangeTables::SampleSpacing(62.5, "pulse"), 0.125);
    EXPECT_EQ(RangeTables::SampleSpacing(1000, "pulse"), 0.125);
    EXPECT_EQ(RangeTables::SampleSpacing(2000, "pulse"), 0.25);
    EXPECT_EQ(RangeTables::SampleSpacing(128000, "pulse"), 16);
    EXPECT_EQ(RangeTables::SampleSpacing(62.5, "wave"), 1);
    EXPECT_EQ(RangeTables::SampleSpacing(8000, "Pulse"), 1);
    EXPECT_EQ(RangeTables::SampleSpacing(16000, ""), 2);
    EXPECT_EQ(RangeTables::SampleSpacing(300, "pulse"), 0);
    EXPECT_EQ(RangeTables::zoomMaxFor(62.5), 1);
    EXPECT_EQ(RangeTables::zoomMaxFor(125), 2);
    EXPECT_EQ(RangeTables::zoomMaxFor(250), 4);
    EXPECT_EQ(RangeTables::zoomMaxFor(500), 8);
    EXPECT_EQ(RangeTables::zoomMaxFor(1000), 16);
    EXPECT_EQ(RangeTables::zoomIndex(16), 4);
    EXPECT_EQ(RangeTables::zoomIndex(3), -1);
}

TEST_F(WindowViewTest, wholeRangeAtZoomOneShowsEverySixteenthSample) {
    addWindowRecord(master, 1000, "pulse", 2);
    view.Redraw(TraceView::WaveformsOnly);

    EXPECT_EQ(view.drawn().windowStep, 2);
    EXPECT_EQ(view.drawn().windowStart, 0);
    EXPECT_EQ(lower.axisMin(Axis::Bottom), 0);
    EXPECT_EQ(lower.axisMax(Axis::Bottom), 1000);
    EXPECT_EQ(upper.axisMax(Axis::Top), 1000);
    ASSERT_EQ(lowerPoints(S::kLowerCurrent).size(), 500);
    ASSERT_EQ(upperPoints(S::kUpperCurrent).size(), 500);
    for (int i : {0, 1, 7, 100, 499}) {
        EXPECT_EQ(lowerPoints(S::kLowerCurrent)[i], QPointF(2 * i, 2 + patternSample(16 * i))) << i;
        EXPECT_EQ(upperPoints(S::kUpperCurrent)[i], QPointF(2 * i, 2 + patternSample(16 * i))) << i;
    }
    EXPECT_EQ(upperPoints(S::kFrameLeft).first().x(), 2);
    EXPECT_EQ(upperPoints(S::kFrameRight).first().x(), 998);
    expectCopiesEqual();

    state.setEditKu(shown("3,000"));
    view.Redraw(TraceView::WaveformsOnly);
    EXPECT_EQ(lower.axisMax(Axis::Bottom), 500);
    EXPECT_EQ(upper.axisMax(Axis::Top), 500);
    EXPECT_EQ(lowerPoints(S::kLowerCurrent)[100], QPointF(100, 2 + patternSample(1600)));
    EXPECT_EQ(view.drawn().windowStep, 2); // raw metres do not change with PR
}

TEST_F(WindowViewTest, zoomedWindowIsClampedToTheRange) {
    addWindowRecord(master, 1000, "pulse");
    state.setZoomCaption(shown("4"));
    state.setZoomAnchor(100);
    view.Redraw(TraceView::WaveformsOnly);
    EXPECT_EQ(view.drawn().windowStart, 0);
    EXPECT_EQ(view.drawn().windowStep, 0.5);
    EXPECT_EQ(lower.axisMax(Axis::Bottom), 250);
    EXPECT_EQ(windowValue(S::kLowerCurrent, 9), patternSample(36));

    state.setZoomAnchor(990);
    view.Redraw(TraceView::WaveformsOnly);
    EXPECT_EQ(view.drawn().windowStart, 750);
    EXPECT_EQ(lower.axisMin(Axis::Bottom), 750);
    EXPECT_EQ(lower.axisMax(Axis::Bottom), 1000);
    EXPECT_EQ(lowerPoints(S::kLowerCurrent)[2], QPointF(751, patternSample(6008)));
    EXPECT_EQ(upperPoints(S::kFrameLeft).first().x(), 752);
    // The overview still spans the whole range.
    EXPECT_EQ(upper.axisMax(Axis::Top), 1000);
}

TEST_F(WindowViewTest, shorterRecordsAreFlatBeyondTheirRange) {
    addWindowRecord(picture, 250, "pulse", 10);
    addWindowRecord(picture, 125, "wave", 20);
    addWindowRecord(master, 1000, "pulse");
    view.Redraw(TraceView::WaveformsOnly);
    EXPECT_EQ(state.maxScale(), 1000);
    // 250-m record: 2-m window points, samples every 16; beyond 250 m at SDVIG.
    EXPECT_EQ(windowValue(S::kLowerCompare1, 124), 10 + patternSample(1984));
    EXPECT_EQ(windowValue(S::kLowerCompare1, 125), 10);
    EXPECT_EQ(upperPoints(S::kUpperCompare1)[125].y(), 10);
    // 125-m "wave" record: 1 m per sample, samples 0..124 used.
    EXPECT_EQ(windowValue(S::kLowerCompare1 + 1, 62), 20 + patternSample(124));
    EXPECT_EQ(windowValue(S::kLowerCompare1 + 1, 63), 20);
    EXPECT_FALSE(lower.isActive(S::kLowerCompare1 + 2));
    expectCopiesEqual();
}

TEST_F(WindowViewTest, shortAndLongBlobsNeverReadBeyondTheirSamples) {
    addWindowRecord(picture, 1000, "pulse", 1, pattern(512, 100));       // 100 samples only
    addWindowRecord(picture, 62.5, "wave", 0, QByteArray(300, char(5))); // no samples at all
    addWindowRecord(master, 1000, "pulse", 0, pattern(512, 9000));
    view.Redraw(TraceView::WaveformsOnly);
    EXPECT_EQ(windowValue(S::kLowerCompare1, 6), 1 + patternSample(96));
    EXPECT_EQ(windowValue(S::kLowerCompare1, 7), 1);
    EXPECT_EQ(windowValue(S::kLowerCompare1 + 1, 0), 0);
    EXPECT_EQ(windowValue(S::kLowerCurrent, 499), patternSample(7984));
}

TEST_F(WindowViewTest, emptyLibrariesHideTracesButKeepTheFrame) {
    charts.lower().setActive(S::kLowerCurrent, true);
    view.Redraw(TraceView::Both);
    EXPECT_FALSE(lower.isActive(S::kLowerCurrent));
    EXPECT_EQ(state.maxScale(), 62.5);
    EXPECT_EQ(lower.axisMax(Axis::Bottom), 62.5);
    // The frame's right line closes the shown range: at its end, within one of its 500 samples.
    const double frameRight = upperPoints(S::kFrameRight).first().x();
    EXPECT_LE(frameRight, 62.5);
    EXPECT_GE(frameRight, 62.5 - 62.5 / 500);
}

TEST_F(WindowViewTest, captionsOutsideTheZoomTableDrawNothingAndDeepZoomIsLimitedByTheRange) {
    addWindowRecord(master, 1000, "pulse");
    state.setZoomCaption(shown("3"));
    view.Redraw(TraceView::KeepDistances);
    EXPECT_EQ(view.drawn().windowStep, 0);
    EXPECT_FALSE(lower.isActive(S::kLowerCurrent));

    master.first();
    master.deleteRecord();
    addWindowRecord(master, 125, "pulse");
    state.setZoomCaption(shown("16")); // beyond ZoomMax 2 of a 125-m range
    view.Redraw(TraceView::WaveformsOnly);
    EXPECT_EQ(view.drawn().windowStep, 0.125);
    EXPECT_TRUE(lower.isActive(S::kLowerCurrent));
}

TEST_F(WindowViewTest, cursorsFollowTheWindow) {
    addWindowRecord(master, 1000, "pulse");
    state.setZoomCaption(shown("4"));
    state.setZoomAnchor(990);
    state.setEditK1(shown("950"));
    state.setEditK2(shown("1200"));
    view.Redraw(TraceView::KeepDistances);
    EXPECT_EQ(state.posK1(), 400);
    EXPECT_EQ(state.editK2().text(), "1000,00"); // beyond the window's right end
    EXPECT_EQ(state.posK2(), 500);

    state.setEditKu(shown("3,000"));
    view.Redraw(TraceView::KeepPositions);
    EXPECT_EQ(state.editK1().text(), "475,00");
    EXPECT_EQ(state.editL()->text(), "25,00");
    EXPECT_EQ(lowerCopy.points(S::kCursorK1).first(), QPointF(475, -130));
}

TEST_F(WindowViewTest, updateRangeSetsTheLargestZoom) {
    view.UpdateRange();
    EXPECT_EQ(state.zoomMax(), 1);
    addWindowRecord(picture, 1000, "pulse");
    view.UpdateRange();
    EXPECT_EQ(state.maxScale(), 1000);
    EXPECT_EQ(state.zoomMax(), 16);

    state.setTypeIndex(0);
    state.setZoomMax(3);
    view.UpdateRange();
    EXPECT_EQ(state.zoomMax(), 3);
}

#include "trace/Cursors.h"
#include "CommaLocale.h"
#include "fakes/RecordingChart.h"
#include "store/Numbers.h"
#include "store/ViewState.h"
#include "support/ShownText.h"
#include "trace/ChartSet.h"
#include "trace/RenderScale.h"
#include "trace/SlotLayout.h"

#include <gtest/gtest.h>

using namespace trace;

namespace {

// The cursors over the renderers' outputs as a redraw leaves them.
struct CursorsTest : ::testing::Test {
    CommaLocale locale;
    store::ViewState state;
    RecordingChart upper{SlotLayout::kUpperCount}, lower{SlotLayout::kLowerCount};
    RecordingChart upperCopy{SlotLayout::kUpperCount}, lowerCopy{SlotLayout::kLowerCount};
    ChartSet charts{upper, lower};
    RenderScale drawn;
    Cursors cursors{state, charts, drawn};

    CursorsTest() { charts.attachCopies(upperCopy, lowerCopy); }
    // A "KMX-417" plan: start and step in raw centimetres.
    void plan(int start, int step) {
        state.setTypeIndex(0);
        drawn.planStart = start;
        drawn.planStep = step;
    }
    // A "KMX-419" window over a range: start and step in raw metres.
    void window(double start, double step, double range) {
        state.setTypeIndex(1);
        drawn.windowStart = start;
        drawn.windowStep = step;
        state.setMaxScale(range);
    }
    double lineAt(int slot) const { return lower.points(slot).value(0).x(); }
};

} // namespace

TEST_F(CursorsTest, stepsMoveBySamplesOfThePlanAndStopAtItsEnds) {
    plan(10000, 50); // 100 m on, 50 cm a sample
    state.setEditKu(shown("3,000"));
    state.setPosK1(38);
    cursors.StepCursor(1, 2);
    EXPECT_EQ(state.posK1(), 40);
    EXPECT_EQ(state.editK1().text(), "60,00");
    const QList<QPointF> line{{60, -130}, {60, 130}};
    EXPECT_EQ(lower.points(SlotLayout::kCursorK1), line);
    EXPECT_EQ(lowerCopy.points(SlotLayout::kCursorK1), line);
    EXPECT_EQ(state.editL()->text(), "60,00");

    cursors.StepCursor(1, 400);
    EXPECT_EQ(state.posK1(), 250);
    EXPECT_EQ(state.editK1().text(), "112,50");
    cursors.StepCursor(1, -300);
    EXPECT_EQ(state.posK1(), 0);
    EXPECT_EQ(state.editK1().text(), "50,00");

    state.setEditK2(shown("60,00"));
    cursors.CursorsFromMetres();
    EXPECT_EQ(state.posK2(), 40) << "the distance of a sample gives that sample back";
}

TEST_F(CursorsTest, aCursorOutsideTheZoomedWindowIsBroughtInOnlyTowardsIt) {
    window(750, 0.5, 1000); // 750..1000 m of 1000
    state.setEditK1(shown("900"));
    state.setEditK2(shown("200"));
    cursors.CursorsFromMetres();
    EXPECT_EQ(state.posK1(), 300);
    EXPECT_EQ(state.posK2(), -1100) << "K2 keeps its distance left of the window";
    EXPECT_EQ(lineAt(SlotLayout::kCursorK2), 200);

    cursors.StepCursor(2, -1);
    EXPECT_EQ(state.editK2().text(), "200,00") << "'<' would not move K2 left";
    cursors.StepCursor(2, 1);
    EXPECT_EQ(state.editK2().text(), "750,00") << "'>' brings it to the window's left end";
    EXPECT_EQ(state.posK2(), 0);
    EXPECT_EQ(lineAt(SlotLayout::kCursorK2), 750);

    state.setEditK1(shown("1200"));
    cursors.CursorsFromMetres();
    EXPECT_EQ(state.editK1().text(), "1000,00") << "no cursor beyond the whole range";
    EXPECT_EQ(lineAt(SlotLayout::kCursorK1), 1000);
}

TEST_F(CursorsTest, distanceBetweenIsTheDifferenceOfTheBoxesAsTheyRead) {
    plan(0, 100);
    state.setEditK1(shown("12,346"));
    state.setEditK2(shown("10"));
    cursors.CursorsFromMetres();
    EXPECT_EQ(state.editK1().text(), "12,35");
    EXPECT_EQ(state.editK2().text(), "10,00");
    EXPECT_EQ(state.editL()->text(), "2,35");
    EXPECT_EQ(state.posK1(), 12);
    EXPECT_NEAR(lineAt(SlotLayout::kCursorK1), 12.346, 1e-9);
}

TEST_F(CursorsTest, aNewPrKeepsACursorBetweenSamplesWhereItIsOnTheWaveform) {
    plan(0, 100);
    state.setEditK1(shown("37,40"));
    state.setEditK2(shown("0,00"));
    cursors.CursorsFromMetres();
    state.setEditKu(shown("1,700"));
    cursors.CursorsToMetres();
    EXPECT_EQ(state.editK1().text(), "33,00") << "37,40 × 1,5 / 1,7";
    EXPECT_EQ(state.posK1(), 37);
    EXPECT_DOUBLE_EQ(lineAt(SlotLayout::kCursorK1), 37.4 * 1.5 / 1.7);

    // A box written elsewhere goes by the cursor's sample.
    state.setEditK1(shown("5"));
    state.setPosK1(20);
    state.setEditKu(shown("1,500"));
    cursors.CursorsToMetres();
    EXPECT_EQ(state.editK1().text(), "20,00");
}

TEST_F(CursorsTest, nothingDrawnOrAPrNotAboveZeroLeavesEverything) {
    state.setEditK1(shown("5"));
    state.setPosK1(3);
    plan(0, 0);
    cursors.StepCursor(1, 1);
    cursors.CursorsFromMetres();
    cursors.CursorsToMetres();
    window(0, 0, 1000);
    cursors.StepCursor(1, 1);
    cursors.CursorsFromMetres();
    EXPECT_EQ(state.editK1().text(), "5");
    EXPECT_EQ(state.posK1(), 3);
    EXPECT_TRUE(lower.points(SlotLayout::kCursorK1).isEmpty());

    plan(0, 100);
    state.setEditK2(shown("1"));
    state.setEditKu(shown("0"));
    EXPECT_THROW(cursors.StepCursor(1, 1), store::NumberFormatError);
    EXPECT_TRUE(lower.points(SlotLayout::kCursorK1).isEmpty());
}

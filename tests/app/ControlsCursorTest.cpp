#include "ControlsFixture.h"
#include "support/ShownText.h"

// Cursor steps in the "KMX-417" plan view of a 250-m record at PR 1.5: one
// sample is one metre, so position n stands at n,00 m.
class ControlsCursorTest : public ControlsFixture {
protected:
    ControlsCursorTest() {
        addWaveform(dm.t_master, QStringLiteral("plan"), 0);
        window.redraw(trace::TraceView::Both);
    }
    app::controls::CursorControls& cursors = controls.cursors;
};

TEST_F(ControlsCursorTest, shortClick_movesOneStep_andLeavesNothingRunning) {
    cursors.mouseDown(1, +1);
    cursors.mouseUp(1, +1);
    EXPECT_EQ(state.posK1(), 1);
    EXPECT_EQ(state.editK1().text(), "1,00");
    EXPECT_EQ(controls.acceleration.repeatStep, 1);
    clock.advance(3000);
    EXPECT_EQ(state.posK1(), 1) << "no timer may run on after the release";
    EXPECT_EQ(clock.untilNext(), -1);
    EXPECT_TRUE(boxes.errors.isEmpty());
}

TEST_F(ControlsCursorTest, holdingTwoSeconds_repeatsAfter500msEvery100ms_withGrowingStep) {
    state.setEditK2(shown(QStringLiteral("200,00")));
    window.redraw(trace::TraceView::KeepDistances);
    cursors.mouseDown(2, -1);
    EXPECT_EQ(state.posK2(), 199) << "one step at once";
    clock.advance(450);
    EXPECT_EQ(state.posK2(), 199) << "nothing more before 500 ms";
    // 500 ms: a step of 1, then cngTimeout raises the step to 2 for 600..900 ms.
    clock.advance(500);
    EXPECT_EQ(state.posK2(), 199 - 1 - 4 * 2);
    EXPECT_EQ(controls.acceleration.repeatStep, 2);
    // 1000..1400 ms in steps of 3, 1500..1900 ms in steps of 4.
    clock.advance(1049);
    EXPECT_EQ(state.posK2(), 190 - 5 * 3 - 5 * 4);
    // At 2000 ms the step grows to 5 before the tick.
    clock.advance(1);
    EXPECT_EQ(state.posK2(), 155 - 5);
    EXPECT_EQ(state.editK2().text(), "150,00");
    cursors.mouseUp(2, -1);
    EXPECT_EQ(controls.acceleration.repeatStep, 1);
    clock.advance(1000);
    EXPECT_EQ(state.posK2(), 150);
}

TEST_F(ControlsCursorTest, steppingBeyondThePlan_isClampedByStepCursor) {
    state.setEditK1(shown(QStringLiteral("249,00")));
    window.redraw(trace::TraceView::KeepDistances);
    controls.acceleration.repeatStep = 5;
    cursors.mouseDown(1, +1);
    cursors.mouseUp(1, +1);
    EXPECT_EQ(state.posK1(), 250);
    EXPECT_EQ(state.editK1().text(), "250,00");
}

TEST_F(ControlsCursorTest, labelsAndStepButtons_chooseTheActiveCursor) {
    cursors.Label_k2Click();
    EXPECT_EQ(windowState.activeCursor(), 2);
    cursors.mouseDown(1, +1);
    cursors.mouseUp(1, +1);
    EXPECT_EQ(windowState.activeCursor(), 1)
        << "a step button makes its cursor active while the labels are enabled";
    cursors.Label_k2Click();
    EXPECT_EQ(windowState.activeCursor(), 2);
    cursors.Label_k1Click();
    EXPECT_EQ(windowState.activeCursor(), 1);
}

TEST_F(ControlsCursorTest, whileThePrIsNotAboveZero_heldStepsLeaveTheBoxAndRaiseNoError) {
    cursors.mouseDown(1, +1);
    clock.advance(600);
    state.setEditKu(shown(QStringLiteral("-1,500")));
    const QString box = state.editK1().text();
    clock.advance(2000);
    cursors.mouseUp(1, +1);
    EXPECT_TRUE(boxes.errors.isEmpty()) << boxes.errors.join('\n').toStdString();
    EXPECT_EQ(state.editK1().text(), box);
    EXPECT_EQ(clock.untilNext(), -1);
}

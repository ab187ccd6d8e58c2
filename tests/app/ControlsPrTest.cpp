#include "ControlsFixture.h"
#include "support/ShownText.h"

class ControlsPrTest : public ControlsFixture {
protected:
    void click(int direction) {
        controls.pr.mouseDown(direction);
        controls.pr.mouseUp(direction);
    }
};

TEST_F(ControlsPrTest, boundIsTestedBeforeTheStep_whichIsNotCut) {
    state.setEditKu(shown(QStringLiteral("2,999")));
    controls.acceleration.repeatStep = 5;
    controls.pr.mouseDown(+1);
    EXPECT_EQ(state.editKu().text(), "3,004");
    EXPECT_EQ(window.calls, QStringList{"redraw 2"}) << "the cursors keep their samples";
    controls.pr.mouseUp(+1);
    EXPECT_EQ(controls.acceleration.repeatStep, 1);

    window.calls.clear();
    click(+1);
    EXPECT_EQ(state.editKu().text(), "3,004") << "beyond 3 a further increment is refused";
    EXPECT_TRUE(window.calls.isEmpty());
    click(-1);
    EXPECT_EQ(state.editKu().text(), "3,003");
}

TEST_F(ControlsPrTest, exactBounds_refuseToGoFurther) {
    state.setEditKu(shown(QStringLiteral("3,000")));
    click(+1);
    EXPECT_EQ(state.editKu().text(), "3,000");
    state.setEditKu(shown(QStringLiteral("1,000")));
    click(-1);
    EXPECT_EQ(state.editKu().text(), "1,000");
    click(+1);
    EXPECT_EQ(state.editKu().text(), "1,001");
    // The data module's default box text "1,5" is a number like any other.
    state.setEditKu(shown(QStringLiteral("1,5")));
    click(-1);
    EXPECT_EQ(state.editKu().text(), "1,499");
    EXPECT_TRUE(boxes.errors.isEmpty());
}

TEST_F(ControlsPrTest, holding_stepsEvery100ms_andAccelerates) {
    state.setEditKu(shown(QStringLiteral("1,500")));
    controls.pr.mouseDown(+1);
    clock.advance(450); // ticks at 100..400 ms
    EXPECT_EQ(state.editKu().text(), "1,505");
    clock.advance(500); // cngTimeout comes first at 500 ms: 500..900 ms in steps of 2
    EXPECT_EQ(state.editKu().text(), "1,515");
    controls.pr.mouseUp(+1);
    clock.advance(1000);
    EXPECT_EQ(state.editKu().text(), "1,515");
    EXPECT_EQ(controls.acceleration.repeatStep, 1);
}

TEST_F(ControlsPrTest, setPr_takesTheListsCurrentEntry) {
    store::Dataset& list = dm.t_ku_list;
    list.append();
    list.fieldByName(QStringLiteral("name_ku")).setString(QStringLiteral("coax"));
    list.fieldByName(QStringLiteral("value_ku")).setFloat(2.25);
    list.post();
    controls.pr.SpeedButton3Click();
    EXPECT_EQ(state.editKu().text(), "2,250");
    EXPECT_EQ(window.calls, QStringList{"redraw 2"});
}

TEST_F(ControlsPrTest, setPr_withAnEmptyList_changesNothing) {
    state.setEditKu(shown(QStringLiteral("1,700")));
    controls.pr.SpeedButton3Click();
    EXPECT_EQ(state.editKu().text(), "1,700");
    EXPECT_TRUE(window.calls.isEmpty());
    EXPECT_TRUE(boxes.errors.isEmpty());
}

#include "ControlsFixture.h"
#include "support/Named.h"
#include "support/ShownText.h"

#include "app/TForm1.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

// The "KMX-419" mode, where the zoom controls are enabled.
class ControlsZoomTest : public ControlsFixture {
protected:
    ControlsZoomTest() {
        state.setTypeIndex(1);
        windowState.setZoomControlsEnabled(true);
        state.setZoomCaption(shown(QStringLiteral("1")));
        state.setZoomMax(4);
        state.setEditK1(shown(QStringLiteral("30,00")));
        state.setEditK2(shown(QStringLiteral("60,00")));
        state.setEditKu(shown(QStringLiteral("1,500")));
    }
    void click(int direction) {
        controls.zoom.mouseDown(direction);
        controls.zoom.mouseUp(direction);
    }
};

TEST_F(ControlsZoomTest, factorStaysWithinOneAndZoomMax) {
    click(+1);
    EXPECT_EQ(state.zoomCaption().text(), "2");
    click(+1);
    EXPECT_EQ(state.zoomCaption().text(), "4");
    click(+1);
    EXPECT_EQ(state.zoomCaption().text(), "4") << "ZoomMax";
    click(-1);
    click(-1);
    EXPECT_EQ(state.zoomCaption().text(), "1");
    window.calls.clear();
    click(-1);
    EXPECT_EQ(state.zoomCaption().text(), "1") << "halving 1 is refused";
    EXPECT_TRUE(window.calls.isEmpty());
}

TEST_F(ControlsZoomTest, holding_doublesEvery100msUpToZoomMax) {
    state.setZoomMax(16);
    controls.zoom.mouseDown(+1);
    clock.advance(250);
    EXPECT_EQ(state.zoomCaption().text(), "8");
    clock.advance(500);
    EXPECT_EQ(state.zoomCaption().text(), "16");
    controls.zoom.mouseUp(+1);
    EXPECT_EQ(clock.untilNext(), -1);
}

TEST_F(ControlsZoomTest, anchorIsTakenLeavingFactorOne_andKeptBeyondTwo) {
    click(+1);
    EXPECT_DOUBLE_EQ(state.zoomAnchor(), 30.0 * 2 / 3 * 1.5);
    EXPECT_FALSE(windowState.cursorLabelsEnabled());
    EXPECT_EQ(window.calls.last(), "redraw 1");
    click(+1);
    state.setEditK1(shown(QStringLiteral("45,00")));
    click(-1); // 4 -> 2 takes the anchor again
    EXPECT_DOUBLE_EQ(state.zoomAnchor(), 45.0);
    windowState.setActiveCursor(2);
    state.setZoomCaption(shown(QStringLiteral("8")));
    controls.zoom.ApplyZoom();
    EXPECT_DOUBLE_EQ(state.zoomAnchor(), 45.0) << "factors above 2 keep the anchor";
    controls.zoom.Button_zoomClick();
    EXPECT_EQ(state.zoomCaption().text(), "1");
    EXPECT_DOUBLE_EQ(state.zoomAnchor(), 60.0) << "the active cursor is K2 now";
    EXPECT_TRUE(windowState.cursorLabelsEnabled());
}

TEST_F(ControlsZoomTest, whileZoomed_labelsAndBoxesKeepTheActiveCursor_butStepButtonsMove) {
    app::TForm1 form(state, windowState);
    form.showState();
    click(+1);
    EXPECT_FALSE(named<QLabel>(form, "Label_k1")->isEnabled());
    EXPECT_FALSE(named<QLabel>(form, "Label_k2")->isEnabled());
    controls.cursors.Label_k2Click();
    QTest::mouseClick(named<QLineEdit>(form, "Edit_k2"), Qt::LeftButton);
    EXPECT_EQ(windowState.activeCursor(), 1);
    const int before = state.posK2();
    controls.cursors.mouseDown(2, -1);
    controls.cursors.mouseUp(2, -1);
    EXPECT_EQ(state.posK2(), before - 1) << "the K2 button still moves K2";
    EXPECT_EQ(windowState.activeCursor(), 1);

    controls.zoom.Button_zoomClick();
    QTest::mouseClick(named<QLineEdit>(form, "Edit_k2"), Qt::LeftButton);
    EXPECT_EQ(windowState.activeCursor(), 2);
    EXPECT_TRUE(boxes.errors.isEmpty());
}

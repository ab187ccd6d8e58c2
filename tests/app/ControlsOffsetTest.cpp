#include "ControlsFixture.h"
#include "support/ShownText.h"

class ControlsOffsetTest : public ControlsFixture {
protected:
    ControlsOffsetTest() {
        addWaveform(dm.t_master, QStringLiteral("plan"), 7);
        state.setEditSdvig(7);
    }
    qint64 storedShift(store::Dataset& ds) { return ds.fieldByName(QStringLiteral("SDVIG")).asInteger(); }
    void click(int direction) {
        controls.offset.mouseDown(direction);
        controls.offset.mouseUp(direction);
    }
};

TEST_F(ControlsOffsetTest, aStep_isPostedToTheRecordInView_andRedrawn) {
    state.setEditKu(shown(QStringLiteral("2,000"))); // the user's PR, not the record's 1,500
    click(+1);
    EXPECT_EQ(storedShift(dm.t_master), 8);
    EXPECT_EQ(state.editSdvig(), 8);
    EXPECT_EQ(window.calls, QStringList{"redraw 1"});
    EXPECT_EQ(state.editKu().text(), "2,000") << "the same record is not shown again from the store";
    EXPECT_EQ(dm.t_master.tag(), store::TagNormal);
    // Upper slot 0 holds the overview of the current waveform, all zero samples.
    EXPECT_EQ(upper.points(trace::SlotLayout::kUpperCurrent).first().y(), 8);

    store::Database file(QStringLiteral("check"), store::Schema::Kind::Library);
    file.setPath(dm.Database1.path());
    store::Dataset stored(file, QStringLiteral("stored"));
    stored.setTableName(QStringLiteral("master"));
    stored.open();
    EXPECT_EQ(storedShift(stored), 8) << "posted to the library file";
}

TEST_F(ControlsOffsetTest, theAmplitudeAxisLimits_refuseFurtherSteps) {
    dm.t_master.edit();
    dm.t_master.fieldByName(QStringLiteral("SDVIG")).setInteger(130);
    dm.t_master.setTag(store::TagQuiet);
    dm.t_master.post();
    state.setEditSdvig(130);
    window.calls.clear();
    click(+1);
    EXPECT_EQ(storedShift(dm.t_master), 130);
    EXPECT_TRUE(window.calls.isEmpty());

    controls.offset.SetVerticalShift(-130, 130, -130);
    click(-1);
    EXPECT_EQ(storedShift(dm.t_master), -130);
    EXPECT_EQ(state.editSdvig(), -130);
    click(+1);
    EXPECT_EQ(storedShift(dm.t_master), -129);
}

TEST_F(ControlsOffsetTest, holding_stepsEvery10ms) {
    controls.offset.mouseDown(-1);
    clock.advance(105);
    controls.offset.mouseUp(-1);
    clock.advance(100);
    EXPECT_EQ(storedShift(dm.t_master), 7 - 1 - 10);
    EXPECT_EQ(state.editSdvig(), -4);
}

TEST_F(ControlsOffsetTest, compareSource_editsTheCompareRecord_butNeverAppendsOne) {
    state.setWaveSource(2);
    click(+1);
    EXPECT_EQ(dm.t_picture.recordCount(), 0) << "an empty compare library stays empty";
    EXPECT_EQ(storedShift(dm.t_master), 7);

    addWaveform(dm.t_picture, QStringLiteral("compare"), 5);
    state.setEditSdvig(5);
    click(-1);
    EXPECT_EQ(storedShift(dm.t_picture), 4);
    EXPECT_EQ(storedShift(dm.t_master), 7);
    EXPECT_EQ(dm.t_picture.tag(), store::TagNormal);
}

#include "ControlsFixture.h"
#include "support/ShownText.h"

using app::library::CompareLibrary;

class LibraryDeleteTest : public ControlsFixture {
protected:
    void threeCompareRecords(bool markSecond) {
        addWaveform(dm.t_master, QStringLiteral("a"), 1, true);
        addWaveform(dm.t_master, QStringLiteral("b"), 2, true);
        addWaveform(dm.t_master, QStringLiteral("c"), 3, true);
        compare.SpeedButton_inc_ref_masterClick();
        ASSERT_EQ(dm.t_picture.recordCount(), 3);
        if (markSecond) dm.t_picture.setValueAt(1, dm.t_picture.fieldIndex(QStringLiteral("PICTURE")), true);
        window.calls.clear();
    }
};

TEST_F(LibraryDeleteTest, deletingCompareRecord2of3_renumbersTheRest) {
    threeCompareRecords(true);
    compare.SpeedButton_del_ref_pictureClick();
    EXPECT_EQ(texts(dm.t_picture, QStringLiteral("MEMO")), QStringList({"a", "c"}));
    EXPECT_EQ(column(dm.t_picture, QStringLiteral("REC_ID")), QList<qint64>({1, 2}));
    EXPECT_EQ(column(dm.t_picture, QStringLiteral("SDVIG")), QList<qint64>({0, 5}));
    EXPECT_EQ(window.calls, QStringList({"range", "redraw 1"}));
    EXPECT_EQ(dm.t_picture.recNo(), 0);
    EXPECT_EQ(dm.t_picture.tag(), store::TagNormal);
}

TEST_F(LibraryDeleteTest, deleteKeyInTheCompareGrid_deletesTheCurrentRecord_andRenumbers) {
    threeCompareRecords(false);
    dm.t_picture.moveTo(1);
    EXPECT_FALSE(gridEvents.DBGridEh2KeyDown(Qt::Key_Down)) << "other keys are the grid's";
    EXPECT_TRUE(gridEvents.DBGridEh2KeyDown(Qt::Key_Delete));
    EXPECT_EQ(texts(dm.t_picture, QStringLiteral("MEMO")), QStringList({"a", "c"}));
    EXPECT_EQ(column(dm.t_picture, QStringLiteral("SDVIG")), QList<qint64>({0, 5}));
    EXPECT_EQ(window.calls.mid(window.calls.size() - 2), QStringList({"range", "redraw 1"}));

    gridEvents.DBGridEh2KeyDown(Qt::Key_Delete);
    gridEvents.DBGridEh2KeyDown(Qt::Key_Delete);
    EXPECT_EQ(dm.t_picture.recordCount(), 0);
    EXPECT_EQ(dm.t_picture.tag(), store::TagNormal) << "no quiet tag left to swallow the next move";
    EXPECT_TRUE(gridEvents.DBGridEh2KeyDown(Qt::Key_Delete)) << "an empty library is no error";
    EXPECT_TRUE(boxes.errors.isEmpty());
}

TEST_F(LibraryDeleteTest, deleteMarkedInTheLibrary_showsTheFirstRemainingWaveform) {
    addWaveform(dm.t_master, QStringLiteral("a"), 1, true);
    addWaveform(dm.t_master, QStringLiteral("b"), 2, false);
    addWaveform(dm.t_master, QStringLiteral("c"), 3, true);
    addWaveform(dm.t_master, QStringLiteral("d"), 4, false);
    dm.t_master.moveTo(3);
    window.calls.clear();
    compare.SpeedButton_del_ref_masterClick();
    EXPECT_EQ(texts(dm.t_master, QStringLiteral("MEMO")), QStringList({"b", "d"}));
    EXPECT_EQ(dm.MasterCount, 2);
    EXPECT_EQ(dm.t_master.recNo(), 0);
    EXPECT_EQ(state.editSdvig(), 2);
    EXPECT_EQ(window.calls, QStringList({"range", "redraw 1"}));
    EXPECT_EQ(upper.points(trace::SlotLayout::kUpperCurrent).first().y(), 2);
    EXPECT_EQ(boxes.confirms, QStringList{"Delete 2 marked waveforms?"}) << "several are asked for once";

    // One undo brings the whole group back, in its places and unmarked.
    ASSERT_TRUE(dm.undoDelete());
    EXPECT_EQ(texts(dm.t_master, QStringLiteral("MEMO")), QStringList({"a", "b", "c", "d"}));
    EXPECT_EQ(column(dm.t_master, QStringLiteral("PICTURE")), QList<qint64>({0, 0, 0, 0}));
    EXPECT_EQ(dm.t_master.fieldByName("MEMO").asString(), "a");
    EXPECT_FALSE(dm.canUndoDelete());

    // Declined: nothing goes.
    dm.t_master.setValueAt(1, dm.t_master.fieldIndex(QStringLiteral("PICTURE")), true);
    dm.t_master.setValueAt(3, dm.t_master.fieldIndex(QStringLiteral("PICTURE")), true);
    boxes.answer = false;
    compare.SpeedButton_del_ref_masterClick();
    EXPECT_EQ(dm.MasterCount, 4);
}

TEST_F(LibraryDeleteTest, deleteKeyInTheLibraryGrid_deletesAtOnce) {
    addWaveform(dm.t_master, QStringLiteral("a"), 1);
    addWaveform(dm.t_master, QStringLiteral("b"), 2);
    dm.t_master.moveTo(0);
    EXPECT_FALSE(gridEvents.DBGridEh1KeyDown(Qt::Key_Backspace));
    EXPECT_TRUE(gridEvents.DBGridEh1KeyDown(Qt::Key_Delete));
    EXPECT_EQ(texts(dm.t_master, QStringLiteral("MEMO")), QStringList{"b"});
    EXPECT_EQ(dm.MasterCount, 1);
    EXPECT_EQ(state.editSdvig(), 2);
    EXPECT_TRUE(boxes.confirms.isEmpty());

    gridEvents.DBGridEh1KeyDown(Qt::Key_Delete);
    EXPECT_EQ(dm.MasterCount, 0);
    EXPECT_FALSE(window.viewEnabled);
    EXPECT_EQ(dm.t_master.tag(), store::TagNormal);
}

TEST_F(LibraryDeleteTest, clickInTheLibraryGrid_makesTheLibraryTheSourceAgain) {
    addWaveform(dm.t_master, QStringLiteral("a"), 6);
    dm.t_master.edit();
    dm.t_master.fieldByName(QStringLiteral("ZOOM_L")).setFloat(2);
    dm.t_master.setTag(store::TagQuiet);
    dm.t_master.post();
    state.setWaveSource(2);
    state.setEditSdvig(0);
    state.setZoomCaption(shown(QStringLiteral("1")));
    window.calls.clear();
    gridEvents.DBGridEh1MouseDown();
    EXPECT_EQ(state.waveSource(), 1);
    EXPECT_EQ(state.editSdvig(), 6);
    EXPECT_EQ(state.zoomCaption().text(), "2");
    EXPECT_EQ(window.calls, QStringList{"redraw 1"});
}

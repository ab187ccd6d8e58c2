#include "StoreFixture.h"
#include "support/RecordingMessages.h"

#include "store/DatasetTableModel.h"

#include <QSignalSpy>

using namespace store;

namespace {

class DatasetTableModelTest : public EitherEngine {
protected:
    DatasetTableModelTest() : ds(db, "t"), model(ds, columns()) { ds.setTableName("master"); }

    void SetUp() override {
        EitherEngine::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        ds.open();
        for (int i = 1; i <= 3; ++i) addWaveform(ds, i, QString("w%1").arg(i));
        ds.first();
    }

    static QVector<GridColumn> columns() {
        GridColumn mark{"PICTURE", "", 18, true, true};
        GridColumn rec{"REC_ID", "№", 36};
        GridColumn memo{"MEMO", "waveform name", 212, true};
        GridColumn scale{"SCALE", "scale", 50};
        GridColumn level{"LEVEL", "threshold", 0, true, false, Qt::AlignCenter};
        return {mark, rec, memo, scale, level};
    }

    Dataset ds;
    DatasetTableModel model;
};

} // namespace

TEST_P(DatasetTableModelTest, showsEveryRowWithoutMovingTheCurrentRecord) {
    int scrolls = 0;
    ds.afterScroll = [&](Dataset&) { ++scrolls; };
    ASSERT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.data(model.index(2, 2)).toString(), "w3");
    EXPECT_EQ(model.data(model.index(1, 1)).toString(), "2");
    EXPECT_EQ(model.data(model.index(0, 3)).toString(), "250");
    EXPECT_EQ(model.data(model.index(0, 0), Qt::CheckStateRole).toInt(), Qt::Unchecked);
    EXPECT_FALSE(model.data(model.index(0, 0)).isValid());
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), "№");
    EXPECT_EQ(scrolls, 0);
    EXPECT_EQ(ds.recNo(), 0);
    EXPECT_FALSE(model.flags(model.index(0, 1)) & Qt::ItemIsEditable);
    EXPECT_TRUE(model.flags(model.index(0, 0)) & Qt::ItemIsUserCheckable);
    EXPECT_FALSE(model.data(model.index(9, 2)).isValid());
}

TEST_P(DatasetTableModelTest, editsGoThroughTheDatasetAndRefuseJunkWithAMessage) {
    RecordingMessages messages;
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    EXPECT_TRUE(model.setData(model.index(1, 0), Qt::Checked, Qt::CheckStateRole));
    EXPECT_EQ(ds.recNo(), 1);
    EXPECT_TRUE(ds.fieldByName("PICTURE").asBool());
    EXPECT_EQ(changed.count(), 1);
    EXPECT_TRUE(model.setData(model.index(2, 2), "renamed"));
    EXPECT_EQ(model.data(model.index(2, 2)).toString(), "renamed");
    EXPECT_FALSE(model.setData(model.index(2, 1), "99"));
    EXPECT_FALSE(model.setData(model.index(2, 4), "abc"));
    EXPECT_EQ(messages.errors.size(), 1);
    EXPECT_EQ(model.data(model.index(2, 4)).toString(), "");
}

TEST_P(DatasetTableModelTest, followsAppendsDeletesAndDisabledControls) {
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    QSignalSpy current(&model, &DatasetTableModel::currentRowChanged);
    addWaveform(ds, 4, "w4");
    EXPECT_EQ(model.rowCount(), 4);
    EXPECT_EQ(current.last().at(0).toInt(), 3);
    ds.disableControls();
    const int before = resets.count();
    ds.first();
    ds.deleteRecord();
    ds.deleteRecord();
    EXPECT_EQ(resets.count(), before);
    ds.enableControls();
    EXPECT_EQ(resets.count(), before + 1);
    EXPECT_EQ(model.rowCount(), 2);
    db.disconnect();
    EXPECT_EQ(model.rowCount(), 0);
}

INSTANTIATE_ON_BOTH_ENGINES(DatasetTableModelTest);

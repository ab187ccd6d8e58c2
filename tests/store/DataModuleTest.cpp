#include "DataModuleFixture.h"
#include "support/ShownText.h"

#include "store/PrListDefaults.h"

#include <QSqlDatabase>
#include <QSqlQuery>

using namespace store;

namespace {

class DataModuleTest : public DataModuleOnEitherEngine {};

} // namespace

TEST_P(DataModuleTest, emptyLibrarySwitchesTheViewOffAndShowsDefaults) {
    state.setEditKu(shown("2,000"));
    state.setEditSdvig(7);
    state.setZoomCaption(shown("4"));
    dm.DataModuleCreate();
    EXPECT_EQ(dm.MasterCount, 0);
    EXPECT_FALSE(host.viewEnabled);
    EXPECT_EQ(state.editKu(), store::ShownNumber(1.5, 1));
    EXPECT_EQ(state.editSdvig(), 0);
    EXPECT_EQ(state.zoomCaption().text(), "1");
    EXPECT_EQ(host.calls.filter("filter").size(), 1);
    EXPECT_EQ(host.calls.mid(host.calls.size() - 2), QStringList({"range", "redraw 3"}));
    EXPECT_EQ(dm.t_master.tag(), TagNormal);
}

TEST_P(DataModuleTest, startUpShowsTheFirstRecordOfTheSelectedType) {
    start();
    addWaveform(dm.t_master2, "other family", "2,000", 9, 1, "KM-630 ver.1");
    addWaveform(dm.t_master2, "first", "1,750", 5, 2);
    addWaveform(dm.t_master2, "second", "", 10, 4);
    TDataModule1 again(state, host);
    host.module = &again;
    again.DataModuleCreate();
    EXPECT_EQ(again.MasterCount, 2);
    EXPECT_TRUE(host.viewEnabled);
    EXPECT_EQ(state.editKu(), store::ShownNumber(1.75, 3));
    EXPECT_EQ(state.editSdvig(), 5);
    EXPECT_EQ(state.zoomCaption().text(), "2");
    EXPECT_EQ(state.waveSource(), 1);
    // An empty SPEED shows the default rather than a box that cannot be parsed.
    again.t_master.next();
    EXPECT_EQ(state.editKu(), store::ShownNumber(1.5, 1));
}

TEST_P(DataModuleTest, viewGoesOffWithTheLastRecordAndOnAgainWithAnInsert) {
    start();
    addWaveform(dm.t_master, "only", "1,500", 0, 1);
    EXPECT_EQ(dm.MasterCount, 1);
    EXPECT_TRUE(host.viewEnabled);
    dm.t_master.deleteRecord();
    EXPECT_EQ(dm.MasterCount, 0);
    EXPECT_FALSE(host.viewEnabled);
    // The boxes of the deleted record do not stay on show.
    EXPECT_EQ(state.editKu(), store::ShownNumber(1.5, 1));
    dm.t_master.append();
    EXPECT_EQ(dm.MasterCount, 1);
    EXPECT_TRUE(host.viewEnabled);
}

TEST_P(DataModuleTest, quietTagAbsorbsExactlyOneMove) {
    start();
    addWaveform(dm.t_master, "a", "1,100", 1, 1);
    addWaveform(dm.t_master, "b", "1,200", 2, 1);
    addWaveform(dm.t_master, "c", "1,300", 3, 1);
    dm.t_master.first();
    host.calls.clear();
    dm.t_master.setTag(TagQuiet);
    dm.t_master.next();
    EXPECT_EQ(state.editKu(), store::ShownNumber(1.10, 3));
    EXPECT_EQ(host.redraws(), 0);
    EXPECT_EQ(dm.t_master.tag(), TagNormal);
    dm.t_master.next();
    EXPECT_EQ(state.editKu(), store::ShownNumber(1.30, 3));
    EXPECT_EQ(host.calls.mid(host.calls.size() - 2), QStringList({"range", "redraw 1"}));
}

TEST_P(DataModuleTest, movingResetsTheZoomCaptionBeforeTheNewValues) {
    start();
    addWaveform(dm.t_master, "a", "1,500", 0, 2);
    addWaveform(dm.t_master, "b", "1,500", 0, 4);
    dm.t_master.first();
    QString seenByDataChange;
    const auto original = dm.t_master.dataChange;
    dm.t_master.dataChange = [&](Dataset& ds) {
        seenByDataChange = state.zoomCaption().text();
        original(ds);
    };
    state.setZoomCaption(shown("8"));
    dm.t_master.next();
    EXPECT_EQ(seenByDataChange, "1");
    EXPECT_EQ(state.zoomCaption().text(), "4");
    state.setTypeIndex(1); // free zoom: the stored zoom is not applied
    dm.t_master.first();
    EXPECT_EQ(state.zoomCaption().text(), "1");
}

TEST_P(DataModuleTest, compareLibraryScrollFollowsTheTagProtocol) {
    start();
    Dataset& pic = dm.t_picture;
    addWaveform(pic, "c1", "1,500", 0, 2);
    addWaveform(pic, "c2", "1,500", 5, 3);
    pic.edit();
    pic.fieldByName("SCALE").setFloat(1000.7);
    pic.post();
    state.setMaxScale(60);
    pic.setTag(TagScan);
    pic.first();
    pic.next();
    EXPECT_DOUBLE_EQ(state.maxScale(), 1000);
    EXPECT_EQ(pic.tag(), TagScan);
    EXPECT_EQ(state.waveSource(), 1);

    pic.setTag(TagNormal);
    host.calls.clear();
    state.setTypeIndex(1);
    pic.first();
    EXPECT_EQ(state.waveSource(), 2);
    EXPECT_EQ(state.editSdvig(), 0);
    EXPECT_EQ(host.redraws(), 0);
    state.setTypeIndex(0);
    pic.next();
    EXPECT_EQ(state.zoomCaption().text(), "3");
    EXPECT_EQ(host.calls, QStringList({"redraw 1"}));
}

TEST_P(DataModuleTest, compareGridFollowsPostsIntoTheCompareLibrary) {
    start();
    host.compareGridEnabled = false;
    addWaveform(dm.t_picture, "c1", "1,500", 0, 1);
    EXPECT_TRUE(host.compareGridEnabled);
}

TEST_P(DataModuleTest, prEntriesOutsideTheRangeOrWithoutNameAreDroppedSilently) {
    start();
    Dataset& ku = dm.t_ku_list;
    const int before = ku.recordCount();
    auto add = [&](const QString& name, const QVariant& value) {
        ku.append();
        EXPECT_FALSE(ku.fieldByName("picture").asBool());
        EXPECT_FALSE(ku.fieldByName("picture").isNull());
        ku.fieldByName("name_ku").setString(name);
        ku.fieldByName("value_ku").setValue(value);
        ku.post();
    };
    add("low", 1.0);
    add("high", "3,000");
    add("above", 3.001);
    add("below", "0.999");
    add("", 1.5);
    add("   ", 1.5);
    add("no value", QVariant());
    ASSERT_EQ(ku.recordCount(), before + 2);
    EXPECT_EQ(ku.valueAt(before, ku.fieldIndex("name_ku")).toString(), "low");
    EXPECT_EQ(ku.valueAt(before + 1, ku.fieldIndex("name_ku")).toString(), "high");
    ku.moveTo(before);
    ku.edit();
    ku.fieldByName("value_ku").setFloat(5);
    ku.post();
    EXPECT_DOUBLE_EQ(ku.fieldByName("value_ku").asFloat(), 1.0);
    EXPECT_EQ(ku.state(), DatasetState::Browse);
}

TEST_P(DataModuleTest, typeQueryReopensTheLibraryAndPurgeEmptiesTheOtherFamily) {
    start();
    addWaveform(dm.t_master2, "41", "1,500", 0, 1, "KM-41A1 ver.5");
    addWaveform(dm.t_master2, "630a", "1,500", 0, 1, "KM-630 ver.1");
    addWaveform(dm.t_master2, "630b", "1,500", 0, 1, "KM-630 ver.1");
    addWaveform(dm.t_picture, "p1", "1,500", 0, 1, "KM-41A1 ver.5");
    addWaveform(dm.t_picture, "p2", "1,500", 0, 1, "KM-41A1 ver.5");
    dm.purgeCompareLibrary("KM-41A1 ver.5");
    EXPECT_EQ(dm.t_picture.recordCount(), 2);
    dm.purgeCompareLibrary("KM-630 ver.1");
    EXPECT_EQ(dm.t_picture.recordCount(), 0);
    EXPECT_EQ(dm.t_picture.tag(),
              TagQuiet); // the empty library absorbs nothing; the next walk sets its own tag
    dm.applyTypeQuery("KM-630 ver.1");
    EXPECT_EQ(dm.MasterCount, 2);
    EXPECT_TRUE(dm.t_master2.isOpen());
    EXPECT_EQ(dm.t_master2.recordCount(), 3);
    EXPECT_EQ(dm.t_master.sql(), "SELECT * FROM master WHERE DEVICE_TYPE = 'KM-630 ver.1'");
}

// A type shown again lists its rows as they are now, however they changed
// while the other type was shown: through any view of this program, or by
// another program writing to the same file.
TEST_P(DataModuleTest, aTypeShownAgain_listsTheRowsChangedMeanwhile) {
    start();
    const QString plan = TDataModule1::deviceTypeOf(0), window = TDataModule1::deviceTypeOf(1);
    addWaveform(dm.t_master2, "41a", "1,500", 0, 1, plan);
    addWaveform(dm.t_master2, "41b", "1,500", 0, 1, plan);
    addWaveform(dm.t_master2, "630", "1,500", 0, 1, window);
    const auto shown = [&](const QString& type) {
        dm.applyTypeQuery(type);
        return dm.t_master.recordCount();
    };
    EXPECT_EQ(shown(plan), 2);
    EXPECT_EQ(shown(window), 1);

    // An offset changes no type's rows; a new type moves the row.
    dm.t_master.edit();
    dm.t_master.fieldByName("SDVIG").setInteger(7);
    dm.t_master.post();
    EXPECT_EQ(shown(plan), 2);
    EXPECT_EQ(shown(window), 1);
    dm.t_master2.last();
    dm.t_master2.edit();
    dm.t_master2.fieldByName("DEVICE_TYPE").setString(plan);
    dm.t_master2.post();
    EXPECT_EQ(shown(plan), 3);
    EXPECT_EQ(shown(window), 0);

    if (onServer()) return; // another program's changes reach a server's views as they happen
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
        other.setDatabaseName(dm.Database1.path());
        ASSERT_TRUE(other.open());
        QSqlQuery q(other);
        ASSERT_TRUE(q.exec(
            QStringLiteral("INSERT INTO master (MEMO, DEVICE_TYPE) VALUES ('elsewhere', '%1')").arg(window)));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("other"));
    EXPECT_EQ(shown(window), 1);
    EXPECT_EQ(shown(plan), 3);
}

TEST_P(DataModuleTest, aNewInstallationsPrList_holdsCableTypes_andAnExistingListIsLeftAsItIs) {
    // A server library's list is filled when its tables are made.
    if (!onServer()) ASSERT_TRUE(createDefaultPrList(TDataModule1::listPath()));
    start();
    Dataset& ku = dm.t_ku_list;
    ASSERT_GE(ku.recordCount(), 3);
    const int name = ku.fieldIndex("name_ku"), value = ku.fieldIndex("value_ku");
    for (int row = 0; row < ku.recordCount(); ++row) {
        const QString cable = ku.valueAt(row, name).toString();
        const double pr = ku.valueAt(row, value).toDouble();
        EXPECT_TRUE(!cable.isEmpty() && cable.size() <= 12) << cable.toStdString();
        EXPECT_TRUE(pr >= 1.0 && pr <= 3.0) << cable.toStdString() << " " << pr;
    }

    // The user's own list: one entry changed, one deleted.
    const int count = ku.recordCount();
    ku.first();
    ku.edit();
    ku.fieldByName("value_ku").setFloat(2.5);
    ku.post();
    ku.last();
    ku.deleteRecord();
    if (!onServer()) EXPECT_FALSE(createDefaultPrList(TDataModule1::listPath()));
    dm.Database3.disconnect();
    ku.open();
    EXPECT_EQ(ku.recordCount(), count - 1);
    ku.first();
    EXPECT_DOUBLE_EQ(ku.fieldByName("value_ku").asFloat(), 2.5);
}

INSTANTIATE_ON_BOTH_ENGINES(DataModuleTest);

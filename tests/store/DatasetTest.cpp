#include "StoreFixture.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <limits>

using namespace store;

namespace {

class DatasetTest : public EitherEngine {};

QStringList memos(Dataset& ds) {
    QStringList out;
    const int memo = ds.fieldIndex(QStringLiteral("MEMO"));
    for (int r = 0; r < ds.recordCount(); ++r) out << ds.valueAt(r, memo).toString();
    return out;
}

} // namespace

TEST_P(DatasetTest, newLibraryHasMasterFieldsInOrder_andIsEmpty) {
    Dataset ds(db, "t");
    ds.setTableName("master");
    ds.open();
    QStringList names;
    for (int i = 0; i < ds.fieldCount(); ++i) names << ds.fieldName(i);
    EXPECT_EQ(names, Schema::masterFields());
    EXPECT_EQ(ds.recordCount(), 0);
    EXPECT_EQ(ds.recNo(), -1);
    EXPECT_TRUE(ds.eof());
    EXPECT_TRUE(ds.fieldByName("MEMO").isNull());
    EXPECT_THROW(ds.fieldByName("NOPE"), StoreError);
    EXPECT_THROW(ds.deleteRecord(), StoreError);
}

TEST_P(DatasetTest, blobAndQuotedCyrillicNameRoundTripExactly) {
    QByteArray blob(8512, '\0');
    for (int i = 0; i < blob.size(); ++i) blob[i] = static_cast<char>(i % 256);
    const QString name = QStringLiteral("Кабель \"А'Б\"; DROP TABLE master; --");
    {
        Dataset ds(db, "t");
        ds.setTableName("master");
        ds.open();
        ds.append();
        ds.fieldByName("MEMO").setString(name);
        ds.fieldByName("POINTS").setBlob(blob);
        ds.post();
    }
    db.disconnect();
    Dataset ds(db, "t");
    ds.setTableName("master");
    ds.open();
    ASSERT_EQ(ds.recordCount(), 1);
    EXPECT_EQ(ds.fieldByName("MEMO").asString(), name);
    EXPECT_EQ(ds.fieldByName("POINTS").asBlob(), blob);
}

TEST_P(DatasetTest, fieldViewsParseBothSeparatorsAndTruncate) {
    Dataset ds(db, "t");
    ds.setTableName("master");
    ds.open();
    ds.append();
    ds.fieldByName("SCALE").setString("62,5");
    ds.fieldByName("SPEED").setString("1,500");
    ds.fieldByName("ZOOM_L").setFloat(-2.75);
    ds.fieldByName("PICTURE").setString("True");
    ds.fieldByName("DATE").setString("junk");
    ds.post();
    EXPECT_DOUBLE_EQ(ds.fieldByName("SCALE").asFloat(), 62.5);
    EXPECT_EQ(ds.fieldByName("SCALE").asInteger(), 62);
    EXPECT_EQ(ds.fieldByName("SPEED").asString(), "1,500");
    EXPECT_DOUBLE_EQ(ds.fieldByName("SPEED").asFloat(), 1.5);
    EXPECT_EQ(ds.fieldByName("ZOOM_L").asInteger(), -2);
    EXPECT_TRUE(ds.fieldByName("PICTURE").asBool());
    EXPECT_EQ(ds.fieldByName("PICTURE").asString(), "True");
    EXPECT_EQ(ds.fieldByName("DATE").asInteger(), 0);
    EXPECT_EQ(ds.fieldByName("LEVEL").asString(), "");
    ds.edit();
    EXPECT_THROW(ds.fieldByName("SCALE").setString("abc"), StoreError);
    EXPECT_THROW(ds.fieldByName("LEVEL").setString("1.5"), StoreError);
    ds.cancel();
    EXPECT_THROW(ds.fieldByName("MEMO").setString("not editing"), StoreError);
}

TEST_P(DatasetTest, navigationAndBookmarksFollowTableOrder) {
    Dataset ds(db, "t");
    ds.setTableName("master");
    ds.open();
    for (int i = 1; i <= 5; ++i) addWaveform(ds, i, QString("w%1").arg(i));
    EXPECT_EQ(memos(ds), QStringList({"w1", "w2", "w3", "w4", "w5"}));
    ds.first();
    EXPECT_TRUE(ds.bof());
    ds.next();
    ds.next();
    EXPECT_EQ(ds.fieldByName("MEMO").asString(), "w3");
    const Dataset::Bookmark mark = ds.bookmark();
    ds.last();
    EXPECT_TRUE(ds.eof());
    ds.next();
    EXPECT_EQ(ds.recNo(), 4);
    ds.gotoBookmark(mark);
    EXPECT_EQ(ds.fieldByName("MEMO").asString(), "w3");
    ds.deleteRecord();
    EXPECT_EQ(ds.fieldByName("MEMO").asString(), "w4");
    EXPECT_FALSE(ds.bookmarkValid(mark));
    ds.gotoBookmark(mark);
    EXPECT_EQ(ds.fieldByName("MEMO").asString(), "w4");
    ds.last();
    ds.deleteRecord();
    EXPECT_EQ(ds.fieldByName("MEMO").asString(), "w4");
    ds.moveTo(99);
    EXPECT_EQ(ds.recNo(), 2);
}

TEST_P(DatasetTest, filteredQueryBindsTheLiteral) {
    Dataset all(db, "all");
    all.setTableName("master");
    all.open();
    addWaveform(all, 1, "a", "KM-41A1 ver.5");
    addWaveform(all, 2, "b", "KM-630 ver.1");
    addWaveform(all, 3, "c", "it's");
    Dataset q(db, "q");
    q.setSql("SELECT * FROM master WHERE DEVICE_TYPE = 'KM-630 ver.1'");
    q.open();
    EXPECT_EQ(memos(q), QStringList({"b"}));
    q.setSql("select * from master where DEVICE_TYPE = 'it''s'");
    q.open();
    EXPECT_EQ(memos(q), QStringList({"c"}));
    EXPECT_EQ(q.sql(), "SELECT * FROM master WHERE DEVICE_TYPE = 'it''s'");
    EXPECT_THROW(q.setSql("SELECT * FROM master; DROP TABLE master"), StoreError);
    EXPECT_THROW(q.setSql("DELETE FROM master"), StoreError);
    q.setSql("SELECT * FROM master WHERE NO_SUCH = 'x'");
    EXPECT_THROW(q.open(), StoreError);
    EXPECT_FALSE(q.isOpen());
}

TEST_P(DatasetTest, eventsFireInTheOrderTheDataModuleExpects) {
    Dataset ds(db, "t");
    ds.setTableName("master");
    QStringList log;
    ds.afterOpen = [&](Dataset&) { log << "afterOpen"; };
    ds.beforeScroll = [&](Dataset&) { log << "beforeScroll"; };
    ds.afterScroll = [&](Dataset& d) { log << QString("afterScroll%1").arg(d.recNo()); };
    ds.dataChange = [&](Dataset&) { log << "dataChange"; };
    ds.afterInsert = [&](Dataset&) { log << "afterInsert"; };
    ds.afterPost = [&](Dataset&) { log << "afterPost"; };
    ds.afterDelete = [&](Dataset&) { log << "afterDelete"; };
    ds.open();
    EXPECT_EQ(log, QStringList({"afterOpen", "dataChange", "afterScroll-1"}));
    log.clear();
    addWaveform(ds, 1, "a");
    EXPECT_EQ(log, QStringList({"beforeScroll", "dataChange", "afterInsert", "afterScroll-1", "dataChange",
                                "afterPost"}));
    addWaveform(ds, 2, "b");
    log.clear();
    ds.first();
    ds.prior(); // already first: no move, no events
    EXPECT_EQ(log, QStringList({"beforeScroll", "dataChange", "afterScroll0"}));
    log.clear();
    ds.deleteRecord();
    EXPECT_EQ(log, QStringList({"beforeScroll", "dataChange", "afterDelete", "afterScroll0"}));
    log.clear();
    ds.edit();
    ds.fieldByName("MEMO").setString("x");
    ds.next(); // posts the pending edit first; the last row cannot move further
    EXPECT_EQ(log, QStringList({"dataChange", "afterPost"}));
}

TEST_P(DatasetTest, beforePostMayDropThePendingRecordSilently) {
    Dataset ds(db, "t");
    ds.setTableName("master");
    ds.open();
    addWaveform(ds, 1, "keep");
    ds.beforePost = [](Dataset& d) { return d.fieldByName("MEMO").asString() != "reject"; };
    ds.append();
    ds.fieldByName("MEMO").setString("reject");
    ds.post();
    EXPECT_EQ(ds.state(), DatasetState::Browse);
    EXPECT_EQ(memos(ds), QStringList({"keep"}));
    ds.edit();
    ds.fieldByName("MEMO").setString("reject");
    ds.post();
    EXPECT_EQ(ds.fieldByName("MEMO").asString(), "keep");
    ds.close();
    ds.open();
    EXPECT_EQ(memos(ds), QStringList({"keep"}));
}

TEST_P(DatasetTest, failedPostLeavesTheLibraryAsItWas) {
    Dataset ds(db, "t");
    ds.setTableName("master");
    ds.open();
    addWaveform(ds, 1, "one");
    {
        QSqlQuery q(db.handle());
        if (onServer()) {
            ASSERT_TRUE(q.exec("CREATE FUNCTION refuse() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN "
                               "IF NEW.\"MEMO\" = 'bad' THEN RAISE EXCEPTION 'refused by trigger'; END IF; "
                               "RETURN NEW; END $$"));
            ASSERT_TRUE(q.exec("CREATE TRIGGER refuse BEFORE INSERT OR UPDATE ON master "
                               "FOR EACH ROW EXECUTE FUNCTION refuse()"));
        } else {
            ASSERT_TRUE(q.exec("CREATE TRIGGER refuse BEFORE UPDATE ON master WHEN NEW.MEMO = 'bad' "
                               "BEGIN SELECT RAISE(ABORT, 'refused by trigger'); END"));
            ASSERT_TRUE(q.exec("CREATE TRIGGER refuse2 BEFORE INSERT ON master WHEN NEW.MEMO = 'bad' "
                               "BEGIN SELECT RAISE(ABORT, 'refused by trigger'); END"));
        }
    }
    ds.edit();
    ds.fieldByName("MEMO").setString("bad");
    try {
        ds.post();
        FAIL() << "post should fail";
    } catch (const StoreError& e) {
        EXPECT_NE(QString(e.what()).indexOf("refused by trigger"), -1);
        EXPECT_NE(QString(e.what()).indexOf(db.displayName()), -1) << e.what();
    }
    EXPECT_EQ(ds.state(), DatasetState::Browse);
    ds.append();
    ds.fieldByName("MEMO").setString("bad");
    EXPECT_THROW(ds.post(), StoreError);
    EXPECT_EQ(ds.recordCount(), 1);
    db.disconnect();
    ds.open();
    EXPECT_EQ(memos(ds), QStringList({"one"}));
}

TEST_P(DatasetTest, disabledControlsHoldBackDataChangeAndSignalsUntilEnabled) {
    Dataset ds(db, "t");
    ds.setTableName("master");
    ds.open();
    for (int i = 1; i <= 3; ++i) addWaveform(ds, i, "w");
    int changes = 0, scrolls = 0, resets = 0;
    ds.dataChange = [&](Dataset&) { ++changes; };
    ds.afterScroll = [&](Dataset&) { ++scrolls; };
    QObject::connect(&ds, &Dataset::reset, [&] { ++resets; });
    ds.disableControls();
    ds.first();
    ds.next();
    ds.deleteRecord();
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(scrolls, 3);
    EXPECT_EQ(resets, 0);
    ds.enableControls();
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(resets, 1);
    ds.enableControls(); // unbalanced: nothing more
    EXPECT_EQ(changes, 1);
}

TEST_P(DatasetTest, viewsOfOneTableSeeEachOthersChangesAndDeletes) {
    Dataset a(db, "a"), b(db, "b");
    a.setTableName("master");
    b.setTableName("master");
    a.open();
    addWaveform(a, 1, "old");
    addWaveform(a, 2, "keep");
    b.open();
    EXPECT_EQ(b.fieldByName("MEMO").asString(), "old");
    EXPECT_TRUE(b.fieldByName("POINTS").asBlob().isEmpty());
    a.first();
    a.edit();
    a.fieldByName("MEMO").setString("new");
    a.fieldByName("POINTS").setBlob("wave 1");
    a.post();
    EXPECT_EQ(b.fieldByName("MEMO").asString(), "new");
    EXPECT_EQ(b.fieldByName("POINTS").asBlob(), "wave 1");
    // A view's own write: what it read of that row and of the others stays true.
    b.last();
    EXPECT_TRUE(b.fieldByName("POINTS").asBlob().isEmpty());
    b.edit();
    b.fieldByName("POINTS").setBlob("wave 2");
    b.fieldByName("SDVIG").setInteger(7);
    b.post();
    EXPECT_EQ(b.fieldByName("POINTS").asBlob(), "wave 2");
    EXPECT_EQ(b.fieldByName("SDVIG").asInteger(), 7);
    EXPECT_EQ(a.valueAt(1, a.fieldIndex("POINTS")).toByteArray(), "wave 2");
    b.first();
    EXPECT_EQ(b.fieldByName("POINTS").asBlob(), "wave 1");
    EXPECT_EQ(b.fieldByName("MEMO").asString(), "new");
    b.last();
    a.first();
    a.deleteRecord();
    // The deleted row leaves the other view too; its current row stays.
    EXPECT_EQ(memos(b), QStringList({"keep"}));
    EXPECT_EQ(b.fieldByName("MEMO").asString(), "keep");
}

TEST_P(DatasetTest, numberedRowTakesOneAboveTheLargestStoredNumber) {
    Dataset all(db, "all");
    all.setTableName("master");
    all.open();
    addWaveform(all, 7, "a", "KM-41A1 ver.5");
    addWaveform(all, 3, "b", "KM-630 ver.1");
    all.last();
    all.deleteRecord();
    Dataset q(db, "q");
    q.setSql("SELECT * FROM master WHERE DEVICE_TYPE = 'KM-630 ver.1'");
    q.open();
    for (const char* memo : {"c", "d"}) {
        q.appendNumbered("REC_ID", {"BANK_NUM"});
        q.fieldByName("REC_ID").setInteger(1); // the number given wins over a value set
        q.fieldByName("MEMO").setString(memo);
        q.fieldByName("DEVICE_TYPE").setString("KM-630 ver.1");
        q.post();
        EXPECT_EQ(q.fieldByName("REC_ID").asInteger(), q.fieldByName("BANK_NUM").asInteger());
    }
    all.close();
    all.open();
    QStringList numbers;
    for (int i = 0; i < all.recordCount(); ++i)
        numbers << all.valueAt(i, all.fieldIndex("REC_ID")).toString();
    EXPECT_EQ(numbers, QStringList({"7", "8", "9"}));
}

// Up to the largest number there is, and no further: a library holding it
// (an old tool, a bad copy) refuses new numbers rather than repeat one.
TEST_P(DatasetTest, theLastNumberIsGiven_andThenNoneIsInventedPastIt) {
    Dataset all(db, "all");
    all.setTableName("master");
    all.open();
    constexpr qint64 kLargest = std::numeric_limits<qint64>::max();
    all.append();
    all.fieldByName("REC_ID").setInteger(kLargest - 1);
    all.fieldByName("MEMO").setString("old");
    all.post();
    all.appendNumbered("REC_ID", {"BANK_NUM"});
    all.fieldByName("MEMO").setString("last");
    all.post();
    EXPECT_EQ(all.fieldByName("REC_ID").value().toLongLong(), kLargest);
    for (int i = 0; i < 3; ++i) {
        all.appendNumbered("REC_ID", {"BANK_NUM"});
        all.fieldByName("MEMO").setString("one too many");
        try {
            all.post();
            FAIL() << "a number past the largest was given: "
                   << all.fieldByName("REC_ID").asString().toStdString();
        } catch (const StoreError& e) {
            EXPECT_TRUE(QString::fromUtf8(e.what()).contains("No number is left")) << e.what();
        }
    }
    all.close();
    all.open();
    EXPECT_EQ(all.recordCount(), 2);
}

TEST_P(DatasetTest, disconnectClosesDatasetsAndOpenReconnects) {
    Dataset ds(db, "t");
    ds.setTableName("master");
    ds.open();
    addWaveform(ds, 1, "a");
    db.disconnect();
    EXPECT_FALSE(ds.isOpen());
    EXPECT_EQ(ds.recordCount(), 0);
    EXPECT_THROW(ds.first(), StoreError);
    ds.open();
    EXPECT_TRUE(db.isConnected());
    EXPECT_EQ(ds.recordCount(), 1);
}

// A view opens by counting its rows and reads their keys a page at a time;
// it must list what a full listing at its opening lists, through changes
// made through it and through other views: rows far from any page read,
// a row stored elsewhere under a key the file reuses, rows another program
// changed. REC_ID stands for each row here.
TEST_P(DatasetTest, aViewListsTheRowsAFullListingAtItsOpeningWould) {
    db.connect();
    const auto sql = [&](const QString& text, const QVariantList& params = {}) {
        QSqlQuery q(db.handle());
        ASSERT_TRUE(q.prepare(text)) << q.lastError().text().toStdString();
        for (const QVariant& p : params) q.addBindValue(p);
        ASSERT_TRUE(q.exec()) << q.lastError().text().toStdString();
    };
    // 900 rows, every third of the other type: the views' pages hold 256 keys.
    {
        QSqlDatabase handle = db.handle();
        ASSERT_TRUE(handle.transaction());
        for (int i = 1; i <= 900; ++i)
            sql(R"(INSERT INTO master ("REC_ID", "DEVICE_TYPE") VALUES (?, ?))",
                {i, i % 3 == 0 ? QStringLiteral("KM-630 ver.1") : QStringLiteral("KM-41A1 ver.5")});
        ASSERT_TRUE(handle.commit());
    }
    const auto numbers = [](Dataset& ds) {
        QList<qint64> out;
        const int rec = ds.fieldIndex("REC_ID");
        for (int r = 0; r < ds.recordCount(); ++r) out << FieldValue::integer(ds.valueAt(r, rec));
        return out;
    };
    const auto listed = [&](const QString& where) {
        QList<qint64> out;
        QSqlQuery q(db.handle());
        q.exec(QStringLiteral(R"(SELECT "REC_ID" FROM master %1 ORDER BY rowid)").arg(where));
        while (q.next()) out << q.value(0).toLongLong();
        return out;
    };
    Dataset plans(db, "plans"), all(db, "all");
    plans.setSql("SELECT * FROM master WHERE DEVICE_TYPE = 'KM-41A1 ver.5'");
    all.setTableName("master");
    plans.open();
    all.open();
    QList<qint64> expectPlans = listed(R"(WHERE "DEVICE_TYPE" = 'KM-41A1 ver.5')");
    QList<qint64> expectAll = listed({});
    ASSERT_EQ(expectPlans.size(), 600);
    EXPECT_EQ(plans.recordCount(), 600);
    plans.moveTo(10);

    // Stored through the other view: not listed here until opened again.
    addWaveform(all, 901, "elsewhere");
    expectAll << 901;
    // Stored through this view: listed after the others, and not in the other view.
    addWaveform(plans, 902, "here");
    expectPlans << 902;
    EXPECT_EQ(plans.fieldByName("REC_ID").asInteger(), 902);
    // Deleted through the other view, far from the rows read here: it leaves this view too.
    all.moveTo(expectAll.indexOf(700));
    all.deleteRecord();
    expectAll.removeOne(700);
    expectPlans.removeOne(700);
    // Deleted here, from the middle.
    plans.moveTo(expectPlans.indexOf(350));
    plans.deleteRecord();
    EXPECT_EQ(plans.fieldByName("REC_ID").asInteger(), 352);
    expectPlans.removeOne(350);
    expectAll.removeOne(350);
    // The table's last rows go, down to below the largest key the plan view
    // had, and a row comes in elsewhere: a file gives it a key this view
    // had; it stays out here all the same.
    plans.last();
    plans.deleteRecord();
    expectPlans.removeOne(902);
    for (const qint64 gone : {901, 900, 899}) {
        all.last();
        EXPECT_EQ(all.fieldByName("REC_ID").asInteger(), gone);
        all.deleteRecord();
        expectAll.removeOne(gone);
        expectPlans.removeOne(gone);
    }
    addWaveform(all, 903, "reused key");
    expectAll << 903;
    EXPECT_EQ(numbers(plans), expectPlans);
    EXPECT_EQ(numbers(all), expectAll);

    // Another program marks a far row of the other type as a plan and deletes
    // a plan: listed again, the plan view takes both changes.
    QSqlQuery key(db.handle());
    key.exec(R"(SELECT rowid, "REC_ID" FROM master WHERE "REC_ID" IN (600, 601) ORDER BY rowid)");
    QSet<qint64> changed;
    while (key.next()) changed << key.value(0).toLongLong();
    sql(R"(UPDATE master SET "DEVICE_TYPE" = 'KM-41A1 ver.5' WHERE "REC_ID" = 600)");
    sql(R"(DELETE FROM master WHERE "REC_ID" = 601)");
    plans.moveTo(expectPlans.indexOf(800));
    plans.refresh(changed);
    expectPlans.insert(expectPlans.indexOf(602), 600);
    expectPlans.removeOne(601);
    EXPECT_EQ(numbers(plans), expectPlans);
    EXPECT_EQ(plans.fieldByName("REC_ID").asInteger(), 800);
    EXPECT_EQ(plans.recNo(), expectPlans.indexOf(800));

    // Opened again, each view lists the table as it is now.
    plans.close();
    plans.open();
    EXPECT_EQ(numbers(plans), listed(R"(WHERE "DEVICE_TYPE" = 'KM-41A1 ver.5')"));
    plans.last();
    EXPECT_EQ(plans.fieldByName("REC_ID").asInteger(),
              listed(R"(WHERE "DEVICE_TYPE" = 'KM-41A1 ver.5')").last());
}

INSTANTIATE_ON_BOTH_ENGINES(DatasetTest);

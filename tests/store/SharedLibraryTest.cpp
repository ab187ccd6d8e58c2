// A crew's library on a server: what other programs do shows here, a lost
// server stops writes without losing what is shown, deletes can be undone.
#include "DataModuleFixture.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QTest>
#include <QUrl>

using namespace store;

namespace {

// Restarts the shared server when a test that stopped it ends, however it
// ends, since the other tests of this program use it too.
struct ServerRestart {
    ~ServerRestart() {
        if (!PgServer::shared().running()) PgServer::shared().start();
    }
};

// Seconds, not a measure: the heartbeat and the reconnect take one each.
constexpr int kDeadlineMs = 20000;

class SharedLibraryTest : public DataModuleFixture {
protected:
    void SetUp() override {
        ASSIGN_SERVER_DATABASE(url);
        dm.registry().writeDbq(TDataModule1::kLibraryAlias, url);
        other.setPath(url);
        theirs.setTableName(QStringLiteral("master"));
    }

    static QStringList memos(Dataset& ds) {
        QStringList out;
        for (int r = 0; r < ds.recordCount(); ++r) out << ds.valueAt(r, ds.fieldIndex("MEMO")).toString();
        return out;
    }

    QString url;
    // Another program of the crew on the same library.
    Database other{QStringLiteral("ecl41_data"), Schema::Kind::Library};
    Dataset theirs{other, QStringLiteral("theirs")};
};

} // namespace

TEST_F(SharedLibraryTest, othersChangesReachTheViews_andTheCurrentRecordStaysOrGoesToItsNeighbour) {
    theirs.open();
    addWaveform(theirs, "a", "1,500", 1, 1);
    addWaveform(theirs, "b", "1,500", 2, 1);
    addWaveform(theirs, "c", "1,500", 3, 1);
    addWaveform(theirs, "d", "1,750", 4, 1);
    start();
    ASSERT_EQ(dm.MasterCount, 4);
    dm.t_master.moveTo(1);
    ASSERT_EQ(state.editSdvig(), 2);
    // A first change from a program that has added nothing yet.
    dm.t_master.edit();
    dm.t_master.fieldByName("SPEED").setString("1,600");
    dm.t_master.post();

    theirs.first();
    theirs.deleteRecord();
    theirs.edit();
    theirs.fieldByName("MEMO").setString("b2");
    theirs.fieldByName("SDVIG").setInteger(22);
    theirs.post();
    addWaveform(theirs, "e", "1,500", 5, 1);
    addWaveform(theirs, "other family", "1,500", 6, 1, "KM-630 ver.1");
    const QStringList all{"b2", "c", "d", "e", "other family"};
    ASSERT_TRUE(QTest::qWaitFor([&] { return memos(dm.t_master2) == all; }, kDeadlineMs))
        << memos(dm.t_master2).join(',').toStdString();
    EXPECT_EQ(memos(dm.t_master), QStringList({"b2", "c", "d", "e"}));
    EXPECT_EQ(dm.MasterCount, 4);
    EXPECT_EQ(dm.t_master.fieldByName("MEMO").asString(), "b2");
    EXPECT_EQ(state.editSdvig(), 22);
    EXPECT_EQ(state.editKu(), store::ShownNumber(1.60, 3));

    theirs.first();
    theirs.deleteRecord();
    ASSERT_TRUE(QTest::qWaitFor([&] { return dm.MasterCount == 3; }, kDeadlineMs));
    EXPECT_EQ(memos(dm.t_master), QStringList({"c", "d", "e"}));
    EXPECT_EQ(dm.t_master.fieldByName("MEMO").asString(), "c");
    EXPECT_EQ(state.editSdvig(), 3);

    // The record being edited here is deleted there before it is stored.
    dm.t_master.edit();
    dm.t_master.fieldByName("MEMO").setString("mine");
    theirs.first();
    theirs.deleteRecord();
    try {
        dm.t_master.post();
        FAIL() << "a change to a deleted record was taken";
    } catch (const StoreError& e) {
        const QString message = QString::fromUtf8(e.what());
        EXPECT_NE(message.indexOf(dm.Database1.displayName()), -1) << e.what();
        EXPECT_NE(message.indexOf("no longer exists"), -1) << e.what();
    }
    EXPECT_EQ(dm.t_master.state(), DatasetState::Browse);
    ASSERT_TRUE(QTest::qWaitFor([&] { return dm.MasterCount == 2; }, kDeadlineMs));
    EXPECT_EQ(memos(dm.t_master), QStringList({"d", "e"}));
    EXPECT_EQ(dm.t_master.fieldByName("MEMO").asString(), "d");
    EXPECT_EQ(memos(dm.t_master2), QStringList({"d", "e", "other family"}));

    theirs.first();
    theirs.deleteRecord();
    theirs.deleteRecord();
    ASSERT_TRUE(QTest::qWaitFor([&] { return dm.MasterCount == 0; }, kDeadlineMs));
    EXPECT_FALSE(host.viewEnabled);
    EXPECT_EQ(state.editKu(), store::ShownNumber(1.5, 1));
    EXPECT_EQ(state.editSdvig(), 0);
}

TEST_F(SharedLibraryTest, lostServerRefusesWritesWithTheReason_andTheViewsCarryOnWhenItIsBack) {
    start();
    addWaveform(dm.t_master, "a", "1,500", 1, 1);
    addWaveform(dm.t_master, "b", "1,500", 2, 1);
    addWaveform(dm.t_master2, "630", "1,500", 3, 1, "KM-630 ver.1");
    const int listed = dm.t_master2.recordCount();
    ServerRestart restart;
    ASSERT_TRUE(PgServer::shared().kill()) << PgServer::shared().error().toStdString();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !host.lost.isEmpty(); }, kDeadlineMs));
    EXPECT_NE(host.lost.first().indexOf(dm.Database1.displayName()), -1) << host.lost.first().toStdString();

    dm.t_master.edit();
    dm.t_master.fieldByName("MEMO").setString("half");
    try {
        dm.t_master.post();
        FAIL() << "a change was taken without a server";
    } catch (const StoreError& e) {
        EXPECT_EQ(QString::fromUtf8(e.what()), host.lost.first());
    }
    EXPECT_EQ(dm.t_master.state(), DatasetState::Browse);
    EXPECT_THROW(addWaveform(dm.t_master2, "c", "1,500", 3, 1), StoreError);
    EXPECT_EQ(dm.t_master.recordCount(), 2);
    EXPECT_EQ(dm.t_master2.recordCount(), listed);
    EXPECT_EQ(dm.MasterCount, 2);
    // The other type is chosen meanwhile: it cannot be listed until the server is back.
    EXPECT_THROW(dm.applyTypeQuery(TDataModule1::deviceTypeOf(1)), StoreError);

    ASSERT_TRUE(PgServer::shared().start()) << PgServer::shared().error().toStdString();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !host.restored.isEmpty(); }, kDeadlineMs));
    EXPECT_EQ(host.lost.size(), 1);
    EXPECT_EQ(host.restored, QStringList({dm.Database1.displayName()}));
    EXPECT_EQ(memos(dm.t_master), QStringList({"630"}));
    EXPECT_EQ(dm.MasterCount, 1);
    EXPECT_EQ(dm.t_master2.recordCount(), 3);
    addWaveform(dm.t_master, "c", "1,500", 4, 1, "KM-630 ver.1");
    EXPECT_EQ(memos(dm.t_master), QStringList({"630", "c"}));
    theirs.open();
    EXPECT_EQ(memos(theirs), QStringList({"a", "b", "630", "c"}));
}

// An offset step right after the server died, before the heartbeat noticed:
// the one message is the loss, not a record that "no longer exists".
TEST_F(SharedLibraryTest, changeCutByADeadServer_isRefusedWithTheLossAlone) {
    start();
    addWaveform(dm.t_master, "a", "1,500", 1, 1);
    ServerRestart restart;
    ASSERT_TRUE(PgServer::shared().kill()) << PgServer::shared().error().toStdString();
    dm.t_master.edit();
    dm.t_master.fieldByName("SDVIG").setInteger(2);
    try {
        dm.t_master.post();
        FAIL() << "a change was taken without a server";
    } catch (const StoreError& e) {
        const QString message = QString::fromUtf8(e.what());
        EXPECT_TRUE(message.contains(dm.Database1.lostReason())) << e.what();
        EXPECT_FALSE(message.contains("no longer exists")) << e.what();
    }
    // The loss is told within the refusal: the window adds no message of its own.
    ASSERT_EQ(host.lost.size(), 1);
    EXPECT_EQ(host.lost.first(), dm.Database1.lostReason());
}

// The server's log writer slowed to ten seconds: a commit that did not wait
// for the log to reach the disk is lost to a crash of the server.
TEST_F(SharedLibraryTest, everyWaveformReportedStoredOutlivesACrashOfTheServer) {
    PgServer& server = PgServer::shared();
    ASSERT_TRUE(server.alterSystem("wal_writer_delay", "10s")) << server.error().toStdString();
    struct Defaults {
        ~Defaults() { PgServer::shared().alterSystem("wal_writer_delay", {}); }
    } defaults;
    theirs.open();
    // The server's other processes take the new setting a moment after it is read again.
    QTest::qWait(400);
    constexpr int kWaveforms = 10;
    for (int i = 1; i <= kWaveforms; ++i) {
        theirs.appendNumbered("REC_ID");
        theirs.fieldByName("MEMO").setString(QString::number(i));
        theirs.fieldByName("DEVICE_TYPE").setString("KM-41A1 ver.5");
        theirs.fieldByName("POINTS").setBlob(QByteArray(8512, char(i)));
        theirs.post();
    }
    ServerRestart restart;
    ASSERT_TRUE(server.kill()) << server.error().toStdString();
    other.disconnect();
    ASSERT_TRUE(server.start()) << server.error().toStdString();
    theirs.open();
    EXPECT_EQ(theirs.recordCount(), kWaveforms);
    theirs.last();
    EXPECT_EQ(theirs.fieldByName("REC_ID").asInteger(), kWaveforms);
    EXPECT_TRUE(theirs.fieldByName("POINTS").asBlob() == QByteArray(8512, char(kWaveforms)));
}

TEST_F(SharedLibraryTest, undoneDeleteBringsBackTheWaveformWithItsNumberAndPoints) {
    start();
    QByteArray points(8512, '\0');
    for (int i = 0; i < points.size(); ++i) points[i] = static_cast<char>(i * 7 % 256);
    for (const char* memo : {"a", "b"}) {
        dm.t_master.appendNumbered("REC_ID");
        dm.t_master.fieldByName("MEMO").setString(memo);
        dm.t_master.fieldByName("DEVICE_TYPE").setString("KM-41A1 ver.5");
        dm.t_master.fieldByName("POINTS").setBlob(points);
        dm.t_master.post();
    }
    dm.t_master.last();
    dm.t_master.deleteRecord();
    ASSERT_TRUE(dm.undoDelete());
    EXPECT_EQ(dm.t_master.fieldByName("MEMO").asString(), "b");
    EXPECT_EQ(dm.t_master.fieldByName("REC_ID").asInteger(), 2);
    EXPECT_EQ(dm.t_master.fieldByName("POINTS").asBlob(), points);
    theirs.open();
    theirs.last();
    EXPECT_EQ(theirs.fieldByName("REC_ID").asInteger(), 2);
    EXPECT_EQ(theirs.fieldByName("POINTS").asBlob(), points);

    dm.t_master.appendNumbered("REC_ID");
    dm.t_master.fieldByName("DEVICE_TYPE").setString("KM-41A1 ver.5");
    dm.t_master.post();
    EXPECT_EQ(dm.t_master.fieldByName("REC_ID").asInteger(), 3);
    EXPECT_EQ(dm.MasterCount, 3);

    // Deleted here, its number taken by a crew member meanwhile: the undone
    // waveform comes back under the next number, never beside a twin.
    dm.t_master.last();
    dm.t_master.deleteRecord();
    theirs.appendNumbered("REC_ID");
    theirs.fieldByName("MEMO").setString("theirs");
    theirs.fieldByName("DEVICE_TYPE").setString("KM-41A1 ver.5");
    theirs.post();
    ASSERT_EQ(theirs.fieldByName("REC_ID").asInteger(), 3);
    ASSERT_TRUE(dm.undoDelete());
    EXPECT_EQ(dm.t_master.fieldByName("REC_ID").asInteger(), 4);
}

// A crew member whose account may only read: the library opens and shows,
// and a change is refused in the member's words, the library unchanged.
TEST_F(SharedLibraryTest, anAccountThatMayOnlyRead_isToldSoWhenItChangesSomething) {
    theirs.open();
    addWaveform(theirs, "a", "1,500", 1, 1);
    // Roles belong to the whole server: one of its own, named after this database.
    const QString role = "reader_" + QUrl(url).path().mid(1);
    QSqlQuery admin(other.handle());
    ASSERT_TRUE(admin.exec("CREATE ROLE " + role + " LOGIN")) << admin.lastError().text().toStdString();
    ASSERT_TRUE(admin.exec("GRANT SELECT ON ALL TABLES IN SCHEMA public TO " + role));
    Database readOnly{QStringLiteral("ecl41_data"), Schema::Kind::Library};
    readOnly.setPath(QString(url).replace(QStringLiteral("echolon@"), role + "@"));
    Dataset mine(readOnly, QStringLiteral("mine"));
    mine.setTableName(QStringLiteral("master"));
    mine.open();
    ASSERT_EQ(memos(mine), QStringList{"a"});
    mine.edit();
    mine.fieldByName("MEMO").setString("changed");
    try {
        mine.post();
        FAIL() << "a read-only account changed the library";
    } catch (const StoreError& e) {
        EXPECT_TRUE(
            QString::fromUtf8(e.what()).contains("this account may read but not change the crew library"))
            << e.what();
    }
    theirs.close();
    theirs.open();
    EXPECT_EQ(memos(theirs), QStringList{"a"});
}

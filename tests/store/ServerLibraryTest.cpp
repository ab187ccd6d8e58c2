#include "StoreFixture.h"
#include "support/PgServer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSignalSpy>

using namespace store;

namespace {

class ServerLibraryTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!PgServer::shared().available())
            GTEST_SKIP() << PgServer::shared().unavailableReason().toStdString();
        url = PgServer::shared().createDatabase();
        ASSERT_FALSE(url.isEmpty()) << PgServer::shared().error().toStdString();
    }
    TempHome home;
    QString url;
};

} // namespace

TEST_F(ServerLibraryTest, smoke) {
    Database db(QStringLiteral("ecl41_data"), Schema::Kind::Library);
    db.setPath(url);
    Dataset ds(db, "t");
    ds.setTableName("master");
    ds.open();
    QByteArray blob(8512, '\0');
    for (int i = 0; i < blob.size(); ++i) blob[i] = static_cast<char>(i % 256);
    for (int i = 0; i < 3; ++i) {
        ds.appendNumbered("REC_ID");
        ds.fieldByName("MEMO").setString(QStringLiteral("Кабель %1").arg(i));
        ds.fieldByName("POINTS").setBlob(blob);
        ds.fieldByName("PICTURE").setBool(true);
        ds.fieldByName("SCALE").setFloat(62.5);
        ds.post();
    }
    ASSERT_EQ(ds.recordCount(), 3);
    ds.last();
    EXPECT_EQ(ds.fieldByName("REC_ID").asInteger(), 3);
    EXPECT_EQ(ds.fieldByName("POINTS").asBlob(), blob);
    EXPECT_TRUE(ds.fieldByName("PICTURE").asBool());
    ds.edit();
    ds.fieldByName("SDVIG").setInteger(7);
    ds.post();
    EXPECT_EQ(ds.fieldByName("SDVIG").asInteger(), 7);

    Database other(QStringLiteral("ecl41_data"), Schema::Kind::Library);
    other.setPath(url);
    Dataset ds2(other, "t2");
    ds2.setTableName("master");
    ds2.open();
    EXPECT_EQ(ds2.recordCount(), 3);
    QSet<qint64> seen;
    bool called = false;
    other.setServerEvents({{}, {}, [&](const QString&, const QSet<qint64>& rows) {
                               seen = rows;
                               called = true;
                           }});
    ds.first();
    ds.deleteRecord();
    QElapsedTimer t;
    t.start();
    while (!called && t.elapsed() < 5000) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    ASSERT_TRUE(called);
    EXPECT_EQ(seen.size(), 1);
    ds2.refresh(seen);
    EXPECT_EQ(ds2.recordCount(), 2);
}

// The private PostgreSQL server every PostgreSQL test uses: reached by the URL
// alone, and surviving a crash with its committed data.
#include "support/PgServer.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <gtest/gtest.h>

namespace {

// Runs `body` on a QPSQL connection to the database of `url`.
template <typename Body>
void withConnection(const QString& name, const QString& url, Body body) {
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        ASSERT_TRUE(PgServer::shared().configure(db, url)) << url.toStdString();
        ASSERT_TRUE(db.open()) << db.lastError().text().toStdString();
        body(db);
    }
    QSqlDatabase::removeDatabase(name);
}

} // namespace

TEST(PgServer, DatabaseOutlivesACrashOfTheServer) {
    PgServer& server = PgServer::shared();
    if (!server.available()) GTEST_SKIP() << server.unavailableReason().toStdString();

    const QString url = server.createDatabase();
    ASSERT_FALSE(url.isEmpty()) << server.error().toStdString();
    EXPECT_NE(url, server.createDatabase()) << "every database is new";

    withConnection(QStringLiteral("before"), url, [&](QSqlDatabase& db) {
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec(QStringLiteral("CREATE TABLE line (id INTEGER, memo TEXT)")));
        ASSERT_TRUE(q.exec(QStringLiteral("INSERT INTO line VALUES (7, 'муфта')")));

        ASSERT_TRUE(server.kill()) << server.error().toStdString();
        EXPECT_FALSE(QSqlQuery(db).exec(QStringLiteral("SELECT id FROM line"))) << "the server is gone";
        ASSERT_TRUE(server.start()) << server.error().toStdString();
    });

    withConnection(QStringLiteral("after"), url, [](QSqlDatabase& db) {
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec(QStringLiteral("SELECT id, memo FROM line")))
            << q.lastError().text().toStdString();
        ASSERT_TRUE(q.next());
        EXPECT_EQ(q.value(0).toInt(), 7);
        EXPECT_EQ(q.value(1).toString(), QStringLiteral("муфта"));
    });
}

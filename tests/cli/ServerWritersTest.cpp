// Two programs importing into one server library at the same moment.
#include "CleanProcess.h"
#include "support/PgServer.h"

#include <QMap>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <gtest/gtest.h>

TEST(ServerWriters, twoWritersAtOnceGiveEveryWaveformItsOwnNumber) {
    PgServer& server = PgServer::shared();
    if (!server.available()) GTEST_SKIP() << server.unavailableReason().toStdString();
    // A fresh database: the writers also race to create the library's tables.
    const QString url = server.createDatabase();
    ASSERT_FALSE(url.isEmpty()) << server.error().toStdString();

    CleanProcess env;
    const QStringList names{"a", "b"};
    QProcess writers[2];
    for (int w = 0; w < 2; ++w) env.start(writers[w], "echolon-library-writer", {url, "50", names[w]});
    for (QProcess& p : writers) {
        ASSERT_TRUE(p.waitForFinished(120000));
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    }

    const QString connection = "server-writers-check";
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QPSQL", connection);
        ASSERT_TRUE(server.configure(db, url));
        ASSERT_TRUE(db.open()) << db.lastError().text().toStdString();
        QSqlQuery q(db);
        ASSERT_TRUE(
            q.exec(R"(SELECT "REC_ID", "BANK_NUM", "MEMO", length("POINTS") FROM master ORDER BY "REC_ID")"))
            << q.lastError().text().toStdString();
        // Each writer posts one after another, so its own rows rise with the number.
        QList<qint64> numbers;
        QMap<QString, int> lastOf;
        while (q.next()) {
            const qint64 number = q.value(0).toLongLong();
            numbers << number;
            EXPECT_EQ(q.value(1).toLongLong(), number) << "the bank number copies the record number";
            EXPECT_EQ(q.value(3).toInt(), 8512);
            const QStringList memo = q.value(2).toString().split(' ');
            ASSERT_EQ(memo.size(), 2);
            EXPECT_EQ(memo[1].toInt(), lastOf.value(memo[0]) + 1) << "writer " << memo[0].toStdString();
            lastOf[memo[0]] = memo[1].toInt();
        }
        ASSERT_EQ(numbers.size(), 100);
        for (int i = 0; i < numbers.size(); ++i) EXPECT_EQ(numbers[i], i + 1) << "row " << i;
        EXPECT_EQ(lastOf.value("a"), 50);
        EXPECT_EQ(lastOf.value("b"), 50);
    }
    QSqlDatabase::removeDatabase(connection);
}

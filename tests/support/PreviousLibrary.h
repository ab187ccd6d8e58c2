#pragma once
#include <QByteArray>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

// Libraries as the builds before the waveform note wrote them: table master
// without NOTE. Written and read with plain SQL, not through the store.
namespace previous_library {

inline const QStringList& fields() {
    static const QStringList f = {"REC_ID", "BANK_NUM", "MEMO",    "SCALE",       "DLIT",
                                  "AMPL",   "NAKOPL",   "SOGLAS",  "SPEED",       "DATE",
                                  "SDVIG",  "ZOOM_L",   "POINTS",  "DEVICE_TYPE", "METHOD",
                                  "LEVEL",  "TIME_OUT", "PICTURE", "START_PLAN"};
    return f;
}

// Runs `statements` on the SQLite file `path` (created when missing).
inline void exec(const QString& path, const QStringList& statements) {
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("previous"));
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        for (const QString& sql : statements) {
            QSqlQuery q(db);
            ASSERT_TRUE(q.exec(sql)) << sql.toStdString();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("previous"));
}

// A library of the previous layout with `rows` waveforms of the "KMX-419"
// type, every field filled (text with Cyrillic, a blob of samples).
inline void write(const QString& path, int rows) {
    QStringList sql = {
        "CREATE TABLE master (REC_ID INTEGER, BANK_NUM INTEGER, MEMO TEXT, SCALE REAL, DLIT INTEGER, "
        "AMPL INTEGER, NAKOPL INTEGER, SOGLAS INTEGER, SPEED TEXT, DATE TEXT, SDVIG INTEGER, ZOOM_L REAL, "
        "POINTS BLOB, DEVICE_TYPE TEXT, METHOD TEXT, LEVEL INTEGER, TIME_OUT REAL, PICTURE BOOLEAN, "
        "START_PLAN REAL)",
        "CREATE INDEX master_device_type ON master (DEVICE_TYPE)"};
    // A short-frame waveform's samples, every byte value among them.
    QByteArray points(385, '\0');
    for (int i = 1; i < points.size(); ++i) points[i] = char(i * 37);
    for (int i = 1; i <= rows; ++i)
        sql << QStringLiteral("INSERT INTO master VALUES (%1, %2, 'линия %1', 62.5, 20, 3, 16, 50, '1,500', "
                              "'03.07.2024 09:05', 0, 1.0, "
                              "X'%4', "
                              "'KM-41A1 ver.5', 'pulse', %3, 0.25, 0, NULL)")
                   .arg(i)
                   .arg(i + 40)
                   .arg(i * 7)
                   .arg(QString::fromLatin1(points.toHex()));
    exec(path, sql);
}

// Every row of master as the engine holds it (rowid, then each previous
// field's SQL literal: type and bytes), in table order.
inline QStringList rows(const QString& path) {
    QStringList result;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("previous"));
        db.setDatabaseName(path);
        EXPECT_TRUE(db.open());
        QStringList quoted;
        for (const QString& f : fields()) quoted << "quote(" + f + ")";
        QSqlQuery q("SELECT rowid, " + quoted.join(',') + " FROM master ORDER BY rowid", db);
        while (q.next()) {
            QStringList values;
            for (int i = 0; i <= quoted.size(); ++i) values << q.value(i).toString();
            result << values.join('|');
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("previous"));
    return result;
}

} // namespace previous_library

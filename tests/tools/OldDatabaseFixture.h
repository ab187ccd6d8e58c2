#pragma once
#include <QByteArray>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <QVector>

// Writes an SQLite stand-in for the previous version's database: a table
// `master` with the fields the import reads among others it ignores.
struct OldRow {
    QVariant bankNum;
    QVariant points;
};

inline QByteArray oldBlock(int size, char fill = 0x11) { return QByteArray(size, fill); }

inline bool writeOldDatabase(const QString& path, const QVector<OldRow>& rows) {
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "old_fixture");
        db.setDatabaseName(path);
        ok = db.open();
        QSqlQuery q(db);
        ok = ok && q.exec("CREATE TABLE master (REC_ID INTEGER, BANK_NUM INTEGER, MEMO TEXT, POINTS BLOB)");
        int id = 1;
        for (const OldRow& r : rows) {
            ok = ok &&
                 q.prepare("INSERT INTO master (REC_ID, BANK_NUM, MEMO, POINTS) VALUES (?, ?, 'old', ?)");
            q.addBindValue(id++);
            q.addBindValue(r.bankNum);
            q.addBindValue(r.points);
            ok = ok && q.exec();
        }
    }
    QSqlDatabase::removeDatabase("old_fixture");
    return ok;
}

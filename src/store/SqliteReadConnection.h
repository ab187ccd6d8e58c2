#pragma once
#include <QAtomicInt>
#include <QByteArray>
#include <QFile>
#include <QSqlDatabase>
#include <QString>

namespace store {

inline bool hasSqliteHeader(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) && f.read(16) == QByteArray("SQLite format 3\0", 16);
}

// A read-only connection to an SQLite file, removed when the reading ends,
// however it ends. It waits for a moment a running program holds the file
// locked instead of failing at once.
class SqliteReadConnection {
public:
    explicit SqliteReadConnection(const QString& path) {
        static QAtomicInt counter;
        name_ = QStringLiteral("store_read_%1").arg(counter.fetchAndAddRelaxed(1));
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=5000"));
    }
    ~SqliteReadConnection() { QSqlDatabase::removeDatabase(name_); }
    SqliteReadConnection(const SqliteReadConnection&) = delete;
    SqliteReadConnection& operator=(const SqliteReadConnection&) = delete;
    QSqlDatabase db() const { return QSqlDatabase::database(name_, false); }

private:
    QString name_;
};

} // namespace store

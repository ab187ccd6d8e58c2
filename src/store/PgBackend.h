#pragma once
#include "store/Backend.h"
#include "store/ServerWatch.h"

#include <QObject>
#include <QSet>
#include <QSqlDriver>
#include <QTimer>
#include <atomic>
#include <memory>
#include <thread>

namespace store {

// A data source in a database on a PostgreSQL server, through Qt's QPSQL
// driver. Row keys come from an identity column named rowid; record numbers
// are taken under a table lock inside the inserting transaction, so writers on
// several machines never take the same one. Every row change of the library
// is announced (LISTEN/NOTIFY), and what other programs changed is passed on.
// A watch beside the window asks the server four times a second; a server
// that stops answering, or a connection that closes, is reported lost once,
// and the backend reconnects once the server answers again.
class PgBackend : public QObject, public Backend {
    Q_OBJECT
public:
    PgBackend();
    ~PgBackend() override;

    void open(const QString& connection, const QString& location, Schema::Kind kind, bool create) override;
    void close() override;
    QString missingFieldsReason() const override { return missingFieldsReason_; }
    QString displayName() const override;
    QVector<ColumnInfo> columns(QSqlDatabase& db, const QString& table) override;
    QString nextNumber(const QString& column, const QString& table) const override;
    QString errorText(const QSqlError& error) const override;
    QString markedCondition(const QString& quotedColumn) const override { return quotedColumn; }
    QString returningKey() const override { return QStringLiteral(" RETURNING rowid"); }
    QVariant bindable(const QVariant& v, ColumnKind kind) const override;
    QString begin(QSqlDatabase& db, Sync sync, const QString& numberedTable) override;
    void afterEnd(QSqlDatabase&, Sync) override {}
    void afterCommit(QSqlDatabase& db, Sync sync) override;
    [[noreturn]] void fail(const QString& what, const QString& engineText) override;
    QString lostReason() const override { return lost_; }
    bool foundLost() override;

    // Points `db`, a QPSQL connection, at the database of `url` with the
    // program's connection settings; why it cannot be (no driver), else empty.
    static QString configure(QSqlDatabase& db, const QString& url);

private:
    // Makes the connection (again): settings, tables, listening. Returns the
    // engine's text on failure, having removed the connection.
    QString connectOnce(bool withTables);
    void ensureTables(QSqlDatabase& db);
    void check();
    void markLost(const QString& engineText);
    void startProbe();
    void notified(const QString& channel, QSqlDriver::NotificationSource source, const QVariant& payload);
    void passOnChanges();

    QString connection_;
    QString url_;
    Schema::Kind kind_ = Schema::Kind::Library;
    QString missingFieldsReason_;
    QString lost_;
    bool confirmDurable_ = false; // the last numbered write committed before its disk flush
    QTimer watch_;                // the look at the connection while up, the reconnect probe while lost
    ServerWatch answers_;         // whether the server answers, from beside the window
    QTimer settle_;               // gathers the changes announced within a moment into one pass
    QString changedTable_;
    QSet<qint64> changedRows_;
    bool changedUnknown_ = false;
    std::thread probe_;
    std::shared_ptr<std::atomic<int>> probeResult_; // -1 running, 0 unreachable, 1 answering
};

} // namespace store

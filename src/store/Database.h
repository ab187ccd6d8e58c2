#pragma once
#include "store/Backend.h"
#include "store/Schema.h"

#include <QHash>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>
#include <functional>
#include <memory>
#include <vector>

namespace store {

// A Qt connection name no other connection of the process has, made from
// `base`: connections of two threads must never share one, or opening the
// second closes the first under its thread.
QString uniqueConnectionName(const QString& base);

class Dataset;

// One data source reached under its alias (ecl41_data, ecl41_pic,
// ecl41_list): an SQLite file or a database on a server, whichever its
// location names. Connecting checks the location before the engine sees it,
// creates the tables of a new database when allowed, and never writes into a
// database that is not one of ours. Disconnecting closes every dataset on it.
class Database {
public:
    Database(QString alias, Schema::Kind kind);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    const QString& alias() const { return alias_; }
    Schema::Kind schemaKind() const { return kind_; }

    // The file path or server URL used by the next connect.
    QString path() const { return path_; }
    void setPath(const QString& path) { path_ = path; }
    // When set, connect() takes the location from here each time (the
    // registered location of a data source), overriding setPath().
    void setPathSource(std::function<QString()> source) { pathSource_ = std::move(source); }
    // Whether connect() may create a missing (or zero-length) file, or the
    // tables of an empty server database.
    void setCreateIfMissing(bool create) { createIfMissing_ = create; }

    void connect(); // throws StoreError naming the file or server
    void disconnect();
    bool isConnected() const { return connected_; }
    // Whether the connected data source lives on a server.
    bool isServer() const;
    // The location as messages show it: the file's path, or the database and its server.
    QString displayName() const;
    // Why the connected library lacks a field this program adds to older
    // libraries (the database refused the change, e.g. read-only); empty otherwise.
    QString missingFieldsReason() const;
    // Why a server data source cannot be reached at the moment; empty while it can.
    QString lostReason() const;

    // The open connection; throws StoreError when disconnected, UnreachableRead when lost.
    QSqlDatabase handle() const;
    // Raises a failed read on handle(): StoreError with `message`, or
    // UnreachableRead when the server was lost.
    [[noreturn]] void failRead(const QString& message) const;

    // Runs one statement with bound parameters as its own transaction: on any
    // failure the database stays as it was and StoreError carries the engine's
    // text. Sync::Full returns only once the commit is durable (it survives a
    // power cut); Sync::Normal may lose the last commits to a power cut or
    // system crash, never to the program's own crash.
    struct WriteResult {
        int rowsAffected = 0;
        qint64 insertId = -1;
    };
    using Sync = Backend::Sync;
    WriteResult write(const QString& table, const QString& sql, const QVariantList& params,
                      Sync sync = Sync::Normal);
    // write() of an UPDATE that sets no field a view of the table selects
    // its rows on (see filtersOn): every view keeps its rows.
    WriteResult writeValues(const QString& table, const QString& sql, const QVariantList& params,
                            Sync sync = Sync::Normal);
    // A view of `table` selects its rows on `column`: from then on a write
    // of that column may change which rows a view holds (filtersOn says
    // whether one does).
    void selectsOn(const QString& table, const QString& column);
    bool filtersOn(const QString& table, const QString& column) const;
    // An INSERT as its own transaction; returns the new row's key. With a
    // `numberedColumn`, the statement takes that column's number from `table`
    // (Backend::nextNumber), no other writer may take the same one, and a
    // table whose largest number is the largest there is refuses the row.
    qint64 insert(const QString& table, const QString& sql, const QVariantList& params, Sync sync,
                  const QString& numberedColumn = {});

    // Runs `sql` once for each row `next` fills in (until it returns false),
    // all in one transaction with `table` locked against other writers: every
    // row is stored or, on any failure, none. A failure of `next` itself (it
    // throws) is passed on as it is, after the rollback. Returns the row count.
    qint64 writeMany(const QString& table, const QString& sql,
                     const std::function<bool(QVariantList& row)>& next, Sync sync);

    // The visible columns of `table` (without the row key); empty when absent.
    QVector<Backend::ColumnInfo> columns(const QString& table);
    QString nextNumber(const QString& column, const QString& table) const;
    Backend::Count countEqual(const QString& quotedTable, const QString& quotedColumn) const;
    // SQL true for every row whose boolean column (quoted) holds a set mark; see Backend.
    QString markedCondition(const QString& quotedColumn) const;
    QVariant bindable(const QVariant& v, ColumnKind kind) const;

    // Bumped by every write to a table, so that other views of the same table
    // drop what they have cached.
    quint64 generation(const QString& table) const { return generations_.value(table.toLower()); }
    // Says whether the rows of `table` that any query selects may differ from
    // those of an earlier moment: equal moments, equal rows. Changes with
    // every connection made, every write through it but writeValues(), and
    // every change another connection commits (a statement run on handle()
    // itself is no write of this program's: it would go unseen, here as by
    // the views' caches). None where the engine cannot tell another's
    // changes cheaply (see Backend).
    struct Moment {
        quint64 connection = 0, rows = 0;
        qint64 outside = 0;
        bool operator==(const Moment&) const = default;
    };
    std::optional<Moment> moment(const QString& table) const;

    // What a server data source reports while connected: the connection was
    // lost or is back, rows were changed by another program.
    struct ServerEvents {
        std::function<void(const QString& why)> lost;
        std::function<void()> restored;
        std::function<void(const QString& table, const QSet<qint64>& rows)> changedElsewhere;
    };
    void setServerEvents(ServerEvents events) { events_ = std::move(events); }

    // Creates a new database file with the tables of `kind`; throws StoreError.
    static void createFile(const QString& path, Schema::Kind kind);

private:
    friend class Dataset;
    void attach(Dataset* ds) { datasets_.push_back(ds); }
    void detach(Dataset* ds);
    // Takes a row deleted through `from` out of every other view of its table.
    void rowRemoved(const QString& table, qint64 rowid, Dataset* from);
    // A row stored through `from` stays out of the other views of its table.
    void rowAdded(const QString& table, qint64 rowid, Dataset* from);
    void othersOf(const QString& table, Dataset* from, const std::function<void(Dataset&)>& keepUp);
    Backend& backend() const;
    // Whether a write may change which rows the table's views hold (see moment()).
    enum class Rows { Change, Stay };
    WriteResult run(const QString& table, const QString& sql, const QVariantList& params, Sync sync,
                    const QString& numberedColumn, bool returning, Rows rows = Rows::Change);
    // One write transaction around `body`, which returns the engine's text of
    // a failure (empty: done): committed whole, or rolled back and raised.
    void transact(const QString& table, Sync sync, const QString& numberedTable,
                  const std::function<QString(QSqlQuery&)>& body, Rows rows = Rows::Change);

    QString alias_;
    Schema::Kind kind_;
    QString path_;
    std::function<QString()> pathSource_;
    bool createIfMissing_ = true;
    bool connected_ = false;
    QString connectionName_;
    std::unique_ptr<Backend> backend_;
    ServerEvents events_;
    std::vector<Dataset*> datasets_;
    QHash<QString, quint64> generations_;
    QHash<QString, quint64> rowGenerations_; // bumped as generations_, but for writeValues()
    quint64 connections_ = 0;
    QSet<QString> filters_; // "table.column", lower case, of selectsOn()
};

} // namespace store

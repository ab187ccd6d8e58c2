#pragma once
#include "store/FieldValue.h"
#include "store/Schema.h"

#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <QVariant>
#include <QVector>
#include <functional>
#include <memory>
#include <optional>

namespace store {

// What differs between the database engines a data source may live in: how
// a connection is made and checked, how the tables are created and listed,
// how a write is made durable and numbered. The dataset layer above speaks
// plain SQL with `?` parameters and the hidden row key `rowid`, which every
// backend provides under that name.
class Backend {
public:
    enum class Sync { Normal, Full };

    struct ColumnInfo {
        QString name;
        ColumnKind kind;
    };

    // A file path opens an SQLite file; a server URL a server database.
    static std::unique_ptr<Backend> forLocation(const QString& location);

    virtual ~Backend() = default;

    // Opens the connection named `connection` to `location`, creating the
    // tables of `kind` in a new, empty database when `create` allows. Throws
    // StoreError naming the location; nothing is left open then.
    virtual void open(const QString& connection, const QString& location, Schema::Kind kind, bool create) = 0;
    // Closes the connection; the QSqlDatabase entry is removed by the caller.
    virtual void close() = 0;
    // Why a field this program adds to older databases is missing (the
    // database refused the change); empty otherwise.
    virtual QString missingFieldsReason() const = 0;

    // The location as messages and titles show it.
    virtual QString displayName() const = 0;
    // The visible columns of `table` in their order, without the row key;
    // empty when there is no such table. Throws StoreError when unreadable.
    virtual QVector<ColumnInfo> columns(QSqlDatabase& db, const QString& table) = 0;

    // The words for an engine's error, the user's where the engine has better ones than its own.
    virtual QString errorText(const QSqlError& error) const;
    // SQL for the number one above the largest `column` stored in `table`;
    // NULL when the largest is the largest number there is (no overflow, and
    // in a file no silent turn into a repeated floating-point number).
    virtual QString nextNumber(const QString& column, const QString& table) const = 0;
    // A scalar subquery counting the rows of `quotedTable` whose
    // `quotedColumn` equals a value, bound `bindings` times in a row.
    struct Count {
        QString sql;
        int bindings = 1;
    };
    virtual Count countEqual(const QString& quotedTable, const QString& quotedColumn) const {
        return {QStringLiteral("(SELECT count(*) FROM %1 WHERE %2 = ?)").arg(quotedTable, quotedColumn), 1};
    }
    // A number that changes whenever another connection has committed a
    // change to the database since it was last asked; none where the engine
    // cannot tell cheaply (a server, whose changes are reported instead).
    virtual std::optional<qint64> outsideChanges(QSqlDatabase& db) const { return std::nullopt; }
    // SQL true for every row whose boolean column (quoted) holds a set mark
    // (and perhaps for some more, which the caller reads as marks are read);
    // the condition of the index that finds the marked rows.
    virtual QString markedCondition(const QString& quotedColumn) const = 0;
    // Appended to an INSERT so that the statement yields the new row key
    // (empty where the driver reports it by itself).
    virtual QString returningKey() const = 0;
    // The value as the engine's column of `kind` takes it as a parameter.
    virtual QVariant bindable(const QVariant& v, ColumnKind kind) const {
        (void)kind;
        return v;
    }

    // Starts a write transaction (with the lock on the table whose numbers
    // the write takes, when named); the engine's text when it cannot.
    virtual QString begin(QSqlDatabase& db, Sync sync, const QString& numberedTable) = 0;
    // After every write transaction, however it ended.
    virtual void afterEnd(QSqlDatabase& db, Sync sync) = 0;
    // After a successful commit, before the write is reported done.
    virtual void afterCommit(QSqlDatabase& db, Sync sync) {
        (void)db;
        (void)sync;
    }

    // Raises the failure of `what` with the engine's text as the right
    // StoreError (a full disk, a lost server, ...).
    [[noreturn]] virtual void fail(const QString& what, const QString& engineText) = 0;

    // A server backend watches its connection and the rows other programs
    // change; a file backend never calls these.
    std::function<void(const QString& why)> connectionLost;
    std::function<void()> connectionRestored;
    // Rows of `table` changed by another program: their keys (empty: unknown,
    // take the whole table again).
    std::function<void(const QString& table, const QSet<qint64>& rows)> changedElsewhere;
    // When the connection is lost, why; empty while it is up.
    virtual QString lostReason() const { return {}; }
    // Whether the connection is lost, looking at it again without waiting
    // (a failed query may be the first sign); lostReason() says why.
    virtual bool foundLost() { return false; }
};

} // namespace store

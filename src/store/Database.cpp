#include "store/Database.h"

#include "store/DatabaseFile.h"
#include "store/Dataset.h"
#include "store/ServerAddress.h"
#include "store/UnreachableRead.h"

#include <QCoreApplication>
#include <QDir>
#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>
#include <atomic>
#include <exception>
#include <limits>

namespace store {

QString uniqueConnectionName(const QString& alias) {
    static std::atomic<int> counter{0};
    return QStringLiteral("%1#%2").arg(alias).arg(++counter);
}

namespace {

// Ends a write transaction the backend's way, however the write ended.
struct TransactionEnd {
    Backend& b;
    QSqlDatabase& db;
    Backend::Sync sync;
    ~TransactionEnd() { b.afterEnd(db, sync); }
};

} // namespace

Database::Database(QString alias, Schema::Kind kind)
    : alias_(std::move(alias)), kind_(kind), connectionName_(uniqueConnectionName(alias_)) {}

Database::~Database() {
    try {
        disconnect();
    } catch (...) {
        // A grid's handler failed while the program ends; the connection is closed regardless.
    }
}

void Database::detach(Dataset* ds) {
    datasets_.erase(std::remove(datasets_.begin(), datasets_.end(), ds), datasets_.end());
}

void Database::othersOf(const QString& table, Dataset* from, const std::function<void(Dataset&)>& keepUp) {
    for (Dataset* ds : std::vector<Dataset*>(datasets_)) {
        if (ds == from || ds->tableName().compare(table, Qt::CaseInsensitive) != 0) continue;
        try {
            keepUp(*ds);
        } catch (const StoreError&) {
            // The change is stored; a view that cannot follow it now (the
            // server went away) shows it when it lists its rows again, as
            // it shows the changes of other programs.
        }
    }
}

void Database::rowRemoved(const QString& table, qint64 rowid, Dataset* from) {
    othersOf(table, from, [rowid](Dataset& ds) { ds.forgetRow(rowid); });
}

void Database::rowAdded(const QString& table, qint64 rowid, Dataset* from) {
    othersOf(table, from, [rowid](Dataset& ds) { ds.ignoreRow(rowid); });
}

Backend& Database::backend() const {
    if (!connected_ || !backend_)
        throw StoreError(QCoreApplication::translate("Database", "The data source %1 is not connected.")
                             .arg(alias_)
                             .toStdString());
    return *backend_;
}

bool Database::isServer() const {
    return ServerAddress::isServerUrl(connected_ || !pathSource_ ? path_ : pathSource_());
}

QString Database::displayName() const {
    if (backend_) return backend_->displayName();
    return ServerAddress::isServerUrl(path_) ? ServerAddress::describe(path_) : path_;
}

QString Database::missingFieldsReason() const {
    return backend_ ? backend_->missingFieldsReason() : QString();
}

QString Database::lostReason() const { return backend_ ? backend_->lostReason() : QString(); }

void Database::connect() {
    if (connected_) return;
    if (pathSource_) path_ = pathSource_();
    if (path_.trimmed().isEmpty())
        throw StoreError(
            QCoreApplication::translate("Database", "No database file is registered for the data source %1.")
                .arg(alias_)
                .toStdString());
    std::unique_ptr<Backend> backend = Backend::forLocation(path_);
    backend->open(connectionName_, path_, kind_, createIfMissing_);
    backend->connectionLost = [this](const QString& why) {
        if (events_.lost) events_.lost(why);
    };
    backend->connectionRestored = [this] {
        if (events_.restored) events_.restored();
    };
    backend->changedElsewhere = [this](const QString& table, const QSet<qint64>& rows) {
        ++generations_[table.toLower()];
        ++rowGenerations_[table.toLower()];
        if (events_.changedElsewhere) events_.changedElsewhere(table, rows);
    };
    backend_ = std::move(backend);
    connected_ = true;
    ++connections_;
}

std::optional<Database::Moment> Database::moment(const QString& table) const {
    if (!connected_) return std::nullopt;
    QSqlDatabase db = handle();
    const std::optional<qint64> outside = backend_->outsideChanges(db);
    if (!outside) return std::nullopt;
    return Moment{connections_, rowGenerations_.value(table.toLower()), *outside};
}

void Database::selectsOn(const QString& table, const QString& column) {
    filters_.insert(table.toLower() + QLatin1Char('.') + column.toLower());
}

bool Database::filtersOn(const QString& table, const QString& column) const {
    return filters_.contains(table.toLower() + QLatin1Char('.') + column.toLower());
}

void Database::disconnect() {
    if (!connected_) return;
    const std::vector<Dataset*> open = datasets_;
    for (Dataset* ds : open) ds->close();
    {
        QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
        db.close();
    }
    backend_->close();
    QSqlDatabase::removeDatabase(connectionName_);
    connected_ = false;
}

QSqlDatabase Database::handle() const {
    const Backend& b = backend();
    const QString lost = b.lostReason();
    if (!lost.isEmpty()) throw UnreachableRead(lost);
    return QSqlDatabase::database(connectionName_, false);
}

void Database::failRead(const QString& message) const {
    if (backend_ && backend_->foundLost()) throw UnreachableRead(backend_->lostReason());
    throw StoreError(message.toStdString());
}

QVector<Backend::ColumnInfo> Database::columns(const QString& table) {
    QSqlDatabase db = handle();
    return backend().columns(db, table);
}

QString Database::nextNumber(const QString& column, const QString& table) const {
    return backend().nextNumber(column, table);
}

Backend::Count Database::countEqual(const QString& quotedTable, const QString& quotedColumn) const {
    return backend().countEqual(quotedTable, quotedColumn);
}

QString Database::markedCondition(const QString& quotedColumn) const {
    return backend().markedCondition(quotedColumn);
}

QVariant Database::bindable(const QVariant& v, ColumnKind kind) const { return backend().bindable(v, kind); }

Database::WriteResult Database::write(const QString& table, const QString& sql, const QVariantList& params,
                                      Sync sync) {
    return run(table, sql, params, sync, QString(), false);
}

Database::WriteResult Database::writeValues(const QString& table, const QString& sql,
                                            const QVariantList& params, Sync sync) {
    return run(table, sql, params, sync, QString(), false, Rows::Stay);
}

qint64 Database::insert(const QString& table, const QString& sql, const QVariantList& params, Sync sync,
                        const QString& numberedColumn) {
    const WriteResult r = run(table, sql, params, sync, numberedColumn, true);
    if (r.insertId < 0)
        throw StoreError(
            QCoreApplication::translate("TableSource", "The new record of %1 in %2 cannot be found.")
                .arg(table, displayName())
                .toStdString());
    return r.insertId;
}

void Database::transact(const QString& table, Sync sync, const QString& numberedTable,
                        const std::function<QString(QSqlQuery&)>& body, Rows rows) {
    Backend& b = backend();
    // A refused change is told, unlike a refused read.
    if (const QString lost = b.lostReason(); !lost.isEmpty()) throw StoreError(lost.toStdString());
    QSqlDatabase db = handle();
    const QString what = QCoreApplication::translate("Database", "Cannot write to the database");
    const TransactionEnd end{b, db, sync};
    // The numbers' lock comes with the transaction's start: preparing a
    // statement on a table already takes a lock of its own on it, which two
    // writers would then each hold while waiting for the other's.
    if (const QString e = b.begin(db, sync, numberedTable); !e.isEmpty()) {
        db.rollback();
        b.fail(what, e);
    }
    QString error;
    // Outlives the rollback below: the server frees a statement only outside a failed transaction.
    QSqlQuery q(db);
    try {
        error = body(q);
    } catch (const StoreError& e) {
        error = QString::fromUtf8(e.what());
    } catch (...) {
        q.finish();
        db.rollback();
        throw;
    }
    q.finish();
    if (error.isEmpty() && !db.commit()) error = b.errorText(db.lastError());
    if (!error.isEmpty()) {
        db.rollback();
        b.fail(what, error);
    }
    ++generations_[table.toLower()];
    if (rows == Rows::Change) ++rowGenerations_[table.toLower()];
    b.afterCommit(db, sync);
}

Database::WriteResult Database::run(const QString& table, const QString& sql, const QVariantList& params,
                                    Sync sync, const QString& numberedColumn, bool returning, Rows rows) {
    WriteResult result;
    transact(
        table, sync, numberedColumn.isEmpty() ? QString() : table,
        [&](QSqlQuery& q) {
            const QString returningKey = returning ? backend_->returningKey() : QString();
            if (!q.prepare(sql + returningKey)) return backend_->errorText(q.lastError());
            for (const QVariant& p : params) q.addBindValue(p);
            if (!q.exec()) return backend_->errorText(q.lastError());
            result.rowsAffected = q.numRowsAffected();
            // Only an insert asks for its key: on a server the question
            // fails the whole transaction in a session that has inserted nothing.
            if (!returningKey.isEmpty()) {
                if (q.next()) result.insertId = q.value(0).toLongLong();
            } else if (returning) {
                if (const QVariant id = q.lastInsertId(); id.isValid()) result.insertId = id.toLongLong();
            }
            if (numberedColumn.isEmpty() || result.insertId < 0) return QString();
            // The number the row got, in the same transaction: none means none was left.
            q.finish();
            QSqlQuery given(handle());
            given.prepare(
                QStringLiteral("SELECT \"%1\" FROM \"%2\" WHERE rowid = ?").arg(numberedColumn, table));
            given.addBindValue(result.insertId);
            if (!given.exec() || !given.next()) return backend_->errorText(given.lastError());
            if (!given.value(0).isNull()) return QString();
            return QCoreApplication::translate("Database",
                                               "No number is left for a new record: the %1 %2 is taken, the "
                                               "largest there is. Nothing was added.")
                .arg(numberedColumn)
                .arg(std::numeric_limits<qint64>::max());
        },
        rows);
    return result;
}

qint64 Database::writeMany(const QString& table, const QString& sql,
                           const std::function<bool(QVariantList& row)>& next, Sync sync) {
    // What `next` raises goes to the caller as it stands, the transaction rolled back.
    struct Stopped {
        std::exception_ptr why;
    };
    qint64 count = 0;
    try {
        transact(table, sync, table, [&](QSqlQuery& q) {
            if (!q.prepare(sql)) return backend_->errorText(q.lastError());
            QVariantList row;
            while (true) {
                row.clear();
                try {
                    if (!next(row)) return QString();
                } catch (...) {
                    throw Stopped{std::current_exception()};
                }
                for (int i = 0; i < row.size(); ++i) q.bindValue(i, row[i]);
                if (!q.exec()) return backend_->errorText(q.lastError());
                ++count;
            }
        });
    } catch (const Stopped& stopped) {
        std::rethrow_exception(stopped.why);
    }
    return count;
}

void Database::createFile(const QString& path, Schema::Kind kind) {
    if (DatabaseFile::inspect(path) != DatabaseFile::Kind::Missing)
        throw StoreError(QCoreApplication::translate("Database", "The file %1 already exists.")
                             .arg(QDir::toNativeSeparators(path))
                             .toStdString());
    Database db(QStringLiteral("new"), kind);
    db.setPath(path);
    db.setCreateIfMissing(true);
    db.connect();
    db.disconnect();
}

} // namespace store

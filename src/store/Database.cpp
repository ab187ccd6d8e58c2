#include "store/Database.h"

#include "store/DatabaseFile.h"
#include "store/Dataset.h"
#include "store/DiskFull.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>
#include <atomic>

namespace store {

namespace {

QString uniqueConnectionName(const QString& alias) {
    static std::atomic<int> counter{0};
    return QStringLiteral("%1#%2").arg(alias).arg(++counter);
}

QString native(const QString& path) { return QDir::toNativeSeparators(path); }

// Write-ahead log with synchronous=NORMAL: a commit is appended to the log and
// the database file is only changed at checkpoints, so a crash or SIGKILL in
// the middle of a write leaves either the old or the new record, never a torn
// file. NORMAL skips the fsync per commit (only a power cut may lose the last
// commits, still without corruption), which keeps a post well under the 10 ms
// a post plus redraw may take; writes that must survive a power cut ask for
// Sync::Full.
void applyJournalSettings(QSqlDatabase& db) {
    QSqlQuery q(db);
    q.exec("PRAGMA journal_mode=WAL");
    q.exec("PRAGMA synchronous=NORMAL");
}

} // namespace

Database::Database(QString alias, Schema::Kind kind)
    : alias_(std::move(alias)), kind_(kind), connectionName_(uniqueConnectionName(alias_)) {}

Database::~Database() {
    try {
        disconnect();
    } catch (...) {
        // A grid's handler failed while the program ends; the file is closed regardless.
    }
}

void Database::detach(Dataset* ds) {
    datasets_.erase(std::remove(datasets_.begin(), datasets_.end(), ds), datasets_.end());
}

void Database::rowRemoved(const QString& table, qint64 rowid, Dataset* from) {
    for (Dataset* ds : std::vector<Dataset*>(datasets_))
        if (ds != from && ds->tableName().compare(table, Qt::CaseInsensitive) == 0) ds->forgetRow(rowid);
}

void Database::fail(const QString& what, const QString& engineText) const {
    // The engine's text for a full disk (its code 13), whichever statement met it.
    if (engineText.contains(QLatin1String("database or disk is full"), Qt::CaseInsensitive))
        throw DiskFull(native(QFileInfo(path_).absolutePath()));
    throw StoreError(QStringLiteral("%1 %2: %3").arg(what, native(path_), engineText).toStdString());
}

void Database::connect() {
    if (connected_) return;
    if (pathSource_) path_ = pathSource_();
    if (path_.trimmed().isEmpty())
        throw StoreError(
            QCoreApplication::translate("Database", "No database file is registered for the data source %1.")
                .arg(alias_)
                .toStdString());

    const DatabaseFile::Kind fileKind = DatabaseFile::inspect(path_);
    bool fresh = false;
    if (fileKind == DatabaseFile::Kind::Missing || fileKind == DatabaseFile::Kind::Empty) {
        if (!createIfMissing_ && fileKind == DatabaseFile::Kind::Missing)
            throw StoreError(DatabaseFile::refusal(fileKind, path_).toStdString());
        const QString dir = QFileInfo(path_).absolutePath();
        if (!QDir().mkpath(dir))
            throw StoreError(QCoreApplication::translate(
                                 "Database", "Cannot create the folder %1 for the database file %2.")
                                 .arg(native(dir), native(path_))
                                 .toStdString());
        fresh = true;
    } else if (fileKind != DatabaseFile::Kind::Sqlite) {
        throw StoreError(DatabaseFile::refusal(fileKind, path_).toStdString());
    }

    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", connectionName_);
        db.setDatabaseName(path_);
        db.setConnectOptions("QSQLITE_BUSY_TIMEOUT=5000");
        QString error;
        if (!db.open()) {
            error = db.lastError().text();
        } else {
            applyJournalSettings(db);
            QSqlQuery probe(db);
            if (!probe.exec("SELECT count(*) FROM sqlite_master")) error = probe.lastError().text();
            probe.finish();
            if (error.isEmpty() && fresh) {
                try {
                    Schema::create(db, kind_, native(path_));
                } catch (const StoreError& e) {
                    error = QString::fromStdString(e.what());
                }
            }
            missingFieldsReason_.clear();
            if (error.isEmpty() && !fresh) {
                // A file that refuses the new fields still opens with the ones it has.
                try {
                    Schema::addMissingColumns(db, kind_, native(path_));
                } catch (const StoreError& e) {
                    missingFieldsReason_ = QString::fromStdString(e.what());
                }
            }
        }
        if (!error.isEmpty()) {
            db.close();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(connectionName_);
            if (fresh && fileKind == DatabaseFile::Kind::Missing) QFile::remove(path_);
            fail(QCoreApplication::translate("Database", "Cannot open the database"), error);
        }
    }
    connected_ = true;
}

void Database::disconnect() {
    if (!connected_) return;
    const std::vector<Dataset*> open = datasets_;
    for (Dataset* ds : open) ds->close();
    {
        QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connectionName_);
    connected_ = false;
}

QSqlDatabase Database::handle() const {
    if (!connected_)
        throw StoreError(QCoreApplication::translate("Database", "The data source %1 is not connected.")
                             .arg(alias_)
                             .toStdString());
    return QSqlDatabase::database(connectionName_, false);
}

Database::WriteResult Database::write(const QString& table, const QString& sql, const QVariantList& params,
                                      Sync sync) {
    QSqlDatabase db = handle();
    if (sync == Sync::Full) {
        // The setting holds for the connection; it goes back once this commit is on the disk.
        QSqlQuery(db).exec(QStringLiteral("PRAGMA synchronous=FULL"));
    }
    struct Restore {
        QSqlDatabase& db;
        bool on;
        ~Restore() {
            if (on) QSqlQuery(db).exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
        }
    } restore{db, sync == Sync::Full};
    if (!db.transaction())
        fail(QCoreApplication::translate("Database", "Cannot write to the database"), db.lastError().text());
    WriteResult result;
    QString error;
    {
        QSqlQuery q(db);
        if (!q.prepare(sql)) {
            error = q.lastError().text();
        } else {
            for (const QVariant& p : params) q.addBindValue(p);
            if (!q.exec()) {
                error = q.lastError().text();
            } else {
                result.rowsAffected = q.numRowsAffected();
                const QVariant id = q.lastInsertId();
                if (id.isValid()) result.insertId = id.toLongLong();
            }
        }
    }
    if (error.isEmpty() && !db.commit()) error = db.lastError().text();
    if (!error.isEmpty()) {
        db.rollback();
        fail(QCoreApplication::translate("Database", "Cannot write to the database"), error);
    }
    ++generations_[table.toLower()];
    return result;
}

void Database::createFile(const QString& path, Schema::Kind kind) {
    if (DatabaseFile::inspect(path) != DatabaseFile::Kind::Missing)
        throw StoreError(QCoreApplication::translate("Database", "The file %1 already exists.")
                             .arg(native(path))
                             .toStdString());
    Database db(QStringLiteral("new"), kind);
    db.setPath(path);
    db.setCreateIfMissing(true);
    db.connect();
    db.disconnect();
}

} // namespace store

#include "store/SqliteBackend.h"

#include "store/DatabaseFile.h"
#include "store/Dataset.h"
#include "store/DiskFull.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace store {

namespace {

QString native(const QString& path) { return QDir::toNativeSeparators(path); }
QString quoted(const QString& identifier) { return QLatin1Char('"') + identifier + QLatin1Char('"'); }

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
    // Room for the type index of a large library (some 2 MB for 120,000
    // waveforms) beside the pages in view, so that counting a type reads
    // no page from the system again: up to 8 MB, filled only as pages are read.
    q.exec("PRAGMA cache_size=-8192");
}

QString createStatement(const Schema::Table& table) {
    QStringList columns;
    for (const Schema::Column& c : table.columns) columns << c.name + QLatin1Char(' ') + c.type;
    return QStringLiteral("CREATE TABLE %1 (%2)").arg(table.name, columns.join(QStringLiteral(", ")));
}

QString markedIndexName(const Schema::Table& table) { return table.name + QStringLiteral("_marked"); }

QString markedIndexStatement(const Schema::Table& table, const QString& condition) {
    return QStringLiteral("CREATE INDEX %1 ON %2 (%3) WHERE %4")
        .arg(markedIndexName(table), table.name, table.indexedColumns.join(QStringLiteral(", ")), condition);
}

} // namespace

QString SqliteBackend::displayName() const { return native(path_); }

void SqliteBackend::open(const QString& connection, const QString& location, Schema::Kind kind, bool create) {
    path_ = location;
    const DatabaseFile::Kind fileKind = DatabaseFile::inspect(path_);
    bool fresh = false;
    if (fileKind == DatabaseFile::Kind::Missing || fileKind == DatabaseFile::Kind::Empty) {
        if (!create && fileKind == DatabaseFile::Kind::Missing)
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

    QString error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", connection);
        db.setDatabaseName(path_);
        db.setConnectOptions("QSQLITE_BUSY_TIMEOUT=5000");
        if (!db.open()) {
            error = db.lastError().text();
        } else {
            applyJournalSettings(db);
            QSqlQuery probe(db);
            if (!probe.exec("SELECT count(*) FROM sqlite_master")) error = probe.lastError().text();
            probe.finish();
            try {
                missingFieldsReason_.clear();
                if (error.isEmpty() && fresh) createTables(db, kind);
                // A file that refuses the new fields still opens with the ones it has.
                if (error.isEmpty() && !fresh) addMissingColumns(db, kind);
                if (error.isEmpty() && !fresh) addMissingIndexes(db, kind);
            } catch (const StoreError& e) {
                error = QString::fromStdString(e.what());
            }
        }
        if (error.isEmpty()) return;
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    if (fresh && fileKind == DatabaseFile::Kind::Missing) QFile::remove(path_);
    fail(QCoreApplication::translate("Database", "Cannot open the database"), error);
}

void SqliteBackend::createTables(QSqlDatabase& db, Schema::Kind kind) {
    const auto failed = [this](const QString& why) {
        return StoreError(
            QStringLiteral("Cannot create the tables of %1: %2").arg(native(path_), why).toStdString());
    };
    if (!db.transaction()) throw failed(db.lastError().text());
    QSqlQuery q(db);
    QStringList statements;
    for (const Schema::Table& table : Schema::tables(kind)) {
        statements << createStatement(table);
        for (const QString& column : table.indexedColumns)
            statements
                << QStringLiteral("CREATE INDEX %1_%2 ON %1 (%3)").arg(table.name, column.toLower(), column);
        if (!table.markColumn.isEmpty())
            statements << markedIndexStatement(table, markedCondition(quoted(table.markColumn)));
    }
    for (const QString& sql : statements) {
        if (!q.exec(sql)) {
            const QString why = q.lastError().text();
            q.finish();
            db.rollback();
            throw failed(why);
        }
    }
    q.finish();
    if (!db.commit()) {
        const QString why = db.lastError().text();
        db.rollback();
        throw failed(why);
    }
}

void SqliteBackend::addMissingColumns(QSqlDatabase& db, Schema::Kind kind) {
    for (const Schema::Table& table : Schema::tables(kind)) {
        const std::vector<Schema::Column> added = Schema::addedColumns(table.name);
        if (added.empty()) continue;
        QStringList present;
        try {
            for (const ColumnInfo& c : columns(db, table.name)) present << c.name.toUpper();
        } catch (const StoreError& e) {
            missingFieldsReason_ = QString::fromStdString(e.what());
            return;
        }
        // Not a table of ours: opening the views names what is missing.
        if (present.isEmpty()) continue;
        for (const Schema::Column& column : added) {
            if (present.contains(column.name.toUpper())) continue;
            // One statement is one transaction: the column is there whole or not at all.
            QSqlQuery q(db);
            if (!q.exec(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 %3")
                            .arg(table.name, column.name, column.type)))
                missingFieldsReason_ =
                    QCoreApplication::translate("Schema", "Cannot add the field %1 to %2: %3")
                        .arg(column.name, native(path_), q.lastError().text());
        }
    }
}

void SqliteBackend::addMissingIndexes(QSqlDatabase& db, Schema::Kind kind) {
    for (const Schema::Table& table : Schema::tables(kind)) {
        if (table.markColumn.isEmpty()) continue;
        // Only into a table of ours, which has the columns.
        QStringList present;
        try {
            for (const ColumnInfo& c : columns(db, table.name)) present << c.name.toUpper();
        } catch (const StoreError&) {
            continue;
        }
        bool ours = present.contains(table.markColumn.toUpper());
        for (const QString& column : table.indexedColumns) ours = ours && present.contains(column.toUpper());
        if (!ours) continue;
        QSqlQuery q(db);
        q.prepare(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'index' AND name = ?"));
        q.addBindValue(markedIndexName(table));
        if (!q.exec() || q.next()) continue;
        q.finish();
        // Made once, when a library from before it was kept is first opened.
        // A file that refuses it (read-only) finds its marked rows all the
        // same, reading more of the file.
        QSqlQuery(db).exec(markedIndexStatement(table, markedCondition(quoted(table.markColumn))));
    }
}

QVector<Backend::ColumnInfo> SqliteBackend::columns(QSqlDatabase& db, const QString& table) {
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("PRAGMA table_info(%1)").arg(quoted(table))))
        throw StoreError(QCoreApplication::translate("TableSource", "Cannot read the table %1 of %2: %3")
                             .arg(table, native(path_), q.lastError().text())
                             .toStdString());
    QVector<ColumnInfo> result;
    while (q.next())
        result.push_back({q.value(1).toString(), FieldValue::kindOfDeclaredType(q.value(2).toString())});
    return result;
}

QString SqliteBackend::nextNumber(const QString& column, const QString& table) const {
    // The file is locked for the whole write transaction, so the largest
    // number read here cannot be taken by another writer meanwhile.
    return QStringLiteral("(SELECT CASE WHEN MAX(CAST(%1 AS INTEGER)) >= 9223372036854775807 THEN NULL "
                          "ELSE COALESCE(MAX(CAST(%1 AS INTEGER)), 0) + 1 END FROM %2)")
        .arg(quoted(column), quoted(table));
}

std::optional<qint64> SqliteBackend::outsideChanges(QSqlDatabase& db) const {
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("PRAGMA data_version")) || !q.next()) return std::nullopt;
    return q.value(0).toLongLong();
}

Backend::Count SqliteBackend::countEqual(const QString& quotedTable, const QString& quotedColumn) const {
    // The rows from the value on less those after it: a count that runs to
    // the end of the column's index steps through it without comparing each
    // entry, several times faster than counting the equal ones, which opens
    // a large library's view of one type within a frame.
    return {
        QStringLiteral("((SELECT count(*) FROM %1 WHERE %2 >= ?) - (SELECT count(*) FROM %1 WHERE %2 > ?))")
            .arg(quotedTable, quotedColumn),
        2};
}

QString SqliteBackend::markedCondition(const QString& quotedColumn) const {
    // A mark is stored as 0 or 1; a number other than 0, or any text or
    // blob another program left, may be set.
    return QStringLiteral("%1 <> 0").arg(quotedColumn);
}

QString SqliteBackend::begin(QSqlDatabase& db, Sync sync, const QString&) {
    // The setting holds for the connection; it goes back once this commit is on the disk.
    if (sync == Sync::Full) QSqlQuery(db).exec(QStringLiteral("PRAGMA synchronous=FULL"));
    // The file is locked for the whole write transaction: numbers need no lock of their own.
    return db.transaction() ? QString() : db.lastError().text();
}

void SqliteBackend::afterEnd(QSqlDatabase& db, Sync sync) {
    if (sync == Sync::Full) QSqlQuery(db).exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
}

void SqliteBackend::fail(const QString& what, const QString& engineText) {
    // The engine's text for a full disk (its code 13), whichever statement met it.
    if (engineText.contains(QLatin1String("database or disk is full"), Qt::CaseInsensitive))
        throw DiskFull(native(QFileInfo(path_).absolutePath()));
    throw StoreError(QStringLiteral("%1 %2: %3").arg(what, native(path_), engineText).toStdString());
}

} // namespace store

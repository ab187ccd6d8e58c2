#include "store/TableSource.h"

#include "store/Database.h"
#include "store/DatabaseFile.h"
#include "store/Dataset.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <algorithm>

namespace store {

namespace {
constexpr int kPageSize = 48;
constexpr int kPageBefore = 8;
constexpr int kMaxCachedRows = 1024;
// The current record's waveform and the three compare ones, and a few more;
// a blob larger than a waveform is read each time.
constexpr int kMaxCachedBlobs = 8;
constexpr qsizetype kMaxCachedBlobBytes = 64 * 1024;

QString quoted(const QString& identifier) { return QLatin1Char('"') + identifier + QLatin1Char('"'); }

int indexIn(const QVector<TableSource::Column>& columns, const QString& name) {
    for (int i = 0; i < columns.size(); ++i)
        if (columns[i].name.compare(name, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

// Changes to at most this many rows are listed again one by one; more, and
// the whole list is read again.
constexpr int kMaxRelisted = 256;
} // namespace

Database::Sync TableSource::rowSync() const {
    // A waveform that came in or went out is on the disk before the program
    // says so; changes to a stored row (offset, PR, marks) and the PR list and
    // instrument mirror may wait for the next checkpoint.
    return db_.schemaKind() == Schema::Kind::Library ? Database::Sync::Full : Database::Sync::Normal;
}

QString TableSource::quotedTable() const { return quoted(stmt_.table); }

void TableSource::clear() {
    columns_.clear();
    plainColumns_.clear();
    rows_.clear();
    readers_.clear();
    dropCaches();
}

void TableSource::load(bool countNow) {
    // Everything is read before anything is replaced: a view whose reading
    // fails keeps the rows it listed.
    const QString file = db_.displayName();
    if (!SelectStatement::isIdentifier(stmt_.table))
        throw StoreError(QCoreApplication::translate("TableSource", "Invalid table name '%1'.")
                             .arg(stmt_.table)
                             .toStdString());
    QVector<Column> columns;
    QVector<int> plainColumns;
    for (const Backend::ColumnInfo& info : db_.columns(stmt_.table)) {
        if (info.kind != ColumnKind::Blob) plainColumns.push_back(columns.size());
        columns.push_back({info.name, info.kind});
    }
    if (columns.isEmpty())
        throw StoreError((db_.schemaKind() == Schema::Kind::Library && stmt_.table == QLatin1String("master")
                              ? DatabaseFile::notALibrary(file)
                              : QCoreApplication::translate("TableSource", "The database %1 has no table %2.")
                                    .arg(file, stmt_.table))
                             .toStdString());
    if (stmt_.hasFilter() && indexIn(columns, stmt_.whereColumn) < 0)
        throw StoreError(QCoreApplication::translate("TableSource", "The table %1 of %2 has no field %3.")
                             .arg(stmt_.table, file, stmt_.whereColumn)
                             .toStdString());

    rows_.load(countNow);
    columns_ = std::move(columns);
    plainColumns_ = std::move(plainColumns);
    readers_.clear();
    keepReaders_ = !db_.isServer();
    dropCaches();
    seenGeneration_ = db_.generation(stmt_.table);
}

int TableSource::columnIndex(const QString& name) const { return indexIn(columns_, name); }

void TableSource::relist(const QSet<qint64>& keys) {
    if (keys.isEmpty() || keys.size() > kMaxRelisted) {
        load();
        return;
    }
    rows_.relist(keys);
    for (const qint64 key : keys) forgetCached(key);
}

std::vector<int> TableSource::markedRows(int column, int limit) const {
    std::vector<int> rows;
    if (column < 0 || column >= columns_.size()) return rows;
    // The engine's condition may take more rows than are set (a file keeps
    // what other programs wrote, "False" as text among them): each value
    // found is read as every other mark is.
    for (const RowList::Candidate& c :
         rows_.rowsWhere(columns_[column].name, db_.markedCondition(quoted(columns_[column].name)), limit))
        if (FieldValue::boolean(c.value)) rows.push_back(c.row);
    return rows;
}

QVariant TableSource::value(int row, int column) {
    if (row < 0 || row >= count() || column < 0 || column >= columns_.size()) return {};
    if (columns_[column].kind != ColumnKind::Blob) return cachedRow(row)[column];
    dropStaleCaches();
    const qint64 rowid = rowidAt(row);
    for (qsizetype i = 0; i < blobs_.size(); ++i) {
        if (blobs_[i].rowid != rowid || blobs_[i].column != column) continue;
        blobs_.move(i, blobs_.size() - 1);
        return blobs_.last().value;
    }
    QVariant blob = readBlob(rowid, column);
    if (blob.toByteArray().size() <= kMaxCachedBlobBytes) {
        if (blobs_.size() >= kMaxCachedBlobs) blobs_.removeFirst();
        blobs_.append({rowid, column, blob});
    }
    return blob;
}

QVariant TableSource::readBlob(qint64 rowid, int column) {
    const int key = -1 - column;
    QSqlQuery& q = reader(key, [&] {
        return QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?")
            .arg(quoted(columns_[column].name), quotedTable());
    });
    q.bindValue(0, rowid);
    if (!q.exec()) {
        const QString why = q.lastError().text();
        release(key);
        db_.failRead(QCoreApplication::translate("TableSource", "Cannot read the field %1 from %2: %3")
                         .arg(columns_[column].name, db_.displayName(), why));
    }
    QVariant blob = q.next() ? q.value(0) : QVariant();
    release(key);
    return blob;
}

QSqlQuery& TableSource::reader(int key, const std::function<QString()>& sql) {
    if (const auto it = readers_.find(key); it != readers_.end()) return it->second;
    QSqlQuery q(db_.handle());
    q.setForwardOnly(true);
    // A statement that does not prepare fails its exec, with the engine's text.
    q.prepare(sql());
    return readers_.emplace(key, std::move(q)).first->second;
}

void TableSource::release(int key) {
    const auto it = readers_.find(key);
    if (it == readers_.end()) return;
    // Unfinished, a statement would hold the snapshot it read.
    it->second.finish();
    if (!keepReaders_) readers_.erase(it);
}

void TableSource::dropStaleCaches() {
    const quint64 generation = db_.generation(stmt_.table);
    if (generation == seenGeneration_) return;
    dropCaches();
    seenGeneration_ = generation;
}

void TableSource::dropCaches() {
    cache_.clear();
    rewritten_.clear();
    blobs_.clear();
}

void TableSource::forgetCached(qint64 rowid) {
    cache_.remove(rowid);
    blobs_.removeIf([rowid](const CachedBlob& b) { return b.rowid == rowid; });
}

const QVector<QVariant>& TableSource::cachedRow(int row) {
    dropStaleCaches();
    auto it = cache_.constFind(rowidAt(row));
    if (it == cache_.constEnd()) {
        // A row this view wrote is read alone: the page around it is still held.
        if (rewritten_.remove(rowidAt(row))) fetchRows(row, row + 1);
        else fetchPage(row);
        it = cache_.constFind(rowidAt(row));
    }
    return *it;
}

void TableSource::fetchPage(int row) {
    if (cache_.size() > kMaxCachedRows) {
        cache_.clear();
        rewritten_.clear();
    }
    const int from = std::max(0, row - kPageBefore);
    fetchRows(from, std::min(count(), from + kPageSize));
}

void TableSource::fetchRows(int from, int to) {
    const int key = to - from;
    QSqlQuery& q = reader(key, [&] {
        QStringList names{QStringLiteral("rowid")};
        for (int c : plainColumns_) names << quoted(columns_[c].name);
        QStringList marks;
        for (int i = from; i < to; ++i) marks << QStringLiteral("?");
        return QStringLiteral("SELECT %1 FROM %2 WHERE rowid IN (%3)")
            .arg(names.join(','), quotedTable(), marks.join(','));
    });
    for (int i = from; i < to; ++i) q.bindValue(i - from, rowidAt(i));
    if (!q.exec()) {
        const QString why = q.lastError().text();
        release(key);
        db_.failRead(QCoreApplication::translate("TableSource", "Cannot read the table %1 of %2: %3")
                         .arg(stmt_.table, db_.displayName(), why));
    }
    // Rows removed meanwhile through another view read as nulls.
    for (int i = from; i < to; ++i) cache_.insert(rowidAt(i), QVector<QVariant>(columns_.size()));
    while (q.next()) {
        auto it = cache_.find(q.value(0).toLongLong());
        if (it == cache_.end()) continue;
        for (int k = 0; k < plainColumns_.size(); ++k) (*it)[plainColumns_[k]] = q.value(k + 1);
    }
    release(key);
}

int TableSource::insert(const QVector<QVariant>& values, const QVector<bool>& set,
                        const QVector<int>& numbered) {
    QStringList names, marks;
    QVariantList params;
    const QString next =
        numbered.isEmpty() ? QString() : db_.nextNumber(columns_.value(numbered.first()).name, stmt_.table);
    for (int c = 0; c < columns_.size(); ++c) {
        if (numbered.contains(c)) {
            names << quoted(columns_[c].name);
            marks << next;
            continue;
        }
        if (!set.value(c)) continue;
        names << quoted(columns_[c].name);
        marks << QStringLiteral("?");
        params << db_.bindable(values.value(c), columns_[c].kind);
    }
    const QString sql = names.isEmpty() ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quotedTable())
                                        : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                              .arg(quotedTable(), names.join(','), marks.join(','));
    const qint64 key = db_.insert(stmt_.table, sql, params, rowSync(),
                                  numbered.isEmpty() ? QString() : columns_.value(numbered.first()).name);
    return rows_.insert(key);
}

void TableSource::update(int row, const QVector<QVariant>& values, const QVector<bool>& set) {
    if (row < 0 || row >= count()) return;
    QStringList assignments;
    QVariantList params;
    bool rowsStay = true;
    for (int c = 0; c < columns_.size(); ++c) {
        if (!set.value(c)) continue;
        rowsStay = rowsStay && !db_.filtersOn(stmt_.table, columns_[c].name);
        assignments << quoted(columns_[c].name) + QStringLiteral(" = ?");
        params << db_.bindable(values.value(c), columns_[c].kind);
    }
    if (assignments.isEmpty()) return;
    const qint64 rowid = rowidAt(row);
    params << rowid;
    const QString sql =
        QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?").arg(quotedTable(), assignments.join(','));
    // What this view holds of its other rows stays true after its own write.
    const bool cachesCurrent = seenGeneration_ == db_.generation(stmt_.table);
    const Database::WriteResult written =
        rowsStay ? db_.writeValues(stmt_.table, sql, params) : db_.write(stmt_.table, sql, params);
    if (cache_.remove(rowid) && cachesCurrent) rewritten_.insert(rowid);
    blobs_.removeIf([&](const CachedBlob& b) { return b.rowid == rowid && set.value(b.column); });
    if (cachesCurrent) seenGeneration_ = db_.generation(stmt_.table);
    if (written.rowsAffected == 0)
        throw StoreError(
            QCoreApplication::translate("TableSource",
                                        "The record of %1 in %2 no longer exists; the change was not stored.")
                .arg(stmt_.table, db_.displayName())
                .toStdString());
}

int TableSource::forget(qint64 rowid) {
    forgetCached(rowid);
    return rows_.forget(rowid);
}

void TableSource::remove(int row) {
    if (row < 0 || row >= count()) return;
    const qint64 key = rowidAt(row);
    db_.write(stmt_.table, QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(quotedTable()), {key},
              rowSync());
    forgetCached(key);
    rows_.erase(row);
}

} // namespace store

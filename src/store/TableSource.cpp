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

QString TableSource::whereClause() const {
    return stmt_.hasFilter() ? QStringLiteral(" WHERE %1 = ?").arg(quoted(stmt_.whereColumn)) : QString();
}

void TableSource::clear() {
    columns_.clear();
    plainColumns_.clear();
    rowids_.clear();
    rowids_.shrink_to_fit();
    cache_.clear();
}

void TableSource::load() {
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

    // Without ORDER BY the engine may list the rowids from a small index instead
    // of walking every row; table order is restored by sorting here.
    QSqlQuery q(db_.handle());
    q.setForwardOnly(true);
    if (!q.prepare(QStringLiteral("SELECT rowid FROM %1%2").arg(quotedTable(), whereClause())))
        db_.failRead(QCoreApplication::translate("TableSource", "Cannot read the table %1 of %2: %3")
                         .arg(stmt_.table, file, q.lastError().text()));
    if (stmt_.hasFilter()) q.addBindValue(stmt_.whereValue);
    if (!q.exec())
        db_.failRead(QCoreApplication::translate("TableSource", "Cannot read the table %1 of %2: %3")
                         .arg(stmt_.table, file, q.lastError().text()));
    std::vector<qint64> rowids;
    while (q.next()) rowids.push_back(q.value(0).toLongLong());
    std::sort(rowids.begin(), rowids.end());
    columns_ = std::move(columns);
    plainColumns_ = std::move(plainColumns);
    rowids_ = std::move(rowids);
    cache_.clear();
    seenGeneration_ = db_.generation(stmt_.table);
}

int TableSource::columnIndex(const QString& name) const { return indexIn(columns_, name); }

void TableSource::relist(const QSet<qint64>& keys) {
    if (keys.isEmpty() || keys.size() > kMaxRelisted) {
        load();
        return;
    }
    // Which of the changed rows this view lists now: added ones join the
    // list in table order, deleted ones (or ones out of its filter) leave it.
    QStringList marks;
    for (int i = 0; i < keys.size(); ++i) marks << QStringLiteral("?");
    QSqlQuery q(db_.handle());
    q.setForwardOnly(true);
    const QString filter =
        stmt_.hasFilter() ? QStringLiteral(" AND %1 = ?").arg(quoted(stmt_.whereColumn)) : QString();
    q.prepare(QStringLiteral("SELECT rowid FROM %1 WHERE rowid IN (%2)%3")
                  .arg(quotedTable(), marks.join(QLatin1Char(',')), filter));
    for (const qint64 key : keys) q.addBindValue(key);
    if (stmt_.hasFilter()) q.addBindValue(stmt_.whereValue);
    if (!q.exec())
        db_.failRead(QCoreApplication::translate("TableSource", "Cannot read the table %1 of %2: %3")
                         .arg(stmt_.table, db_.displayName(), q.lastError().text()));
    QSet<qint64> listed;
    while (q.next()) listed.insert(q.value(0).toLongLong());
    for (const qint64 key : keys) {
        const auto at = std::lower_bound(rowids_.begin(), rowids_.end(), key);
        const bool present = at != rowids_.end() && *at == key;
        if (listed.contains(key) && !present) rowids_.insert(at, key);
        else if (!listed.contains(key) && present) rowids_.erase(at);
        cache_.remove(key);
    }
}

int TableSource::indexOfRowid(qint64 rowid) const {
    const auto it = std::lower_bound(rowids_.begin(), rowids_.end(), rowid);
    if (it == rowids_.end() || *it != rowid) return -1;
    return static_cast<int>(it - rowids_.begin());
}

QVariant TableSource::value(int row, int column) {
    if (row < 0 || row >= count() || column < 0 || column >= columns_.size()) return {};
    if (columns_[column].kind != ColumnKind::Blob) return cachedRow(row)[column];
    QSqlQuery q(db_.handle());
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?")
                  .arg(quoted(columns_[column].name), quotedTable()));
    q.addBindValue(rowidAt(row));
    if (!q.exec())
        db_.failRead(QCoreApplication::translate("TableSource", "Cannot read the field %1 from %2: %3")
                         .arg(columns_[column].name, db_.displayName(), q.lastError().text()));
    return q.next() ? q.value(0) : QVariant();
}

const QVector<QVariant>& TableSource::cachedRow(int row) {
    const quint64 generation = db_.generation(stmt_.table);
    if (generation != seenGeneration_) {
        cache_.clear();
        seenGeneration_ = generation;
    }
    auto it = cache_.constFind(rowidAt(row));
    if (it == cache_.constEnd()) {
        fetchPage(row);
        it = cache_.constFind(rowidAt(row));
    }
    return *it;
}

void TableSource::fetchPage(int row) {
    if (cache_.size() > kMaxCachedRows) cache_.clear();
    const int from = std::max(0, row - kPageBefore);
    const int to = std::min(count(), from + kPageSize);
    QStringList names{QStringLiteral("rowid")};
    for (int c : plainColumns_) names << quoted(columns_[c].name);
    QStringList marks;
    for (int i = from; i < to; ++i) marks << QStringLiteral("?");
    QSqlQuery q(db_.handle());
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT %1 FROM %2 WHERE rowid IN (%3)")
                  .arg(names.join(','), quotedTable(), marks.join(',')));
    for (int i = from; i < to; ++i) q.addBindValue(rowidAt(i));
    if (!q.exec())
        db_.failRead(QCoreApplication::translate("TableSource", "Cannot read the table %1 of %2: %3")
                         .arg(stmt_.table, db_.displayName(), q.lastError().text()));
    // Rows removed meanwhile through another view read as nulls.
    for (int i = from; i < to; ++i) cache_.insert(rowidAt(i), QVector<QVariant>(columns_.size()));
    while (q.next()) {
        auto it = cache_.find(q.value(0).toLongLong());
        if (it == cache_.end()) continue;
        for (int k = 0; k < plainColumns_.size(); ++k) (*it)[plainColumns_[k]] = q.value(k + 1);
    }
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
    const auto pos = std::lower_bound(rowids_.begin(), rowids_.end(), key);
    const int index = static_cast<int>(pos - rowids_.begin());
    rowids_.insert(pos, key);
    return index;
}

void TableSource::update(int row, const QVector<QVariant>& values, const QVector<bool>& set) {
    if (row < 0 || row >= count()) return;
    QStringList assignments;
    QVariantList params;
    for (int c = 0; c < columns_.size(); ++c) {
        if (!set.value(c)) continue;
        assignments << quoted(columns_[c].name) + QStringLiteral(" = ?");
        params << db_.bindable(values.value(c), columns_[c].kind);
    }
    if (assignments.isEmpty()) return;
    params << rowidAt(row);
    const QString sql =
        QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?").arg(quotedTable(), assignments.join(','));
    if (db_.write(stmt_.table, sql, params).rowsAffected == 0)
        throw StoreError(
            QCoreApplication::translate("TableSource",
                                        "The record of %1 in %2 no longer exists; the change was not stored.")
                .arg(stmt_.table, db_.displayName())
                .toStdString());
}

void TableSource::unlist(int row) {
    if (row < 0 || row >= count()) return;
    cache_.remove(rowidAt(row));
    rowids_.erase(rowids_.begin() + row);
}

void TableSource::remove(int row) {
    if (row < 0 || row >= count()) return;
    db_.write(stmt_.table, QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(quotedTable()),
              {rowidAt(row)}, rowSync());
    cache_.remove(rowidAt(row));
    rowids_.erase(rowids_.begin() + row);
}

} // namespace store

#pragma once
#include "store/Database.h"
#include "store/FieldValue.h"
#include "store/RowList.h"
#include "store/SelectStatement.h"

#include <QHash>
#include <QSet>
#include <QSqlQuery>
#include <QVariant>
#include <QVector>
#include <functional>
#include <unordered_map>
#include <vector>

namespace store {

// The SQL side of a dataset: its columns, the rowids of its rows in table
// order (RowList: counted, and read a page at a time as they are asked for),
// and the rows' non-blob values fetched a page at a time into a small cache.
// Blob values are read one at a time when asked for; the last few read are
// kept, as a redraw reads the same waveforms again at every step of an offset
// or a cursor, while a library of large waveforms costs only those in memory.
class TableSource {
public:
    struct Column {
        QString name;
        ColumnKind kind;
    };

    explicit TableSource(Database& db) : db_(db), rows_(db) {}

    void setStatement(const SelectStatement& s) {
        stmt_ = s;
        rows_.setStatement(s);
    }
    const SelectStatement& statement() const { return stmt_; }

    // Reads the columns and counts the rows (with `countNow` false, when
    // first asked); throws StoreError.
    void load(bool countNow = true);
    // Lists the rows of `keys` again after another program changed them (all
    // rows, when empty or many); throws StoreError, the list unchanged.
    void relist(const QSet<qint64>& keys);
    void clear();

    const QVector<Column>& columns() const { return columns_; }
    int columnIndex(const QString& name) const; // -1 when absent
    int count() const { return rows_.count(); }
    bool isEmpty() const { return rows_.isEmpty(); }
    // -1 for a row another program deleted meanwhile; throws StoreError when unreadable.
    qint64 rowidAt(int row) const { return rows_.at(row); }
    int indexOfRowid(qint64 rowid) const { return rows_.indexOf(rowid); }

    // The listed rows among the first `limit` whose boolean `column` is set,
    // in table order; the database finds them.
    std::vector<int> markedRows(int column, int limit) const;

    // Stored value of a listed row; a row removed meanwhile reads as nulls.
    QVariant value(int row, int column);

    // Writes, each one transaction; `set` marks the columns to write. The
    // `numbered` columns of an insert take one above the largest number stored
    // in the first of them, in the insert statement itself.
    int insert(const QVector<QVariant>& values, const QVector<bool>& set,
               const QVector<int>& numbered = {}); // returns the new row's index
    void update(int row, const QVector<QVariant>& values, const QVector<bool>& set);
    void remove(int row);
    // Drops a row deleted through another view from the list; returns the
    // index it had, or -1 when it was not listed.
    int forget(qint64 rowid);
    // Another view stored the row; this one does not list it.
    void addedElsewhere(qint64 rowid) { rows_.addedElsewhere(rowid); }

private:
    const QVector<QVariant>& cachedRow(int row);
    void fetchPage(int row);
    void fetchRows(int from, int to);
    QVariant readBlob(qint64 rowid, int column);
    // The read statement `key` stands for, prepared from `sql` when not
    // kept; bound and run by the caller, who releases it after reading.
    QSqlQuery& reader(int key, const std::function<QString()>& sql);
    void release(int key);
    // Forgets what the caches hold once the table changed since they were filled.
    void dropStaleCaches();
    void dropCaches();
    void forgetCached(qint64 rowid);
    QString quotedTable() const;
    Database::Sync rowSync() const;

    Database& db_;
    SelectStatement stmt_;
    QVector<Column> columns_;
    QVector<int> plainColumns_; // every column that is not a blob, in order
    RowList rows_;
    QHash<qint64, QVector<QVariant>> cache_;
    QSet<qint64> rewritten_; // rows this view wrote while the rest of their page stays held
    struct CachedBlob {
        qint64 rowid;
        int column;
        QVariant value;
    };
    QList<CachedBlob> blobs_; // the most recently read last
    quint64 seenGeneration_ = 0;
    // On a file, the reads of rows and blobs stay prepared while the columns
    // stay: parsing one again cost more than the read itself (a redraw
    // rereads the row it just wrote at every offset step). A server's
    // reconnect makes its connection anew, so its reads are prepared each time.
    std::unordered_map<int, QSqlQuery> readers_; // rows read at once, or -1 - column for a blob
    bool keepReaders_ = false;
};

} // namespace store

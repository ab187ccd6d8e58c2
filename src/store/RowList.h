#pragma once
#include "store/Backend.h"
#include "store/Database.h"
#include "store/SelectStatement.h"

#include <QSet>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>
#include <limits>
#include <map>
#include <vector>

namespace store {

// The rows a view lists, as their row keys in table order, known without
// reading them all: opening counts them, and the keys of a row and its
// neighbours are read a page at a time when a row is first asked for, so a
// view of any size opens and scrolls at the cost of a page.
//
// What the view lists is fixed when it is opened, as if every key had been
// read then: the rows of its query up to the largest key it had (rows stored
// later through other views or by other programs stay out, unless relisted),
// followed by the rows stored through this view. A row stored elsewhere
// under a key below that largest one (a file reuses the key of its last row
// once that is deleted) cannot be told apart from the listed rows by the
// query; the view then reads every key once and keeps them in memory.
class RowList {
public:
    explicit RowList(Database& db) : db_(db) {}

    void setStatement(const SelectStatement& s) { stmt_ = s; }
    // Counts the rows, or with `countNow` false only fixes which rows the
    // view lists and counts them when first asked; throws StoreError.
    void load(bool countNow = true);
    void clear();

    // Throws StoreError when the rows are counted now and cannot be.
    int count() const;
    bool isEmpty() const;
    // The key of the row at `row` (0 <= row < count()); -1 for a row another
    // program deleted since. Throws StoreError when the page cannot be read.
    qint64 at(int row) const;
    int indexOf(qint64 rowid) const; // -1 when not listed

    // A row stored through this view joins it in table order; returns its index.
    int insert(qint64 rowid);
    // The listed row at `row` was deleted through this view.
    void erase(int row);
    // The row was deleted through another view: it leaves this one too.
    // Returns the index it had, or -1 when this view did not list it.
    int forget(qint64 rowid);
    // Another view stored the row: this one does not list it.
    void addedElsewhere(qint64 rowid);
    // Other programs changed the rows of `keys`: those this view lists now
    // join it, those it no longer lists leave it. Throws StoreError.
    void relist(const QSet<qint64>& keys);

    // The listed rows among the first `limit` whose `column` may hold a set
    // mark by `setCondition` (SQL true for at least every such row), with the
    // column's value; in table order.
    struct Candidate {
        int row;
        QVariant value;
    };
    std::vector<Candidate> rowsWhere(const QString& column, const QString& setCondition, int limit) const;

private:
    // SELECT <what> FROM the table WHERE <the view's rows>[ AND <extra>] <tail>;
    // `params` are bound after the view's own.
    QSqlQuery select(const QString& what, const QString& extra, const QString& tail,
                     const QVariantList& params = {}) const;
    QSqlQuery query(const QString& sql, const QVariantList& params) const;
    [[noreturn]] void failRead(const QSqlQuery& q) const;
    const std::vector<qint64>& page(int index) const;
    // The index of `rowid` from the pages read so far; `known` is false when they cannot tell.
    int cachedIndex(qint64 rowid, bool& known) const;
    // The place of a row up to the largest key among the query's rows, asked of the database.
    int position(qint64 rowid) const;
    int countBase() const;
    void ensureCounted() const;
    // The statement that counts the query's rows.
    Backend::Count counting() const;
    // " WHERE " with the query's filter and `condition` (either may be
    // missing; empty without both).
    QString where(const QString& condition) const;
    // The query's row count and, from the same statement, the scalar
    // subquery `second` (after the filter's value, `secondParams` bound);
    // -1 for a null second value.
    qint64 scalars(const QString& second, const QVariantList& secondParams, qint64* secondValue) const;
    // Reads every key once; the view then works as a list in memory.
    void readAll();

    Database& db_;
    SelectStatement stmt_;
    // Rows of the query up to highest_, as last counted; then the added ones.
    mutable int base_ = 0;
    mutable bool counted_ = true;
    qint64 highest_ = -1;
    std::vector<qint64> added_; // stored through this view (or relisted) above highest_, ascending
    mutable std::map<int, std::vector<qint64>> pages_;
    bool all_ = false; // every key is in keys_
    std::vector<qint64> keys_;
    // What load() counted for each query, kept while the table's rows stay
    // as they were then: switching between two types counts each once.
    struct Counted {
        Database::Moment at;
        int count;
        qint64 highest;
    };
    QHash<QString, Counted> counts_;
};

} // namespace store

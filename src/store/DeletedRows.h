#pragma once
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <vector>

namespace store {

class Database;

// Rows deleted from a table in this run, newest last, so that each deletion
// can be taken back in reverse order. A row is kept as the engine stores it:
// every column's value (the blob byte for byte) and its rowid, which gives it
// its place in table order again.
class DeletedRows {
public:
    struct Row {
        QString file; // the database file the row was deleted from
        qint64 rowid = -1;
        QStringList columns;
        QVariantList values;
    };

    // Reads row `rowid` of `table` before it is deleted; throws StoreError.
    void remember(Database& db, const QString& table, qint64 rowid);
    bool isEmpty() const { return rows_.empty(); }
    int size() const { return static_cast<int>(rows_.size()); }
    const Row& newest() const { return rows_.back(); }

    // Writes the newest row back into `table` of `db` and forgets it: under its
    // rowid when that is still free, else after the last row. Returns the
    // rowid it was stored under. Rows deleted from another file than the one
    // `db` has open are forgotten unrestored; -1 when none is left. Throws
    // StoreError (the row stays remembered) when the write fails.
    // A row whose `numberField` value another row holds by now gets the next
    // number instead.
    qint64 restoreNewest(Database& db, const QString& table, const QString& numberField = {});

private:
    std::vector<Row> rows_;
};

} // namespace store

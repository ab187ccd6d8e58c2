#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <vector>

namespace store {

class Database;

// Rows deleted from a table in this run, newest last, so that each deletion
// can be taken back in reverse order; rows deleted together (the marked rows
// at one press) come back together. Groups are numbered in the order they
// were deleted across every instance, so that two kinds of deletion can be
// undone newest first. A row is kept as the engine stores it:
// every column's value (the blob byte for byte) and its rowid, which gives it
// its place in table order again.
class DeletedRows {
public:
    struct Row {
        QString file; // the database file the row was deleted from
        qint64 rowid = -1;
        QStringList columns;
        QVariantList values;
        int group = 0;
    };

    // Rows remembered while one lives are deleted together.
    class Group {
    public:
        explicit Group(DeletedRows& rows) : rows_(rows) { rows_.open_ = nextGroup(); }
        ~Group() { rows_.open_ = 0; }
        Group(const Group&) = delete;
        Group& operator=(const Group&) = delete;

    private:
        DeletedRows& rows_;
    };

    // Reads row `rowid` of `table` before it is deleted; throws StoreError.
    void remember(Database& db, const QString& table, qint64 rowid);
    bool isEmpty() const { return rows_.empty(); }
    int size() const { return static_cast<int>(rows_.size()); }
    // The number of the newest deletion from the file `db` has open; 0 when none.
    int newestGroup(const Database& db) const;
    // Writes the newest deletion (a row, or the rows deleted together) back
    // into `table` of `db` and forgets it: each row under its rowid when that
    // is still free, else after the last row. Returns the rowids they were
    // stored under, in table order. Rows deleted from another file than the
    // one `db` has open are forgotten unrestored; empty when none is left.
    // Throws StoreError (the rows not yet written stay remembered) when a
    // write fails. A row whose `numberField` value another row holds by now
    // gets the next number instead; `markField`, when given, comes back
    // unmarked, as the row was before it was marked for deletion.
    QList<qint64> restoreNewest(Database& db, const QString& table, const QString& numberField = {},
                                const QString& markField = {});

private:
    static int nextGroup();
    qint64 restoreRow(Database& db, const QString& table, const QString& numberField,
                      const QString& markField);

    std::vector<Row> rows_;
    int open_ = 0; // the group being remembered, 0 when none
};

} // namespace store

#pragma once
#include "store/FieldValue.h"

#include <QByteArray>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

namespace store {

class Database;
class Dataset;

// Raised by the store with a readable message (file name and the engine's text).
struct StoreError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

enum class DatasetState { Inactive, Browse, Edit, Insert };

// Dataset tag protocol of the data module: 0 normal, 1 scan, 2 quiet for one event.
enum DatasetTag { TagNormal = 0, TagScan = 1, TagQuiet = 2 };

// A view of one field of the current record (or of the pending insert/edit buffer).
class Field {
public:
    Field(Dataset* ds, int index) : ds_(ds), index_(index) {}
    QString name() const;
    int index() const { return index_; }
    QVariant value() const;
    bool isNull() const;
    QString asString()
        const; // text form: text as stored, floats with the locale's separator, booleans "True"/"False"
    qint64
    asInteger() const;      // numbers truncate toward zero; text is parsed (',' or '.'); null or junk gives 0
    double asFloat() const; // text is parsed (',' or '.'); null or junk gives 0
    bool asBool() const;
    QByteArray asBlob() const; // read on demand; empty when null
    void setValue(const QVariant& v) const;
    void setString(const QString& v) const { setValue(v); }
    void setInteger(qint64 v) const { setValue(v); }
    void setFloat(double v) const { setValue(v); }
    void setBool(bool v) const { setValue(v); }
    void setBlob(const QByteArray& v) const { setValue(v); }
    void clear() const { setValue(QVariant()); }

private:
    Dataset* ds_;
    int index_;
};

// One table (or one filtered, editable query over a table) of a Database, with a
// current record. Rows are listed without their blobs; a blob is read when asked
// for. Every post and every delete is one transaction. Moves and changes fire the
// event callbacks below, in the order the data module relies on.
class Dataset : public QObject {
    Q_OBJECT
public:
    using Bookmark = qint64; // the row's rowid; -1 is no bookmark

    Dataset(Database& db, QString name, QObject* parent = nullptr);
    ~Dataset() override;

    const QString& name() const { return name_; }
    Database& database() const { return db_; }

    // Source: a whole table, or "SELECT * FROM <table> WHERE <column> = '<value>'"
    // (the only query form the program uses; the value is bound, never pasted).
    void setTableName(const QString& table);
    void setSql(const QString& sql);
    QString sql() const;
    const QString& tableName() const { return table_; }

    void open(); // throws StoreError; fires afterOpen (then dataChange/afterScroll for the first row)
    // open() for a view that nothing shows: its rows are counted when first
    // asked for, and recordCount() and the moves throw StoreError when they
    // cannot be counted then.
    void openCountingLater();
    void close();
    // Lists the rows again after another program changed the table
    // (`changedRows` their keys; empty: not known which), keeping the current
    // record while it exists: fires afterRefresh, and dataChange when the
    // current record changed, or the move's events when it is gone. Returns
    // false, doing nothing, while a record is being edited or inserted.
    // Throws StoreError, the view unchanged, when the rows cannot be read.
    bool refresh(const QSet<qint64>& changedRows);
    bool isOpen() const { return state_ != DatasetState::Inactive; }
    DatasetState state() const { return state_; }

    int recordCount() const; // 0 when closed
    bool isEmpty() const { return recordCount() == 0; }
    int recNo() const { return cur_; } // 0-based; -1 when empty
    bool eof() const { return eof_; }
    bool bof() const { return bof_; }

    void first();
    void last();
    void next();
    void prior();
    void moveTo(int index); // 0-based, clamped

    Bookmark bookmark() const;
    bool bookmarkValid(Bookmark b) const;
    void gotoBookmark(
        Bookmark b); // stays on the current record (still firing the move's events) when the row is gone

    void append(); // state Insert with an empty buffer; fires afterInsert
    // append() for a row whose `field` (and each of `copies`) takes the number one
    // above the largest stored in the whole table, given by the post's own
    // statement: no two rows get the same number, whatever this view lists.
    void appendNumbered(const QString& field, const QStringList& copies = {});
    void edit(); // state Edit; no-op while already editing or inserting
    void post(); // one transaction; fires beforePost (may cancel), afterPost, dataChange
    // post() when beforePost accepts the pending record; otherwise it stays pending.
    bool postIfAccepted();
    void cancel();
    void deleteRecord(); // one transaction; the next row becomes current; fires afterDelete

    int fieldCount() const;
    QString fieldName(int index) const;
    int fieldIndex(const QString& name) const; // -1 when absent
    Field fieldByName(const QString& name);    // throws StoreError when absent
    Field fieldByNumber(int index);            // 0-based
    ColumnKind fieldKind(int index) const;     // from the column's declared type

    int tag() const { return tag_; }
    void setTag(int t) { tag_ = t; }

    void disableControls();
    void enableControls();
    bool controlsDisabled() const { return disableCount_ > 0; }

    // Events, each run with the dataset as argument.
    std::function<void(Dataset&)> afterOpen, afterInsert, afterDelete, beforeScroll, afterScroll, afterPost,
        dataChange, afterRefresh;
    // Runs on the record about to be deleted, before anything is removed.
    std::function<void(Dataset&)> beforeDelete;
    // Return false to cancel the pending insert or edit silently.
    std::function<bool(Dataset&)> beforePost;

    // For grids: the value of any row without moving the current record. While
    // inserting, row recordCount() is the pending record, shown after the others.
    QVariant valueAt(int row, int field) const;
    // Moves to the row, edits, posts; on the pending row it sets the value and
    // posts once beforePost accepts the record.
    void setValueAt(int row, int field, const QVariant& v);
    bool isPendingRow(int row) const;

    // The rows among the first `limit` whose boolean `field` is set, in
    // table order, as valueAt() reads them; the database finds them, so
    // the rows are not read one by one.
    std::vector<int> markedRows(const QString& field, int limit) const;

signals:
    // Grids listen to these; nothing is emitted while controls are disabled, and
    // enableControls() emits reset() once when something changed meanwhile.
    void reset();
    void currentChanged(int row);
    void rowChanged(int row);

private:
    friend class Field;
    struct Impl;
    QVariant currentValue(int field) const;
    void setCurrentValue(int field, const QVariant& v);
    void open(bool countNow);
    void requireOpen(const char* operation) const;
    void checkBrowseMode();
    void store(); // writes the pending record, accepted already
    void scrollTo(int row, bool bof, bool eof);
    // Another view of the same table deleted the row: it leaves this view too.
    friend class Database;
    void forgetRow(qint64 rowid);
    // Another view of the same table stored the row: this one keeps to the rows it listed.
    void ignoreRow(qint64 rowid);
    void dropPending();
    void fireDataChange();
    void emitReset();
    void emitRowChanged(int row);

    std::unique_ptr<Impl> d_;
    Database& db_;
    QString name_;
    QString table_;
    DatasetState state_ = DatasetState::Inactive;
    int cur_ = -1;
    bool eof_ = true;
    bool bof_ = true;
    int tag_ = 0;
    int disableCount_ = 0;
};

} // namespace store

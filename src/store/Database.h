#pragma once
#include "store/Schema.h"

#include <QHash>
#include <QSqlDatabase>
#include <QString>
#include <QVariantList>
#include <functional>
#include <vector>

namespace store {

class Dataset;

// One database file reached under a data-source alias (ecl41_data, ecl41_pic,
// ecl41_list). Connecting checks the file before the engine sees it, creates a
// missing file with its tables when allowed, and never writes into a file that
// is not one of ours. Disconnecting closes every dataset on it.
class Database {
public:
    Database(QString alias, Schema::Kind kind);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    const QString& alias() const { return alias_; }
    Schema::Kind schemaKind() const { return kind_; }

    // The file used by the next connect.
    QString path() const { return path_; }
    void setPath(const QString& path) { path_ = path; }
    // When set, connect() takes the file from here each time (the registered
    // path of a data source), overriding setPath().
    void setPathSource(std::function<QString()> source) { pathSource_ = std::move(source); }
    // Whether connect() may create a missing (or zero-length) file with the tables.
    void setCreateIfMissing(bool create) { createIfMissing_ = create; }

    void connect(); // throws StoreError naming the file
    void disconnect();
    bool isConnected() const { return connected_; }
    // Why the connected library lacks a field this program adds to older
    // libraries (the file refused the change, e.g. read-only); empty otherwise.
    const QString& missingFieldsReason() const { return missingFieldsReason_; }

    QSqlDatabase handle() const; // the open connection; throws StoreError when disconnected

    // Runs one statement with bound parameters as its own transaction: on any
    // failure the file stays as it was and StoreError carries the engine's text.
    // Sync::Full returns only once the commit is on the disk (it survives a
    // power cut); Sync::Normal may lose the commits since the last checkpoint
    // to a power cut or system crash, never to the program's own crash.
    struct WriteResult {
        int rowsAffected = 0;
        qint64 insertId = -1;
    };
    enum class Sync { Normal, Full };
    WriteResult write(const QString& table, const QString& sql, const QVariantList& params,
                      Sync sync = Sync::Normal);

    // Bumped by every write to a table, so that other views of the same table
    // drop what they have cached.
    quint64 generation(const QString& table) const { return generations_.value(table.toLower()); }

    // Creates a new database file with the tables of `kind`; throws StoreError.
    static void createFile(const QString& path, Schema::Kind kind);

private:
    friend class Dataset;
    void attach(Dataset* ds) { datasets_.push_back(ds); }
    void detach(Dataset* ds);
    // Takes a row deleted through `from` out of every other view of its table.
    void rowRemoved(const QString& table, qint64 rowid, Dataset* from);
    [[noreturn]] void fail(const QString& what, const QString& engineText) const;

    QString alias_;
    Schema::Kind kind_;
    QString path_;
    std::function<QString()> pathSource_;
    bool createIfMissing_ = true;
    bool connected_ = false;
    QString missingFieldsReason_;
    QString connectionName_;
    std::vector<Dataset*> datasets_;
    QHash<QString, quint64> generations_;
};

} // namespace store

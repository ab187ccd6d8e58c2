#pragma once
#include "store/Backend.h"

namespace store {

// A data source in an SQLite file: the file is checked before the engine sees
// it, a missing one is created with its tables when allowed, and a file that is
// not one of ours is never written.
class SqliteBackend : public Backend {
public:
    void open(const QString& connection, const QString& location, Schema::Kind kind, bool create) override;
    void close() override {}
    QString missingFieldsReason() const override { return missingFieldsReason_; }
    QString displayName() const override;
    QVector<ColumnInfo> columns(QSqlDatabase& db, const QString& table) override;
    QString nextNumber(const QString& column, const QString& table) const override;
    std::optional<qint64> outsideChanges(QSqlDatabase& db) const override;
    Count countEqual(const QString& quotedTable, const QString& quotedColumn) const override;
    QString markedCondition(const QString& quotedColumn) const override;
    QString returningKey() const override { return {}; }
    QString begin(QSqlDatabase& db, Sync sync, const QString& numberedTable) override;
    void afterEnd(QSqlDatabase& db, Sync sync) override;
    [[noreturn]] void fail(const QString& what, const QString& engineText) override;

private:
    void createTables(QSqlDatabase& db, Schema::Kind kind);
    void addMissingColumns(QSqlDatabase& db, Schema::Kind kind);
    void addMissingIndexes(QSqlDatabase& db, Schema::Kind kind);

    QString path_;
    QString missingFieldsReason_;
};

} // namespace store

#pragma once
#include "exporter/Waveform.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

namespace store {
class Database;
class SqliteReadConnection;
} // namespace store

namespace exporter {

// A waveform library read without a window and without changing it: a file
// opened read-only beside a running program, never created, never
// converted; or a library on a server, read like any other client does.
class LibraryFile {
    Q_DECLARE_TR_FUNCTIONS(LibraryFile)
public:
    explicit LibraryFile(QString location);
    ~LibraryFile();

    // Throws store::StoreError naming the library when it is missing, not a
    // library of this program, or unreadable.
    void open();

    // Every waveform in table order, or those whose REC_ID is `recId`; each
    // is handed over as soon as it is read. Returns how many were. Throws
    // store::StoreError when the table cannot be read.
    int read(std::optional<qint64> recId, const std::function<void(Waveform&&)>& take);

private:
    QSqlDatabase db() const;
    QString shown() const;

    QString location_;
    std::unique_ptr<store::SqliteReadConnection> file_;
    std::unique_ptr<store::Database> server_;
};

} // namespace exporter

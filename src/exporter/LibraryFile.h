#pragma once
#include "exporter/Waveform.h"
#include "store/SqliteReadConnection.h"

#include <QCoreApplication>
#include <QString>
#include <functional>
#include <optional>

namespace exporter {

// A waveform library read without a window and without changing it: opened
// read-only beside a running program, never created, never converted.
class LibraryFile {
    Q_DECLARE_TR_FUNCTIONS(LibraryFile)
public:
    explicit LibraryFile(QString path) : path_(std::move(path)), connection_(path_) {}

    // Throws store::StoreError naming the file when it is missing, not a
    // library of this program, or unreadable.
    void open();

    // Every waveform in table order, or those whose REC_ID is `recId`; each
    // is handed over as soon as it is read. Returns how many were. Throws
    // store::StoreError when the table cannot be read.
    int read(std::optional<qint64> recId, const std::function<void(Waveform&&)>& take);

private:
    QString path_;
    store::SqliteReadConnection connection_;
};

} // namespace exporter

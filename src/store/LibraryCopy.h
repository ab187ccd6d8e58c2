#pragma once
#include <QCoreApplication>
#include <QString>

namespace store {

// Copies a whole waveform library (table master: every row in table order,
// every field, blobs byte for byte) from one location to another, each an
// SQLite file or a server database. The source is only read, through a
// read-only connection, so neither an old file nor an empty server database
// is changed by being read. The target must be empty: a missing file or the
// tables of an empty server database are created. The rows go in as one
// transaction: on any failure the target keeps no row, and a file this copy
// created is removed again.
class LibraryCopy {
    Q_DECLARE_TR_FUNCTIONS(LibraryCopy)
public:
    // Returns the number of waveforms copied; throws StoreError saying why
    // nothing was.
    static qint64 copy(const QString& from, const QString& to);

    // A location as messages name it: the file's path or "db on server".
    static QString shown(const QString& location);
};

} // namespace store

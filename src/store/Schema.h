#pragma once
#include <QSqlDatabase>
#include <QStringList>

namespace store {

// Tables of the three database files and how a new file gets them.
class Schema {
public:
    enum class Kind {
        Library, // table master (waveform library and compare library)
        Lists    // list_ku, list_ku_dev, list_ref_dev
    };

    // Field names of master in their fixed order; REC_ID first, because the
    // compare library is filled by copying field by field by position. Fields
    // added later (NOTE) come last.
    static const QStringList& masterFields();

    // Gives a library written before a field was added (table master without
    // NOTE) the missing fields at the end, leaving its rows as they are.
    // Returns the names added. Throws StoreError naming `path` when the file
    // refuses the change (read-only); the file then stays as it was.
    static QStringList addMissingColumns(QSqlDatabase& db, Kind kind, const QString& path);

    // Creates the tables of `kind` in an empty database, in one transaction.
    // Throws StoreError naming `path` on failure.
    static void create(QSqlDatabase& db, Kind kind, const QString& path);
};

} // namespace store

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
    // compare library is filled by copying field by field by position.
    static const QStringList& masterFields();

    // Creates the tables of `kind` in an empty database, in one transaction.
    // Throws StoreError naming `path` on failure.
    static void create(QSqlDatabase& db, Kind kind, const QString& path);
};

} // namespace store

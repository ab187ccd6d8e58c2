#pragma once
#include <QStringList>
#include <vector>

namespace store {

// Tables of the three data sources, described once for every backend. Column
// types are named as the SQLite library declares them (INTEGER, REAL, TEXT,
// BLOB, BOOLEAN); a server backend maps them to its own.
class Schema {
public:
    enum class Kind {
        Library, // table master (waveform library and compare library)
        Lists    // list_ku, list_ku_dev, list_ref_dev
    };

    struct Column {
        QString name;
        QString type;
    };
    struct Table {
        QString name;
        std::vector<Column> columns;
        QStringList indexedColumns; // each gets its own index, named <table>_<column>
        // The rows whose mark in this column is set have an index of their
        // own, <table>_marked, over the indexed columns: the marked rows of
        // one filter are found without reading the others.
        QString markColumn;
    };

    // Field names of master in their fixed order; REC_ID first, because the
    // compare library is filled by copying field by field by position. Fields
    // added later (NOTE) come last.
    static const QStringList& masterFields();

    static std::vector<Table> tables(Kind kind);

    // Columns added to `table` after databases were first written, in the
    // order they were added: a database that lacks them gains them at the end.
    static std::vector<Column> addedColumns(const QString& table);
};

} // namespace store

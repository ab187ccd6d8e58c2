#pragma once
#include "tools/MdbTable.h"

#include <QString>
#include <QStringList>

namespace tools {

// An Access database file (.mdb) opened read only through libmdb. The file is
// never written.
class MdbFile {
public:
    // Throws MdbError when the file is missing, is not an Access file or
    // cannot be read.
    explicit MdbFile(const QString& path);
    ~MdbFile();
    MdbFile(const MdbFile&) = delete;
    MdbFile& operator=(const MdbFile&) = delete;

    const QString& path() const { return path_; }

    // True when the file starts like an Access file ("Standard Jet DB" or
    // "Standard ACE DB" at offset 4).
    static bool hasAccessHeader(const QString& path);

    // The user tables, without the system tables.
    QStringList tableNames() const;

    // All rows of a table in stored order, with the named columns in the order
    // asked (all columns when `columns` is empty). Throws MdbError for a missing
    // table or column.
    MdbTable readTable(const QString& table, const QStringList& columns = {}) const;

private:
    QString path_;
    void* handle_ = nullptr; // MdbHandle*: an anonymous struct in libmdb, not declarable here
};

} // namespace tools

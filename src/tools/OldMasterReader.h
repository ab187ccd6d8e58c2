#pragma once
#include "tools/OldRecord.h"

#include <QString>
#include <QVector>

namespace tools {

// Reads table `master` of the previous version's database: an Access file
// through libmdb, or an SQLite file with the same table. Both are opened read
// only. A POINTS value larger than kMaxPoints is not read (it comes back null):
// no waveform block is that large.
class OldMasterReader {
public:
    static constexpr int kMaxPoints = 65536;

    // BANK_NUM and POINTS of every row in table order. Throws ImportError (or
    // MdbError) when the file is missing, of another kind, or has no such table.
    static QVector<OldRecord> read(const QString& path);

private:
    static QVector<OldRecord> readAccess(const QString& path);
    static QVector<OldRecord> readSqlite(const QString& path);
};

} // namespace tools

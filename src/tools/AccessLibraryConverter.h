#pragma once
#include <QString>

namespace tools {

// A waveform library brought from another machine in the Access format is
// read, never written: it is converted into a new SQLite library beside it
// (same folder and name, ".db"), every row of table master with every field
// the two layouts share, blobs byte for byte. The same reader as the import
// of the previous version's database reads it; an SQLite file with the
// library's table serves as well.
class AccessLibraryConverter {
public:
    static QString targetOf(const QString& sourcePath);

    // Returns the new library's path. The target is written whole or not at
    // all, and an existing file of that name is never replaced. Throws
    // ImportError (or MdbError) with a readable message.
    static QString convert(const QString& sourcePath);
};

} // namespace tools

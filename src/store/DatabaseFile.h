#pragma once
#include <QString>

namespace store {

// What a file on disk is, judged by its first bytes, before any database engine
// touches it: an engine must never be pointed at a file it might rewrite.
class DatabaseFile {
public:
    enum class Kind { Missing, Empty, Sqlite, Access, Other, Unreadable };

    static Kind inspect(const QString& path);

    // Readable reason why a file of this kind cannot serve as a database, naming it.
    static QString refusal(Kind kind, const QString& path);
    // A database (`shown` as the user knows it) without the waveform table: not a library.
    static QString notALibrary(const QString& shown);
};

} // namespace store

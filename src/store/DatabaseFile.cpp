#include "store/DatabaseFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace store {

DatabaseFile::Kind DatabaseFile::inspect(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) return Kind::Missing;
    if (info.isDir()) return Kind::Other;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return Kind::Unreadable;
    const QByteArray head = f.read(32);
    if (head.isEmpty()) return f.size() == 0 ? Kind::Empty : Kind::Unreadable;
    static const QByteArray sqliteMagic("SQLite format 3\0", 16);
    if (head.startsWith(sqliteMagic)) return Kind::Sqlite;
    if (head.size() >= 19) {
        const QByteArray at4 = head.mid(4, 15);
        if (at4 == "Standard Jet DB" || at4 == "Standard ACE DB") return Kind::Access;
    }
    return Kind::Other;
}

QString DatabaseFile::notALibrary(const QString& shown) {
    return QCoreApplication::translate("DatabaseFile",
                                       "%1 is not a waveform library: it holds no table master.")
        .arg(shown);
}

QString DatabaseFile::refusal(Kind kind, const QString& path) {
    const QString name = QDir::toNativeSeparators(path);
    switch (kind) {
    case Kind::Missing:
        return QCoreApplication::translate("DatabaseFile", "The database file %1 does not exist.").arg(name);
    case Kind::Access:
        return QCoreApplication::translate(
                   "DatabaseFile", "The file %1 is an Access database of the earlier program. It can only be "
                                   "imported; it cannot be opened as a database of this program.")
            .arg(name);
    case Kind::Other:
        return QCoreApplication::translate("DatabaseFile",
                                           "The file %1 is not a database file of this program.")
            .arg(name);
    case Kind::Unreadable:
        return QCoreApplication::translate("DatabaseFile", "The database file %1 cannot be read.").arg(name);
    case Kind::Empty:
        return QCoreApplication::translate("DatabaseFile",
                                           "The file %1 is empty (0 bytes): it holds no waveform library.")
            .arg(name);
    case Kind::Sqlite: break;
    }
    return {};
}

} // namespace store

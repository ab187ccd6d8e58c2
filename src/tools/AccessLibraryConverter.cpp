#include "tools/AccessLibraryConverter.h"

#include "store/Database.h"
#include "store/Schema.h"
#include "store/SqliteReadConnection.h"
#include "tools/ImportError.h"
#include "tools/MdbFile.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace tools {

namespace {

// Table master as stored, from either format.
MdbTable readMaster(const QString& path) {
    if (MdbFile::hasAccessHeader(path)) return MdbFile(path).readTable(QStringLiteral("master"));
    if (!store::hasSqliteHeader(path))
        throw ImportError(
            QCoreApplication::translate("AccessLibraryConverter", "%1: not a database file").arg(path));
    store::SqliteReadConnection connection(path);
    QSqlDatabase db = connection.db();
    if (!db.open()) throw ImportError(QStringLiteral("%1: %2").arg(path, db.lastError().text()));
    MdbTable table;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT * FROM master")))
        throw ImportError(QStringLiteral("%1: %2").arg(path, q.lastError().text()));
    for (int c = 0; c < q.record().count(); ++c) table.columns << q.record().fieldName(c);
    while (q.next()) {
        QVariantList row;
        for (int c = 0; c < table.columns.size(); ++c) row << q.value(c);
        table.rows.push_back(row);
    }
    return table;
}

// Writes the rows into the new file at `path` in one transaction.
void writeRows(const QString& path, const MdbTable& table) {
    QStringList names;
    QList<int> sources;
    for (const QString& field : store::Schema::masterFields()) {
        const int c = table.columnIndex(field);
        if (c < 0) continue;
        names << field;
        sources << c;
    }
    if (names.isEmpty())
        throw ImportError(QCoreApplication::translate("AccessLibraryConverter",
                                                      "%1: its table master has none of the library's fields")
                              .arg(path));
    static QAtomicInt counter;
    const QString connection = QStringLiteral("convert_%1").arg(counter.fetchAndAddRelaxed(1));
    QString error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        if (!db.open() || !db.transaction()) {
            error = db.lastError().text();
        } else {
            QSqlQuery q(db);
            QStringList marks;
            for (int i = 0; i < names.size(); ++i) marks << QStringLiteral("?");
            q.prepare(
                QStringLiteral("INSERT INTO master (%1) VALUES (%2)").arg(names.join(','), marks.join(',')));
            for (const QVariantList& row : table.rows) {
                for (int c : sources) q.addBindValue(row.value(c));
                if (!q.exec()) {
                    error = q.lastError().text();
                    break;
                }
            }
            q.finish();
            if (error.isEmpty() && !db.commit()) error = db.lastError().text();
            if (!error.isEmpty()) db.rollback();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    if (!error.isEmpty())
        throw ImportError(
            QCoreApplication::translate("AccessLibraryConverter", "Cannot write %1: %2").arg(path, error));
}

} // namespace

QString AccessLibraryConverter::targetOf(const QString& sourcePath) {
    const QFileInfo source(sourcePath);
    return source.dir().filePath(source.completeBaseName() + QStringLiteral(".db"));
}

QString AccessLibraryConverter::convert(const QString& sourcePath) {
    const QString target = targetOf(sourcePath);
    if (QFileInfo::exists(target))
        throw ImportError(
            QCoreApplication::translate("AccessLibraryConverter",
                                        "%1 already exists; it is not replaced. Open it, or move it away and "
                                        "convert again.")
                .arg(target));
    const MdbTable table = readMaster(sourcePath);
    // Built under a temporary name and renamed at the end: never half a library.
    const QString part = target + QStringLiteral(".part");
    QFile::remove(part);
    try {
        store::Database::createFile(part, store::Schema::Kind::Library);
        writeRows(part, table);
    } catch (...) {
        QFile::remove(part);
        throw;
    }
    if (!QFile::rename(part, target)) {
        QFile::remove(part);
        throw ImportError(
            QCoreApplication::translate("AccessLibraryConverter", "Cannot create %1.").arg(target));
    }
    return target;
}

} // namespace tools

#include "tools/OldMasterReader.h"

#include "store/SqliteReadConnection.h"
#include "tools/ImportError.h"
#include "tools/MdbFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>

namespace tools {

QVector<OldRecord> OldMasterReader::read(const QString& path) {
    if (!QFile::exists(path))
        throw ImportError(
            QCoreApplication::translate("OldMasterReader", "%1: the file does not exist").arg(path));
    if (MdbFile::hasAccessHeader(path)) return readAccess(path);
    if (store::hasSqliteHeader(path)) return readSqlite(path);
    throw ImportError(QCoreApplication::translate("OldMasterReader", "%1: not a database file").arg(path));
}

QVector<OldRecord> OldMasterReader::readAccess(const QString& path) {
    const MdbTable table = MdbFile(path).readTable(QStringLiteral("master"), {"BANK_NUM", "POINTS"});
    QVector<OldRecord> records;
    records.reserve(table.rows.size());
    for (const QVariantList& row : table.rows) {
        OldRecord r{row.value(0), row.value(1)};
        if (r.points.toByteArray().size() > kMaxPoints) r.points = QVariant();
        records.push_back(r);
    }
    return records;
}

QVector<OldRecord> OldMasterReader::readSqlite(const QString& path) {
    QVector<OldRecord> records;
    {
        store::SqliteReadConnection connection(path);
        QSqlDatabase db = connection.db();
        if (!db.open()) throw ImportError(QStringLiteral("%1: %2").arg(path, db.lastError().text()));
        QSqlQuery q(db);
        q.setForwardOnly(true);
        // Oversized blobs stay in the file instead of being loaded and dropped.
        const QString sql =
            QStringLiteral("SELECT BANK_NUM, CASE WHEN length(POINTS) <= %1 THEN POINTS END FROM master")
                .arg(kMaxPoints);
        if (!q.exec(sql)) throw ImportError(QStringLiteral("%1: %2").arg(path, q.lastError().text()));
        while (q.next()) records.push_back({q.value(0), q.value(1)});
    }
    return records;
}

} // namespace tools

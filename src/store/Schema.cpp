#include "store/Schema.h"

#include "store/Dataset.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>

namespace store {

namespace {

// Column types follow what the program writes: integers, floating point
// (SCALE 62.5), SPEED as text ("1,500"), the sample image as a blob and the
// row marks as booleans stored 0/1, the user's note as text (null: none).
// No INTEGER PRIMARY KEY: the rowid stays the hidden key that keeps table
// order and bookmarks stable while REC_ID is renumbered.
const char* const kMaster =
    "CREATE TABLE master ("
    "REC_ID INTEGER, BANK_NUM INTEGER, MEMO TEXT, SCALE REAL, DLIT INTEGER, AMPL INTEGER, "
    "NAKOPL INTEGER, SOGLAS INTEGER, SPEED TEXT, DATE TEXT, SDVIG INTEGER, ZOOM_L REAL, "
    "POINTS BLOB, DEVICE_TYPE TEXT, METHOD TEXT, LEVEL INTEGER, TIME_OUT REAL, "
    "PICTURE BOOLEAN, START_PLAN REAL, NOTE TEXT)";
// The library is always read filtered on the device type, in table order.
const char* const kMasterIndex = "CREATE INDEX master_device_type ON master (DEVICE_TYPE)";

const char* const kListKu = "CREATE TABLE list_ku (name_ku TEXT, value_ku REAL, picture BOOLEAN)";
// NUM_ID last, so that the three fields shared with list_ku keep their positions.
const char* const kListKuDev =
    "CREATE TABLE list_ku_dev (name_ku TEXT, value_ku REAL, picture BOOLEAN, NUM_ID INTEGER)";
const char* const kListRefDev =
    "CREATE TABLE list_ref_dev (PICTURE BOOLEAN, REC_ID_LIST INTEGER, BANK_NUM INTEGER, MEMO TEXT, "
    "SCALE REAL, DATE TEXT)";

// Columns added to master after libraries were first written, in the order
// they were added. Each goes at the end, so every earlier field keeps its
// position and a program that knows only the earlier fields still reads them.
struct AddedColumn {
    const char* name;
    const char* type;
};
constexpr AddedColumn kMasterAdded[] = {{"NOTE", "TEXT"}};

} // namespace

const QStringList& Schema::masterFields() {
    static const QStringList fields = {"REC_ID", "BANK_NUM", "MEMO",    "SCALE",       "DLIT",
                                       "AMPL",   "NAKOPL",   "SOGLAS",  "SPEED",       "DATE",
                                       "SDVIG",  "ZOOM_L",   "POINTS",  "DEVICE_TYPE", "METHOD",
                                       "LEVEL",  "TIME_OUT", "PICTURE", "START_PLAN",  "NOTE"};
    return fields;
}

void Schema::create(QSqlDatabase& db, Kind kind, const QString& path) {
    const QStringList statements = kind == Kind::Library ? QStringList{kMaster, kMasterIndex}
                                                         : QStringList{kListKu, kListKuDev, kListRefDev};
    if (!db.transaction())
        throw StoreError(QStringLiteral("Cannot create the tables of %1: %2")
                             .arg(path, db.lastError().text())
                             .toStdString());
    QSqlQuery q(db);
    for (const QString& sql : statements) {
        if (!q.exec(sql)) {
            const QString why = q.lastError().text();
            q.finish();
            db.rollback();
            throw StoreError(
                QStringLiteral("Cannot create the tables of %1: %2").arg(path, why).toStdString());
        }
    }
    q.finish();
    if (!db.commit()) {
        const QString why = db.lastError().text();
        db.rollback();
        throw StoreError(QStringLiteral("Cannot create the tables of %1: %2").arg(path, why).toStdString());
    }
}

QStringList Schema::addMissingColumns(QSqlDatabase& db, Kind kind, const QString& path) {
    if (kind != Kind::Library) return {};
    QStringList present;
    {
        QSqlQuery q(db);
        if (!q.exec(QStringLiteral("PRAGMA table_info(master)")))
            throw StoreError(QStringLiteral("Cannot read the fields of %1: %2")
                                 .arg(path, q.lastError().text())
                                 .toStdString());
        while (q.next()) present << q.value(1).toString().toUpper();
    }
    // Not a table of ours: opening the views names what is missing.
    if (present.isEmpty()) return {};
    QStringList added;
    for (const AddedColumn& column : kMasterAdded) {
        const QString name = QString::fromLatin1(column.name);
        if (present.contains(name)) continue;
        // One statement is one transaction: the column is there whole or not at all.
        QSqlQuery q(db);
        if (!q.exec(
                QStringLiteral("ALTER TABLE master ADD COLUMN %1 %2").arg(name, QLatin1String(column.type))))
            throw StoreError(QCoreApplication::translate("Schema", "Cannot add the field %1 to %2: %3")
                                 .arg(name, path, q.lastError().text())
                                 .toStdString());
        added << name;
    }
    return added;
}

} // namespace store

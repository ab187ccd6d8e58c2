#include "store/Schema.h"

#include "store/Dataset.h"

#include <QSqlError>
#include <QSqlQuery>

namespace store {

namespace {

// Column types follow what the program writes: integers, floating point
// (SCALE 62.5), SPEED as text ("1,500"), the sample image as a blob and the
// row marks as booleans stored 0/1. No INTEGER PRIMARY KEY: the rowid stays
// the hidden key that keeps table order and bookmarks stable while REC_ID is
// renumbered.
const char* const kMaster =
    "CREATE TABLE master ("
    "REC_ID INTEGER, BANK_NUM INTEGER, MEMO TEXT, SCALE REAL, DLIT INTEGER, AMPL INTEGER, "
    "NAKOPL INTEGER, SOGLAS INTEGER, SPEED TEXT, DATE TEXT, SDVIG INTEGER, ZOOM_L REAL, "
    "POINTS BLOB, DEVICE_TYPE TEXT, METHOD TEXT, LEVEL INTEGER, TIME_OUT REAL, "
    "PICTURE BOOLEAN, START_PLAN REAL)";
// The library is always read filtered on the device type, in table order.
const char* const kMasterIndex = "CREATE INDEX master_device_type ON master (DEVICE_TYPE)";

const char* const kListKu = "CREATE TABLE list_ku (name_ku TEXT, value_ku REAL, picture BOOLEAN)";
// NUM_ID last, so that the three fields shared with list_ku keep their positions.
const char* const kListKuDev =
    "CREATE TABLE list_ku_dev (name_ku TEXT, value_ku REAL, picture BOOLEAN, NUM_ID INTEGER)";
const char* const kListRefDev =
    "CREATE TABLE list_ref_dev (PICTURE BOOLEAN, REC_ID_LIST INTEGER, BANK_NUM INTEGER, MEMO TEXT, "
    "SCALE REAL, DATE TEXT)";

} // namespace

const QStringList& Schema::masterFields() {
    static const QStringList fields = {"REC_ID", "BANK_NUM", "MEMO",    "SCALE",       "DLIT",
                                       "AMPL",   "NAKOPL",   "SOGLAS",  "SPEED",       "DATE",
                                       "SDVIG",  "ZOOM_L",   "POINTS",  "DEVICE_TYPE", "METHOD",
                                       "LEVEL",  "TIME_OUT", "PICTURE", "START_PLAN"};
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

} // namespace store

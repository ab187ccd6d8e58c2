#include "store/DeletedRows.h"

#include "store/Database.h"
#include "store/Dataset.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace store {

namespace {
QString quoted(const QString& name) { return QLatin1Char('"') + QString(name).replace('"', "\"\"") + '"'; }
} // namespace

void DeletedRows::remember(Database& db, const QString& table, qint64 rowid) {
    QSqlQuery q(db.handle());
    q.prepare(QStringLiteral("SELECT * FROM %1 WHERE rowid = ?").arg(quoted(table)));
    q.addBindValue(rowid);
    if (!q.exec() || !q.next())
        throw StoreError(
            QCoreApplication::translate("DeletedRows", "Cannot keep the deleted row of %1 for undoing: %2")
                .arg(db.displayName(), q.lastError().text())
                .toStdString());
    Row row;
    row.file = db.path();
    row.rowid = rowid;
    const QSqlRecord record = q.record();
    for (int i = 0; i < record.count(); ++i) {
        // A server table lists its row key among the columns; it is kept apart.
        if (record.fieldName(i).compare(QLatin1String("rowid"), Qt::CaseInsensitive) == 0) continue;
        row.columns << record.fieldName(i);
        row.values << q.value(i);
    }
    row.group = open_ != 0 ? open_ : nextGroup();
    rows_.push_back(std::move(row));
}

int DeletedRows::nextGroup() {
    static int groups = 0;
    return ++groups;
}

int DeletedRows::newestGroup(const Database& db) const {
    for (auto row = rows_.rbegin(); row != rows_.rend(); ++row)
        if (row->file == db.path()) return row->group;
    return 0;
}

QList<qint64> DeletedRows::restoreNewest(Database& db, const QString& table, const QString& numberField,
                                         const QString& markField) {
    while (!rows_.empty() && rows_.back().file != db.path()) rows_.pop_back();
    QList<qint64> restored;
    if (rows_.empty()) return restored;
    const int group = rows_.back().group;
    // Deleted first to last: back last to first, so that each finds its place.
    while (!rows_.empty() && rows_.back().group == group && rows_.back().file == db.path())
        restored.prepend(restoreRow(db, table, numberField, markField));
    return restored;
}

qint64 DeletedRows::restoreRow(Database& db, const QString& table, const QString& numberField,
                               const QString& markField) {
    const Row& row = rows_.back();

    QSqlQuery taken(db.handle());
    taken.prepare(QStringLiteral("SELECT 1 FROM %1 WHERE rowid = ?").arg(quoted(table)));
    taken.addBindValue(row.rowid);
    const bool keepPlace = taken.exec() && !taken.next();
    taken.finish();

    QStringList names, marks;
    QVariantList params;
    if (keepPlace) {
        names << QStringLiteral("rowid");
        marks << QStringLiteral("?");
        params << row.rowid;
    }
    QString numbered;
    for (int i = 0; i < row.columns.size(); ++i) {
        names << quoted(row.columns[i]);
        const QVariant value = row.values.value(i);
        if (!numberField.isEmpty() && row.columns[i].compare(numberField, Qt::CaseInsensitive) == 0 &&
            !value.isNull()) {
            // Its number goes back unless another row took it meanwhile (a
            // crew member's new waveform); then it gets the next one.
            marks << QStringLiteral("CASE WHEN EXISTS (SELECT 1 FROM %1 WHERE %2 = ?) THEN %3 ELSE ? END")
                         .arg(quoted(table), quoted(row.columns[i]), db.nextNumber(row.columns[i], table));
            params << value << value;
            numbered = row.columns[i];
            continue;
        }
        marks << QStringLiteral("?");
        const bool mark = !markField.isEmpty() && row.columns[i].compare(markField, Qt::CaseInsensitive) == 0;
        params << (mark && !value.isNull() ? db.bindable(QVariant(false), ColumnKind::Bool) : value);
    }
    const qint64 key =
        db.insert(table,
                  QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                      .arg(quoted(table), names.join(QLatin1Char(',')), marks.join(QLatin1Char(','))),
                  params, Database::Sync::Full, numbered);
    rows_.pop_back();
    return key;
}

} // namespace store

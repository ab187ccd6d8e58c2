#include "exporter/LibraryFile.h"

#include "store/DatabaseFile.h"
#include "store/Dataset.h"

#include <QDir>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace exporter {

void LibraryFile::open() {
    const QString shown = QDir::toNativeSeparators(path_);
    const store::DatabaseFile::Kind kind = store::DatabaseFile::inspect(path_);
    if (kind == store::DatabaseFile::Kind::Missing)
        throw store::StoreError(tr("The waveform library %1 does not exist.").arg(shown).toStdString());
    if (kind != store::DatabaseFile::Kind::Sqlite)
        throw store::StoreError(store::DatabaseFile::refusal(kind, path_).toStdString());
    QSqlDatabase db = connection_.db();
    if (!db.open())
        throw store::StoreError(
            tr("Cannot open the waveform library %1: %2").arg(shown, db.lastError().text()).toStdString());
    QSqlQuery probe(db);
    if (!probe.exec(QStringLiteral("SELECT 1 FROM master LIMIT 1")))
        throw store::StoreError(
            tr("%1 holds no waveform library: %2").arg(shown, probe.lastError().text()).toStdString());
}

int LibraryFile::read(std::optional<qint64> recId, const std::function<void(Waveform&&)>& take) {
    const QString shown = QDir::toNativeSeparators(path_);
    QSqlDatabase db = connection_.db();
    auto fail = [&](const QSqlQuery& q) {
        throw store::StoreError(
            tr("Cannot read the waveform library %1: %2").arg(shown, q.lastError().text()).toStdString());
    };
    // The declared types tell marks (stored 0/1) from numbers.
    QHash<QString, store::ColumnKind> kinds;
    QSqlQuery info(db);
    if (!info.exec(QStringLiteral("PRAGMA table_info(master)"))) fail(info);
    while (info.next())
        kinds.insert(info.value(1).toString().toUpper(),
                     store::FieldValue::kindOfDeclaredType(info.value(2).toString()));

    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(recId ? QStringLiteral("SELECT * FROM master WHERE REC_ID = ? ORDER BY rowid")
                    : QStringLiteral("SELECT * FROM master ORDER BY rowid"));
    if (recId) q.addBindValue(*recId);
    if (!q.exec()) fail(q);
    int count = 0;
    while (q.next()) {
        const QSqlRecord record = q.record();
        std::vector<StoredField> fields;
        fields.reserve(size_t(record.count()));
        for (int i = 0; i < record.count(); ++i)
            fields.push_back({record.fieldName(i),
                              kinds.value(record.fieldName(i).toUpper(), store::ColumnKind::Other),
                              q.value(i)});
        take(Waveform::of(std::move(fields)));
        ++count;
    }
    if (q.lastError().isValid()) fail(q);
    return count;
}

} // namespace exporter

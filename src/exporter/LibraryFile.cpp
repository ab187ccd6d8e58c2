#include "exporter/LibraryFile.h"

#include "store/Database.h"
#include "store/DatabaseFile.h"
#include "store/Dataset.h"
#include "store/ServerAddress.h"
#include "store/SqliteReadConnection.h"

#include <QDir>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace exporter {

LibraryFile::LibraryFile(QString location) : location_(std::move(location)) {}

LibraryFile::~LibraryFile() = default;

QString LibraryFile::shown() const {
    return server_ ? server_->displayName() : QDir::toNativeSeparators(location_);
}

QSqlDatabase LibraryFile::db() const { return server_ ? server_->handle() : file_->db(); }

void LibraryFile::open() {
    if (store::ServerAddress::isServerUrl(location_)) {
        server_ = std::make_unique<store::Database>(QStringLiteral("export"), store::Schema::Kind::Library);
        server_->setPath(location_);
        server_->connect();
        return;
    }
    const QString shown = this->shown();
    const store::DatabaseFile::Kind kind = store::DatabaseFile::inspect(location_);
    if (kind == store::DatabaseFile::Kind::Missing)
        throw store::StoreError(tr("The waveform library %1 does not exist.").arg(shown).toStdString());
    if (kind != store::DatabaseFile::Kind::Sqlite)
        throw store::StoreError(store::DatabaseFile::refusal(kind, location_).toStdString());
    file_ = std::make_unique<store::SqliteReadConnection>(location_);
    QSqlDatabase db = file_->db();
    if (!db.open())
        throw store::StoreError(
            tr("Cannot open the waveform library %1: %2").arg(shown, db.lastError().text()).toStdString());
    if (!db.tables().contains(QStringLiteral("master"), Qt::CaseInsensitive))
        throw store::StoreError(store::DatabaseFile::notALibrary(shown).toStdString());
    QSqlQuery probe(db);
    if (!probe.exec(QStringLiteral("SELECT 1 FROM master LIMIT 1")))
        throw store::StoreError(
            tr("%1 holds no waveform library: %2").arg(shown, probe.lastError().text()).toStdString());
}

int LibraryFile::read(std::optional<qint64> recId, const std::function<void(Waveform&&)>& take) {
    const QString shown = this->shown();
    QSqlDatabase db = this->db();
    auto fail = [&](const QSqlQuery& q) {
        throw store::StoreError(
            tr("Cannot read the waveform library %1: %2").arg(shown, q.lastError().text()).toStdString());
    };
    // The declared types tell marks (stored 0/1) from numbers.
    QHash<QString, store::ColumnKind> kinds;
    if (server_) {
        for (const store::Backend::ColumnInfo& c : server_->columns(QStringLiteral("master")))
            kinds.insert(c.name.toUpper(), c.kind);
    } else {
        QSqlQuery info(db);
        if (!info.exec(QStringLiteral("PRAGMA table_info(master)"))) fail(info);
        while (info.next())
            kinds.insert(info.value(1).toString().toUpper(),
                         store::FieldValue::kindOfDeclaredType(info.value(2).toString()));
    }

    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(recId ? QStringLiteral("SELECT * FROM master WHERE \"REC_ID\" = ? ORDER BY rowid")
                    : QStringLiteral("SELECT * FROM master ORDER BY rowid"));
    if (recId) q.addBindValue(*recId);
    if (!q.exec()) fail(q);
    int count = 0;
    while (q.next()) {
        const QSqlRecord record = q.record();
        std::vector<StoredField> fields;
        fields.reserve(size_t(record.count()));
        for (int i = 0; i < record.count(); ++i) {
            // A server table lists its row key among the fields; it is no field of a waveform.
            const auto kind = kinds.constFind(record.fieldName(i).toUpper());
            if (kind != kinds.constEnd()) fields.push_back({record.fieldName(i), *kind, q.value(i)});
        }
        take(Waveform::of(std::move(fields)));
        ++count;
    }
    if (q.lastError().isValid()) fail(q);
    return count;
}

} // namespace exporter

#include "store/LibraryCopy.h"

#include "store/Database.h"
#include "store/DatabaseFile.h"
#include "store/Dataset.h"
#include "store/ExactCopy.h"
#include "store/PgBackend.h"
#include "store/ServerAddress.h"

#include <QAtomicInt>
#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <algorithm>
#include <optional>

namespace store {

namespace {

QString quoted(const QString& identifier) { return QLatin1Char('"') + identifier + QLatin1Char('"'); }

// The library copied from, read in table order through a connection that
// cannot write, removed however the reading ends.
class Source {
public:
    explicit Source(QString location) : location_(std::move(location)) {
        static QAtomicInt counter;
        name_ = QStringLiteral("copy_source_%1").arg(counter.fetchAndAddRelaxed(1));
    }
    ~Source() {
        query_.reset();
        QSqlDatabase::database(name_, false).close();
        QSqlDatabase::removeDatabase(name_);
    }
    Source(const Source&) = delete;
    Source& operator=(const Source&) = delete;

    // Opens the library and starts reading its rows; throws StoreError.
    QSqlQuery& open() {
        const QString name = LibraryCopy::shown(location_);
        QSqlDatabase db;
        const bool server = ServerAddress::isServerUrl(location_);
        if (server) {
            if (const QString why = ServerAddress::refusal(location_); !why.isEmpty())
                throw StoreError(why.toStdString());
            db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name_);
            if (const QString why = PgBackend::configure(db, location_); !why.isEmpty())
                throw StoreError(LibraryCopy::tr("Cannot open %1: %2").arg(name, why).toStdString());
        } else {
            const DatabaseFile::Kind kind = DatabaseFile::inspect(location_);
            if (kind != DatabaseFile::Kind::Sqlite)
                throw StoreError(DatabaseFile::refusal(kind, location_).toStdString());
            db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
            db.setDatabaseName(location_);
            db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=5000"));
        }
        if (!db.open())
            throw StoreError(LibraryCopy::tr("Cannot open %1: %2")
                                 .arg(name, db.lastError().text().trimmed())
                                 .toStdString());
        query_.emplace(db);
        if (server && !query_->exec(QStringLiteral("SET SESSION CHARACTERISTICS AS TRANSACTION READ ONLY")))
            throw StoreError(LibraryCopy::tr("Cannot open %1: %2")
                                 .arg(name, query_->lastError().text().trimmed())
                                 .toStdString());
        // One statement reads one consistent state of the library, however
        // others write to it meanwhile; forward only, the rows are not all kept.
        query_->setForwardOnly(true);
        server_ = server;
        // A file's rows carry their key too, for rereading a field's stored bytes.
        if (!db.tables().contains(QStringLiteral("master"), Qt::CaseInsensitive))
            throw StoreError(DatabaseFile::notALibrary(name).toStdString());
        if (!query_->exec(server ? QStringLiteral("SELECT * FROM master ORDER BY rowid")
                                 : QStringLiteral("SELECT rowid, * FROM master ORDER BY rowid")))
            throw StoreError(LibraryCopy::tr("%1 holds no waveform library: %2")
                                 .arg(name, query_->lastError().text().trimmed())
                                 .toStdString());
        return *query_;
    }

    // The bytes a text field of the current row holds in a file, for text
    // that read with replacement characters; empty otherwise.
    QByteArray storedBytes(const QString& field) const {
        const QVariant text = query_->value(field);
        if (server_ || !text.toString().contains(QChar::ReplacementCharacter)) return {};
        QSqlQuery raw(QSqlDatabase::database(name_, false));
        raw.prepare(QStringLiteral("SELECT CAST(%1 AS BLOB) FROM master WHERE rowid = ?").arg(quoted(field)));
        raw.addBindValue(query_->value(QStringLiteral("rowid")));
        return raw.exec() && raw.next() ? raw.value(0).toByteArray() : QByteArray();
    }

private:
    QString location_;
    QString name_;
    bool server_ = false;
    std::optional<QSqlQuery> query_;
};

// Which source field goes into which target column.
struct FieldMap {
    int source;
    Backend::ColumnInfo target;
};

std::vector<FieldMap> mapFields(const QSqlRecord& source, const QVector<Backend::ColumnInfo>& target,
                                const QString& from, const QString& to) {
    std::vector<FieldMap> map;
    for (int i = 0; i < source.count(); ++i) {
        const QString name = source.fieldName(i);
        if (name.compare(QLatin1String("rowid"), Qt::CaseInsensitive) == 0) continue;
        const auto column = std::find_if(target.begin(), target.end(), [&](const Backend::ColumnInfo& c) {
            return c.name.compare(name, Qt::CaseInsensitive) == 0;
        });
        // A field the target cannot keep would be lost: copy all of them or nothing.
        if (column == target.end())
            throw StoreError(LibraryCopy::tr("%1 has no field %2, which %3 holds.")
                                 .arg(LibraryCopy::shown(to), name, LibraryCopy::shown(from))
                                 .toStdString());
        map.push_back({i, *column});
    }
    return map;
}

void refuseUnlessEmpty(Database& target, const QString& to) {
    QSqlQuery q(target.handle());
    if (!q.exec(QStringLiteral("SELECT count(*) FROM master")) || !q.next())
        throw StoreError(LibraryCopy::tr("Cannot read %1: %2")
                             .arg(LibraryCopy::shown(to), q.lastError().text())
                             .toStdString());
    if (const qint64 held = q.value(0).toLongLong(); held > 0)
        throw StoreError(LibraryCopy::tr("%1 already holds waveforms (%2 of them); a library is copied only "
                                         "into a new file or an empty library.")
                             .arg(LibraryCopy::shown(to))
                             .arg(held)
                             .toStdString());
}

qint64 fill(Database& target, Source& source, QSqlQuery& rows, const QString& from, const QString& to) {
    const std::vector<FieldMap> map =
        mapFields(rows.record(), target.columns(QStringLiteral("master")), from, to);
    QStringList names, marks, fields;
    for (const FieldMap& f : map) {
        names << quoted(f.target.name);
        marks << QStringLiteral("?");
        fields << rows.record().fieldName(f.source);
    }
    const int recId = rows.record().indexOf(QStringLiteral("REC_ID"));
    bool first = true;
    return target.writeMany(
        QStringLiteral("master"),
        QStringLiteral("INSERT INTO master (%1) VALUES (%2)")
            .arg(names.join(QLatin1Char(',')), marks.join(QLatin1Char(','))),
        [&](QVariantList& row) {
            // Inside the transaction, the table locked: nobody fills it meanwhile.
            if (first) refuseUnlessEmpty(target, to);
            first = false;
            if (!rows.next()) {
                if (rows.lastError().isValid())
                    throw StoreError(LibraryCopy::tr("Cannot read %1: %2")
                                         .arg(LibraryCopy::shown(from), rows.lastError().text().trimmed())
                                         .toStdString());
                return false;
            }
            try {
                for (size_t i = 0; i < map.size(); ++i) {
                    const FieldMap& f = map[i];
                    const QByteArray stored =
                        f.target.kind == ColumnKind::Text ? source.storedBytes(fields[int(i)]) : QByteArray();
                    row << target.bindable(
                        exactCopy(rows.value(f.source), f.target.kind, fields[int(i)], stored),
                        f.target.kind);
                }
            } catch (const StoreError& e) {
                throw StoreError(LibraryCopy::tr("The waveform No %1 of %2 cannot be stored in %3: %4")
                                     .arg(recId < 0 ? QString() : rows.value(recId).toString(),
                                          LibraryCopy::shown(from), LibraryCopy::shown(to),
                                          QString::fromUtf8(e.what()))
                                     .toStdString());
            }
            return true;
        },
        Database::Sync::Full);
}

} // namespace

QString LibraryCopy::shown(const QString& location) {
    return ServerAddress::isServerUrl(location) ? ServerAddress::describe(location)
                                                : QDir::toNativeSeparators(location);
}

qint64 LibraryCopy::copy(const QString& from, const QString& to) {
    Source source(from);
    QSqlQuery& rows = source.open();
    const bool creates =
        !ServerAddress::isServerUrl(to) && DatabaseFile::inspect(to) == DatabaseFile::Kind::Missing;
    Database target(QStringLiteral("copy_target"), Schema::Kind::Library);
    target.setPath(to);
    target.setCreateIfMissing(true);
    try {
        target.connect();
        return fill(target, source, rows, from, to);
    } catch (...) {
        target.disconnect();
        // An empty file left behind would look like a copy that succeeded;
        // its log beside it (left when the disk filled) is part of it.
        if (creates)
            for (const char* part : {"", "-wal", "-shm", "-journal"}) QFile::remove(to + QLatin1String(part));
        throw;
    }
}

} // namespace store

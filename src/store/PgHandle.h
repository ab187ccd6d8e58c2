#pragma once
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QVariant>
#include <libpq-fe.h>

namespace store {

// The client library's connection under an open QPSQL connection; null for
// any other. Used only on the thread that made the connection.
inline PGconn* pgConnection(const QSqlDatabase& db) {
    if (!db.isOpen() || !db.driver()) return nullptr;
    const QVariant v = db.driver()->handle();
    // The type's name is the typedef's or the struct's, whichever was registered first.
    if (!v.isValid() || (qstrcmp(v.typeName(), "PGconn*") != 0 && qstrcmp(v.typeName(), "pg_conn*") != 0))
        return nullptr;
    return *static_cast<PGconn* const*>(v.constData());
}

} // namespace store

#include "store/Backend.h"

#include "store/PgBackend.h"
#include "store/ServerAddress.h"
#include "store/SqliteBackend.h"

namespace store {

QString Backend::errorText(const QSqlError& error) const { return error.text(); }

std::unique_ptr<Backend> Backend::forLocation(const QString& location) {
    if (ServerAddress::isServerUrl(location)) return std::make_unique<PgBackend>();
    return std::make_unique<SqliteBackend>();
}

} // namespace store

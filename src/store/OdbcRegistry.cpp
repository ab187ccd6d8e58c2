#include "store/OdbcRegistry.h"

#include "store/Dataset.h"
#include "store/IniFile.h"
#include "store/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace store {

namespace {
const QString kKey = QStringLiteral("DBQ");
}

OdbcRegistry::OdbcRegistry() : path_(defaultPath()) {}

OdbcRegistry::OdbcRegistry(QString path) : path_(std::move(path)) {}

QString OdbcRegistry::defaultPath() { return userConfigFolder() + QStringLiteral("odbc.ini"); }

QString OdbcRegistry::readDbq(const QString& alias, const QString& def) const {
    const IniFile ini(path_);
    const QString value = ini.readString(alias, kKey, QString()).trimmed();
    return value.isEmpty() ? def : value;
}

void OdbcRegistry::writeDbq(const QString& alias, const QString& path) {
    const QString dir = QFileInfo(path_).absolutePath();
    IniFile ini(path_);
    ini.writeString(alias, kKey, path);
    if (!QDir().mkpath(dir) || !ini.save())
        throw StoreError(
            QCoreApplication::translate("OdbcRegistry", "Cannot register the database file of %1 in %2: %3")
                .arg(alias, QDir::toNativeSeparators(path_), ini.errorString())
                .toStdString());
}

} // namespace store

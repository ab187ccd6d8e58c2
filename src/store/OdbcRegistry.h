#pragma once
#include <QString>

namespace store {

// The per-user registration of the data sources: one section per alias with
// the key DBQ holding the database file's path, in
// $XDG_CONFIG_HOME/echolon/odbc.ini.
class OdbcRegistry {
public:
    OdbcRegistry(); // the per-user file
    explicit OdbcRegistry(QString path);

    static QString defaultPath();
    const QString& path() const { return path_; }

    // The registered path, or `def` when the alias or its DBQ is missing or empty.
    QString readDbq(const QString& alias, const QString& def) const;
    // Throws StoreError when the file cannot be written.
    void writeDbq(const QString& alias, const QString& path);

private:
    QString path_;
};

} // namespace store

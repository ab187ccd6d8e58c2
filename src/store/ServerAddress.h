#pragma once
#include <QString>
#include <QUrlQuery>

namespace store {

// A library on a database server, named by a connection URL
// (postgresql://user@host:port/dbname, or with ?host=/socket/folder). Where
// a data source is registered, a file path and such a URL stand side by side;
// only the URL form makes it a server library.
class ServerAddress {
public:
    // The parts of a connection URL. Read by hand: the form the server's
    // client library accepts allows an empty host with a user ("user@/db",
    // the host then given as ?host=/socket/folder), which URL parsers refuse.
    struct Parts {
        QString user, host, port, database;
        QUrlQuery query; // every other setting (sslmode, ...), host/port/dbname/user removed
        bool hasPassword = false;
    };
    static Parts parts(const QString& url);

    static bool isServerUrl(const QString& location);

    // Why `url` cannot be used as a server library (not one, a password in
    // it: passwords stay in ~/.pgpass or the environment, never in our
    // files); empty when it can.
    static QString refusal(const QString& url);

    // "dbname on host:port" (or on the socket folder), for titles and
    // messages that must say which server is meant.
    static QString describe(const QString& url);
};

} // namespace store

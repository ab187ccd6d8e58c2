#pragma once
// A private PostgreSQL server for tests and benchmarks: a fresh cluster in a
// temporary folder, reached only through a Unix socket in that folder.
//
// The postmaster is a direct child of this process and gets SIGQUIT (an
// immediate shutdown) when the thread that started it ends, so a test killed
// on a timeout leaves no server behind; construct it on the main thread. The
// destructor stops the server and removes the folder; the folders of earlier
// processes that were killed are removed by the next one.
//
// As root the server runs as the `postgres` system user (the server refuses
// root), the folder owned by that user. Without the server's binaries, or
// without Qt's QPSQL driver, available() is false and unavailableReason() says
// why.
#include <QMutex>
#include <QSqlDatabase>
#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <sys/types.h>

class PgServer {
public:
    enum class Durability {
        Fast,   // no fsync: for tests; a killed server still keeps every commit
        Durable // the server's defaults: for benchmarks
    };

    explicit PgServer(Durability durability = Durability::Fast);
    // A server that also listens on `tcpAddress` (a loopback address) at a
    // free port, trusting the connections that come from there.
    PgServer(Durability durability, const QString& tcpAddress);
    ~PgServer();
    PgServer(const PgServer&) = delete;
    PgServer& operator=(const PgServer&) = delete;

    // One fast server per process, made on first use and stopped at exit.
    static PgServer& shared();

    bool available() const { return reason_.isEmpty(); }
    QString unavailableReason() const { return reason_; }

    // A new empty database with a unique name; its URL, or an empty string
    // with error() saying why.
    QString createDatabase();
    // postgresql://echolon@/NAME?host=<socket folder>&port=<port>
    QString url(const QString& dbName) const;
    // Points `db` (a QPSQL connection) at the database of `url`, one of this
    // server's URLs. Qt's driver hands its database name to the client library
    // inside a key=value string, where a URL is not expanded, so the parts
    // are set one by one. False when the URL is not this server's.
    bool configure(QSqlDatabase& db, const QString& url) const;
    // Sets the server's setting `name` to `value` (empty: back to its
    // default) and has the server read its settings again, as its keeper's
    // ALTER SYSTEM does; false with error() saying why.
    bool alterSystem(const QString& name, const QString& value);

    // Each waits until the server accepts (start) or is gone (stop, kill);
    // false with error() saying why, also after a timeout.
    bool start();
    bool stop(); // a clean shutdown
    bool kill(); // as if it crashed: no checkpoint, recovery on the next start
    bool running() const { return pid_ > 0; }
    QString error() const { return error_; }

    QString socketFolder() const { return folder_ ? folder_->path() : QString(); }
    int port() const { return port_; }
    // The server's own log (every start appends to it).
    QString logFile() const;
    // Makes a certificate of its own (openssl) and turns TLS on; waits until
    // a connection over TCP gets it. False with error() saying why.
    bool offerTls();

private:
    bool findBinaries();
    bool initCluster();
    bool trustTcp();
    bool waitForExit(int timeoutMs);
    bool fail(const QString& message);

    Durability durability_;
    QString tcpAddress_;
    int port_ = 5432;
    QString binDir_;
    QString reason_;
    QString error_;
    std::unique_ptr<QTemporaryDir> folder_;
    uid_t runAsUid_ = 0;
    gid_t runAsGid_ = 0;
    bool dropPrivileges_ = false;
    pid_t pid_ = 0;
    QMutex databaseMutex_;
    int databaseCount_ = 0;
};
